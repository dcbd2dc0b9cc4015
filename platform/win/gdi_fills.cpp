// Rectangles filled and framed with brushes, outlined with pens, inverted, and the dotted
// focus rectangle.
#include <algorithm>

#include "platform/desktop/gdi/raster_op.h"
#include "platform/win/gdi_draw_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/gdi_object_api.h"

namespace {

constexpr std::uint8_t kPatCopy = 0xF0;
constexpr std::uint8_t kPatInvert = 0x5A;
constexpr std::uint8_t kDstInvert = 0x55;

// The four one-unit sides of a rectangle, each pixel in exactly one of them.
template <typename Side>
void frame_sides(const RECT& r, int thickness, Side&& side) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  const int across = std::min<LONG>(thickness, r.bottom - r.top);
  side(RECT{r.left, r.top, r.right, r.top + across});
  if (r.bottom - across > r.top + across) {
    side(RECT{r.left, r.bottom - across, r.right, r.bottom});
    const int along = std::min<LONG>(thickness, r.right - r.left);
    side(RECT{r.left, r.top + across, r.left + along, r.bottom - across});
    if (r.right - along > r.left + along)
      side(RECT{r.right - along, r.top + across, r.right, r.bottom - across});
  } else if (r.bottom > r.top + across) {
    side(RECT{r.left, r.top + across, r.right, r.bottom});
  }
}

}  // namespace

int WINAPI FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  std::optional<gdi_internal::Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing || rect == nullptr) return 0;
  std::optional<desktop::Pattern> pattern = gdi_internal::pattern_of(drawing->dc, drawing->target, brush);
  if (pattern) drawing->pattern_rect(*rect, *pattern, kPatCopy);
  return 1;
}

int WINAPI FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  std::optional<gdi_internal::Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing || rect == nullptr) return 0;
  std::optional<desktop::Pattern> pattern = gdi_internal::pattern_of(drawing->dc, drawing->target, brush);
  if (pattern)
    frame_sides(*rect, 1, [&](const RECT& side) { drawing->pattern_rect(side, *pattern, kPatCopy); });
  return 1;
}

BOOL WINAPI InvertRect(HDC hdc, const RECT* rect) {
  std::optional<gdi_internal::Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing || rect == nullptr) return FALSE;
  drawing->pattern_rect(*rect, {}, kDstInvert);
  return TRUE;
}

// The outline is the pen's band around the one-pixel frame of (left, top)-(right - 1,
// bottom - 1), centred on it (inside it for PS_INSIDEFRAME); the brush fills what is within.
// Without a pen the fill ends one pixel short on the right and at the bottom.
BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  std::optional<gdi_internal::Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing) return FALSE;
  const RECT r{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
  const std::uint8_t rop = desktop::rop3_of_rop2(drawing->dc.attributes.rop2);
  std::optional<gdi_internal::Pen> pen = gdi_internal::pen_of(drawing->dc, drawing->target);
  RECT inside{r.left, r.top, r.right - 1, r.bottom - 1};
  if (pen) {
    const int w = pen->width;
    const int lead = pen->style == static_cast<UINT>(PS_INSIDEFRAME) ? 0 : (w - 1) / 2;
    const RECT outer =
        pen->style == static_cast<UINT>(PS_INSIDEFRAME)
            ? r
            : RECT{r.left - lead, r.top - lead, r.right - 1 - lead + w, r.bottom - 1 - lead + w};
    inside = {outer.left + w, outer.top + w, outer.right - w, outer.bottom - w};
    const desktop::Pattern ink{pen->colour, nullptr, {}};
    frame_sides(outer, w, [&](const RECT& side) { drawing->pattern_rect(side, ink, rop); });
  }
  const auto brush = static_cast<HBRUSH>(drawing->dc.attributes.brush);
  if (std::optional<desktop::Pattern> fill = gdi_internal::pattern_of(drawing->dc, drawing->target, brush))
    drawing->pattern_rect(inside, *fill, rop);
  return TRUE;
}

// Every other pixel of the frame inverted, in a checkerboard fixed to the device's origin,
// so that drawing it twice takes it away.
BOOL WINAPI DrawFocusRect(HDC hdc, const RECT* rect) {
  std::optional<gdi_internal::Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing || rect == nullptr) return FALSE;
  auto checker = std::make_shared<desktop::Surface>(2, 2);
  const std::uint32_t on = drawing->target.monochrome ? desktop::kMonoWhite : desktop::kRgbMask;
  checker->row(0)[0] = on;
  checker->row(1)[1] = on;
  const desktop::Pattern dots{0, checker, drawing->target.origin};
  frame_sides(*rect, 1, [&](const RECT& side) { drawing->pattern_rect(side, dots, kPatInvert); });
  return TRUE;
}
