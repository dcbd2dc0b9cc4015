// Raster operations over rectangles: the loop under PatBlt, BitBlt, MaskBlt and the stretches.
#pragma once

#include <cstdint>

#include "platform/desktop/gdi/canvas.h"

namespace desktop {

// Every pixel of area (surface coordinates) that the clip allows becomes rop(pattern,
// source, destination). The source pixel for area's top left is at source_at of source;
// source may be null when rop does not read it. Pixels whose source lies outside the
// source surface are left alone. Source and destination may be the same surface.
void raster_blt(const Canvas& canvas, const RECT& area, const Surface* source, POINT source_at,
                const Conversion& conversion, const Pattern& pattern, std::uint8_t rop);

// As raster_blt, with fore applied where the monochrome mask is 1 and back where it is 0;
// the mask pixel for area's top left is at mask_at. Pixels outside the mask are left alone.
void mask_blt(const Canvas& canvas, const RECT& area, const Surface* source, POINT source_at,
              const Conversion& conversion, const Pattern& pattern, const Surface& mask, POINT mask_at,
              std::uint8_t fore, std::uint8_t back);

}  // namespace desktop
