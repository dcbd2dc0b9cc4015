#include "platform/win/controls/control_glyphs.h"

#include <array>

#include "platform/win/controls/control_support.h"

namespace controls {

namespace {

// One row per line of pixels; each letter names a system colour, a blank leaves the pixel.
// d dark shadow, s shadow, h highlight, l light, w window, t text.
using Pattern = std::array<const char*, 12>;

constexpr Pattern kRadioRing = {
    "    ssss    ", "  ssddddss  ", " sdd    ddh ", " sd      lh ", "sd        lh", "sd        lh",
    "sd        lh", "sd        lh", " sl      lh ", " sll    llh ", "  hhllllhh  ", "    hhhh    ",
};
constexpr Pattern kRadioFace = {
    "            ", "            ", "   wwwwww   ", "  wwwwwwww  ", "  wwwwwwww  ", " wwwwwwwwww ",
    " wwwwwwwwww ", "  wwwwwwww  ", "  wwwwwwww  ", "   wwwwww   ", "            ", "            ",
};
constexpr Pattern kRadioDot = {
    "            ", "            ", "            ", "            ", "     tt     ", "    tttt    ",
    "    tttt    ", "     tt     ", "            ", "            ", "            ", "            ",
};

// The check mark inside a check box's 9 by 9 face, rows from the top.
constexpr std::array<const char*, 7> kCheckMark = {
    "      t", "     tt", "t   ttt", "tt ttt ", "ttttt  ", " ttt   ", "  t    ",
};

COLORREF colour_of(char letter, bool enabled) {
  switch (letter) {
    case 'd':
      return GetSysColor(COLOR_3DDKSHADOW);
    case 's':
      return GetSysColor(COLOR_BTNSHADOW);
    case 'h':
      return GetSysColor(COLOR_BTNHIGHLIGHT);
    case 'l':
      return GetSysColor(COLOR_3DLIGHT);
    case 'w':
      return GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE);
    default:
      return GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
  }
}

template <typename Rows>
void draw_pattern(HDC dc, int left, int top, const Rows& rows, bool enabled) {
  for (int y = 0; y < static_cast<int>(rows.size()); ++y)
    for (int x = 0; rows[y][x] != '\0'; ++x)
      if (rows[y][x] != ' ') SetPixelV(dc, left + x, top + y, colour_of(rows[y][x], enabled));
}

}  // namespace

void draw_check_box(HDC dc, int left, int top, LRESULT check, bool enabled) {
  RECT box{left, top, left + kCheckBoxSize, top + kCheckBoxSize};
  DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  const bool grey = check == BST_INDETERMINATE || !enabled;
  fill(dc, box, GetSysColor(grey ? COLOR_BTNFACE : COLOR_WINDOW));
  if (check != BST_UNCHECKED) draw_pattern(dc, box.left + 1, box.top + 1, kCheckMark, enabled && !grey);
}

void draw_radio(HDC dc, int left, int top, bool checked, bool enabled) {
  draw_pattern(dc, left, top, kRadioFace, enabled);
  draw_pattern(dc, left, top, kRadioRing, enabled);
  if (checked) draw_pattern(dc, left, top, kRadioDot, enabled);
}

void draw_arrow(HDC dc, const RECT& rect, COLORREF colour, ArrowDirection direction) {
  constexpr int kHalfWidth = 3;
  const int centre_x = (rect.left + rect.right) / 2;
  const int centre_y = (rect.top + rect.bottom) / 2;
  const bool vertical = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
  const bool towards_start = direction == ArrowDirection::Up || direction == ArrowDirection::Left;
  // Row 0 is the arrow's wide base; the point is kHalfWidth rows further on.
  const int base =
      (vertical ? centre_y : centre_x) + (towards_start ? kHalfWidth / 2 + 1 : -kHalfWidth / 2 - 1);
  for (int row = 0; row <= kHalfWidth; ++row) {
    const int at = towards_start ? base - row : base + row;
    const int across = vertical ? centre_x : centre_y;
    RECT line = vertical ? RECT{across - kHalfWidth + row, at, across + kHalfWidth - row + 1, at + 1}
                         : RECT{at, across - kHalfWidth + row, at + 1, across + kHalfWidth - row + 1};
    fill(dc, line, colour);
  }
}

}  // namespace controls
