// The text work of the open and save dialogs: their filters, the patterns a name may hold, a
// typed name made a full path in the folder shown, and the default extension.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/win_types.h"

namespace file_dialog {

struct Filter {
  std::wstring description;
  std::vector<std::wstring> patterns;
};

// lpstrFilter's pairs, each a description and its patterns ending in a zero, up to an empty one.
std::vector<Filter> parse_filters(LPCWSTR filters);
// "*.png; *.bmp" gives "*.png" and "*.bmp".
std::vector<std::wstring> split_patterns(std::wstring_view text);
// No patterns, or one of them, matches.
bool matches_any(const std::vector<std::wstring>& patterns, std::wstring_view name);
bool has_wildcards(std::wstring_view text);

// The typed name as a full path in the folder shown; nullopt when it can be no path.
std::optional<std::wstring> resolve(std::wstring_view folder, std::wstring_view typed);
// lpstrDefExt without the "*." or "." it may be given with ("*.ocsf" is "ocsf").
std::wstring default_extension(LPCWSTR def_ext);
// Where the extension of the path's last name starts, after its dot; the length when it has none.
std::size_t extension_offset(std::wstring_view path);
bool has_extension(std::wstring_view path);

// The folders from the drive's root down to the folder itself.
std::vector<std::wstring> folder_chain(std::wstring_view folder);
// The folder above; empty for a drive's root.
std::wstring parent_folder(std::wstring_view folder);

}  // namespace file_dialog
