// Comparing names without regard to case, as the C runtime's _wcsicmp does in the "C" locale
// (ASCII letters folded), so that ini files and file lists sort the same on every machine.
#pragma once

#include <string_view>

// Below, equal to or above zero, as the first text sorts before, with or after the second.
int CompareTextNoCase(std::wstring_view a, std::wstring_view b);
// The sort predicate: true when the first sorts before the second.
bool CompareNoCase(std::wstring_view a, std::wstring_view b);
