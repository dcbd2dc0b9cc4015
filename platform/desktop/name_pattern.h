// Wildcard patterns as FindFirstFileW matches them against long names (no 8.3 names):
// "*" any run, "?" one character, without regard to case, with the old DOS rules that make
// "*.*" match names without a dot, "*." match only such names and a "?" before a dot or at the
// end match nothing too.
#pragma once

#include <string_view>

namespace desktop {

bool has_wildcards(std::wstring_view pattern);
bool matches_pattern(std::wstring_view pattern, std::wstring_view name);

}  // namespace desktop
