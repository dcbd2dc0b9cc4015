// The COM library: initialisation per thread, class ids as text, and objects made from the
// in-process classes the machine has and its registry lists under HKEY_CLASSES_ROOT\CLSID.
#pragma once

#include "platform/com/com_types.h"

inline constexpr DWORD COINIT_MULTITHREADED = 0x0;
inline constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;

inline constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
inline constexpr DWORD CLSCTX_INPROC_HANDLER = 0x2;
inline constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
inline constexpr DWORD CLSCTX_INPROC = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER;
inline constexpr DWORD CLSCTX_ALL = CLSCTX_INPROC | CLSCTX_LOCAL_SERVER | 0x10;

// S_OK the first time on a thread, S_FALSE when it is already initialised.
HRESULT WINAPI CoInitialize(LPVOID reserved);
HRESULT WINAPI CoInitializeEx(LPVOID reserved, DWORD flags);
void WINAPI CoUninitialize();
HRESULT WINAPI OleInitialize(LPVOID reserved);
void WINAPI OleUninitialize();

// REGDB_E_CLASSNOTREG while HKEY_CLASSES_ROOT\CLSID\{clsid} is missing, as for a class that was
// never installed or was uninstalled; only in-process servers are made.
HRESULT WINAPI CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, LPVOID* object);

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in either case; CO_E_CLASSSTRING otherwise.
HRESULT WINAPI CLSIDFromString(LPCOLESTR text, LPCLSID clsid);
// The class id under HKEY_CLASSES_ROOT\<prog id>\CLSID; CO_E_CLASSSTRING when it is not there.
HRESULT WINAPI CLSIDFromProgID(LPCOLESTR prog_id, LPCLSID clsid);
// Writes the braced text in upper case; the characters written with the terminator, or 0 when
// the buffer is too small.
int WINAPI StringFromGUID2(REFGUID guid, LPOLESTR buffer, int capacity);
inline BOOL IsEqualGUID(REFGUID a, REFGUID b) {
  return a == b;
}
