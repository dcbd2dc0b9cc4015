// DrawEdge: the classic 3D borders in the system colours.
#include "platform/win/gdi_draw_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/gdi_sys_color_api.h"
#include "platform/win/win_errors.h"

namespace {

constexpr std::uint8_t kPatCopy = 0xF0;
constexpr int kNone = -1;

// One border, one pixel wide: the colour of its left and top sides and of its right and bottom.
struct BorderColours {
  int top_left;
  int bottom_right;
};

// By the border's two bits: none, raised, sunken, and both (which draws nothing).
constexpr BorderColours kOuter[] = {
    {kNone, kNone}, {COLOR_3DLIGHT, COLOR_3DDKSHADOW}, {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT}, {kNone, kNone}};
constexpr BorderColours kInner[] = {
    {kNone, kNone}, {COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW}, {COLOR_3DDKSHADOW, COLOR_3DLIGHT}, {kNone, kNone}};

void draw_border(const gdi_internal::Drawing& drawing, RECT& r, UINT sides, BorderColours colours) {
  if (colours.top_left == kNone) return;
  auto line = [&](const RECT& part, int colour) {
    drawing.pattern_rect(
        part, {gdi_internal::device_colour(drawing.target, GetSysColor(colour)), nullptr, {}}, kPatCopy);
  };
  // The right and bottom sides come last and so own the top-right and bottom-left corners.
  if (sides & BF_LEFT) line({r.left, r.top, r.left + 1, r.bottom}, colours.top_left);
  if (sides & BF_TOP) line({r.left, r.top, r.right, r.top + 1}, colours.top_left);
  if (sides & BF_RIGHT) line({r.right - 1, r.top, r.right, r.bottom}, colours.bottom_right);
  if (sides & BF_BOTTOM) line({r.left, r.bottom - 1, r.right, r.bottom}, colours.bottom_right);
  if (sides & BF_LEFT) ++r.left;
  if (sides & BF_TOP) ++r.top;
  if (sides & BF_RIGHT) --r.right;
  if (sides & BF_BOTTOM) --r.bottom;
}

}  // namespace

BOOL WINAPI DrawEdge(HDC hdc, LPRECT rect, UINT edge, UINT flags) {
  std::optional<gdi_internal::Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing || rect == nullptr) return FALSE;
  if (flags & BF_DIAGONAL) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  BorderColours outer = kOuter[edge & BDR_OUTER];
  BorderColours inner = kInner[(edge & BDR_INNER) >> 2];
  if (flags & BF_SOFT) std::swap(outer.top_left, inner.top_left);
  const bool plain = flags & (BF_MONO | BF_FLAT);
  if (plain) {
    const int outer_colour = (flags & BF_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW;
    const int inner_colour = (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE;
    if (outer.top_left != kNone) outer = {outer_colour, outer_colour};
    if (inner.top_left != kNone) inner = {inner_colour, inner_colour};
  }
  RECT r = *rect;
  draw_border(*drawing, r, flags, outer);
  draw_border(*drawing, r, flags, inner);
  if (flags & BF_MIDDLE) {
    const COLORREF middle = GetSysColor(plain ? COLOR_WINDOW : COLOR_BTNFACE);
    drawing->pattern_rect(r, {gdi_internal::device_colour(drawing->target, middle), nullptr, {}}, kPatCopy);
  }
  if (flags & BF_ADJUST) *rect = r;
  return TRUE;
}
