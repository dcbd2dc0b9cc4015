// Windows path text, as GetFullPathNameW reads it: drives, separators, "." and "..", and
// names compared without regard to case. Pure text: nothing here looks at a disk.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/win/win_types.h"

namespace desktop {

struct FullPath {
  DWORD error = 0;    // a Win32 error code when the path cannot be made full
  std::wstring path;  // "C:\Folder\name"; a trailing separator stays, the root is "C:\"
};

// Backslashes and slashes both separate, runs of them fold, "." and ".." resolve (never above
// the root), a name's trailing dot goes, and the last name loses its trailing dots and blanks.
// Relative and drive-relative paths resolve against current_directory, itself a full path.
// "\\?\" before a drive path is dropped; other UNC and device paths are refused.
FullPath full_windows_path(std::wstring_view path, std::wstring_view current_directory);

// The parts of a full path: its upper-case drive letter and the names after the root.
wchar_t drive_of(std::wstring_view full_path);
std::vector<std::wstring> names_of(std::wstring_view full_path);
bool ends_with_separator(std::wstring_view path);

// The text after the last separator, and before it (a root keeps its separator).
std::wstring_view file_name_of(std::wstring_view path);
std::wstring folder_of(std::wstring_view full_path);
std::wstring join_path(std::wstring_view folder, std::wstring_view name);

bool is_separator(wchar_t c);
// Characters that no Windows file name holds: < > : " | ? * and the control characters.
bool is_valid_name(std::wstring_view name);

std::wstring upper_case(std::wstring_view text);
bool equal_names(std::wstring_view a, std::wstring_view b);
// Windows' order of names in a folder: by their upper-case form.
bool name_before(std::wstring_view a, std::wstring_view b);

}  // namespace desktop
