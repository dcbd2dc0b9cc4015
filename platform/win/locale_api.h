// The machine's and the user's languages and locales, and numbers written as they say.
#pragma once

#include "platform/win/win_types.h"

using LANGID = WORD;
using LCID = DWORD;

inline constexpr WORD LANG_NEUTRAL = 0x00;
inline constexpr WORD LANG_CHINESE = 0x04;
inline constexpr WORD LANG_GERMAN = 0x07;
inline constexpr WORD LANG_ENGLISH = 0x09;
inline constexpr WORD LANG_SPANISH = 0x0A;
inline constexpr WORD LANG_FRENCH = 0x0C;
inline constexpr WORD LANG_ITALIAN = 0x10;
inline constexpr WORD LANG_TURKISH = 0x1F;

constexpr LANGID MAKELANGID(WORD primary, WORD sublanguage) {
  return static_cast<LANGID>((sublanguage << 10) | primary);
}
constexpr WORD PRIMARYLANGID(LANGID language) {
  return static_cast<WORD>(language & 0x3FF);
}
constexpr WORD SUBLANGID(LANGID language) {
  return static_cast<WORD>(language >> 10);
}
constexpr LANGID LANGIDFROMLCID(LCID locale) {
  return static_cast<LANGID>(locale & 0xFFFF);
}

LANGID WINAPI GetSystemDefaultLangID();
LANGID WINAPI GetUserDefaultLangID();
LCID WINAPI GetSystemDefaultLCID();
LCID WINAPI GetUserDefaultLCID();

inline constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
inline constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
inline constexpr DWORD LOCALE_SDECIMAL = 0x0000000E;
inline constexpr DWORD LOCALE_STHOUSAND = 0x0000000F;
inline constexpr DWORD LOCALE_SGROUPING = 0x00000010;
inline constexpr DWORD LOCALE_IDIGITS = 0x00000011;
inline constexpr DWORD LOCALE_SSHORTDATE = 0x0000001F;
inline constexpr DWORD LOCALE_STIMEFORMAT = 0x00001003;
inline constexpr DWORD LOCALE_IFIRSTDAYOFWEEK = 0x0000100C;
// Monday to Sunday, and January to December.
inline constexpr DWORD LOCALE_SDAYNAME1 = 0x0000002A;
inline constexpr DWORD LOCALE_SDAYNAME7 = 0x00000030;
inline constexpr DWORD LOCALE_SMONTHNAME1 = 0x00000038;
inline constexpr DWORD LOCALE_SMONTHNAME12 = 0x00000043;
inline constexpr DWORD LOCALE_SSHORTESTDAYNAME1 = 0x00000060;
inline constexpr DWORD LOCALE_SSHORTESTDAYNAME7 = 0x00000066;

struct NUMBERFMTW {
  UINT NumDigits;
  UINT LeadingZero;
  UINT Grouping;
  LPWSTR lpDecimalSep;
  LPWSTR lpThousandSep;
  UINT NegativeOrder;
};

int WINAPI GetNumberFormatW(LCID locale, DWORD flags, LPCWSTR value, const NUMBERFMTW* format, LPWSTR out,
                            int out_size);
int WINAPI GetLocaleInfoW(LCID locale, DWORD type, LPWSTR out, int out_size);
