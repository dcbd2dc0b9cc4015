// Feeds arbitrary bytes to the ini store as a file. Whatever it reads, saving it and reading
// the saved file back must give the same sections, keys, values and bare lines.
#include "src/settings/ini_store.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

constexpr wchar_t kFolder[] = L"C:\\Fuzz";
constexpr wchar_t kRead[] = L"C:\\Fuzz\\read.ini";
constexpr wchar_t kSaved[] = L"C:\\Fuzz\\saved.ini";

bool same_entries(const CIniStore::Section& a, const CIniStore::Section& b) {
  if (a.name != b.name || a.entries.size() != b.entries.size()) return false;
  for (auto left = a.entries.begin(), right = b.entries.begin(); left != a.entries.end(); ++left, ++right)
    if (left->second.key != right->second.key || left->second.value != right->second.value ||
        left->second.bare != right->second.bare)
      return false;
  return true;
}

bool same_sections(const CIniStore& a, const CIniStore& b) {
  if (a.Sections().size() != b.Sections().size()) return false;
  for (auto left = a.Sections().begin(), right = b.Sections().begin(); left != a.Sections().end();
       ++left, ++right)
    if (!same_entries(left->second, right->second)) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  write_fuzz_file(kFolder, kRead, data, size);
  CIniStore read;
  require(read.Load(kRead));
  require(read.Save(kSaved));
  CIniStore again;
  require(again.Load(kSaved));
  require(same_sections(read, again));
  return 0;
}
