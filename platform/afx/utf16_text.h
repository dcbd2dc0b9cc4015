// UTF-16LE as files hold it, for wide strings that hold one code point per character.
#pragma once

#include <string>
#include <string_view>

// Characters beyond U+FFFF become surrogate pairs.
std::string ToUtf16LeBytes(std::wstring_view text);
// Appends one code unit, joining a low surrogate to the high one before it.
void AppendUtf16Unit(std::wstring& text, char16_t unit);
