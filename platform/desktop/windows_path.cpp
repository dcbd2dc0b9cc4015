#include "platform/desktop/windows_path.h"

#include <algorithm>
#include <cwctype>

#include "platform/win/win_errors.h"

namespace desktop {

namespace {

bool is_drive_letter(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

bool starts_with_drive(std::wstring_view path) {
  return path.size() >= 2 && is_drive_letter(path[0]) && path[1] == L':';
}

// A name that ends in one dot loses it ("name." is "name"); "..." stays a name.
std::wstring_view without_single_trailing_dot(std::wstring_view name) {
  if (name.size() >= 2 && name.back() == L'.' && name[name.size() - 2] != L'.') name.remove_suffix(1);
  return name;
}

std::wstring_view without_trailing_dots_and_blanks(std::wstring_view name) {
  while (!name.empty() && (name.back() == L'.' || name.back() == L' '))
    name.remove_suffix(1);
  return name;
}

void add_names(std::vector<std::wstring>& names, std::wstring_view text) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = start;
    while (end < text.size() && !is_separator(text[end]))
      ++end;
    std::wstring_view name = text.substr(start, end - start);
    if (name == L"..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != L".") {
      names.emplace_back(without_single_trailing_dot(name));
    }
    start = end + 1;
  }
}

}  // namespace

bool is_separator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

bool ends_with_separator(std::wstring_view path) {
  return !path.empty() && is_separator(path.back());
}

FullPath full_windows_path(std::wstring_view path, std::wstring_view current_directory) {
  if (path.empty()) return {ERROR_PATH_NOT_FOUND, {}};
  if (path.size() >= 4 && is_separator(path[0]) && is_separator(path[1]) && path[2] == L'?' &&
      is_separator(path[3]) && starts_with_drive(path.substr(4)))
    path.remove_prefix(4);
  else if (path.size() >= 2 && is_separator(path[0]) && is_separator(path[1]))
    return {ERROR_BAD_NETPATH, {}};

  wchar_t drive = drive_of(current_directory);
  std::vector<std::wstring> names;
  std::wstring_view rest = path;
  if (starts_with_drive(path)) {
    drive = static_cast<wchar_t>(std::towupper(path[0]));
    rest = path.substr(2);
    bool absolute = !rest.empty() && is_separator(rest[0]);
    if (!absolute && drive == drive_of(current_directory)) names = names_of(current_directory);
  } else if (!is_separator(path[0])) {
    names = names_of(current_directory);
  }
  add_names(names, rest);

  bool trailing = ends_with_separator(path) && !names.empty();
  if (!trailing && !names.empty()) {
    // The last name also loses every trailing dot and blank; a name made only of them goes.
    std::wstring_view last = without_trailing_dots_and_blanks(names.back());
    if (last.empty())
      names.pop_back();
    else
      names.back() = std::wstring(last);
  }
  std::wstring full{drive, L':', L'\\'};
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) full += L'\\';
    full += names[i];
  }
  if (trailing) full += L'\\';
  return {ERROR_SUCCESS, std::move(full)};
}

wchar_t drive_of(std::wstring_view full_path) {
  return starts_with_drive(full_path) ? static_cast<wchar_t>(std::towupper(full_path[0])) : L'C';
}

std::vector<std::wstring> names_of(std::wstring_view full_path) {
  std::vector<std::wstring> names;
  if (!starts_with_drive(full_path)) return names;
  std::wstring_view rest = full_path.substr(2);
  std::size_t start = 0;
  while (start < rest.size()) {
    std::size_t end = start;
    while (end < rest.size() && !is_separator(rest[end]))
      ++end;
    if (end > start) names.emplace_back(rest.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

std::wstring_view file_name_of(std::wstring_view path) {
  auto at = std::find_if(path.rbegin(), path.rend(), [](wchar_t c) { return is_separator(c) || c == L':'; });
  return path.substr(static_cast<std::size_t>(path.rend() - at));
}

std::wstring folder_of(std::wstring_view full_path) {
  std::wstring_view name = file_name_of(full_path);
  std::wstring_view folder = full_path.substr(0, full_path.size() - name.size());
  // "C:\a\b" gives "C:\a", while "C:\b" gives the root "C:\".
  if (folder.size() > 3 && is_separator(folder.back())) folder.remove_suffix(1);
  return std::wstring(folder);
}

std::wstring join_path(std::wstring_view folder, std::wstring_view name) {
  std::wstring joined(folder);
  if (!ends_with_separator(joined)) joined += L'\\';
  joined += name;
  return joined;
}

bool is_valid_name(std::wstring_view name) {
  return std::none_of(name.begin(), name.end(), [](wchar_t c) {
    return c < 32 || c == L'<' || c == L'>' || c == L':' || c == L'"' || c == L'|' || c == L'?' || c == L'*';
  });
}

std::wstring upper_case(std::wstring_view text) {
  std::wstring upper(text);
  for (wchar_t& c : upper)
    c = static_cast<wchar_t>(std::towupper(c));
  return upper;
}

bool equal_names(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
           return std::towupper(x) == std::towupper(y);
         });
}

bool name_before(std::wstring_view a, std::wstring_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
    return std::towupper(x) < std::towupper(y);
  });
}

}  // namespace desktop
