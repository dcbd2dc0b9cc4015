// The monitors as the placements of Orvenna's window see them: the primary one (holding the
// point 0, 0), the secondary one (holding the point at the primary's right edge, else the primary).
#pragma once

#include "platform/win/win_types.h"

HMONITOR PrimaryMonitor();
HMONITOR SecondaryMonitor();
bool IsOnPrimaryMonitor(HWND window);
// Centres the window on the monitor without changing its size.
void CenterWindowOnMonitor(HWND window, HMONITOR monitor);
