// The font heights of the transparent edit and label, fitted to their text.
#pragma once

#include <optional>
#include <string>

#include "platform/win/win_types.h"

struct EditTextMeasure {
  int text_width;       // the text measured at height -22, at least 1
  int pixels_per_inch;  // LOGPIXELSY of the painting DC
  int format_width;     // width of the edit's formatting rectangle
  int desktop_height;
  SIZE monitor;  // the full rectangle of the monitor nearest to the control
};

// The edit's lfHeight for its text; a formatting rectangle of no width counts as one pixel, and
// a result of 0 (the font mapper's default size) as 1.
int EditExFontHeight(const EditTextMeasure& measure);

// Leading "*****" asks for height -17 and a then leading "*" for -14; both are removed from text.
std::optional<int> TakeEditSizePrefixes(std::wstring& text);

// The label's lfHeight: ((client width * 3) / text width) * 4, at most 25; a text too long for
// that (0) gets the formula's smallest height, 4, rather than the font mapper's default.
int StaticExFontHeight(int client_width, int text_width);
