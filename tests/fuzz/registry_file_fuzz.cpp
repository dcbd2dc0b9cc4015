// Feeds arbitrary bytes to the desktop's registry file reader as registry.txt. A file it refuses
// names a line of the file and a problem; the keys of a file it reads, written out again, must
// read back as the same keys and values, so that writing them once more gives the same text.
// The hive itself then loads the same bytes from a file of the host.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include <unistd.h>

#include "platform/desktop/registry_file.h"
#include "platform/desktop/registry_hive.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

using desktop::RegistryFileContents;
using desktop::RegistryKey;

constexpr const wchar_t* kRoots[] = {L"HKEY_CURRENT_USER", L"HKEY_LOCAL_MACHINE"};

struct Tree {
  std::shared_ptr<RegistryKey> roots[2];
};

std::shared_ptr<RegistryKey> below(RegistryKey& parent, const std::wstring& name) {
  if (std::shared_ptr<RegistryKey> found = parent.subkey(name)) return found;
  auto key = std::make_shared<RegistryKey>();
  key->name = name;
  key->parent = &parent;
  parent.subkeys[desktop::upper_cased(name)] = key;
  return key;
}

// The keys as the hive builds them; none when a key is below neither root.
std::optional<Tree> tree_of(const RegistryFileContents& contents) {
  Tree tree;
  for (std::size_t i = 0; i < std::size(kRoots); ++i) {
    tree.roots[i] = std::make_shared<RegistryKey>();
    tree.roots[i]->name = kRoots[i];
  }
  for (const desktop::RegistryFileKey& file_key : contents.keys) {
    const auto root = std::find_if(std::begin(kRoots), std::end(kRoots), [&](const wchar_t* name) {
      return desktop::same_name(file_key.path.front(), name);
    });
    if (root == std::end(kRoots)) return std::nullopt;
    std::shared_ptr<RegistryKey> key = tree.roots[root - std::begin(kRoots)];
    for (std::size_t i = 1; i < file_key.path.size(); ++i)
      key = below(*key, file_key.path[i]);
    for (const desktop::RegistryValue& value : file_key.values)
      if (desktop::RegistryValue* existing = key->value(value.name))
        *existing = value;
      else
        key->values.push_back(value);
    key->written_unix_ms = file_key.written_unix_ms;
  }
  return tree;
}

std::string text_of(const Tree& tree) {
  return desktop::format_registry_file({tree.roots[0].get(), tree.roots[1].get()});
}

void load_into_hive(std::string_view text) {
  static const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("registry_file_fuzz." + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::filesystem::path file = folder / "registry.txt";
  std::ofstream(file, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
  desktop::RegistryHive hive(fuzz_desktop().clock());
  hive.attach_file(file);
  std::filesystem::remove_all(folder);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const RegistryFileContents contents = desktop::parse_registry_file(text);
  if (contents.bad_line != 0) {
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    require(contents.bad_line <= lines && !contents.problem.empty() && contents.keys.empty());
  } else if (const std::optional<Tree> tree = tree_of(contents)) {
    const std::string written = text_of(*tree);
    const RegistryFileContents again = desktop::parse_registry_file(written);
    require(again.bad_line == 0);
    const std::optional<Tree> tree_again = tree_of(again);
    require(tree_again && text_of(*tree_again) == written);
  }
  load_into_hive(text);
  return 0;
}
