// The C runtime's calls on files by name: removing, renaming and probing them.
#include <cerrno>

#include "platform/win/crt_file_api.h"
#include "platform/win/crt_internal.h"
#include "platform/win/file_api.h"
#include "platform/win/win_errors.h"

namespace {

int result_of(BOOL done) {
  if (done) return 0;
  errno = win_internal::errno_of(GetLastError());
  return -1;
}

}  // namespace

int _wremove(const wchar_t* path) {
  return result_of(DeleteFileW(path));
}

int _wunlink(const wchar_t* path) {
  return _wremove(path);
}

int _wrename(const wchar_t* old_path, const wchar_t* new_path) {
  if (MoveFileW(old_path, new_path)) return 0;
  // The runtime reports an existing target as a refused access.
  DWORD error = GetLastError();
  errno = error == ERROR_ALREADY_EXISTS ? EACCES : win_internal::errno_of(error);
  return -1;
}

int _waccess(const wchar_t* path, int mode) {
  if (path == nullptr || (mode & ~6) != 0) {
    errno = EINVAL;
    return -1;
  }
  DWORD attributes = GetFileAttributesW(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    errno = win_internal::errno_of(GetLastError());
    return -1;
  }
  // Only the read-only attribute refuses writing; folders may always be written.
  if ((mode & 2) != 0 && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
      (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    errno = EACCES;
    return -1;
  }
  return 0;
}
