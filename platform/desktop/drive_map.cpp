#include "platform/desktop/drive_map.h"

#include <cwctype>

#include "platform/desktop/host_files.h"
#include "platform/desktop/utf8.h"
#include "platform/desktop/windows_path.h"
#include "platform/win/win_errors.h"

namespace desktop {

namespace {

// The host's spelling of a name in a folder: the exact one if it is there, else the first
// entry equal without regard to case.
std::optional<std::string> stored_name(const std::filesystem::path& folder, std::wstring_view name) {
  std::string exact = to_utf8(name);
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::symlink_status(folder / exact, error))) return exact;
  std::optional<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::string candidate = entry.path().filename().string();
    if (equal_names(from_utf8(candidate), name) && (!found || candidate < *found)) found = candidate;
  }
  return found;
}

std::wstring without_separator(std::wstring_view full_path) {
  std::wstring path(full_path);
  if (path.size() > 3 && ends_with_separator(path)) path.pop_back();
  return path;
}

}  // namespace

void DriveMap::add_drive(wchar_t letter, std::filesystem::path host_folder) {
  std::error_code error;
  std::filesystem::create_directories(host_folder, error);
  drives_[static_cast<wchar_t>(std::towupper(letter))] = {std::move(host_folder), std::nullopt};
}

bool DriveMap::has_drive(wchar_t letter) const {
  return drives_.contains(static_cast<wchar_t>(std::towupper(letter)));
}

HostPath DriveMap::locate(std::wstring_view full_path) const {
  HostPath at;
  at.trailing_separator = ends_with_separator(full_path) && full_path.size() > 3;
  wchar_t letter = drive_of(full_path);
  auto drive = drives_.find(letter);
  if (drive == drives_.end()) {
    at.error = ERROR_PATH_NOT_FOUND;
    return at;
  }
  at.host = drive->second.root;
  at.windows = std::wstring{letter, L':', L'\\'};
  at.exists = true;
  at.is_folder = true;
  std::vector<std::wstring> names = names_of(full_path);
  for (std::size_t i = 0; i < names.size(); ++i) {
    const bool last = i + 1 == names.size();
    if (!is_valid_name(names[i])) {
      at.error = ERROR_INVALID_NAME;
      return at;
    }
    if (i > 0) at.windows += L'\\';
    auto stored = stored_name(at.host, names[i]);
    if (!stored) {
      if (!last) at.error = ERROR_PATH_NOT_FOUND;
      at.host /= to_utf8(names[i]);
      at.windows += names[i];
      at.exists = false;
      at.is_folder = false;
      return at;
    }
    at.host /= *stored;
    at.windows += from_utf8(*stored);
    auto info = host_file_info(at.host);
    at.is_folder = info && info->is_folder;
    if (!last && !at.is_folder) {
      at.error = ERROR_PATH_NOT_FOUND;
      return at;
    }
  }
  return at;
}

std::optional<std::wstring> DriveMap::windows_path_of(const std::filesystem::path& host) const {
  std::filesystem::path normal = host.lexically_normal();
  for (const auto& [letter, drive] : drives_) {
    std::filesystem::path relative = normal.lexically_relative(drive.root.lexically_normal());
    if (relative.empty() || *relative.begin() == "..") continue;
    std::wstring windows{letter, L':', L'\\'};
    bool first = true;
    for (const auto& name : relative) {
      if (name == "." || name.empty()) continue;
      if (!first) windows += L'\\';
      windows += from_utf8(name.string());
      first = false;
    }
    return windows;
  }
  return std::nullopt;
}

bool DriveMap::make_folders(std::wstring_view full_path) {
  std::wstring path{drive_of(full_path), L':', L'\\'};
  for (const std::wstring& name : names_of(full_path)) {
    path = join_path(path, name);
    HostPath at = locate(path);
    if (at.error != ERROR_SUCCESS) return false;
    if (at.exists) {
      if (!at.is_folder) return false;
      continue;
    }
    std::error_code error;
    if (!std::filesystem::create_directory(at.host, error)) return false;
    stamp_write_time(at.host, now_unix_ms());
  }
  return true;
}

void DriveMap::set_read_only(std::wstring_view folder, bool read_only) {
  FullPath full = full_windows_path(folder, L"C:\\");
  std::wstring key = upper_case(without_separator(full.path));
  if (read_only)
    read_only_.insert(std::move(key));
  else
    read_only_.erase(key);
}

bool DriveMap::in_read_only_folder(std::wstring_view full_path) const {
  std::wstring path = upper_case(without_separator(full_path));
  for (const std::wstring& folder : read_only_) {
    std::wstring prefix = ends_with_separator(folder) ? folder : folder + L'\\';
    if (path.size() > prefix.size() && path.starts_with(prefix)) return true;
  }
  return false;
}

void DriveMap::set_free_space(wchar_t letter, std::optional<std::uint64_t> bytes) {
  auto drive = drives_.find(static_cast<wchar_t>(std::towupper(letter)));
  if (drive != drives_.end()) drive->second.free_space = bytes;
}

bool DriveMap::take_space(wchar_t letter, std::uint64_t bytes) {
  auto drive = drives_.find(static_cast<wchar_t>(std::towupper(letter)));
  if (drive == drives_.end() || !drive->second.free_space) return true;
  if (*drive->second.free_space < bytes) return false;
  *drive->second.free_space -= bytes;
  return true;
}

}  // namespace desktop
