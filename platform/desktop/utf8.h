// Host file names are UTF-8; the desktop's wide strings hold one code point per wchar_t.
#pragma once

#include <string>
#include <string_view>

namespace desktop {

// Appends one code point, which must be a valid scalar value.
void append_utf8(std::string& out, char32_t c);
std::string to_utf8(std::wstring_view text);
// Bytes that are not UTF-8 come back as U+FFFD each.
std::wstring from_utf8(std::string_view text);

}  // namespace desktop
