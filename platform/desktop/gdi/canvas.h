// What a drawing operation works on: a surface, the part of it that may change, and how
// colours of a brush or of a source bitmap become the surface's pixels.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/desktop/gdi/rect_list.h"
#include "platform/desktop/gdi/surface.h"

namespace desktop {

struct Canvas {
  Surface& surface;
  bool monochrome = false;
  // In surface coordinates and inside the surface.
  const RectList& clip;
};

// How a source's pixels become the destination's: a monochrome source's 0 bits take one
// colour and its 1 bits another (the destination's text and background colours); a colour
// source on a monochrome destination gives 1 exactly where it has the key colour (the
// source's background colour).
struct Conversion {
  enum class Kind { None, MonoToColour, ColourToMono };
  Kind kind = Kind::None;
  std::uint32_t zero = 0;
  std::uint32_t one = 0;
  std::uint32_t key = 0;

  std::uint32_t apply(std::uint32_t pixel) const {
    switch (kind) {
      case Kind::MonoToColour:
        return pixel ? one : zero;
      case Kind::ColourToMono:
        return (pixel & kRgbMask) == (key & kRgbMask) ? kMonoWhite : kMonoBlack;
      case Kind::None:
        break;
    }
    return pixel;
  }
  void row(const std::uint32_t* in, std::uint32_t* out, int count) const;
};

// A brush as the destination sees it: one pixel value, or a tile of them repeated from an
// origin in surface coordinates.
struct Pattern {
  std::uint32_t colour = 0;
  std::shared_ptr<const Surface> tile;
  POINT origin{};

  // The pattern's pixels at (x .. x + count, y) of the surface.
  void row(int x, int y, int count, std::uint32_t* out) const;
};

}  // namespace desktop
