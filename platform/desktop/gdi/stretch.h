// StretchBlt's resampling: nearest pixel, the AND and OR of the pixels a shrink drops, or
// halftone's area average, then the raster operation as for a plain blit.
#pragma once

#include <cstdint>

#include "platform/desktop/gdi/canvas.h"
#include "platform/desktop/gdi/sampling.h"

namespace desktop {

enum class StretchMode { BlackOnWhite = 1, WhiteOnBlack = 2, ColorOnColor = 3, Halftone = 4 };

// dst and src in surface coordinates. Destination pixels whose centre falls outside the source
// surface are left alone; halftone's averages take the source's edge pixels beyond it.
void stretch_blt(const Canvas& canvas, const SignedRect& dst, const Surface& source, const SignedRect& src,
                 const Conversion& conversion, const Pattern& pattern, std::uint8_t rop, StretchMode mode);

}  // namespace desktop
