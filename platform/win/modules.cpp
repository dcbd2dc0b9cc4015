// The calling program's own module and the system DLLs of the desktop.
#include <cstdint>
#include <cwchar>

#include "platform/desktop/windows_path.h"
#include "platform/win/module_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

constexpr std::wstring_view kSystemFolder = L"C:\\Windows\\System32";

bool is_own_image(const desktop::Process& process, HMODULE module) {
  return module == nullptr || module == process.instance;
}

// A DLL named by file name alone, or by its path in the system folder.
HMODULE system_dll(desktop::DesktopThread& self, LPCWSTR name) {
  std::wstring_view text(name);
  std::wstring_view file = desktop::file_name_of(text);
  if (file.size() < text.size()) {
    desktop::FullPath full = desktop::full_windows_path(text, self.process().current_directory);
    if (full.error != ERROR_SUCCESS || !desktop::equal_names(desktop::folder_of(full.path), kSystemFolder))
      return nullptr;
  }
  return self.desktop().libraries().find(file);
}

}  // namespace

DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  std::wstring path;
  if (is_own_image(self->process(), module))
    path = self->process().image_path;
  else
    path = self->desktop().libraries().path_of(module);
  if (path.empty()) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  if (buffer == nullptr || size == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  // A short buffer gets as much of the path as fits, always ended by a zero.
  if (path.size() >= size) {
    std::wmemcpy(buffer, path.data(), size - 1);
    buffer[size - 1] = L'\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
  }
  std::wmemcpy(buffer, path.data(), path.size());
  buffer[path.size()] = L'\0';
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(path.size());
}

HMODULE WINAPI GetModuleHandleW(LPCWSTR module_name) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  const desktop::Process& process = self->process();
  if (module_name == nullptr) return process.instance;
  std::wstring_view image = desktop::file_name_of(process.image_path);
  std::wstring_view name = desktop::file_name_of(module_name);
  if (desktop::equal_names(name, image) || (name.find(L'.') == std::wstring_view::npos &&
                                            desktop::equal_names(std::wstring(name) + L".exe", image)))
    return process.instance;
  if (HMODULE dll = system_dll(*self, module_name)) return dll;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

HMODULE WINAPI LoadLibraryW(LPCWSTR file_name) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  if (file_name == nullptr || file_name[0] == L'\0') {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (HMODULE dll = system_dll(*self, file_name)) return dll;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  const desktop::SystemLibraries& libraries = self->desktop().libraries();
  if (!is_own_image(self->process(), module) && !libraries.contains(module)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  // Names only: a value below 0x10000 is an ordinal, and no module here exports by ordinal.
  bool by_name = reinterpret_cast<std::uintptr_t>(name) > 0xFFFF;
  desktop::ExportedFunction function = by_name ? libraries.find_export(module, name) : nullptr;
  if (function == nullptr) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<FARPROC>(function);
}

BOOL WINAPI FreeLibrary(HMODULE module) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  // System DLLs stay loaded for the life of the desktop, as they do in every Windows process.
  if (module != nullptr &&
      (module == self->process().instance || self->desktop().libraries().contains(module)))
    return TRUE;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return FALSE;
}
