// Text that goes into a statement of an Orvenna script as a string literal: names, colours and
// dates from the presenter or from files.
#pragma once

#include <string>
#include <string_view>

// The text in double quotes, with what would end or break the literal escaped (backslash,
// double quote, line breaks, NUL), so the statement runs whatever the text holds and the
// script sees the text itself.
std::wstring ScriptStringLiteral(std::wstring_view text);
