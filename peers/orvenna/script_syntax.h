// The script engine's reading of a script without running it: whether a script compiles, and
// the text a string literal stands for.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvenna {

// The compiler's message for a script that does not compile; none for one that does.
std::optional<std::string> script_syntax_error(std::string_view text);
// The value, in UTF-8, of an expression that is one string literal; none when it is not one.
std::optional<std::string> string_literal_value(std::string_view literal);

}  // namespace orvenna
