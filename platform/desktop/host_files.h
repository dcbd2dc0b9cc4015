// What the host's file system says about a file, in the terms the desktop's drives need.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/win_types.h"

namespace desktop {

struct HostFileInfo {
  bool is_folder = false;
  // Windows' read-only attribute lives in the host's owner-write bit; the desktop enforces it
  // itself, since the host may let its owner write anyway.
  bool read_only = false;
  std::uint64_t size = 0;
  std::int64_t write_time_ns = 0;  // since 1970, UTC
  std::int64_t access_time_ns = 0;
};

struct FolderEntry {
  std::wstring name;
  HostFileInfo info;
};

std::optional<HostFileInfo> host_file_info(const std::filesystem::path& path);
std::optional<HostFileInfo> host_file_info(int fd);
// A folder's entries in Windows' order, by their upper-case names.
std::vector<FolderEntry> list_host_folder(const std::filesystem::path& folder);

// Files written on the desktop carry the desktop's time, so a virtual clock gives steady times.
void stamp_write_time(int fd, std::int64_t unix_ms);
void stamp_write_time(const std::filesystem::path& path, std::int64_t unix_ms);
bool set_host_read_only(const std::filesystem::path& path, bool read_only);

FILETIME file_time_of_unix_ns(std::int64_t unix_ns);
DWORD win32_error_of(int host_errno);

}  // namespace desktop
