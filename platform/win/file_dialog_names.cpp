#include "platform/win/file_dialog_names.h"

#include <algorithm>
#include <cwctype>

#include "platform/desktop/name_pattern.h"
#include "platform/desktop/windows_path.h"

namespace file_dialog {
namespace {

std::wstring trimmed(std::wstring_view text) {
  const auto first = text.find_first_not_of(L" \t");
  if (first == std::wstring_view::npos) return {};
  const auto last = text.find_last_not_of(L" \t");
  return std::wstring(text.substr(first, last - first + 1));
}

}  // namespace

std::vector<Filter> parse_filters(LPCWSTR filters) {
  std::vector<Filter> parsed;
  if (filters == nullptr) return parsed;
  for (const wchar_t* at = filters; *at != L'\0';) {
    const std::wstring_view description(at);
    at += description.size() + 1;
    const std::wstring_view patterns(at);
    if (patterns.empty()) break;
    at += patterns.size() + 1;
    parsed.push_back({std::wstring(description), split_patterns(patterns)});
  }
  return parsed;
}

std::vector<std::wstring> split_patterns(std::wstring_view text) {
  std::vector<std::wstring> patterns;
  while (!text.empty()) {
    const std::size_t semicolon = std::min(text.find(L';'), text.size());
    if (std::wstring pattern = trimmed(text.substr(0, semicolon)); !pattern.empty())
      patterns.push_back(std::move(pattern));
    text.remove_prefix(std::min(semicolon + 1, text.size()));
  }
  return patterns;
}

bool matches_any(const std::vector<std::wstring>& patterns, std::wstring_view name) {
  return patterns.empty() ||
         std::any_of(patterns.begin(), patterns.end(),
                     [name](const std::wstring& pattern) { return desktop::matches_pattern(pattern, name); });
}

bool has_wildcards(std::wstring_view text) {
  return text.find_first_of(L"*?") != std::wstring_view::npos;
}

std::optional<std::wstring> resolve(std::wstring_view folder, std::wstring_view typed) {
  const std::wstring name = trimmed(typed);
  if (name.empty()) return std::nullopt;
  desktop::FullPath full = desktop::full_windows_path(name, folder);
  if (full.error != 0 || full.path.empty()) return std::nullopt;
  for (const std::wstring& part : desktop::names_of(full.path))
    if (!desktop::is_valid_name(part)) return std::nullopt;
  return full.path;
}

std::wstring default_extension(LPCWSTR def_ext) {
  if (def_ext == nullptr) return {};
  std::wstring_view extension(def_ext);
  if (extension.starts_with(L"*")) extension.remove_prefix(1);
  if (extension.starts_with(L".")) extension.remove_prefix(1);
  return has_wildcards(extension) ? std::wstring() : std::wstring(extension);
}

std::size_t extension_offset(std::wstring_view path) {
  const std::wstring_view name = desktop::file_name_of(path);
  const std::size_t dot = name.rfind(L'.');
  if (dot == std::wstring_view::npos) return path.size();
  return path.size() - name.size() + dot + 1;
}

bool has_extension(std::wstring_view path) {
  return extension_offset(path) < path.size();
}

std::vector<std::wstring> folder_chain(std::wstring_view folder) {
  std::vector<std::wstring> chain;
  if (folder.size() < 2) return chain;
  std::wstring at{folder.substr(0, 2)};
  at += L'\\';
  chain.push_back(at);
  for (const std::wstring& name : desktop::names_of(folder)) {
    at = desktop::join_path(at, name);
    chain.push_back(at);
  }
  return chain;
}

std::wstring parent_folder(std::wstring_view folder) {
  const std::vector<std::wstring> chain = folder_chain(folder);
  return chain.size() < 2 ? std::wstring() : chain[chain.size() - 2];
}

}  // namespace file_dialog
