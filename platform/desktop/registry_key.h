// A key of the registry: its subkeys, kept in Windows' alphabetical order, and its values,
// kept in the order they were first set, each with exactly the bytes it was given.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/win_types.h"

namespace desktop {

struct RegistryValue {
  std::wstring name;  // as first set; empty for the key's default value
  DWORD type = 0;
  std::vector<BYTE> data;
};

struct RegistryKey {
  std::wstring name;              // as it was created
  RegistryKey* parent = nullptr;  // null for a root and for a deleted key
  // By upper-cased name, which orders them as Windows enumerates them.
  std::map<std::wstring, std::shared_ptr<RegistryKey>> subkeys;
  std::vector<RegistryValue> values;
  bool is_volatile = false;  // volatile keys live until the desktop ends and are never saved
  bool deleted = false;      // open handles may outlive their key
  std::int64_t written_unix_ms = 0;

  std::shared_ptr<RegistryKey> subkey(std::wstring_view key_name) const;
  RegistryValue* value(std::wstring_view value_name);
  const RegistryValue* value(std::wstring_view value_name) const;
  // Its path from the root, as "HKEY_LOCAL_MACHINE\SOFTWARE\...".
  std::wstring path() const;
};

// Registry names are compared without regard to case.
std::wstring upper_cased(std::wstring_view name);
bool same_name(std::wstring_view a, std::wstring_view b);

}  // namespace desktop
