// The machine's and the user's default languages and locales.
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
