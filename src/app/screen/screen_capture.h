// A copy of what the screen shows in a rectangle, for the monitoring window and the live monitor.
#pragma once

#include "platform/win/win_types.h"

// A new bitmap with the screen's pixels of the rectangle (its left and top clamped at 0), which
// the caller frees; null for an empty rectangle.
HBITMAP CaptureScreenPixels(const RECT& rect);
