// Code pages, text conversion and number formatting of the desktop's locale.
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

using LCID = DWORD;
using LANGID = WORD;
inline constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
inline constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
inline constexpr DWORD LOCALE_SDECIMAL = 0x0000000E;
inline constexpr DWORD LOCALE_STHOUSAND = 0x0000000F;
inline constexpr DWORD LOCALE_SGROUPING = 0x00000010;
inline constexpr DWORD LOCALE_IDIGITS = 0x00000011;

struct NUMBERFMTW {
  UINT NumDigits;
  UINT LeadingZero;
  UINT Grouping;
  LPWSTR lpDecimalSep;
  LPWSTR lpThousandSep;
  UINT NegativeOrder;
};

UINT WINAPI GetACP();
UINT WINAPI GetOEMCP();
int WINAPI MultiByteToWideChar(UINT code_page, DWORD flags, LPCSTR text, int size, LPWSTR out, int out_size);
int WINAPI WideCharToMultiByte(UINT code_page, DWORD flags, LPCWSTR text, int size, LPSTR out, int out_size,
                               LPCSTR default_char, BOOL* used_default_char);
int WINAPI GetNumberFormatW(LCID locale, DWORD flags, LPCWSTR value, const NUMBERFMTW* format, LPWSTR out,
                            int out_size);
int WINAPI GetLocaleInfoW(LCID locale, DWORD type, LPWSTR out, int out_size);
