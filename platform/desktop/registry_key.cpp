#include "platform/desktop/registry_key.h"

#include <algorithm>
#include <cwctype>

namespace desktop {

std::wstring upper_cased(std::wstring_view name) {
  std::wstring upper(name);
  for (wchar_t& c : upper)
    c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  return upper;
}

std::shared_ptr<RegistryKey> RegistryKey::subkey(std::wstring_view key_name) const {
  auto at = subkeys.find(upper_cased(key_name));
  return at == subkeys.end() ? nullptr : at->second;
}

bool same_name(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
           return std::towupper(static_cast<wint_t>(x)) == std::towupper(static_cast<wint_t>(y));
         });
}

RegistryValue* RegistryKey::value(std::wstring_view value_name) {
  auto at = std::find_if(values.begin(), values.end(),
                         [&](const RegistryValue& value) { return same_name(value.name, value_name); });
  return at == values.end() ? nullptr : &*at;
}

const RegistryValue* RegistryKey::value(std::wstring_view value_name) const {
  return const_cast<RegistryKey*>(this)->value(value_name);
}

std::wstring RegistryKey::path() const {
  std::wstring path = name;
  for (const RegistryKey* above = parent; above != nullptr; above = above->parent)
    path = above->name + L"\\" + path;
  return path;
}

}  // namespace desktop
