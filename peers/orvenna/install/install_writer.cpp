#include "peers/orvenna/install/install_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "peers/orvenna/install/picture_cache.h"
#include "platform/desktop/host_files.h"
#include "platform/desktop/windows_path.h"
#include "platform/win/win_errors.h"

namespace orvenna {

namespace {

std::wstring_view folder_part(std::wstring_view path) {
  std::size_t slash = path.rfind(L'\\');
  return slash == std::wstring_view::npos ? std::wstring_view{} : path.substr(0, slash);
}

}  // namespace

bool InstallWriter::fail(DWORD error, std::wstring_view path) {
  result_.error = error;
  result_.path = path;
  return false;
}

bool InstallWriter::folder(std::wstring_view path) {
  if (!result_) return false;
  if (made_folders_.contains(path)) return true;
  if (machine_.drives().in_read_only_folder(path)) return fail(ERROR_ACCESS_DENIED, path);
  if (!machine_.drives().make_folders(path)) return fail(ERROR_PATH_NOT_FOUND, path);
  made_folders_.emplace(path);
  return true;
}

bool InstallWriter::file(std::wstring_view path, std::string_view bytes) {
  if (!folder(folder_part(path))) return false;
  desktop::HostPath at = machine_.drives().locate(path);
  if (at.error != ERROR_SUCCESS) return fail(at.error, path);
  if (at.is_folder || machine_.drives().in_read_only_folder(path)) return fail(ERROR_ACCESS_DENIED, path);
  if (!machine_.drives().take_space(desktop::drive_of(path), bytes.size()))
    return fail(ERROR_DISK_FULL, path);
  int fd = ::open(at.host.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return fail(desktop::win32_error_of(errno), path);
  bool written = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  desktop::stamp_write_time(fd, machine_.clock().unix_ms());
  ::close(fd);
  return written || fail(ERROR_DISK_FULL, path);
}

bool InstallWriter::picture(std::wstring_view path, const std::string& key,
                            const std::function<desktop::Image()>& draw) {
  if (!result_) return false;
  if (!with_pictures_) return true;
  PngBytes png = cached_png(key, draw);
  if (!png) return fail(ERROR_INVALID_PARAMETER, path);
  return file(path, std::string_view(reinterpret_cast<const char*>(png->data()), png->size()));
}

}  // namespace orvenna
