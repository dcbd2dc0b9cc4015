// Code pages and the conversion of text between them and wide characters.
#pragma once

#include "platform/win/win_types.h"

inline constexpr UINT CP_ACP = 0;
inline constexpr UINT CP_OEMCP = 1;
inline constexpr UINT CP_UTF8 = 65001;
inline constexpr DWORD MB_PRECOMPOSED = 0x00000001;
inline constexpr DWORD MB_ERR_INVALID_CHARS = 0x00000008;
inline constexpr DWORD WC_NO_BEST_FIT_CHARS = 0x00000400;
inline constexpr DWORD WC_ERR_INVALID_CHARS = 0x00000080;
inline constexpr DWORD ERROR_NO_UNICODE_TRANSLATION = 1113;

UINT WINAPI GetACP();
UINT WINAPI GetOEMCP();
int WINAPI MultiByteToWideChar(UINT code_page, DWORD flags, LPCSTR text, int size, LPWSTR out, int out_size);
int WINAPI WideCharToMultiByte(UINT code_page, DWORD flags, LPCWSTR text, int size, LPSTR out, int out_size,
                               LPCSTR default_char, BOOL* used_default_char);
