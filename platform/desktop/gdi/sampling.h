// Which source pixel each destination pixel of a stretch reads: the one under its centre.
#pragma once

#include <vector>

#include "platform/desktop/gdi/canvas.h"

namespace desktop {

// A rectangle as the stretching calls take it; a negative size runs the other way from the
// corner, covering (x + width .. x) and mirroring the picture along that axis.
struct SignedRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// One axis of a stretch, sizes made positive and the mirroring remembered.
struct StretchAxis {
  int dst_start = 0;
  int dst_size = 0;
  int src_start = 0;
  int src_size = 0;
  bool mirrored = false;

  StretchAxis(int dst_at, int dst_extent, int src_at, int src_extent);
  // The destination index counted from the source's start, for a destination index i.
  int unmirrored(int i) const { return mirrored ? dst_size - 1 - i : i; }
  // The source pixel under the centre of destination pixel i (0 .. dst_size).
  int nearest(int i) const;
};

// The destination pixels (surface coordinates) a stretch may touch: inside the destination
// rectangle, the surface and the clip's bounds, and reading a source pixel inside the source.
// columns and rows give the source pixel of each, counted from visible's top left.
struct Sampling {
  RECT visible{};
  std::vector<int> columns;
  std::vector<int> rows;
};
Sampling nearest_sampling(const Canvas& canvas, const StretchAxis& x, const StretchAxis& y,
                          const Surface& source);

}  // namespace desktop
