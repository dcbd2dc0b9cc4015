// The texts the console has for a presenter, read from its resource sources: what the English
// interface shows, and what a language's string table holds.
#pragma once

#include <set>
#include <string>

// The captions and titles of every dialog template and the English entry of every string.
std::set<std::wstring> EnglishTexts();

// Every entry of the string table in one language (0 English to 5 Chinese).
std::set<std::wstring> StringTableTexts(int language);
