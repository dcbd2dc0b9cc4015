// Item id lists of one item, a folder's full path in UTF-16 with its terminating zero.
#include <cstring>
#include <string_view>

#include "platform/win/shell_api.h"
#include "platform/win/task_memory_api.h"

PIDLIST_ABSOLUTE WINAPI ILCreateFromPathW(LPCWSTR path) {
  if (path == nullptr) return nullptr;
  const std::size_t bytes = (std::wstring_view(path).size() + 1) * sizeof(wchar_t);
  const std::size_t item = sizeof(USHORT) + bytes;
  if (item > 0xFFFF) return nullptr;
  auto* block = static_cast<BYTE*>(CoTaskMemAlloc(item + sizeof(USHORT)));
  if (block == nullptr) return nullptr;
  const auto size = static_cast<USHORT>(item);
  const USHORT end = 0;
  std::memcpy(block, &size, sizeof(size));
  std::memcpy(block + sizeof(USHORT), path, bytes);
  std::memcpy(block + item, &end, sizeof(end));
  return reinterpret_cast<PIDLIST_ABSOLUTE>(block);
}

void WINAPI ILFree(PIDLIST_ABSOLUTE list) {
  CoTaskMemFree(list);
}

BOOL WINAPI SHGetPathFromIDListW(PCIDLIST_ABSOLUTE list, LPWSTR path) {
  if (path == nullptr) return FALSE;
  path[0] = L'\0';
  if (list == nullptr) return FALSE;
  const auto* block = reinterpret_cast<const BYTE*>(list);
  USHORT size = 0;
  std::memcpy(&size, block, sizeof(size));
  const std::size_t characters = size > sizeof(USHORT) ? (size - sizeof(USHORT)) / sizeof(wchar_t) : 0;
  if (characters == 0 || characters > MAX_PATH) return FALSE;
  std::memcpy(path, block + sizeof(USHORT), characters * sizeof(wchar_t));
  path[characters - 1] = L'\0';
  return TRUE;
}
