// How an image button fits its caption: the font height that makes the caption fill the
// button's inner box, and where the caption's rectangle begins.
#pragma once

#include <string_view>

#include "platform/win/win_types.h"

// A line feed after the first character makes a two-line caption.
bool IsTwoLineCaption(std::wstring_view caption);

// height: the control font's lfHeight (0 already replaced); extent: the caption measured with
// that font; box: the item rectangle less 10 pixels left and right and 5 top and bottom.
int FitCaptionHeight(int height, std::wstring_view caption, SIZE extent, SIZE box);

// The top of the caption's rectangle in a client area client_height high.
int CaptionTop(int client_height, int fitted_height, bool two_lines, bool selected);
