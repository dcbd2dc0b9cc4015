// The current position and lines drawn from it with the selected pen and binary raster
// operation.
#include <array>
#include <span>

#include "platform/desktop/gdi/line.h"
#include "platform/desktop/gdi/raster_op.h"
#include "platform/win/gdi_dc_api.h"
#include "platform/win/gdi_draw_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/gdi_object_api.h"

namespace {

// Dash and gap lengths of the styled one-pixel pens, by style PS_DASH .. PS_DASHDOTDOT.
constexpr std::array<int, 2> kDash = {18, 6};
constexpr std::array<int, 2> kDot = {3, 3};
constexpr std::array<int, 4> kDashDot = {9, 6, 3, 6};
constexpr std::array<int, 6> kDashDotDot = {9, 3, 3, 3, 3, 3};
constexpr std::span<const int> kDashes[] = {{}, kDash, kDot, kDashDot, kDashDotDot};

}  // namespace

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
  desktop::DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr) return FALSE;
  if (previous != nullptr) *previous = dc->attributes.position;
  dc->attributes.position = {x, y};
  return TRUE;
}

BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT position) {
  desktop::DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr || position == nullptr) return FALSE;
  *position = dc->attributes.position;
  return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
  std::optional<gdi_internal::Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing) return FALSE;
  desktop::DcAttributes& attributes = drawing->dc.attributes;
  if (std::optional<gdi_internal::Pen> pen = gdi_internal::pen_of(drawing->dc, drawing->target)) {
    desktop::LineStyle style;
    style.colour = pen->colour;
    style.rop = desktop::rop3_of_rop2(attributes.rop2);
    style.width = pen->width;
    if (pen->style >= static_cast<UINT>(PS_DASH) && pen->style <= static_cast<UINT>(PS_DASHDOTDOT))
      style.dashes = kDashes[pen->style];
    style.fill_gaps = attributes.background_mode == OPAQUE;
    style.gap_colour = gdi_internal::device_colour(drawing->target, attributes.background_colour);
    const POINT from =
        gdi_internal::to_surface(drawing->dc, drawing->target, attributes.position.x, attributes.position.y);
    desktop::draw_line(drawing->target.canvas(), from,
                       gdi_internal::to_surface(drawing->dc, drawing->target, x, y), style);
  }
  attributes.position = {x, y};
  return TRUE;
}
