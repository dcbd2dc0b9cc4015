// The screen as the windows make it up.
#pragma once

#include "platform/win/win_types.h"

namespace desktop {

class Desktop;

// Brings the pixels of area (screen coordinates) of the desktop's screen surface up to date:
// black, then each visible top-level window's surface at its place, back to front, as plain
// copies. Layered windows' alpha and colour keys would be applied here.
void compose_screen(Desktop& machine, const RECT& area);

}  // namespace desktop
