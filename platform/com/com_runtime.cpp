// Initialisation per thread and the making of objects from the machine's in-process classes.
#include <string>

#include "platform/com/com_api.h"
#include "platform/desktop/desktop.h"
#include "platform/win/registry_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

bool class_installed(REFCLSID clsid) {
  wchar_t text[40];
  StringFromGUID2(clsid, text, 40);
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + text).c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

}  // namespace

HRESULT WINAPI CoInitializeEx(LPVOID, DWORD) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return E_UNEXPECTED;
  return self->com_initializations++ == 0 ? S_OK : S_FALSE;
}

HRESULT WINAPI CoInitialize(LPVOID reserved) {
  return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED);
}

void WINAPI CoUninitialize() {
  desktop::DesktopThread* self = win_internal::caller();
  if (self != nullptr && self->com_initializations > 0) --self->com_initializations;
}

HRESULT WINAPI OleInitialize(LPVOID reserved) {
  return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED);
}

void WINAPI OleUninitialize() {
  CoUninitialize();
}

HRESULT WINAPI CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, LPVOID* object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || self->com_initializations == 0) return CO_E_NOTINITIALIZED;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  if ((context & CLSCTX_INPROC) == 0 || !class_installed(clsid)) return REGDB_E_CLASSNOTREG;
  const desktop::ClassFactory* factory = self->desktop().in_process_servers().find(clsid);
  // Listed in the registry, but its server's code is not on this machine.
  if (factory == nullptr) return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
  return (*factory)(iid, object);
}
