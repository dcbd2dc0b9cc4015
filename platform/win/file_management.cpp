// Files and folders by name: deleting, moving, copying, folders, and attributes.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/desktop/file_open.h"
#include "platform/desktop/utf8.h"
#include "platform/desktop/windows_path.h"
#include "platform/win/file_api.h"
#include "platform/win/file_internal.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

using desktop::HostPath;

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

BOOL fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

bool same_host_file(const HostPath& a, const HostPath& b) {
  struct stat first {
  }, second{};
  return ::stat(a.host.c_str(), &first) == 0 && ::stat(b.host.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool is_read_only_file(const HostPath& at) {
  auto info = desktop::host_file_info(at.host);
  return info && !info->is_folder && info->read_only;
}

desktop::FileAccess removing() {
  desktop::FileAccess access;
  access.remove = true;
  return access;
}

desktop::FileAccess writing() {
  desktop::FileAccess access;
  access.write = true;
  return access;
}

desktop::FileAccess reading() {
  desktop::FileAccess access;
  access.read = true;
  return access;
}

// A path whose last name must exist, found for the caller; nullopt with the last error set.
std::optional<HostPath> existing(desktop::DesktopThread& self, LPCWSTR path) {
  auto at = win_internal::locate_for(self, path);
  if (at && !at->exists) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return std::nullopt;
  }
  return at;
}

BOOL copy_across(desktop::Desktop& machine, const HostPath& from, const std::filesystem::path& to,
                 const std::wstring& to_windows, bool overwrite) {
  auto info = desktop::host_file_info(from.host);
  if (!info) return fail(ERROR_FILE_NOT_FOUND);
  if (!machine.drives().take_space(desktop::drive_of(to_windows), info->size)) return fail(ERROR_DISK_FULL);
  std::error_code error;
  auto options =
      overwrite ? std::filesystem::copy_options::overwrite_existing : std::filesystem::copy_options::none;
  if (!std::filesystem::copy_file(from.host, to, options, error))
    return fail(desktop::win32_error_of(error.value()));
  // A copy keeps its original's attributes and time of last write, as on Windows.
  desktop::stamp_write_time(to, info->write_time_ns / 1'000'000);
  return TRUE;
}

}  // namespace

BOOL WINAPI DeleteFileW(LPCWSTR name) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  auto at = existing(*self, name);
  if (!at) return FALSE;
  desktop::DriveMap& drives = self->desktop().drives();
  if (at->is_folder || drives.in_read_only_folder(at->windows) || is_read_only_file(*at))
    return fail(ERROR_ACCESS_DENIED);
  DWORD conflict = desktop::sharing_conflict(drives, at->host, removing(), kShareAll);
  if (conflict != ERROR_SUCCESS) return fail(conflict);
  if (::unlink(at->host.c_str()) != 0) return fail(desktop::win32_error_of(errno));
  return TRUE;
}

BOOL WINAPI MoveFileExW(LPCWSTR existing_name, LPCWSTR new_name, DWORD flags) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  auto from = existing(*self, existing_name);
  if (!from) return FALSE;
  auto to_full = win_internal::full_path_for(*self, new_name);
  if (!to_full) return FALSE;
  desktop::Desktop& machine = self->desktop();
  desktop::DriveMap& drives = machine.drives();
  HostPath to = drives.locate(*to_full);
  if (to.error != ERROR_SUCCESS) return fail(to.error);

  // Renaming a file to itself in another case changes only its case.
  const bool same = to.exists && same_host_file(*from, to);
  std::filesystem::path target =
      same ? to.host.parent_path() / desktop::to_utf8(desktop::file_name_of(*to_full)) : to.host;
  if (to.exists && !same) {
    if ((flags & MOVEFILE_REPLACE_EXISTING) == 0) return fail(ERROR_ALREADY_EXISTS);
    if (to.is_folder || from->is_folder || is_read_only_file(to)) return fail(ERROR_ACCESS_DENIED);
    DWORD conflict = desktop::sharing_conflict(drives, to.host, removing(), kShareAll);
    if (conflict != ERROR_SUCCESS) return fail(conflict);
  }
  if (drives.in_read_only_folder(from->windows) || drives.in_read_only_folder(to.windows))
    return fail(ERROR_ACCESS_DENIED);
  DWORD conflict = desktop::sharing_conflict(drives, from->host, removing(), kShareAll);
  if (conflict != ERROR_SUCCESS) return fail(conflict);

  if (desktop::drive_of(from->windows) != desktop::drive_of(to.windows)) {
    if (from->is_folder || (flags & MOVEFILE_COPY_ALLOWED) == 0) return fail(ERROR_NOT_SAME_DEVICE);
    if (!copy_across(machine, *from, target, to.windows, true)) return FALSE;
    return ::unlink(from->host.c_str()) == 0 ? TRUE : fail(desktop::win32_error_of(errno));
  }
  if (::rename(from->host.c_str(), target.c_str()) != 0) return fail(desktop::win32_error_of(errno));
  return TRUE;
}

BOOL WINAPI MoveFileW(LPCWSTR existing_name, LPCWSTR new_name) {
  return MoveFileExW(existing_name, new_name, MOVEFILE_COPY_ALLOWED);
}

BOOL WINAPI CopyFileW(LPCWSTR existing_name, LPCWSTR copy_name, BOOL fail_if_exists) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  auto from = existing(*self, existing_name);
  if (!from) return FALSE;
  if (from->is_folder) return fail(ERROR_ACCESS_DENIED);
  auto to = win_internal::locate_for(*self, copy_name);
  if (!to) return FALSE;
  desktop::Desktop& machine = self->desktop();
  desktop::DriveMap& drives = machine.drives();
  if (to->exists) {
    if (same_host_file(*from, *to)) return fail(ERROR_SHARING_VIOLATION);
    if (fail_if_exists) return fail(ERROR_FILE_EXISTS);
    if (to->is_folder || is_read_only_file(*to)) return fail(ERROR_ACCESS_DENIED);
  }
  if (drives.in_read_only_folder(to->windows)) return fail(ERROR_ACCESS_DENIED);
  DWORD conflict = desktop::sharing_conflict(drives, from->host, reading(), FILE_SHARE_READ);
  if (conflict == ERROR_SUCCESS) conflict = desktop::sharing_conflict(drives, to->host, writing(), 0);
  if (conflict != ERROR_SUCCESS) return fail(conflict);
  return copy_across(machine, *from, to->host, to->windows, true);
}

BOOL WINAPI CreateDirectoryW(LPCWSTR name, LPSECURITY_ATTRIBUTES) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  auto at = win_internal::locate_for(*self, name);
  if (!at) return FALSE;
  if (at->exists) return fail(ERROR_ALREADY_EXISTS);
  desktop::DriveMap& drives = self->desktop().drives();
  if (drives.in_read_only_folder(at->windows)) return fail(ERROR_ACCESS_DENIED);
  if (::mkdir(at->host.c_str(), 0755) != 0) return fail(desktop::win32_error_of(errno));
  desktop::stamp_write_time(at->host, drives.now_unix_ms());
  return TRUE;
}

BOOL WINAPI RemoveDirectoryW(LPCWSTR name) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  auto at = existing(*self, name);
  if (!at) return FALSE;
  if (!at->is_folder) return fail(ERROR_DIRECTORY);
  if (desktop::names_of(at->windows).empty() || self->desktop().drives().in_read_only_folder(at->windows))
    return fail(ERROR_ACCESS_DENIED);
  if (::rmdir(at->host.c_str()) != 0)
    return fail(errno == ENOTEMPTY || errno == EEXIST ? ERROR_DIR_NOT_EMPTY : desktop::win32_error_of(errno));
  return TRUE;
}

DWORD WINAPI GetLogicalDrives() {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  DWORD drives = 0;
  for (int letter = 0; letter < 26; ++letter)
    if (self->desktop().drives().has_drive(static_cast<wchar_t>(L'A' + letter))) drives |= 1u << letter;
  return drives;
}

DWORD WINAPI GetFileAttributesW(LPCWSTR name) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return INVALID_FILE_ATTRIBUTES;
  auto at = existing(*self, name);
  if (!at) return INVALID_FILE_ATTRIBUTES;
  auto info = desktop::host_file_info(at->host);
  if (!info) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_FILE_ATTRIBUTES;
  }
  return win_internal::attributes_of(*info);
}

BOOL WINAPI GetFileAttributesExW(LPCWSTR name, GET_FILEEX_INFO_LEVELS level, LPVOID information) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  if (level != GetFileExInfoStandard || information == nullptr) return fail(ERROR_INVALID_PARAMETER);
  auto at = existing(*self, name);
  if (!at) return FALSE;
  auto info = desktop::host_file_info(at->host);
  if (!info) return fail(ERROR_FILE_NOT_FOUND);
  auto* data = static_cast<WIN32_FILE_ATTRIBUTE_DATA*>(information);
  data->dwFileAttributes = win_internal::attributes_of(*info);
  data->ftCreationTime = desktop::file_time_of_unix_ns(info->write_time_ns);
  data->ftLastAccessTime = desktop::file_time_of_unix_ns(info->access_time_ns);
  data->ftLastWriteTime = desktop::file_time_of_unix_ns(info->write_time_ns);
  data->nFileSizeHigh = static_cast<DWORD>(info->size >> 32);
  data->nFileSizeLow = static_cast<DWORD>(info->size & 0xFFFFFFFF);
  return TRUE;
}

BOOL WINAPI SetFileAttributesW(LPCWSTR name, DWORD attributes) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  auto at = existing(*self, name);
  if (!at) return FALSE;
  if (self->desktop().drives().in_read_only_folder(at->windows)) return fail(ERROR_ACCESS_DENIED);
  // Of the attributes only read-only means anything to the desktop, and only on files.
  if (!at->is_folder && !desktop::set_host_read_only(at->host, (attributes & FILE_ATTRIBUTE_READONLY) != 0))
    return fail(desktop::win32_error_of(errno));
  return TRUE;
}
