// HALFTONE's resampling: each destination pixel the area-weighted mean of the source pixels it
// covers, weighed in fixed point down the rows first and then across.
#pragma once

#include <cstdint>

#include "platform/desktop/gdi/sampling.h"
#include "platform/desktop/gdi/surface.h"

namespace desktop {

// The rounding every path keeps to: weights of kWeightBits summing to one, the row sums
// narrowed by kNarrowBits to 16 bits, the column sums shifted down by kResultShift.
inline constexpr int kWeightBits = 14;
inline constexpr std::uint32_t kWeightOne = 1u << kWeightBits;
inline constexpr int kNarrowBits = 6;
inline constexpr int kResultShift = 2 * kWeightBits - kNarrowBits;

// Fastest takes the processor's vector instructions for the shrinks they serve; Portable runs
// the plain loops for every shrink, the yardstick the fast paths must match bit for bit.
enum class HalftoneKernels { Fastest, Portable };

// Fills out (part's size) with the destination pixels of part, counted from the destination
// rectangle's corner. Source pixels beyond the surface's edge read as its edge pixels.
void halftone(const Surface& from, const StretchAxis& x, const StretchAxis& y, const RECT& part,
              const PixelArea& out, HalftoneKernels kernels = HalftoneKernels::Fastest);

}  // namespace desktop
