// How an image button fits its caption: the font height that makes the caption fill the
// button's inner box, and where the caption's rectangle begins.
#pragma once

#include <string_view>

#include "platform/win/win_types.h"

// The inner box a caption is fitted to: the button less these margins left and right, top and
// bottom.
inline constexpr int ImageButtonCaptionMargin = 10;
inline constexpr int ImageButtonCaptionMarginY = 5;
// A caption of one line keeps this far from the button's left and right edges.
inline constexpr int ImageButtonCaptionRim = 2;

// A line feed after the first character makes a two-line caption.
bool IsTwoLineCaption(std::wstring_view caption);
// The lines a caption is drawn in: one, or one more than its line feeds when it has one after
// its first character.
int CaptionLineCount(std::wstring_view caption);

// height: the control font's lfHeight (0 already replaced); extent: the caption measured with
// that font; box: the item rectangle less 10 pixels left and right and 5 top and bottom.
int FitCaptionHeight(int height, std::wstring_view caption, SIZE extent, SIZE box);

// A caption of more lines than one, fitted as if they stood side by side, may come out too large
// for its button's inner box, and one line, rounded up, wider than the button: a caption is no
// larger than lets its widest line fit the box's width and all its lines the box's height.
// lines: the widest line by all lines' height, measured at height.
int LimitToBox(int fitted, int height, SIZE lines, SIZE box);

// The top of the caption's rectangle in a client area client_height high.
int CaptionTop(int client_height, int fitted_height, int lines, bool selected);
