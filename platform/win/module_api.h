// Modules: the program's own image and the system DLLs, with the functions they export.
#pragma once

#include "platform/win/win_types.h"

DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size);
HMODULE WINAPI GetModuleHandleW(LPCWSTR module_name);
HMODULE WINAPI LoadLibraryW(LPCWSTR file_name);
FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name);
BOOL WINAPI FreeLibrary(HMODULE module);
