// Class ids as text: the braced form, and the prog ids the registry maps to class ids.
#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/com/com_api.h"
#include "platform/win/registry_api.h"
#include "platform/win/win_errors.h"

namespace {

constexpr int kGuidTextLength = 38;  // {8-4-4-4-12}
// Where each of the sixteen bytes' two hex digits start, in the order Data1 (big end first),
// Data2, Data3, Data4.
constexpr int kByteOffsets[16] = {1, 3, 5, 7, 10, 12, 15, 17, 20, 22, 25, 27, 29, 31, 33, 35};
constexpr int kDashOffsets[4] = {9, 14, 19, 24};

int hex_value(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

bool parse_guid(LPCOLESTR text, GUID& guid) {
  if (std::wcslen(text) != kGuidTextLength || text[0] != L'{' || text[kGuidTextLength - 1] != L'}')
    return false;
  for (int dash : kDashOffsets)
    if (text[dash] != L'-') return false;
  BYTE bytes[16];
  for (int i = 0; i < 16; ++i) {
    int high = hex_value(text[kByteOffsets[i]]);
    int low = hex_value(text[kByteOffsets[i] + 1]);
    if (high < 0 || low < 0) return false;
    bytes[i] = static_cast<BYTE>(high * 16 + low);
  }
  guid.Data1 = static_cast<DWORD>(bytes[0]) << 24 | static_cast<DWORD>(bytes[1]) << 16 |
               static_cast<DWORD>(bytes[2]) << 8 | bytes[3];
  guid.Data2 = static_cast<WORD>(bytes[4] << 8 | bytes[5]);
  guid.Data3 = static_cast<WORD>(bytes[6] << 8 | bytes[7]);
  for (int i = 0; i < 8; ++i)
    guid.Data4[i] = bytes[8 + i];
  return true;
}

}  // namespace

HRESULT WINAPI CLSIDFromString(LPCOLESTR text, LPCLSID clsid) {
  if (clsid == nullptr) return E_INVALIDARG;
  if (text == nullptr) {
    *clsid = IID_NULL;
    return S_OK;
  }
  GUID parsed{};
  if (!parse_guid(text, parsed)) return CO_E_CLASSSTRING;
  *clsid = parsed;
  return S_OK;
}

HRESULT WINAPI CLSIDFromProgID(LPCOLESTR prog_id, LPCLSID clsid) {
  if (prog_id == nullptr || clsid == nullptr) return E_INVALIDARG;
  std::wstring path = std::wstring(prog_id) + L"\\CLSID";
  wchar_t text[kGuidTextLength + 2] = {};
  DWORD size = sizeof(text);
  DWORD type = 0;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return CO_E_CLASSSTRING;
  LSTATUS read = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<LPBYTE>(text), &size);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS || type != REG_SZ) return CO_E_CLASSSTRING;
  return CLSIDFromString(text, clsid) == S_OK ? S_OK : CO_E_CLASSSTRING;
}

int WINAPI StringFromGUID2(REFGUID guid, LPOLESTR buffer, int capacity) {
  if (buffer == nullptr || capacity < kGuidTextLength + 1) return 0;
  std::swprintf(buffer, static_cast<std::size_t>(capacity),
                L"{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", static_cast<unsigned>(guid.Data1),
                guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3],
                guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
  return kGuidTextLength + 1;
}
