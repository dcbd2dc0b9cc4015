#include "platform/win/file_internal.h"

#include "platform/desktop/windows_path.h"
#include "platform/win/file_api.h"
#include "platform/win/win_errors.h"

namespace win_internal {

std::optional<std::wstring> full_path_for(desktop::DesktopThread& self, LPCWSTR path) {
  if (path == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return std::nullopt;
  }
  desktop::FullPath full = desktop::full_windows_path(path, self.process().current_directory);
  if (full.error != ERROR_SUCCESS) {
    SetLastError(full.error);
    return std::nullopt;
  }
  return std::move(full.path);
}

std::optional<desktop::HostPath> locate_for(desktop::DesktopThread& self, LPCWSTR path) {
  auto full = full_path_for(self, path);
  if (!full) return std::nullopt;
  desktop::HostPath at = self.desktop().drives().locate(*full);
  if (at.error != ERROR_SUCCESS) {
    SetLastError(at.error);
    return std::nullopt;
  }
  return at;
}

std::shared_ptr<desktop::FileObject> file_of(desktop::DesktopThread& self, HANDLE handle) {
  auto object = self.desktop().find_object(handle);
  if (!object || object->kind != desktop::KernelObject::Kind::File) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return std::static_pointer_cast<desktop::FileObject>(object);
}

DWORD attributes_of(const desktop::HostFileInfo& info) {
  if (info.is_folder) return FILE_ATTRIBUTE_DIRECTORY;
  // Files written here are never backed up, so each keeps the archive flag a new file gets.
  return FILE_ATTRIBUTE_ARCHIVE | (info.read_only ? FILE_ATTRIBUTE_READONLY : 0);
}

}  // namespace win_internal
