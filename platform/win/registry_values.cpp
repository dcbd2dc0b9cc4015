// Registry values: each keeps exactly the bytes it was set with, so a string set without its
// terminator reads back without one. Sizes of wide text count sizeof(WCHAR) per character.
#include <cstring>
#include <cwchar>

#include "platform/win/registry_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

using desktop::RegistryKey;
using desktop::RegistryValue;

namespace {

LONG open_key(HKEY key, REGSAM access, std::shared_ptr<RegistryKey>& open) {
  desktop::RegistryHive* hive = win_internal::registry();
  return hive == nullptr ? ERROR_INVALID_HANDLE : hive->key_of(key, access, open);
}

// The value's type and data as the query functions give them: no data buffer asks for the
// size only; one too small gets ERROR_MORE_DATA and the size it needs.
LONG copy_out(const RegistryValue& value, LPDWORD type, LPBYTE data, LPDWORD data_size) {
  if (type != nullptr) *type = value.type;
  if (data_size == nullptr) return ERROR_SUCCESS;
  auto size = static_cast<DWORD>(value.data.size());
  LONG status = ERROR_SUCCESS;
  if (data != nullptr && *data_size < size)
    status = ERROR_MORE_DATA;
  else if (data != nullptr && size != 0)
    std::memcpy(data, value.data.data(), size);
  *data_size = size;
  return status;
}

}  // namespace

LSTATUS WINAPI RegQueryValueExW(HKEY key, LPCWSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                LPDWORD data_size) {
  if (reserved != nullptr || (data != nullptr && data_size == nullptr)) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<RegistryKey> open;
  if (LONG status = open_key(key, KEY_QUERY_VALUE, open)) return status;
  const RegistryValue* value = open->value(name == nullptr ? L"" : name);
  if (value == nullptr) return ERROR_FILE_NOT_FOUND;
  return copy_out(*value, type, data, data_size);
}

LSTATUS WINAPI RegSetValueExW(HKEY key, LPCWSTR name, DWORD, DWORD type, const BYTE* data, DWORD data_size) {
  std::shared_ptr<RegistryKey> open;
  if (LONG status = open_key(key, KEY_SET_VALUE, open)) return status;
  if (data == nullptr && data_size != 0) return ERROR_NOACCESS;
  std::vector<BYTE> bytes(data_size);
  if (data_size != 0) std::memcpy(bytes.data(), data, data_size);
  return win_internal::registry()->set_value(*open, name == nullptr ? L"" : name, type, std::move(bytes));
}

LSTATUS WINAPI RegDeleteValueW(HKEY key, LPCWSTR name) {
  std::shared_ptr<RegistryKey> open;
  if (LONG status = open_key(key, KEY_SET_VALUE, open)) return status;
  return win_internal::registry()->delete_value(*open, name == nullptr ? L"" : name);
}

LSTATUS WINAPI RegEnumValueW(HKEY key, DWORD index, LPWSTR name, LPDWORD name_count, LPDWORD reserved,
                             LPDWORD type, LPBYTE data, LPDWORD data_size) {
  if (name == nullptr || name_count == nullptr || reserved != nullptr ||
      (data != nullptr && data_size == nullptr))
    return ERROR_INVALID_PARAMETER;
  std::shared_ptr<RegistryKey> open;
  if (LONG status = open_key(key, KEY_QUERY_VALUE, open)) return status;
  if (index >= open->values.size()) return ERROR_NO_MORE_ITEMS;
  const RegistryValue& value = open->values[index];
  // The name needs room for its terminator too; a short name buffer is not told how short.
  if (*name_count <= value.name.size()) return ERROR_MORE_DATA;
  std::wmemcpy(name, value.name.data(), value.name.size());
  name[value.name.size()] = L'\0';
  *name_count = static_cast<DWORD>(value.name.size());
  return copy_out(value, type, data, data_size);
}
