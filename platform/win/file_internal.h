// What the Win32 layer's file functions share: paths of the calling process and file handles.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/desktop/desktop.h"
#include "platform/desktop/file_object.h"
#include "platform/desktop/host_files.h"
#include "platform/win/win_types.h"

namespace win_internal {

// The full Windows path of a path that the caller gives, against its process's current
// folder; nullopt, with the last error set, when there is none.
std::optional<std::wstring> full_path_for(desktop::DesktopThread& self, LPCWSTR path);
// Where such a path lands on the drives; nullopt, with the last error set, when a folder on
// the way is missing or a name is not valid.
std::optional<desktop::HostPath> locate_for(desktop::DesktopThread& self, LPCWSTR path);

// The open file of a handle, or null with ERROR_INVALID_HANDLE set.
std::shared_ptr<desktop::FileObject> file_of(desktop::DesktopThread& self, HANDLE handle);

DWORD attributes_of(const desktop::HostFileInfo& info);

}  // namespace win_internal
