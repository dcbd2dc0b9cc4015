// The C runtime's descriptors on file handles, and its errno for Win32 errors.
#include <cerrno>

#include "platform/win/crt_file_api.h"
#include "platform/win/crt_internal.h"
#include "platform/win/file_internal.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace win_internal {

int errno_of(DWORD error) {
  struct Mapping {
    DWORD win32;
    int crt;
  };
  static constexpr Mapping kMappings[] = {
      {ERROR_FILE_NOT_FOUND, ENOENT},      {ERROR_PATH_NOT_FOUND, ENOENT},
      {ERROR_BAD_NETPATH, ENOENT},         {ERROR_INVALID_NAME, ENOENT},
      {ERROR_ACCESS_DENIED, EACCES},       {ERROR_SHARING_VIOLATION, EACCES},
      {ERROR_TOO_MANY_OPEN_FILES, EMFILE}, {ERROR_INVALID_HANDLE, EBADF},
      {ERROR_NOT_ENOUGH_MEMORY, ENOMEM},   {ERROR_NOT_SAME_DEVICE, EXDEV},
      {ERROR_FILE_EXISTS, EEXIST},         {ERROR_ALREADY_EXISTS, EEXIST},
      {ERROR_DISK_FULL, ENOSPC},           {ERROR_DIR_NOT_EMPTY, ENOTEMPTY},
      {ERROR_NEGATIVE_SEEK, EINVAL},       {ERROR_DIRECTORY, ENOENT},
  };
  for (const Mapping& mapping : kMappings)
    if (mapping.win32 == error) return mapping.crt;
  return EINVAL;
}

}  // namespace win_internal

int _open_osfhandle(std::intptr_t handle, int flags) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || !win_internal::file_of(*self, reinterpret_cast<HANDLE>(handle))) {
    errno = EBADF;
    return -1;
  }
  return self->process().crt.add(
      {reinterpret_cast<HANDLE>(handle), (flags & _O_TEXT) != 0, (flags & _O_APPEND) != 0});
}

std::intptr_t _get_osfhandle(int fd) {
  desktop::DesktopThread* self = desktop::current_thread();
  desktop::CrtDescriptor* descriptor = self ? self->process().crt.find(fd) : nullptr;
  if (descriptor == nullptr) {
    errno = EBADF;
    return -1;
  }
  return reinterpret_cast<std::intptr_t>(descriptor->handle);
}

int _close(int fd) {
  desktop::DesktopThread* self = desktop::current_thread();
  auto descriptor = self ? self->process().crt.take(fd) : std::nullopt;
  if (!descriptor) {
    errno = EBADF;
    return -1;
  }
  self->desktop().objects().remove(reinterpret_cast<std::uintptr_t>(descriptor->handle));
  return 0;
}
