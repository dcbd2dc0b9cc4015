// Numbers read from the start of a text, as the C runtime reads them: leading blanks, a sign,
// digits, and whatever follows ignored; a text without a number reads as 0.
#pragma once

#include <string>

long ReadLeadingInteger(const std::wstring& text);
double ReadLeadingDecimal(const std::wstring& text);
