// Pictures of a given size for a scenario to put on the machine, in the formats the console
// loads: a gradient the same for the same size, or one colour all over, so that a check can tell
// which picture is on screen; encoded as the file's extension says.
#pragma once

#include <optional>
#include <string_view>
#include <utility>

#include "platform/driver/file_kinds.h"
#include "platform/win/win_types.h"

namespace driver {

// A size as WIDTHxHEIGHT ("640x480"), each from 1 to the largest side a picture may have.
std::optional<std::pair<int, int>> picture_size(std::string_view text);

// extension: "png", "bmp", "jpg", "jpeg" or "gif", in any case.
FileBytes picture_file(std::string_view extension, int width, int height,
                       std::optional<COLORREF> colour = std::nullopt);

}  // namespace driver
