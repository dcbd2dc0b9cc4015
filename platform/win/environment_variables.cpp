// The environment of the calling process, which a started process inherits.
#include <cwchar>

#include "platform/win/environment_api.h"
#include "platform/win/text_out.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

bool valid_name(LPCWSTR name) {
  return name != nullptr && name[0] != L'\0' && std::wcschr(name + 1, L'=') == nullptr;
}

}  // namespace

DWORD WINAPI GetEnvironmentVariableW(LPCWSTR name, LPWSTR buffer, DWORD size) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  const std::wstring* value = valid_name(name) ? self->process().environment.find(name) : nullptr;
  if (value == nullptr) {
    SetLastError(ERROR_ENVVAR_NOT_FOUND);
    return 0;
  }
  // An empty value gives 0 too, with no error.
  SetLastError(ERROR_SUCCESS);
  return win_internal::copy_text_out(*value, buffer, size);
}

BOOL WINAPI SetEnvironmentVariableW(LPCWSTR name, LPCWSTR value) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  if (!valid_name(name)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  desktop::Environment& environment = self->process().environment;
  if (value == nullptr)
    environment.remove(name);
  else
    environment.set(name, value);
  return TRUE;
}

DWORD WINAPI ExpandEnvironmentStringsW(LPCWSTR source, LPWSTR destination, DWORD size) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  if (source == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::wstring expanded = self->process().environment.expand(source);
  // Unlike most calls it counts the terminating zero, whether or not the text fits.
  win_internal::copy_text_out(expanded, destination, size);
  return static_cast<DWORD>(expanded.size() + 1);
}

LPWSTR WINAPI GetEnvironmentStringsW() {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  std::wstring block = self->process().environment.block();
  auto* copy = new wchar_t[block.size() + 1];
  std::wmemcpy(copy, block.data(), block.size());
  copy[block.size()] = L'\0';
  return copy;
}

BOOL WINAPI FreeEnvironmentStringsW(LPWSTR block) {
  delete[] block;
  return TRUE;
}
