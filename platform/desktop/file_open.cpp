#include "platform/desktop/file_open.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "platform/desktop/host_files.h"
#include "platform/win/file_api.h"
#include "platform/win/win_errors.h"

namespace desktop {

namespace {

bool refuses(const FileAccess& access, DWORD share) {
  return (access.read && (share & FILE_SHARE_READ) == 0) ||
         (access.write && (share & FILE_SHARE_WRITE) == 0) ||
         (access.remove && (share & FILE_SHARE_DELETE) == 0);
}

bool valid_disposition(DWORD disposition) {
  return disposition >= CREATE_NEW && disposition <= TRUNCATE_EXISTING;
}

}  // namespace

DWORD sharing_conflict(DriveMap& drives, const std::filesystem::path& host, const FileAccess& access,
                       DWORD share) {
  struct stat status {};
  if (::stat(host.c_str(), &status) != 0) return ERROR_SUCCESS;
  auto& open = drives.open_files();
  std::erase_if(open, [](const std::weak_ptr<FileObject>& file) { return file.expired(); });
  for (const auto& weak : open) {
    auto file = weak.lock();
    if (!file->is_file(status.st_dev, status.st_ino)) continue;
    if (refuses(access, file->share) || refuses(file->access, share)) return ERROR_SHARING_VIOLATION;
  }
  return ERROR_SUCCESS;
}

OpenResult open_file(DriveMap& drives, std::wstring_view full_path, const OpenRequest& request) {
  if (!valid_disposition(request.disposition) ||
      (request.disposition == TRUNCATE_EXISTING && !request.access.write))
    return {nullptr, ERROR_INVALID_PARAMETER, false};
  HostPath at = drives.locate(full_path);
  if (at.error != ERROR_SUCCESS) return {nullptr, at.error, false};
  if (at.exists && at.is_folder) return {nullptr, ERROR_ACCESS_DENIED, true};
  if (at.trailing_separator) return {nullptr, ERROR_INVALID_NAME, at.exists};

  const DWORD disposition = request.disposition;
  if (at.exists && disposition == CREATE_NEW) return {nullptr, ERROR_FILE_EXISTS, true};
  if (!at.exists && (disposition == OPEN_EXISTING || disposition == TRUNCATE_EXISTING))
    return {nullptr, ERROR_FILE_NOT_FOUND, false};

  const bool truncate = at.exists && (disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING);
  FileAccess sharing_access = request.access;
  sharing_access.write = sharing_access.write || truncate;
  const bool changes = sharing_access.write || request.access.remove || !at.exists;
  if (changes && drives.in_read_only_folder(at.windows)) return {nullptr, ERROR_ACCESS_DENIED, at.exists};
  if (at.exists) {
    auto info = host_file_info(at.host);
    if (info && info->read_only && (sharing_access.write || request.access.remove))
      return {nullptr, ERROR_ACCESS_DENIED, true};
    DWORD conflict = sharing_conflict(drives, at.host, sharing_access, request.share);
    if (conflict != ERROR_SUCCESS) return {nullptr, conflict, true};
  }

  int flags = O_CLOEXEC | (request.access.write || truncate ? O_RDWR : O_RDONLY);
  if (!at.exists) flags |= O_CREAT | O_EXCL;
  if (truncate) flags |= O_TRUNC;
  const mode_t mode = request.read_only_attribute ? 0444 : 0644;
  int fd = ::open(at.host.c_str(), flags, mode);
  if (fd < 0) return {nullptr, win32_error_of(errno), at.exists};
  if (!at.exists || truncate) stamp_write_time(fd, drives.now_unix_ms());

  auto file = std::make_shared<FileObject>(drives, fd, at.windows, request.access, request.share);
  drives.open_files().push_back(file);
  return {std::move(file), ERROR_SUCCESS, at.exists};
}

}  // namespace desktop
