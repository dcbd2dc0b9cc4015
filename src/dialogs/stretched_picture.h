// A bitmap resource stretched once to the size of the static that shows it, so that the
// static repaints it as it is without stretching it again.
#pragma once

#include "platform/afx/afx.h"

// Fills picture with the resource bitmapId stretched to the client area of target in the
// stretch mode given (HALFTONE or COLORONCOLOR) and hands it to target (an SS_BITMAP static).
// False, and target left as it was, when the resource is missing.
bool ShowStretchedPicture(CStatic& target, CBitmap& picture, UINT bitmapId, int stretchMode);
