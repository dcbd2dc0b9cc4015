// Colour conversion of 8-bit 4:2:0 frames into 32-bit BGRA at the frame's own size, the common
// case of a video shown at its size: the same arithmetic as libswscale's unscaled converter
// (so the pixels are the same), in wider vectors where the processor has them.
#pragma once

#include <cstdint>

struct AVFrame;

namespace media {

// True for a frame convert_to_bgra takes: 8-bit 4:2:0 in limited range, with an even size.
bool converts_directly(const AVFrame& frame);

// Writes the frame's rows from first_row on, each of the frame's width in pixels, opaque, from
// target on; target_stride in bytes, negative for a picture upside down.
void convert_to_bgra(const AVFrame& frame, int first_row, int rows, std::uint8_t* target, int target_stride);

}  // namespace media
