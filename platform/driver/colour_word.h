// A colour written in a scenario step: "RGB(R,G,B)", each 0 to 255 and no blanks.
#pragma once

#include <optional>
#include <string_view>

#include "platform/win/win_types.h"

namespace driver {

std::optional<COLORREF> colour_of(std::string_view word);

}  // namespace driver
