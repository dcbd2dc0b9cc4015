// Text built from a printf format, as the console builds its script statements and recorded lines.
#pragma once

#include <string>

// The whole text, however long; "%s" takes a wide C string.
std::wstring FormatText(const wchar_t* format, ...);
