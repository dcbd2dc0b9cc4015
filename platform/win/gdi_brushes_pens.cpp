// Brushes (solid, null and pattern) and pens (solid, dashed, null; any width).
#include "platform/win/gdi_internal.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

constexpr UINT kPenStyleMask = 0x0000000F;

template <typename Handle>
Handle add(desktop::GdiObject object) {
  if (win_internal::caller() == nullptr) return nullptr;
  return static_cast<Handle>(gdi_internal::machine().gdi().add(std::move(object)));
}

HBRUSH pattern_brush(HBITMAP bitmap) {
  auto* source = gdi_internal::object_as<desktop::GdiBitmap>(bitmap);
  if (source == nullptr) return nullptr;
  desktop::GdiBrush brush;
  brush.style = BS_PATTERN;
  brush.tile = std::make_shared<const desktop::Surface>(*source->surface);
  brush.tile_monochrome = source->bits_per_pixel == 1;
  brush.hatch = reinterpret_cast<ULONG_PTR>(bitmap);
  return add<HBRUSH>({brush, false});
}

}  // namespace

HBRUSH WINAPI CreateSolidBrush(COLORREF colour) {
  return add<HBRUSH>({desktop::GdiBrush{BS_SOLID, colour & 0x00FFFFFF, nullptr, false, 0, false}, false});
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* brush) {
  if (brush == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  switch (brush->lbStyle) {
    case BS_SOLID:
      return CreateSolidBrush(brush->lbColor);
    case BS_NULL:
      return add<HBRUSH>({desktop::GdiBrush{BS_NULL, 0, nullptr, false, 0, false}, false});
    case BS_PATTERN:
      return pattern_brush(reinterpret_cast<HBITMAP>(brush->lbHatch));
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

HBRUSH WINAPI CreatePatternBrush(HBITMAP bitmap) {
  return pattern_brush(bitmap);
}

HPEN WINAPI CreatePen(int style, int width, COLORREF colour) {
  UINT kind = static_cast<UINT>(style) & kPenStyleMask;
  if (kind > static_cast<UINT>(PS_INSIDEFRAME)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // Dashes belong to one-pixel pens; a wider one draws solid.
  if (width > 1 && kind >= static_cast<UINT>(PS_DASH) && kind <= static_cast<UINT>(PS_DASHDOTDOT))
    kind = PS_SOLID;
  return add<HPEN>({desktop::GdiPen{kind, width < 0 ? 0 : width, colour & 0x00FFFFFF, false}, false});
}

HPEN WINAPI CreatePenIndirect(const LOGPEN* pen) {
  if (pen == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}
