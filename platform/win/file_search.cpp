// Searching a folder: FindFirstFileW, FindNextFileW and FindClose. A search takes the folder's
// matching entries when it starts, in Windows' order, "." and ".." first outside a root.
#include <algorithm>
#include <cwchar>

#include "platform/desktop/name_pattern.h"
#include "platform/desktop/windows_path.h"
#include "platform/win/file_api.h"
#include "platform/win/file_internal.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

void fill(const desktop::FolderEntry& entry, WIN32_FIND_DATAW& found) {
  found = {};
  found.dwFileAttributes = win_internal::attributes_of(entry.info);
  found.ftCreationTime = desktop::file_time_of_unix_ns(entry.info.write_time_ns);
  found.ftLastAccessTime = desktop::file_time_of_unix_ns(entry.info.access_time_ns);
  found.ftLastWriteTime = desktop::file_time_of_unix_ns(entry.info.write_time_ns);
  found.nFileSizeHigh = static_cast<DWORD>(entry.info.size >> 32);
  found.nFileSizeLow = static_cast<DWORD>(entry.info.size & 0xFFFFFFFF);
  std::size_t length = std::min<std::size_t>(entry.name.size(), MAX_PATH - 1);
  std::wmemcpy(found.cFileName, entry.name.data(), length);
  found.cFileName[length] = L'\0';
}

std::vector<desktop::FolderEntry> entries_of(const desktop::HostPath& folder) {
  std::vector<desktop::FolderEntry> entries;
  if (!desktop::names_of(folder.windows).empty()) {
    desktop::HostFileInfo self_info = desktop::host_file_info(folder.host).value_or(desktop::HostFileInfo{});
    desktop::HostFileInfo parent_info =
        desktop::host_file_info(folder.host.parent_path()).value_or(desktop::HostFileInfo{});
    entries.push_back({L".", self_info});
    entries.push_back({L"..", parent_info});
  }
  std::vector<desktop::FolderEntry> listed = desktop::list_host_folder(folder.host);
  entries.insert(entries.end(), listed.begin(), listed.end());
  return entries;
}

}  // namespace

HANDLE WINAPI FindFirstFileW(LPCWSTR pattern, LPWIN32_FIND_DATAW found) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return INVALID_HANDLE_VALUE;
  if (pattern == nullptr || found == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  // The folder part is a path like any other; the last name is the pattern, taken as written.
  std::wstring_view text(pattern);
  std::wstring_view names = desktop::file_name_of(text);
  if (names.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  std::wstring folder_text(text.substr(0, text.size() - names.size()));
  if (folder_text.empty()) folder_text = L".";
  auto folder = win_internal::locate_for(*self, folder_text.c_str());
  if (!folder) return INVALID_HANDLE_VALUE;
  if (!folder->exists || !folder->is_folder) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }

  auto search = std::make_shared<desktop::FileSearch>();
  for (desktop::FolderEntry& entry : entries_of(*folder))
    if (desktop::matches_pattern(names, entry.name)) search->entries.push_back(std::move(entry));
  if (search->entries.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  fill(search->entries[0], *found);
  search->next = 1;
  return reinterpret_cast<HANDLE>(self->desktop().file_searches().add(std::move(search)));
}

BOOL WINAPI FindNextFileW(HANDLE handle, LPWIN32_FIND_DATAW found) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  desktop::FileSearch* search = self->desktop().file_searches().get(reinterpret_cast<std::uintptr_t>(handle));
  if (search == nullptr || found == nullptr) {
    SetLastError(search == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (search->next >= search->entries.size()) {
    SetLastError(ERROR_NO_MORE_FILES);
    return FALSE;
  }
  fill(search->entries[search->next++], *found);
  return TRUE;
}

BOOL WINAPI FindClose(HANDLE handle) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  auto& searches = self->desktop().file_searches();
  if (searches.get(reinterpret_cast<std::uintptr_t>(handle)) == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  searches.remove(reinterpret_cast<std::uintptr_t>(handle));
  return TRUE;
}
