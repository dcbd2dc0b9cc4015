// A JSON string literal, for the dumps that tests and scenario files read.
#pragma once

#include <string>
#include <string_view>

namespace desktop {

// The UTF-8 text in quotes, with quotes, backslashes and control characters escaped.
std::string json_text(std::string_view utf8);

}  // namespace desktop
