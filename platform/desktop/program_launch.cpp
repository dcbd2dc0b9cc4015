// Installing and starting the desktop's programs from their executable files.
#include <fcntl.h>
#include <unistd.h>

#include "platform/desktop/desktop.h"
#include "platform/desktop/host_files.h"
#include "platform/desktop/utf8.h"
#include "platform/desktop/windows_path.h"
#include "platform/win/win_errors.h"

namespace desktop {

void Desktop::register_program(std::wstring executable_name, ProgramEntry entry) {
  programs_.add(std::move(executable_name), std::move(entry));
}

const ProgramEntry* Desktop::find_program(std::wstring_view executable_name) const {
  return programs_.find(executable_name);
}

DWORD Desktop::install_program(std::wstring_view path) {
  FullPath full = full_windows_path(path, L"C:\\");
  if (full.error != ERROR_SUCCESS) return full.error;
  if (!drives_.make_folders(folder_of(full.path))) return ERROR_PATH_NOT_FOUND;
  HostPath at = drives_.locate(full.path);
  if (at.error != ERROR_SUCCESS) return at.error;
  if (at.is_folder) return ERROR_ACCESS_DENIED;
  int fd = ::open(at.host.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return win32_error_of(errno);
  // The file stands for the program's image: it only names the program it starts.
  std::string marker = "Desktop program " + to_utf8(file_name_of(full.path)) + "\r\n";
  bool written = ::write(fd, marker.data(), marker.size()) == static_cast<ssize_t>(marker.size());
  stamp_write_time(fd, clock_.unix_ms());
  ::close(fd);
  return written ? ERROR_SUCCESS : ERROR_DISK_FULL;
}

Launch Desktop::launch_program(const LaunchRequest& request) {
  HostPath image = drives_.locate(request.path);
  if (image.error != ERROR_SUCCESS) return {image.error};
  if (!image.exists) return {ERROR_FILE_NOT_FOUND};
  if (image.is_folder) return {ERROR_ACCESS_DENIED};
  std::wstring name(file_name_of(image.windows));
  const ProgramEntry* entry = programs_.find(name);
  if (entry == nullptr) return {ERROR_BAD_EXE_FORMAT};

  std::wstring directory =
      request.current_directory.empty() ? folder_of(image.windows) : request.current_directory;
  HostPath folder = drives_.locate(directory);
  if (folder.error != ERROR_SUCCESS || !folder.exists || !folder.is_folder) return {ERROR_DIRECTORY};

  Process& process = create_process(name);
  process.image_path = image.windows;
  process.command_line = request.command_line.empty() ? L"\"" + image.windows + L"\"" : request.command_line;
  process.current_directory = directory.size() > 3 && ends_with_separator(directory)
                                  ? directory.substr(0, directory.size() - 1)
                                  : directory;
  if (request.environment) process.environment = *request.environment;
  ProgramEntry program = *entry;
  DesktopThread& thread = start_thread(
      process, [program, &process] { return static_cast<DWORD>(program(process.command_line)); },
      request.suspended);
  return {ERROR_SUCCESS, &process, &thread};
}

}  // namespace desktop
