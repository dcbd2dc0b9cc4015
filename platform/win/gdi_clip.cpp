// The program's clip of a context, kept in device coordinates, and rectangular regions.
// What a context may touch is this clip within what its device shows (gdi_target.cpp).
#include <algorithm>

#include "platform/win/gdi_clip_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

using desktop::DeviceContext;
using desktop::RectList;

namespace {

// Larger than any device, for a clip that starts from everything.
constexpr LONG kFar = 0x40000000;

int complexity(const RectList& area) {
  if (area.empty()) return NULLREGION;
  return area.rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT normalised(int left, int top, int right, int bottom) {
  return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// The clip the context draws with, as its program sees it.
int effective_complexity(const DeviceContext& dc) {
  std::optional<gdi_internal::Target> target = gdi_internal::target_of(dc);
  return target ? complexity(target->clip) : ERROR;
}

// Applies change to the program's clip in device coordinates, starting from everything.
template <typename Change>
int change_clip(HDC hdc, int left, int top, int right, int bottom, Change change) {
  DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr) return ERROR;
  const POINT shift = dc->attributes.viewport_origin;
  const RECT device = desktop::offset_rect(normalised(left, top, right, bottom), shift.x, shift.y);
  if (!dc->attributes.clip) dc->attributes.clip = RectList({-kFar, -kFar, kFar, kFar});
  change(*dc->attributes.clip, device);
  return effective_complexity(*dc);
}

}  // namespace

HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom) {
  if (win_internal::caller() == nullptr) return nullptr;
  desktop::GdiRegion region{RectList(normalised(left, top, right, bottom))};
  return static_cast<HRGN>(gdi_internal::machine().gdi().add({region, false}));
}

HRGN WINAPI CreateRectRgnIndirect(const RECT* rect) {
  if (rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

int WINAPI GetRgnBox(HRGN region, LPRECT rect) {
  auto* found = gdi_internal::object_as<desktop::GdiRegion>(region);
  if (found == nullptr || rect == nullptr) return ERROR;
  *rect = found->area.bounds();
  return complexity(found->area);
}

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  return change_clip(hdc, left, top, right, bottom, [](RectList& clip, const RECT& r) { clip.intersect(r); });
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  return change_clip(hdc, left, top, right, bottom, [](RectList& clip, const RECT& r) { clip.subtract(r); });
}

// The region is in device coordinates and is copied; null removes the program's clip.
int WINAPI SelectClipRgn(HDC hdc, HRGN region) {
  DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr) return ERROR;
  if (region == nullptr) {
    dc->attributes.clip.reset();
  } else {
    auto* found = gdi_internal::object_as<desktop::GdiRegion>(region);
    if (found == nullptr) return ERROR;
    dc->attributes.clip = found->area;
  }
  return effective_complexity(*dc);
}

int WINAPI GetClipBox(HDC hdc, LPRECT rect) {
  DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr || rect == nullptr) return ERROR;
  std::optional<gdi_internal::Target> target = gdi_internal::target_of(*dc);
  if (!target) return ERROR;
  const POINT origin = gdi_internal::to_surface(*dc, *target, 0, 0);
  *rect = target->clip.empty() ? RECT{0, 0, 0, 0}
                               : desktop::offset_rect(target->clip.bounds(), -origin.x, -origin.y);
  return complexity(target->clip);
}
