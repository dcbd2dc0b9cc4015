// Where dialogs show: centred on their owner (DS_CENTER, the common dialogs), but never reaching
// off the work area of the owner's monitor, as a small owner (a picker's pop-up, a window near a
// corner) would have them.
#pragma once

#include "platform/win/win_types.h"

namespace win_internal {

// The top-left corner that keeps the rectangle whole in the monitor's work area; a rectangle
// larger than the work area keeps its top-left corner on it.
POINT within_work_area(const RECT& rect, HMONITOR monitor);
void keep_on_monitor(HWND dialog);

}  // namespace win_internal
