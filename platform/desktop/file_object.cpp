#include "platform/desktop/file_object.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/desktop/drive_map.h"
#include "platform/desktop/host_files.h"
#include "platform/desktop/windows_path.h"
#include "platform/win/win_errors.h"

namespace desktop {

FileObject::FileObject(DriveMap& drive_map, int descriptor, std::wstring path, FileAccess rights,
                       DWORD share_mode)
    : KernelObject(Kind::File),
      drives(drive_map),
      fd(descriptor),
      windows_path(std::move(path)),
      access(rights),
      share(share_mode) {
  signalled = true;  // no I/O is ever pending on a desktop file
  struct stat status {};
  if (::fstat(fd, &status) == 0) {
    device_ = status.st_dev;
    inode_ = status.st_ino;
  }
}

FileObject::~FileObject() {
  ::close(fd);
}

DWORD FileObject::read_at(std::uint64_t offset, void* buffer, std::size_t size, std::size_t& done) const {
  done = 0;
  auto* bytes = static_cast<char*>(buffer);
  while (done < size) {
    ssize_t got = ::pread(fd, bytes + done, size - done, static_cast<off_t>(offset + done));
    if (got < 0) {
      if (errno == EINTR) continue;
      return win32_error_of(errno);
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return ERROR_SUCCESS;
}

DWORD FileObject::read(void* buffer, std::size_t size, std::size_t& done) {
  DWORD error = read_at(position, buffer, size, done);
  position += done;
  return error;
}

DWORD FileObject::write(const void* data, std::size_t count, std::size_t& done) {
  done = 0;
  if (count == 0) return ERROR_SUCCESS;
  if (access.append_only) position = size().value_or(position);
  if (!drives.take_space(drive_of(windows_path), count)) return ERROR_DISK_FULL;
  const auto* bytes = static_cast<const char*>(data);
  while (done < count) {
    ssize_t put = ::pwrite(fd, bytes + done, count - done, static_cast<off_t>(position + done));
    if (put < 0) {
      if (errno == EINTR) continue;
      position += done;
      return win32_error_of(errno);
    }
    done += static_cast<std::size_t>(put);
  }
  position += done;
  stamp_write_time(fd, drives.now_unix_ms());
  return ERROR_SUCCESS;
}

std::optional<std::uint64_t> FileObject::size() const {
  auto info = host_file_info(fd);
  if (!info) return std::nullopt;
  return info->size;
}

DWORD FileObject::set_size(std::uint64_t new_size) {
  std::uint64_t old_size = size().value_or(0);
  if (new_size > old_size && !drives.take_space(drive_of(windows_path), new_size - old_size))
    return ERROR_DISK_FULL;
  if (::ftruncate(fd, static_cast<off_t>(new_size)) != 0) return win32_error_of(errno);
  stamp_write_time(fd, drives.now_unix_ms());
  return ERROR_SUCCESS;
}

}  // namespace desktop
