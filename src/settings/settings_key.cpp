#include "src/settings/settings_key.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win/win_errors.h"

SettingsReader::SettingsReader() {
  if (RegOpenKeyExW(HKEY_CURRENT_USER, ConsoleRegistryKey, 0, KEY_READ, &key_) != ERROR_SUCCESS)
    key_ = nullptr;
}

SettingsReader::~SettingsReader() {
  if (key_ != nullptr) RegCloseKey(key_);
}

std::optional<DWORD> SettingsReader::Dword(const std::wstring& name) const {
  if (key_ == nullptr) return std::nullopt;
  DWORD type = REG_NONE;
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegQueryValueExW(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value)
    return std::nullopt;
  return value;
}

std::optional<int> SettingsReader::Int(const std::wstring& name) const {
  std::optional<DWORD> value = Dword(name);
  if (!value) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<bool> SettingsReader::Flag(const std::wstring& name) const {
  std::optional<DWORD> value = Dword(name);
  if (!value) return std::nullopt;
  return *value != 0;
}

std::optional<std::wstring> SettingsReader::Text(const std::wstring& name, std::size_t capacity) const {
  if (key_ == nullptr) return std::nullopt;
  std::vector<wchar_t> buffer(capacity, L'\0');
  DWORD type = REG_NONE;
  auto size = static_cast<DWORD>(capacity * sizeof(wchar_t));
  if (RegQueryValueExW(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ)
    return std::nullopt;
  auto end = buffer.begin() + size / sizeof(wchar_t);
  return std::wstring(buffer.begin(), std::find(buffer.begin(), end, L'\0'));
}

SettingsWriter::SettingsWriter(Open open) {
  if (open == Open::CreatingKey) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, ConsoleRegistryKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &created, nullptr) != ERROR_SUCCESS)
      return;
    RegCloseKey(created);
  }
  if (RegOpenKeyExW(HKEY_CURRENT_USER, ConsoleRegistryKey, 0, KEY_WRITE, &key_) != ERROR_SUCCESS)
    key_ = nullptr;
}

SettingsWriter::~SettingsWriter() {
  if (key_ != nullptr) RegCloseKey(key_);
}

void SettingsWriter::Dword(const std::wstring& name, DWORD value) {
  if (key_ == nullptr) return;
  RegSetValueExW(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void SettingsWriter::Text(const std::wstring& name, std::wstring_view text) {
  if (key_ == nullptr) return;
  RegSetValueExW(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                 static_cast<DWORD>(text.size() * sizeof(wchar_t)));
}

std::wstring SlotValueName(std::wstring_view prefix, int number) {
  return std::wstring(prefix) + std::to_wstring(number);
}
