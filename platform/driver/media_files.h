// Clips and tones for a scenario to put on the machine, made as the media tests make them: a
// clip's frame i is a solid colour that encodes i, over a 440 Hz tone.
#pragma once

#include <string_view>

#include "platform/driver/file_kinds.h"

namespace driver {

// SECONDS of video with its tone, in the container of the path's extension (an audio-only one
// holds the tone alone).
FileBytes clip_file(std::wstring_view path, std::string_view argument);
// SECONDS of the tone alone.
FileBytes tone_file(std::wstring_view path, std::string_view argument);

}  // namespace driver
