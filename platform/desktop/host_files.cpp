#include "platform/desktop/host_files.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "platform/desktop/utf8.h"
#include "platform/desktop/windows_path.h"
#include "platform/win/win_errors.h"

namespace desktop {

namespace {

std::int64_t ns_of(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

HostFileInfo info_of(const struct stat& status) {
  HostFileInfo info;
  info.is_folder = S_ISDIR(status.st_mode);
  info.read_only = !info.is_folder && (status.st_mode & S_IWUSR) == 0;
  info.size = info.is_folder ? 0 : static_cast<std::uint64_t>(status.st_size);
  info.write_time_ns = ns_of(status.st_mtim);
  info.access_time_ns = ns_of(status.st_atim);
  return info;
}

timespec timespec_of(std::int64_t unix_ms) {
  std::int64_t seconds = unix_ms >= 0 ? unix_ms / 1000 : -((-unix_ms + 999) / 1000);
  return {static_cast<time_t>(seconds), static_cast<long>((unix_ms - seconds * 1000) * 1'000'000)};
}

}  // namespace

std::optional<HostFileInfo> host_file_info(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return info_of(status);
}

std::optional<HostFileInfo> host_file_info(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return std::nullopt;
  return info_of(status);
}

std::vector<FolderEntry> list_host_folder(const std::filesystem::path& folder) {
  std::vector<FolderEntry> entries;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    auto info = host_file_info(entry.path());
    if (info) entries.push_back({from_utf8(entry.path().filename().string()), *info});
  }
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    if (name_before(a.name, b.name)) return true;
    return !name_before(b.name, a.name) && a.name < b.name;
  });
  return entries;
}

void stamp_write_time(int fd, std::int64_t unix_ms) {
  timespec now = timespec_of(unix_ms);
  const timespec times[2] = {now, now};
  ::futimens(fd, times);
}

void stamp_write_time(const std::filesystem::path& path, std::int64_t unix_ms) {
  timespec now = timespec_of(unix_ms);
  const timespec times[2] = {now, now};
  ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

bool set_host_read_only(const std::filesystem::path& path, bool read_only) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return false;
  mode_t mode = status.st_mode & 07777;
  mode = read_only ? (mode & ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
  return ::chmod(path.c_str(), mode) == 0;
}

FILETIME file_time_of_unix_ns(std::int64_t unix_ns) {
  constexpr std::int64_t kTicksFrom1601To1970 = 116'444'736'000'000'000;
  auto ticks = static_cast<std::uint64_t>(unix_ns / 100 + kTicksFrom1601To1970);
  return {static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

DWORD win32_error_of(int host_errno) {
  struct Mapping {
    int host;
    DWORD win32;
  };
  static constexpr Mapping kMappings[] = {
      {ENOENT, ERROR_FILE_NOT_FOUND},      {ENOTDIR, ERROR_PATH_NOT_FOUND},
      {EACCES, ERROR_ACCESS_DENIED},       {EPERM, ERROR_ACCESS_DENIED},
      {EROFS, ERROR_ACCESS_DENIED},        {EISDIR, ERROR_ACCESS_DENIED},
      {EEXIST, ERROR_ALREADY_EXISTS},      {ENOTEMPTY, ERROR_DIR_NOT_EMPTY},
      {ENOSPC, ERROR_DISK_FULL},           {EDQUOT, ERROR_DISK_FULL},
      {EMFILE, ERROR_TOO_MANY_OPEN_FILES}, {ENFILE, ERROR_TOO_MANY_OPEN_FILES},
      {EXDEV, ERROR_NOT_SAME_DEVICE},      {ENAMETOOLONG, ERROR_INVALID_NAME},
      {EINVAL, ERROR_INVALID_PARAMETER},   {ENOMEM, ERROR_NOT_ENOUGH_MEMORY},
  };
  for (const Mapping& mapping : kMappings)
    if (mapping.host == host_errno) return mapping.win32;
  return ERROR_ACCESS_DENIED;
}

}  // namespace desktop
