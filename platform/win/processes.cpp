// Starting registered programs from their executables, and the life of their processes.
#include <cstdlib>
#include <cwctype>

#include "platform/desktop/windows_path.h"
#include "platform/win/file_internal.h"
#include "platform/win/process_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

using desktop::KernelObject;

namespace {

const HANDLE kCurrentProcess = reinterpret_cast<HANDLE>(-1);

std::shared_ptr<KernelObject> process_object(desktop::DesktopThread& self, HANDLE handle) {
  if (handle == kCurrentProcess) return self.process().object;
  auto object = self.desktop().find_object(handle);
  if (!object || object->kind != KernelObject::Kind::Process) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return object;
}

bool is_program_file(desktop::Desktop& machine, const std::wstring& full_path) {
  desktop::HostPath at = machine.drives().locate(full_path);
  return at.error == ERROR_SUCCESS && at.exists && !at.is_folder;
}

// Where Windows looks for a program named without a folder: the caller's own folder, its
// current folder, the system folders, then the folders on its PATH.
std::vector<std::wstring> search_folders(const desktop::Process& process) {
  std::vector<std::wstring> folders;
  if (desktop::file_name_of(process.image_path).size() < process.image_path.size())
    folders.push_back(desktop::folder_of(process.image_path));
  folders.push_back(process.current_directory);
  folders.push_back(L"C:\\Windows\\System32");
  folders.push_back(L"C:\\Windows");
  if (const std::wstring* path = process.environment.find(L"PATH")) {
    std::size_t start = 0;
    while (start <= path->size()) {
      std::size_t end = std::min(path->find(L';', start), path->size());
      if (end > start) folders.push_back(path->substr(start, end - start));
      start = end + 1;
    }
  }
  return folders;
}

// The full path of a program named on a command line; ".exe" is added to a name without one.
std::optional<std::wstring> find_program_file(desktop::DesktopThread& self, std::wstring name, DWORD& error) {
  desktop::Desktop& machine = self.desktop();
  const desktop::Process& process = self.process();
  if (desktop::file_name_of(name).find(L'.') == std::wstring_view::npos) name += L".exe";
  const bool has_folder = desktop::file_name_of(name).size() < name.size();
  std::vector<std::wstring> folders =
      has_folder ? std::vector<std::wstring>{process.current_directory} : search_folders(process);
  for (const std::wstring& folder : folders) {
    desktop::FullPath full = desktop::full_windows_path(has_folder ? name : desktop::join_path(folder, name),
                                                        process.current_directory);
    if (full.error != ERROR_SUCCESS) {
      error = full.error;
      continue;
    }
    if (is_program_file(machine, full.path)) return full.path;
    desktop::HostPath at = machine.drives().locate(full.path);
    error = at.error != ERROR_SUCCESS ? at.error : at.is_folder ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND;
  }
  return std::nullopt;
}

// The program of a command line without an application name: a quoted first token, or else
// the shortest run of words up to a blank that names a program file.
std::optional<std::wstring> program_of_command_line(desktop::DesktopThread& self, std::wstring_view line,
                                                    DWORD& error) {
  while (!line.empty() && std::iswspace(line.front()))
    line.remove_prefix(1);
  error = ERROR_FILE_NOT_FOUND;
  if (!line.empty() && line.front() == L'"') {
    std::size_t close = line.find(L'"', 1);
    return find_program_file(
        self, std::wstring(line.substr(1, close == std::wstring_view::npos ? close : close - 1)), error);
  }
  for (std::size_t end = 0; end <= line.size(); ++end) {
    if (end < line.size() && !std::iswspace(line[end])) continue;
    if (end == 0) break;
    if (auto found = find_program_file(self, std::wstring(line.substr(0, end)), error)) return found;
  }
  return std::nullopt;
}

std::optional<desktop::Environment> environment_of(const desktop::Process& parent, LPVOID block,
                                                   DWORD flags) {
  if (block == nullptr) return parent.environment;
  if ((flags & CREATE_UNICODE_ENVIRONMENT) != 0)
    return desktop::Environment::from_block(static_cast<const wchar_t*>(block));
  return desktop::Environment::from_block(static_cast<const char*>(block));
}

// Ends every thread of the process with the exit code; the caller's own thread unwinds last.
void end_threads(desktop::DesktopThread& self, desktop::Process& process, UINT exit_code) {
  std::vector<desktop::DesktopThread*> threads = process.threads;
  for (desktop::DesktopThread* thread : threads) {
    thread->exit_code_on_termination = exit_code;
    if (thread != &self) self.desktop().scheduler().terminate(*thread);
  }
  if (&self.process() == &process) {
    self.desktop().scheduler().terminate(self);
    throw desktop::ThreadTermination{};
  }
}

}  // namespace

namespace win_internal {

void note_input_idle(desktop::DesktopThread& self) {
  KernelObject& idle = *self.process().input_idle;
  if (!idle.signalled) self.desktop().signal(idle);
}

}  // namespace win_internal

BOOL WINAPI CreateProcessW(LPCWSTR application_name, LPWSTR command_line, LPSECURITY_ATTRIBUTES,
                           LPSECURITY_ATTRIBUTES, BOOL, DWORD creation_flags, LPVOID environment,
                           LPCWSTR current_directory, LPSTARTUPINFOW startup_info,
                           LPPROCESS_INFORMATION information) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  if (information == nullptr || startup_info == nullptr ||
      (application_name == nullptr && command_line == nullptr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  desktop::LaunchRequest request;
  if (application_name != nullptr) {
    // An application name is used as given, with no search and no ".exe" added.
    auto full = win_internal::full_path_for(*self, application_name);
    if (!full) return FALSE;
    request.path = std::move(*full);
  } else {
    DWORD error = ERROR_FILE_NOT_FOUND;
    auto found = program_of_command_line(*self, command_line, error);
    if (!found) {
      SetLastError(error);
      return FALSE;
    }
    request.path = std::move(*found);
  }
  request.command_line = command_line != nullptr ? command_line : application_name;
  if (current_directory != nullptr) {
    desktop::FullPath folder =
        desktop::full_windows_path(current_directory, self->process().current_directory);
    if (folder.error != ERROR_SUCCESS) {
      SetLastError(ERROR_DIRECTORY);
      return FALSE;
    }
    request.current_directory = std::move(folder.path);
  } else {
    request.current_directory = self->process().current_directory;
  }
  request.environment = environment_of(self->process(), environment, creation_flags);
  request.suspended = (creation_flags & CREATE_SUSPENDED) != 0;

  desktop::Desktop& machine = self->desktop();
  desktop::Launch launched = machine.launch_program(request);
  if (launched.error != ERROR_SUCCESS) {
    SetLastError(launched.error);
    return FALSE;
  }
  information->hProcess = machine.add_handle(launched.process->object);
  information->hThread = machine.add_handle(launched.thread->object);
  information->dwProcessId = launched.process->id;
  information->dwThreadId = launched.thread->thread_id();
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

LPWSTR WINAPI GetCommandLineW() {
  desktop::DesktopThread* self = win_internal::caller();
  return self ? self->process().command_line.data() : nullptr;
}

HANDLE WINAPI GetCurrentProcess() {
  return kCurrentProcess;
}

HANDLE WINAPI OpenProcess(DWORD, BOOL, DWORD process_id) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  desktop::Process* process = self->desktop().find_process(process_id);
  if (process == nullptr || process->object->signalled) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return self->desktop().add_handle(process->object);
}

DWORD WINAPI GetProcessId(HANDLE handle) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  auto object = process_object(*self, handle);
  return object ? object->id : 0;
}

BOOL WINAPI GetExitCodeProcess(HANDLE handle, LPDWORD exit_code) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  auto object = process_object(*self, handle);
  if (!object) return FALSE;
  if (exit_code == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *exit_code = object->exit_code;
  return TRUE;
}

BOOL WINAPI TerminateProcess(HANDLE handle, UINT exit_code) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  auto object = process_object(*self, handle);
  if (!object) return FALSE;
  desktop::Process* process = self->desktop().find_process(object->id);
  if (process == nullptr || object->signalled) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  end_threads(*self, *process, exit_code);
  return TRUE;
}

void WINAPI ExitProcess(UINT exit_code) {
  desktop::DesktopThread* self = desktop::current_thread();
  if (self == nullptr) std::abort();
  end_threads(*self, self->process(), exit_code);
  throw desktop::ThreadTermination{};
}

DWORD WINAPI WaitForInputIdle(HANDLE handle, DWORD milliseconds) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return WAIT_FAILED;
  auto object = process_object(*self, handle);
  if (!object) return WAIT_FAILED;
  desktop::Process* process = self->desktop().find_process(object->id);
  if (process == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
  }
  std::shared_ptr<KernelObject> idle = process->input_idle;
  // A process that ends before it was ever idle will never be: the wait fails.
  DWORD result = win_internal::wait_for_objects(*self, {idle, object}, false, milliseconds);
  if (idle->signalled) return 0;
  return result == WAIT_TIMEOUT ? WAIT_TIMEOUT : WAIT_FAILED;
}
