// Pictures kept in an SS_BITMAP static, stretched once to its size in half-tone mode, so that
// the static repaints them as they are; black for a slot that shows nothing.
#pragma once

#include <string>

#include "platform/afx/afx.h"

// False, with the slot painted black, when the file cannot be loaded.
bool ShowFilePicture(CStatic& slot, CBitmap& kept, const std::wstring& path);
// False, with the slot painted black, when the resource is missing.
bool ShowResourcePicture(CStatic& slot, CBitmap& kept, UINT bitmapId);
void ShowBlackPicture(CStatic& slot, CBitmap& kept);
