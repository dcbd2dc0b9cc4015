// The screen as the windows make it up.
#pragma once

#include "platform/win/win_types.h"

namespace desktop {

class Desktop;

// Brings the pixels of area (screen coordinates) of the desktop's screen surface up to date:
// black, then each visible top-level window's surface at its place, back to front. A layered
// window is see-through where it has its colour key, blends by its constant alpha and, after
// UpdateLayeredWindow with AC_SRC_ALPHA, by its pixels' own premultiplied alpha; one whose
// layering was never set shows nothing.
void compose_screen(Desktop& machine, const RECT& area);

}  // namespace desktop
