// TransparentBlt: a stretched copy that skips the source pixels of one colour.
#pragma once

#include <cstdint>

#include "platform/desktop/gdi/canvas.h"
#include "platform/desktop/gdi/sampling.h"

namespace desktop {

// Source pixels whose colour (alpha aside) is key leave the destination as it was; the others
// are converted and copied. Sampled as COLORONCOLOR, sizes positive.
void transparent_blt(const Canvas& canvas, const SignedRect& dst, const Surface& source,
                     const SignedRect& src, const Conversion& conversion, std::uint32_t key);

}  // namespace desktop
