// Paths of the calling process: full paths, the current folder and the folder for temporary
// files.
#pragma once

#include "platform/win/win_types.h"

DWORD WINAPI GetFullPathNameW(LPCWSTR name, DWORD size, LPWSTR buffer, LPWSTR* file_part);
DWORD WINAPI GetCurrentDirectoryW(DWORD size, LPWSTR buffer);
BOOL WINAPI SetCurrentDirectoryW(LPCWSTR path);
DWORD WINAPI GetTempPathW(DWORD size, LPWSTR buffer);
BOOL WINAPI PathFileExistsW(LPCWSTR path);
