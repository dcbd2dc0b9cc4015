// Opening, creating, enumerating and deleting registry keys.
#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string_view>
#include <vector>

#include "platform/win/registry_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

using desktop::RegistryKey;

namespace {

constexpr REGSAM kMaximumAllowed = 0x02000000;
constexpr REGSAM kDelete = 0x00010000;
constexpr REGSAM kWriteDac = 0x00040000;
constexpr REGSAM kWriteOwner = 0x00080000;
// Rights that change a key or its security: refused while the registry is read-only.
constexpr REGSAM kWriteRights =
    KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | kDelete | kWriteDac | kWriteOwner;

struct GenericRight {
  REGSAM generic;
  REGSAM rights;
};
constexpr GenericRight kGenericRights[] = {
    {0x80000000, KEY_READ},        // GENERIC_READ
    {0x40000000, KEY_WRITE},       // GENERIC_WRITE
    {0x20000000, KEY_EXECUTE},     // GENERIC_EXECUTE
    {0x10000000, KEY_ALL_ACCESS},  // GENERIC_ALL
};

constexpr std::size_t kMaxKeyName = 255;
constexpr std::int64_t kMsFrom1601To1970 = 11'644'473'600'000;
constexpr std::int64_t kFileTimeTicksPerMs = 10'000;

// The rights a handle opened for desired holds: generic rights mapped, the view bits left out.
REGSAM rights_for(REGSAM desired, const desktop::RegistryHive& hive) {
  REGSAM rights = desired & ~(KEY_WOW64_RES | kMaximumAllowed);
  for (const GenericRight& generic : kGenericRights)
    if (desired & generic.generic) rights = (rights & ~generic.generic) | generic.rights;
  if (desired & kMaximumAllowed) rights |= hive.read_only() ? KEY_READ : KEY_ALL_ACCESS;
  return rights;
}

// What every call that names a key below a handle starts with.
struct KeyPath {
  desktop::RegistryHive* hive = nullptr;
  std::shared_ptr<RegistryKey> from;
  std::vector<std::wstring> names;
  bool view_32 = false;
};

LONG split_path(LPCWSTR sub_key, std::vector<std::wstring>& names) {
  std::wstring_view path = sub_key == nullptr ? L"" : sub_key;
  if (!path.empty() && path.front() == L'\\') return ERROR_BAD_PATHNAME;
  if (!path.empty() && path.back() == L'\\') path.remove_suffix(1);
  while (!path.empty()) {
    std::wstring_view name = path.substr(0, path.find(L'\\'));
    if (name.empty()) return ERROR_BAD_PATHNAME;
    if (name.size() > kMaxKeyName) return ERROR_INVALID_PARAMETER;
    names.emplace_back(name);
    path.remove_prefix(std::min(path.size(), name.size() + 1));
  }
  return ERROR_SUCCESS;
}

LONG key_path(HKEY key, LPCWSTR sub_key, REGSAM desired, KeyPath& path) {
  path.hive = win_internal::registry();
  if (path.hive == nullptr) return ERROR_INVALID_HANDLE;
  if ((desired & KEY_WOW64_RES) == KEY_WOW64_RES) return ERROR_INVALID_PARAMETER;
  path.view_32 = (desired & KEY_WOW64_32KEY) != 0;
  if (LONG status = path.hive->key_of(key, 0, path.from)) return status;
  return split_path(sub_key, path.names);
}

LONG open_handle(desktop::RegistryHive& hive, std::shared_ptr<RegistryKey> key, REGSAM rights, PHKEY result) {
  if (hive.read_only() && (rights & kWriteRights)) return ERROR_ACCESS_DENIED;
  *result = hive.add_handle(std::move(key), rights);
  return *result == nullptr ? ERROR_NOT_ENOUGH_MEMORY : ERROR_SUCCESS;
}

bool is_predefined(HKEY key) {
  return key == HKEY_CLASSES_ROOT || key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE ||
         key == HKEY_USERS;
}

}  // namespace

LSTATUS WINAPI RegOpenKeyExW(HKEY key, LPCWSTR sub_key, DWORD, REGSAM desired, PHKEY result) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  KeyPath path;
  if (LONG status = key_path(key, sub_key, desired, path)) return status;
  auto found = path.hive->find(path.from, path.names, path.view_32);
  if (!found) return ERROR_FILE_NOT_FOUND;
  return open_handle(*path.hive, std::move(found), rights_for(desired, *path.hive), result);
}

LSTATUS WINAPI RegCreateKeyExW(HKEY key, LPCWSTR sub_key, DWORD, LPWSTR, DWORD options, REGSAM desired,
                               const LPSECURITY_ATTRIBUTES, PHKEY result, LPDWORD disposition) {
  if (result == nullptr || sub_key == nullptr || (options & ~REG_OPTION_VOLATILE) != 0)
    return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  KeyPath path;
  if (LONG status = key_path(key, sub_key, desired, path)) return status;
  REGSAM rights = rights_for(desired, *path.hive);
  auto found = path.hive->find(path.from, path.names, path.view_32);
  bool created = !found;
  if (created) {
    std::shared_ptr<RegistryKey> parent;
    if (path.hive->key_of(key, KEY_CREATE_SUB_KEY, parent) != ERROR_SUCCESS) return ERROR_ACCESS_DENIED;
    if (path.hive->read_only() && (rights & kWriteRights)) return ERROR_ACCESS_DENIED;
    bool is_volatile = (options & REG_OPTION_VOLATILE) != 0;
    if (LONG status = path.hive->create(path.from, path.names, path.view_32, is_volatile, found))
      return status;
  }
  if (LONG status = open_handle(*path.hive, std::move(found), rights, result)) return status;
  if (disposition != nullptr) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  return ERROR_SUCCESS;
}

LSTATUS WINAPI RegCloseKey(HKEY key) {
  if (is_predefined(key)) return ERROR_SUCCESS;
  desktop::RegistryHive* hive = win_internal::registry();
  return hive != nullptr && hive->close_handle(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LSTATUS WINAPI RegFlushKey(HKEY key) {
  desktop::RegistryHive* hive = win_internal::registry();
  if (hive == nullptr) return ERROR_INVALID_HANDLE;
  std::shared_ptr<RegistryKey> open;
  if (LONG status = hive->key_of(key, 0, open)) return status;
  return hive->flush();
}

LSTATUS WINAPI RegDeleteKeyW(HKEY key, LPCWSTR sub_key) {
  return RegDeleteKeyExW(key, sub_key, 0, 0);
}

LSTATUS WINAPI RegDeleteKeyExW(HKEY key, LPCWSTR sub_key, REGSAM desired, DWORD) {
  if (sub_key == nullptr) return ERROR_INVALID_PARAMETER;
  KeyPath path;
  if (LONG status = key_path(key, sub_key, desired, path)) return status;
  auto found = path.hive->find(path.from, path.names, path.view_32);
  if (!found) return ERROR_FILE_NOT_FOUND;
  return path.hive->delete_key(*found);
}

LSTATUS WINAPI RegEnumKeyExW(HKEY key, DWORD index, LPWSTR name, LPDWORD name_count, LPDWORD reserved,
                             LPWSTR class_name, LPDWORD class_count, PFILETIME last_write_time) {
  if (name == nullptr || name_count == nullptr || reserved != nullptr ||
      (class_name != nullptr && class_count == nullptr))
    return ERROR_INVALID_PARAMETER;
  desktop::RegistryHive* hive = win_internal::registry();
  if (hive == nullptr) return ERROR_INVALID_HANDLE;
  std::shared_ptr<RegistryKey> open;
  if (LONG status = hive->key_of(key, KEY_ENUMERATE_SUB_KEYS, open)) return status;
  if (index >= open->subkeys.size()) return ERROR_NO_MORE_ITEMS;
  const RegistryKey& subkey = *std::next(open->subkeys.begin(), index)->second;
  // Room for the name and its terminator; Windows does not say how much a short buffer lacks.
  if (*name_count <= subkey.name.size() || (class_name != nullptr && *class_count == 0))
    return ERROR_MORE_DATA;
  std::wmemcpy(name, subkey.name.data(), subkey.name.size());
  name[subkey.name.size()] = L'\0';
  *name_count = static_cast<DWORD>(subkey.name.size());
  if (class_name != nullptr) {
    class_name[0] = L'\0';
    *class_count = 0;
  }
  if (last_write_time != nullptr) {
    auto ticks =
        static_cast<std::uint64_t>((subkey.written_unix_ms + kMsFrom1601To1970) * kFileTimeTicksPerMs);
    *last_write_time = {static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
  }
  return ERROR_SUCCESS;
}
