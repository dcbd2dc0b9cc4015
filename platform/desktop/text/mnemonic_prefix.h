// DrawText's prefix rule: "&" underlines the character after it and is not drawn, "&&" draws one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace desktop::text {

struct PrefixedText {
  std::wstring text;            // what is drawn
  std::vector<int> underlined;  // positions in text, ascending
};

// A lone "&" at the end has nothing to underline and is dropped.
PrefixedText strip_prefixes(std::wstring_view text);

}  // namespace desktop::text
