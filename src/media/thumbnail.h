// A picture file stretched (halftone) over a frame static, or the frame painted black.
#pragma once

#include <string>

#include "platform/afx/afx.h"

// Fills picture with the file stretched to the frame's client area and hands it to the frame
// (an SS_BITMAP static); false, and the frame black, when the file is no picture.
bool ShowThumbnail(CStatic& frame, CBitmap& picture, const std::wstring& path);
void ShowBlackFrame(CStatic& frame, CBitmap& picture);
