// A line of text rendered as coverage, for GDI to blend in the text colour.
#pragma once

#include <vector>

#include "platform/win/win_types.h"

namespace desktop::text {

// Coordinates are relative to the top left of the text's cell: x from the pen's start, y from the
// top of the line, so the baseline lies at y = baseline.
struct TextMask {
  RECT cell{};                 // the advance width by the font's height: what OPAQUE mode fills first
  int baseline = 0;            // the font's ascent
  RECT bounds{};               // the pixels the mask holds: the cell and any ink that overhangs it
  std::vector<BYTE> coverage;  // row by row over bounds; 0 untouched .. 255 fully covered

  // Coverage at a point of the cell's coordinates; 0 outside the bounds.
  BYTE at(int x, int y) const {
    if (x < bounds.left || x >= bounds.right || y < bounds.top || y >= bounds.bottom) return 0;
    return coverage[static_cast<std::size_t>(y - bounds.top) * (bounds.right - bounds.left) +
                    (x - bounds.left)];
  }
};

}  // namespace desktop::text
