// The small pictures the controls draw: check marks, radio circles and arrows, from pixel
// patterns so they look the same at every size of text.
#pragma once

#include "platform/win/win32.h"

namespace controls {

inline constexpr int kCheckBoxSize = 13;

void draw_check_box(HDC dc, int left, int top, LRESULT check, bool enabled);
void draw_radio(HDC dc, int left, int top, bool checked, bool enabled);
enum class ArrowDirection { Up, Down, Left, Right };
// A small solid arrow centred in the rectangle, as on a combo box's or an up-down's button.
void draw_arrow(HDC dc, const RECT& rect, COLORREF colour, ArrowDirection direction);
inline void draw_down_arrow(HDC dc, const RECT& rect, COLORREF colour) {
  draw_arrow(dc, rect, colour, ArrowDirection::Down);
}

}  // namespace controls
