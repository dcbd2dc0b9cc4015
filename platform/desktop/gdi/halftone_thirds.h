// HALFTONE's shrink to exactly a third each way, the live monitor's (a full-HD screen into its
// panel): the same pixels as the plain loops' fixed-point weights give, from plain sums, with
// AVX2's vector instructions.
#pragma once

#include "platform/desktop/gdi/surface.h"

namespace desktop {

inline constexpr int kThirdsRatio = 3;

// out's pixel (i, j) from the 3 by 3 block of from whose top left is (left + 3i, top + 3j);
// every block lies inside from. False, and out untouched, when the processor lacks AVX2.
bool shrink_by_thirds(const Surface& from, int left, int top, const PixelArea& out);

}  // namespace desktop
