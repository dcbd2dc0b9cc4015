// File handles: opening, reading, writing, the file pointer, sizes and times.
#include "platform/desktop/file_open.h"
#include "platform/win/file_api.h"
#include "platform/win/file_internal.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

desktop::FileAccess access_of(DWORD desired) {
  const bool write_data = (desired & (GENERIC_WRITE | GENERIC_ALL | FILE_WRITE_DATA)) != 0;
  const bool append = (desired & FILE_APPEND_DATA) != 0;
  desktop::FileAccess access;
  access.read = (desired & (GENERIC_READ | GENERIC_ALL | FILE_READ_DATA)) != 0;
  access.write = write_data || append;
  access.append_only = append && !write_data;
  access.remove = (desired & (DELETE | GENERIC_ALL)) != 0;
  return access;
}

DWORD move_pointer(desktop::FileObject& file, LONGLONG distance, DWORD method, std::uint64_t& moved_to) {
  LONGLONG base = 0;
  if (method == FILE_CURRENT)
    base = static_cast<LONGLONG>(file.position);
  else if (method == FILE_END)
    base = static_cast<LONGLONG>(file.size().value_or(0));
  else if (method != FILE_BEGIN)
    return ERROR_INVALID_PARAMETER;
  LONGLONG target = base + distance;
  if (target < 0) return ERROR_NEGATIVE_SEEK;
  file.position = static_cast<std::uint64_t>(target);
  moved_to = file.position;
  return ERROR_SUCCESS;
}

std::shared_ptr<desktop::FileObject> caller_file(HANDLE handle) {
  desktop::DesktopThread* self = win_internal::caller();
  return self ? win_internal::file_of(*self, handle) : nullptr;
}

}  // namespace

HANDLE WINAPI CreateFileW(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES, DWORD disposition,
                          DWORD flags_and_attributes, HANDLE) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return INVALID_HANDLE_VALUE;
  auto full = win_internal::full_path_for(*self, name);
  if (!full) return INVALID_HANDLE_VALUE;
  desktop::OpenRequest request;
  request.access = access_of(access);
  request.share = share;
  request.disposition = disposition;
  request.read_only_attribute = (flags_and_attributes & FILE_ATTRIBUTE_READONLY) != 0;
  desktop::Desktop& machine = self->desktop();
  desktop::OpenResult opened = desktop::open_file(machine.drives(), *full, request);
  if (!opened.file) {
    SetLastError(opened.error);
    return INVALID_HANDLE_VALUE;
  }
  HANDLE handle = machine.add_handle(opened.file);
  const bool reports_existing = disposition == OPEN_ALWAYS || disposition == CREATE_ALWAYS;
  SetLastError(opened.existed && reports_existing ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

BOOL WINAPI ReadFile(HANDLE handle, LPVOID buffer, DWORD to_read, LPDWORD read, LPOVERLAPPED) {
  if (read != nullptr) *read = 0;
  auto file = caller_file(handle);
  if (!file) return FALSE;
  if (!file->access.read) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (buffer == nullptr && to_read > 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::size_t done = 0;
  DWORD error = file->read(buffer, to_read, done);
  if (read != nullptr) *read = static_cast<DWORD>(done);
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return FALSE;
  }
  return TRUE;
}

BOOL WINAPI WriteFile(HANDLE handle, LPCVOID buffer, DWORD to_write, LPDWORD written, LPOVERLAPPED) {
  if (written != nullptr) *written = 0;
  auto file = caller_file(handle);
  if (!file) return FALSE;
  if (!file->access.write) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (buffer == nullptr && to_write > 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::size_t done = 0;
  DWORD error = file->write(buffer, to_write, done);
  if (written != nullptr) *written = static_cast<DWORD>(done);
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return FALSE;
  }
  return TRUE;
}

DWORD WINAPI SetFilePointer(HANDLE handle, LONG distance, LONG* distance_high, DWORD method) {
  auto file = caller_file(handle);
  if (!file) return INVALID_SET_FILE_POINTER;
  // Without a high part the distance is a signed 32-bit value; with one, the two make 64 bits.
  LONGLONG full_distance =
      distance_high == nullptr
          ? static_cast<LONGLONG>(distance)
          : static_cast<LONGLONG>((static_cast<ULONGLONG>(static_cast<DWORD>(*distance_high)) << 32) |
                                  static_cast<DWORD>(distance));
  std::uint64_t moved_to = 0;
  DWORD error = move_pointer(*file, full_distance, method, moved_to);
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return INVALID_SET_FILE_POINTER;
  }
  if (distance_high != nullptr) *distance_high = static_cast<LONG>(moved_to >> 32);
  // INVALID_SET_FILE_POINTER can be a real low part, so callers look at the last error.
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(moved_to & 0xFFFFFFFF);
}

BOOL WINAPI SetFilePointerEx(HANDLE handle, LARGE_INTEGER distance, PLARGE_INTEGER new_position,
                             DWORD method) {
  auto file = caller_file(handle);
  if (!file) return FALSE;
  std::uint64_t moved_to = 0;
  DWORD error = move_pointer(*file, distance.QuadPart, method, moved_to);
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return FALSE;
  }
  if (new_position != nullptr) new_position->QuadPart = static_cast<LONGLONG>(moved_to);
  return TRUE;
}

DWORD WINAPI GetFileSize(HANDLE handle, LPDWORD size_high) {
  auto file = caller_file(handle);
  if (!file) return INVALID_FILE_SIZE;
  std::uint64_t size = file->size().value_or(0);
  if (size_high != nullptr) *size_high = static_cast<DWORD>(size >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(size & 0xFFFFFFFF);
}

BOOL WINAPI GetFileSizeEx(HANDLE handle, PLARGE_INTEGER size) {
  auto file = caller_file(handle);
  if (!file) return FALSE;
  if (size == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  size->QuadPart = static_cast<LONGLONG>(file->size().value_or(0));
  return TRUE;
}

BOOL WINAPI GetFileTime(HANDLE handle, FILETIME* creation, FILETIME* last_access, FILETIME* last_write) {
  auto file = caller_file(handle);
  if (!file) return FALSE;
  auto info = desktop::host_file_info(file->fd);
  if (!info) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  // The host keeps no creation time; a file's last write stands for it.
  if (creation != nullptr) *creation = desktop::file_time_of_unix_ns(info->write_time_ns);
  if (last_access != nullptr) *last_access = desktop::file_time_of_unix_ns(info->access_time_ns);
  if (last_write != nullptr) *last_write = desktop::file_time_of_unix_ns(info->write_time_ns);
  return TRUE;
}

BOOL WINAPI FlushFileBuffers(HANDLE handle) {
  auto file = caller_file(handle);
  if (!file) return FALSE;
  // Writes go straight to the host file, so there is nothing of ours to flush.
  if (!file->access.write) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  return TRUE;
}

BOOL WINAPI SetEndOfFile(HANDLE handle) {
  auto file = caller_file(handle);
  if (!file) return FALSE;
  if (!file->access.write) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  DWORD error = file->set_size(file->position);
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return FALSE;
  }
  return TRUE;
}
