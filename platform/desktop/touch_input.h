// Touch contacts on windows registered for touch: WM_TOUCH with its touch records, besides the
// mouse messages that the touch makes.
#pragma once

#include "platform/desktop/mouse_input.h"

namespace desktop {

// The cursor is already at the contact's point.
void deliver_touch(Desktop& desktop, const MouseEvent& event, DWORD time);

}  // namespace desktop
