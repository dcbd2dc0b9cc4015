// Single pixels; outside the bitmap or the clip they read and write as CLR_INVALID.
#include "platform/win/gdi_dc_api.h"
#include "platform/win/gdi_draw_api.h"
#include "platform/win/gdi_internal.h"

namespace {

// The pixel's surface position when the context may touch it.
std::optional<POINT> reachable(const gdi_internal::Drawing& drawing, int x, int y) {
  const POINT at = gdi_internal::to_surface(drawing.dc, drawing.target, x, y);
  if (!drawing.target.clip.contains(at.x, at.y)) return std::nullopt;
  return at;
}

}  // namespace

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  std::optional<gdi_internal::Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing) return CLR_INVALID;
  std::optional<POINT> at = reachable(*drawing, x, y);
  if (!at) return CLR_INVALID;
  gdi_internal::prepare_read(drawing->target, {at->x, at->y, at->x + 1, at->y + 1});
  return desktop::colorref_of(drawing->target.surface->row(at->y)[at->x]);
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF colour) {
  std::optional<gdi_internal::Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing) return CLR_INVALID;
  std::optional<POINT> at = reachable(*drawing, x, y);
  if (!at) return CLR_INVALID;
  const std::uint32_t pixel = gdi_internal::device_colour(drawing->target, colour);
  drawing->target.surface->row(at->y)[at->x] = pixel;
  return desktop::colorref_of(pixel);
}

BOOL WINAPI SetPixelV(HDC hdc, int x, int y, COLORREF colour) {
  return SetPixel(hdc, x, y, colour) != CLR_INVALID;
}
