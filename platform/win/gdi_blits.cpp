// PatBlt, BitBlt, StretchBlt and MaskBlt: every ternary raster operation, with the
// monochrome and colour conversions between source and destination.
#include <cstdlib>

#include "platform/desktop/gdi/blit.h"
#include "platform/desktop/gdi/raster_op.h"
#include "platform/desktop/gdi/stretch.h"
#include "platform/win/gdi_blit_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/win_errors.h"

using gdi_internal::Drawing;

namespace {

// The brush an operation needs; none when it uses the pattern and the brush is null, in
// which case nothing is drawn.
std::optional<desktop::Pattern> pattern_for(const Drawing& drawing, std::uint8_t rop) {
  if (!desktop::rop_uses_pattern(rop)) return desktop::Pattern{};
  return gdi_internal::pattern_of(drawing.dc, drawing.target,
                                  static_cast<HBRUSH>(drawing.dc.attributes.brush));
}

// A rectangle with a negative size is the one running the other way from the corner.
void normalise(int& at, int& size, int* other_at) {
  if (size >= 0) return;
  at += size;
  if (other_at != nullptr) *other_at += size;
  size = -size;
}

bool refuse(DWORD error) {
  SetLastError(error);
  return false;
}

}  // namespace

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
  const std::uint8_t code = desktop::rop3_index(rop);
  if (desktop::rop_uses_source(code)) return refuse(ERROR_INVALID_PARAMETER);
  std::optional<Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing) return FALSE;
  std::optional<desktop::Pattern> pattern = pattern_for(*drawing, code);
  if (!pattern) return TRUE;
  normalise(x, width, nullptr);
  normalise(y, height, nullptr);
  drawing->pattern_rect({x, y, x + width, y + height}, *pattern, code);
  return TRUE;
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int width, int height, HDC source, int source_x, int source_y,
                   DWORD rop) {
  const std::uint8_t code = desktop::rop3_index(rop);
  if (!desktop::rop_uses_source(code)) return PatBlt(hdc, x, y, width, height, rop);
  std::optional<Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing) return FALSE;
  std::optional<Drawing> from = gdi_internal::drawing_on(source);
  if (!from) return FALSE;
  std::optional<desktop::Pattern> pattern = pattern_for(*drawing, code);
  if (!pattern) return TRUE;
  normalise(x, width, &source_x);
  normalise(y, height, &source_y);
  const RECT area = gdi_internal::to_surface(drawing->dc, drawing->target, {x, y, x + width, y + height});
  const POINT at = gdi_internal::to_surface(from->dc, from->target, source_x, source_y);
  gdi_internal::prepare_read(from->target, {at.x, at.y, at.x + width, at.y + height});
  desktop::raster_blt(drawing->target.canvas(), area, from->target.surface, at,
                      gdi_internal::conversion_between(drawing->dc, drawing->target, from->dc, from->target),
                      *pattern, code);
  return TRUE;
}

BOOL WINAPI StretchBlt(HDC hdc, int x, int y, int width, int height, HDC source, int source_x, int source_y,
                       int source_width, int source_height, DWORD rop) {
  const std::uint8_t code = desktop::rop3_index(rop);
  if (!desktop::rop_uses_source(code)) return PatBlt(hdc, x, y, width, height, rop);
  std::optional<Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing) return FALSE;
  std::optional<Drawing> from = gdi_internal::drawing_on(source);
  if (!from) return FALSE;
  std::optional<desktop::Pattern> pattern = pattern_for(*drawing, code);
  if (!pattern) return TRUE;
  const POINT to = gdi_internal::to_surface(drawing->dc, drawing->target, x, y);
  const POINT at = gdi_internal::to_surface(from->dc, from->target, source_x, source_y);
  const desktop::SignedRect src{at.x, at.y, source_width, source_height};
  const int left = source_width < 0 ? at.x + source_width : at.x;
  const int top = source_height < 0 ? at.y + source_height : at.y;
  gdi_internal::prepare_read(from->target,
                             {left, top, left + std::abs(source_width), top + std::abs(source_height)});
  desktop::stretch_blt(drawing->target.canvas(), {to.x, to.y, width, height}, *from->target.surface, src,
                       gdi_internal::conversion_between(drawing->dc, drawing->target, from->dc, from->target),
                       *pattern, code,
                       static_cast<desktop::StretchMode>(drawing->dc.attributes.stretch_mode));
  return TRUE;
}

BOOL WINAPI MaskBlt(HDC hdc, int x, int y, int width, int height, HDC source, int source_x, int source_y,
                    HBITMAP mask, int mask_x, int mask_y, DWORD rop4) {
  if (mask == nullptr) return BitBlt(hdc, x, y, width, height, source, source_x, source_y, rop4 & 0x00FFFFFF);
  if (width < 0 || height < 0) return refuse(ERROR_INVALID_PARAMETER);
  auto* bits = gdi_internal::object_as<desktop::GdiBitmap>(mask);
  if (bits == nullptr) return FALSE;
  const desktop::Surface& shape = *bits->surface;
  if (bits->bits_per_pixel != 1 || mask_x < 0 || mask_y < 0 || mask_x + width > shape.width() ||
      mask_y + height > shape.height())
    return refuse(ERROR_INVALID_PARAMETER);
  const std::uint8_t fore = desktop::rop3_index(rop4);
  const std::uint8_t back = static_cast<std::uint8_t>(rop4 >> 24);
  std::optional<Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing) return FALSE;
  const bool reads_source = desktop::rop_uses_source(fore) || desktop::rop_uses_source(back);
  std::optional<Drawing> from = reads_source ? gdi_internal::drawing_on(source) : std::nullopt;
  if (reads_source && !from) return FALSE;
  std::optional<desktop::Pattern> pattern = desktop::Pattern{};
  if (desktop::rop_uses_pattern(fore) || desktop::rop_uses_pattern(back)) {
    pattern = gdi_internal::pattern_of(drawing->dc, drawing->target,
                                       static_cast<HBRUSH>(drawing->dc.attributes.brush));
    if (!pattern) return TRUE;
  }
  const RECT area = gdi_internal::to_surface(drawing->dc, drawing->target, {x, y, x + width, y + height});
  POINT at{};
  desktop::Conversion conversion;
  if (from) {
    at = gdi_internal::to_surface(from->dc, from->target, source_x, source_y);
    gdi_internal::prepare_read(from->target, {at.x, at.y, at.x + width, at.y + height});
    conversion = gdi_internal::conversion_between(drawing->dc, drawing->target, from->dc, from->target);
  }
  desktop::mask_blt(drawing->target.canvas(), area, from ? from->target.surface : nullptr, at, conversion,
                    *pattern, shape, {mask_x, mask_y}, fore, back);
  return TRUE;
}
