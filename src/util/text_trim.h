// Trimming texts at both ends.
#pragma once

#include <string_view>

// Blanks and tabs, as ini names and their lookups are stripped.
std::wstring_view StripBlanks(std::wstring_view text);
// Every kind of white space: blanks, tabs, line ends, vertical tabs and form feeds.
std::wstring_view StripWhiteSpace(std::wstring_view text);
