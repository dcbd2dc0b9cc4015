// TTF_SUBCLASS: a tool window whose mouse messages reach its tooltips without the owner
// relaying them. The tool window's procedure is wrapped once; each tooltip adds and removes
// itself from the window's list.
#pragma once

#include "platform/win/win_types.h"

namespace controls {

void relay_from(HWND tool_window, HWND tooltip);
void stop_relaying(HWND tool_window, HWND tooltip);

}  // namespace controls
