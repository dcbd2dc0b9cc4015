// The attributes of a context and SaveDC/RestoreDC's stack of them.
#include "platform/win/gdi_dc_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/win_errors.h"

using desktop::DcAttributes;
using desktop::DeviceContext;

namespace {

// Sets one attribute and gives the old value, or the failure value for a bad context.
template <typename Value>
Value exchange(HDC hdc, Value DcAttributes::*field, Value value, Value failure) {
  DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr) return failure;
  Value old = dc->attributes.*field;
  dc->attributes.*field = value;
  return old;
}

template <typename Value>
Value read(HDC hdc, Value DcAttributes::*field, Value failure) {
  DeviceContext* dc = gdi_internal::context_of(hdc);
  return dc ? dc->attributes.*field : failure;
}

BOOL set_point(HDC hdc, POINT DcAttributes::*field, POINT value, LPPOINT previous) {
  DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr) return FALSE;
  if (previous != nullptr) *previous = dc->attributes.*field;
  dc->attributes.*field = value;
  return TRUE;
}

BOOL get_point(HDC hdc, POINT DcAttributes::*field, LPPOINT out) {
  DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr || out == nullptr) return FALSE;
  *out = dc->attributes.*field;
  return TRUE;
}

int set_mode(HDC hdc, int DcAttributes::*field, int mode, int lowest, int highest) {
  if (mode < lowest || mode > highest) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return exchange(hdc, field, mode, 0);
}

}  // namespace

int WINAPI SaveDC(HDC hdc) {
  DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr) return 0;
  dc->saved.push_back(dc->attributes);
  return static_cast<int>(dc->saved.size());
}

BOOL WINAPI RestoreDC(HDC hdc, int level) {
  DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr) return FALSE;
  // A negative level counts back from the latest save: -1 is the latest.
  const int depth = static_cast<int>(dc->saved.size());
  const int target = level > 0 ? level : depth + 1 + level;
  if (level == 0 || target < 1 || target > depth) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  dc->attributes = dc->saved[static_cast<std::size_t>(target - 1)];
  dc->saved.resize(static_cast<std::size_t>(target - 1));
  return TRUE;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF colour) {
  return exchange(hdc, &DcAttributes::text_colour, colour, CLR_INVALID);
}
COLORREF WINAPI GetTextColor(HDC hdc) {
  return read(hdc, &DcAttributes::text_colour, CLR_INVALID);
}
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF colour) {
  return exchange(hdc, &DcAttributes::background_colour, colour, CLR_INVALID);
}
COLORREF WINAPI GetBkColor(HDC hdc) {
  return read(hdc, &DcAttributes::background_colour, CLR_INVALID);
}
int WINAPI SetBkMode(HDC hdc, int mode) {
  return set_mode(hdc, &DcAttributes::background_mode, mode, TRANSPARENT, OPAQUE);
}
int WINAPI GetBkMode(HDC hdc) {
  return read(hdc, &DcAttributes::background_mode, 0);
}
COLORREF WINAPI SetDCBrushColor(HDC hdc, COLORREF colour) {
  return exchange(hdc, &DcAttributes::dc_brush_colour, colour, CLR_INVALID);
}
COLORREF WINAPI GetDCBrushColor(HDC hdc) {
  return read(hdc, &DcAttributes::dc_brush_colour, CLR_INVALID);
}
COLORREF WINAPI SetDCPenColor(HDC hdc, COLORREF colour) {
  return exchange(hdc, &DcAttributes::dc_pen_colour, colour, CLR_INVALID);
}
COLORREF WINAPI GetDCPenColor(HDC hdc) {
  return read(hdc, &DcAttributes::dc_pen_colour, CLR_INVALID);
}
int WINAPI SetStretchBltMode(HDC hdc, int mode) {
  return set_mode(hdc, &DcAttributes::stretch_mode, mode, BLACKONWHITE, HALFTONE);
}
int WINAPI GetStretchBltMode(HDC hdc) {
  return read(hdc, &DcAttributes::stretch_mode, 0);
}
int WINAPI SetROP2(HDC hdc, int rop2) {
  return set_mode(hdc, &DcAttributes::rop2, rop2, R2_BLACK, R2_WHITE);
}
int WINAPI GetROP2(HDC hdc) {
  return read(hdc, &DcAttributes::rop2, 0);
}

BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
  return set_point(hdc, &DcAttributes::brush_origin, {x, y}, previous);
}
BOOL WINAPI GetBrushOrgEx(HDC hdc, LPPOINT origin) {
  return get_point(hdc, &DcAttributes::brush_origin, origin);
}
BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous) {
  return set_point(hdc, &DcAttributes::viewport_origin, {x, y}, previous);
}
BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT origin) {
  return get_point(hdc, &DcAttributes::viewport_origin, origin);
}
BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT previous) {
  DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr) return FALSE;
  const POINT now = dc->attributes.viewport_origin;
  return set_point(hdc, &DcAttributes::viewport_origin, {now.x + dx, now.y + dy}, previous);
}
