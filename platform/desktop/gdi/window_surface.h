// The pixels a top-level window shows.
#pragma once

#include "platform/desktop/gdi/surface.h"
#include "platform/desktop/window.h"

namespace desktop {

// Made on first use and kept at the size of the window's rectangle; a size change keeps
// what the old and new sizes share, at the top left.
Surface& window_surface(Window& top_level);

}  // namespace desktop
