#include "platform/com/class_keys.h"

#include "platform/win/win_errors.h"

namespace com {
namespace {

LSTATUS write_default(const std::wstring& path, const std::wstring& value) {
  HKEY key = nullptr;
  LSTATUS status =
      RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) return status;
  status = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return status;
}

}  // namespace

LSTATUS write_class_keys(const std::vector<ClassKey>& keys) {
  for (const auto& [path, value] : keys)
    if (LSTATUS status = write_default(path, value); status != ERROR_SUCCESS) return status;
  return ERROR_SUCCESS;
}

LSTATUS delete_class_keys(const std::vector<std::wstring>& paths) {
  for (const std::wstring& path : paths)
    if (LSTATUS status = RegDeleteKeyW(HKEY_CLASSES_ROOT, path.c_str());
        status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
      return status;
  return ERROR_SUCCESS;
}

}  // namespace com
