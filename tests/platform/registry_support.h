// Helpers for the registry tests: status codes, value bytes and whole-value reads.
#pragma once

#include <cstring>
#include <string_view>
#include <vector>

#include "platform/win/win32.h"

// The registry functions return LONG codes; the error constants are DWORDs.
constexpr LONG status(DWORD error) {
  return static_cast<LONG>(error);
}

inline std::vector<BYTE> bytes_of(std::wstring_view text, bool terminated) {
  std::vector<BYTE> bytes((text.size() + (terminated ? 1 : 0)) * sizeof(WCHAR), 0);
  if (!text.empty()) std::memcpy(bytes.data(), text.data(), text.size() * sizeof(WCHAR));
  return bytes;
}

inline std::vector<BYTE> bytes_of(DWORD dword) {
  std::vector<BYTE> bytes(sizeof dword);
  std::memcpy(bytes.data(), &dword, sizeof dword);
  return bytes;
}

struct ReadValue {
  LONG status;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

// Asks for the size first, then reads into a buffer of exactly that size.
inline ReadValue read_value(HKEY key, const wchar_t* name) {
  ReadValue read;
  DWORD size = 0;
  read.status = RegQueryValueExW(key, name, nullptr, &read.type, nullptr, &size);
  if (read.status != status(ERROR_SUCCESS)) return read;
  read.data.resize(size);
  read.status = RegQueryValueExW(key, name, nullptr, &read.type, read.data.data(), &size);
  read.data.resize(size);
  return read;
}

inline LONG set_value(HKEY key, const wchar_t* name, DWORD type, const std::vector<BYTE>& data) {
  return RegSetValueExW(key, name, 0, type, data.data(), static_cast<DWORD>(data.size()));
}
