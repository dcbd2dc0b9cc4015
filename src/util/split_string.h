// Splitting a text at any of a set of delimiter characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Appends the pieces (empty ones between two delimiters included, a trailing empty one not)
// and returns how many it appended.
int SplitString(std::wstring_view text, std::wstring_view delimiters, std::vector<std::wstring>& pieces);
