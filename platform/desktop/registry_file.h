// The text file that keeps the registry hive, one line per key and one per value:
//
//   registry 1
//   key "HKEY_CURRENT_USER\\Software\\Halcyra Software" written 1767268800000
//   value "Language" dword 2
//   value "Home Location" sz "Paris, France"
//   value "Logo" binary hex 89 50 4e 47
//   value "Cut" sz hex 41 00 00
//   value "" 4660 hex 01
//
// A key line gives the key's full path and the time it was last written (Unix milliseconds);
// the value lines after it are that key's values. Texts are quoted, with the escapes \\ \" \0
// \t \n \r and \u{hex}, every other character in UTF-8. Text types are written as text and
// DWORDs and QWORDs as decimal numbers when their sizes allow, anything else as hex bytes; a
// type without a name is written as its number. Lines starting with ';' are comments.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop/registry_key.h"

namespace desktop {

struct RegistryFileKey {
  std::vector<std::wstring> path;  // the root's name first
  std::int64_t written_unix_ms = 0;
  std::vector<RegistryValue> values;
};

struct RegistryFileContents {
  std::vector<RegistryFileKey> keys;
  std::size_t bad_line = 0;  // the first line that could not be read, counted from 1; 0 when none
  std::string problem;
};

// The file's text for these roots and every key below them, volatile keys left out.
std::string format_registry_file(const std::vector<const RegistryKey*>& roots);
RegistryFileContents parse_registry_file(std::string_view text);

}  // namespace desktop
