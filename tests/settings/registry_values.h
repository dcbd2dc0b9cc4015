// Stores and reads the console's registry values the way another program (or an older
// console) might have left them.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "platform/win/win32.h"
#include "src/settings/settings_key.h"

struct StoredValue {
  DWORD type;
  std::vector<BYTE> bytes;
};

inline StoredValue DwordValue(DWORD value) {
  std::vector<BYTE> bytes(sizeof value);
  std::memcpy(bytes.data(), &value, sizeof value);
  return {REG_DWORD, bytes};
}

inline StoredValue TextValue(const std::wstring& text) {
  std::vector<BYTE> bytes(text.size() * sizeof(wchar_t));
  if (!text.empty()) std::memcpy(bytes.data(), text.data(), bytes.size());
  return {REG_SZ, bytes};
}

inline void StoreValue(const std::wstring& name, const StoredValue& value) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, ConsoleRegistryKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, name.c_str(), 0, value.type, value.bytes.data(),
                 static_cast<DWORD>(value.bytes.size()));
  RegCloseKey(key);
}

// The stored value, or type REG_NONE when it is missing.
inline StoredValue FetchValue(const std::wstring& name) {
  StoredValue value{REG_NONE, std::vector<BYTE>(8192)};
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, ConsoleRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return {REG_NONE, {}};
  auto size = static_cast<DWORD>(value.bytes.size());
  if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.bytes.data(), &size) != ERROR_SUCCESS)
    value = {REG_NONE, {}};
  value.bytes.resize(size);
  RegCloseKey(key);
  return value;
}
