// Full paths, the current folder of the calling process, and the folder for temporary files.
#include "platform/desktop/windows_path.h"
#include "platform/win/file_api.h"
#include "platform/win/file_internal.h"
#include "platform/win/path_api.h"
#include "platform/win/text_out.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

DWORD WINAPI GetFullPathNameW(LPCWSTR name, DWORD size, LPWSTR buffer, LPWSTR* file_part) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  auto full = win_internal::full_path_for(*self, name);
  if (!full) return 0;
  DWORD length = win_internal::copy_text_out(*full, buffer, size);
  if (file_part != nullptr && length == full->size()) {
    std::size_t name_length = desktop::file_name_of(*full).size();
    *file_part = name_length == 0 ? nullptr : buffer + full->size() - name_length;
  }
  return length;
}

DWORD WINAPI GetCurrentDirectoryW(DWORD size, LPWSTR buffer) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  return win_internal::copy_text_out(self->process().current_directory, buffer, size);
}

BOOL WINAPI SetCurrentDirectoryW(LPCWSTR path) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  auto full = win_internal::full_path_for(*self, path);
  if (!full) return FALSE;
  desktop::HostPath at = self->desktop().drives().locate(*full);
  if (at.error != ERROR_SUCCESS || !at.exists) {
    SetLastError(at.error != ERROR_SUCCESS ? at.error : ERROR_FILE_NOT_FOUND);
    return FALSE;
  }
  if (!at.is_folder) {
    SetLastError(ERROR_DIRECTORY);
    return FALSE;
  }
  std::wstring& current = self->process().current_directory;
  current = std::move(*full);
  if (current.size() > 3 && desktop::ends_with_separator(current)) current.pop_back();
  return TRUE;
}

DWORD WINAPI GetTempPathW(DWORD size, LPWSTR buffer) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  // Windows' order: TMP, TEMP, USERPROFILE, then the Windows folder.
  const desktop::Environment& environment = self->process().environment;
  const std::wstring* chosen = nullptr;
  for (const wchar_t* name : {L"TMP", L"TEMP", L"USERPROFILE"})
    if ((chosen = environment.find(name)) != nullptr && !chosen->empty()) break;
  std::wstring folder = chosen != nullptr && !chosen->empty() ? *chosen : L"C:\\Windows";
  desktop::FullPath full = desktop::full_windows_path(folder, self->process().current_directory);
  std::wstring path = full.error == ERROR_SUCCESS ? full.path : folder;
  if (!desktop::ends_with_separator(path)) path += L'\\';
  return win_internal::copy_text_out(path, buffer, size);
}

BOOL WINAPI PathFileExistsW(LPCWSTR path) {
  return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES ? TRUE : FALSE;
}
