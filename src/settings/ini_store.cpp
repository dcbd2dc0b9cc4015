#include "src/settings/ini_store.h"

#include <algorithm>

#include "src/util/compare_no_case.h"
#include "src/util/text_trim.h"
#include "src/util/whole_file.h"

namespace {

constexpr std::wstring_view Blanks = L" \t";
constexpr std::wstring_view LineEnds = L"\r\n";
constexpr std::wstring_view BlanksAndLineEnds = L" \t\r\n";

bool FitsOneByte(std::wstring_view text) {
  return std::all_of(text.begin(), text.end(), [](wchar_t c) { return static_cast<unsigned>(c) <= 0xFF; });
}

void AppendBytes(std::string& bytes, std::wstring_view text) {
  for (wchar_t c : text)
    bytes.push_back(static_cast<char>(static_cast<unsigned char>(c)));
}

}  // namespace

bool NoCaseLess::operator()(std::wstring_view a, std::wstring_view b) const {
  return CompareNoCase(a, b);
}

bool CIniStore::Load(const std::wstring& path, std::size_t largest) {
  std::string bytes;
  if (ReadWholeFile(path, largest, bytes) != WholeFileRead::Read) return false;
  Clear();
  Section* current = nullptr;
  std::wstring line;
  for (std::size_t start = 0; start < bytes.size();) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    line.clear();
    for (std::size_t i = start; i < end; ++i)
      line.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i])));
    ParseLine(line, current);
    start = end + 1;
  }
  return true;
}

void CIniStore::ParseLine(std::wstring_view line, Section*& current) {
  std::size_t first = line.find_first_not_of(Blanks);
  if (first == std::wstring_view::npos) return;
  line.remove_prefix(first);
  std::size_t last = line.find_last_not_of(LineEnds);
  if (last == std::wstring_view::npos) return;
  line = line.substr(0, last + 1);

  std::size_t closing = line.find_last_not_of(BlanksAndLineEnds);
  if (line.front() == L'[' && line[closing] == L']') {
    // The name ends at the closing bracket, so blanks after it are not part of it.
    current = &AddSection(line.substr(1, closing - 1));
    return;
  }
  if (line.front() == L'=' || current == nullptr) return;
  std::size_t equals = line.find(L'=');
  if (equals == std::wstring_view::npos) {
    // A line end left at the end of a bare line would be lost when it is read back.
    std::wstring_view key = line.substr(0, line.find_last_not_of(BlanksAndLineEnds) + 1);
    if (key.empty()) return;
    current->entries.try_emplace(std::wstring(key), Entry{std::wstring(key), L"", true});
    return;
  }
  std::wstring_view key = StripBlanks(line.substr(0, equals));
  auto [at, added] = current->entries.try_emplace(std::wstring(key), Entry{std::wstring(key), L"", false});
  at->second.value = line.substr(equals + 1);
  at->second.bare = false;
}

bool CIniStore::Save(const std::wstring& path) const {
  for (const auto& [name, section] : sections_) {
    if (!FitsOneByte(section.name)) return false;
    for (const auto& [key, entry] : section.entries)
      if (!FitsOneByte(entry.key) || !FitsOneByte(entry.value)) return false;
  }
  return ReplaceWholeFile(path, Serialise());
}

std::string CIniStore::Serialise() const {
  std::string bytes;
  for (const auto& [name, section] : sections_) {
    bytes += '[';
    AppendBytes(bytes, section.name);
    bytes += "]\r\n";
    for (const auto& [key, entry] : section.entries) {
      AppendBytes(bytes, entry.key);
      if (!entry.bare) {
        bytes += '=';
        AppendBytes(bytes, entry.value);
      }
      bytes += "\r\n";
    }
  }
  return bytes;
}

const CIniStore::Section* CIniStore::FindSection(std::wstring_view name) const {
  auto found = sections_.find(StripBlanks(name));
  return found == sections_.end() ? nullptr : &found->second;
}

CIniStore::Section& CIniStore::AddSection(std::wstring_view name) {
  std::wstring_view stripped = StripBlanks(name);
  auto found = sections_.find(stripped);
  if (found != sections_.end()) return found->second;
  std::wstring owned(stripped);
  return sections_.emplace(owned, Section{owned, {}}).first->second;
}

std::wstring CIniStore::GetValue(std::wstring_view section, std::wstring_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return L"";
  auto entry = found->entries.find(StripBlanks(key));
  return entry == found->entries.end() ? L"" : entry->second.value;
}

void CIniStore::SetValue(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  Section& target = AddSection(section);
  std::wstring_view stripped = StripBlanks(key);
  auto [at, added] =
      target.entries.try_emplace(std::wstring(stripped), Entry{std::wstring(stripped), L"", false});
  at->second.value = value;
  at->second.bare = false;
}
