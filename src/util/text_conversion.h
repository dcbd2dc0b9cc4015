// Text between wide characters and an 8-bit code page (UTF-8 included), and UTF-16LE bytes.
#pragma once

#include <string>
#include <string_view>

inline constexpr int SystemCodePage = -1;  // the system's ANSI code page
inline constexpr int Utf8CodePage = 65001;

// Returns the number of characters converted; out is untouched when there are none.
int ToWideText(int codePage, std::string_view bytes, std::wstring& out);
// Characters the code page lacks become "#" (UTF-8 has them all). Returns the byte count.
int ToNarrowText(int codePage, std::wstring_view text, std::string& out);
// The buffer size the narrow text needs, its terminating zero included.
int NarrowTextSize(int codePage, std::wstring_view text);
