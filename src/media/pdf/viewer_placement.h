// Where the PDF viewer opens: on the console's monitor, within its work area, beside the console
// where there is room (the training window leaves most of its screen free), else over the console,
// centred, as in the two-monitor layouts, where the console fills its monitor.
#pragma once

#include "platform/win/win_types.h"

RECT ViewerPlace(const RECT& workArea, const RECT& console, SIZE wanted);
