// Lines as pens draw them: one pixel wide by Bresenham's steps without the last point, or
// wider with round ends.
#pragma once

#include <cstdint>
#include <span>

#include "platform/desktop/gdi/canvas.h"

namespace desktop {

struct LineStyle {
  std::uint32_t colour = 0;
  std::uint8_t rop = 0xF0;  // the pen is the pattern
  int width = 1;
  // Lengths of dashes and gaps in turn, starting with a dash; empty for a solid line. One-pixel
  // lines only.
  std::span<const int> dashes;
  bool fill_gaps = false;  // gaps take gap_colour (an opaque background) or stay as they are
  std::uint32_t gap_colour = 0;
};

// from and to in surface coordinates.
void draw_line(const Canvas& canvas, POINT from, POINT to, const LineStyle& style);

}  // namespace desktop
