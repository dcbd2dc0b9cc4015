// The calling process's environment variables.
#pragma once

#include "platform/win/win_types.h"

DWORD WINAPI GetEnvironmentVariableW(LPCWSTR name, LPWSTR buffer, DWORD size);
BOOL WINAPI SetEnvironmentVariableW(LPCWSTR name, LPCWSTR value);
DWORD WINAPI ExpandEnvironmentStringsW(LPCWSTR source, LPWSTR destination, DWORD size);
LPWSTR WINAPI GetEnvironmentStringsW();
BOOL WINAPI FreeEnvironmentStringsW(LPWSTR block);
