// TransparentBlt and AlphaBlend: stretched blits that keep the destination where the source
// has the key colour, or mix it in by alpha.
#include "platform/desktop/gdi/alpha_blend.h"
#include "platform/desktop/gdi/transparent_blt.h"
#include "platform/win/gdi_blit_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/win_errors.h"

using gdi_internal::Drawing;

namespace {

struct Pair {
  Drawing to;
  Drawing from;
  RECT source_area;  // surface coordinates of the source
};

// Both contexts, with the source area read in; sizes must be positive.
std::optional<Pair> pair_of(HDC hdc, HDC source, int width, int height, int source_x, int source_y,
                            int source_width, int source_height) {
  if (width < 0 || height < 0 || source_width < 0 || source_height < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return std::nullopt;
  }
  std::optional<Drawing> to = gdi_internal::drawing_on(hdc);
  if (!to) return std::nullopt;
  std::optional<Drawing> from = gdi_internal::drawing_on(source);
  if (!from) return std::nullopt;
  const POINT at = gdi_internal::to_surface(from->dc, from->target, source_x, source_y);
  const RECT area{at.x, at.y, at.x + source_width, at.y + source_height};
  gdi_internal::prepare_read(from->target, area);
  return Pair{std::move(*to), std::move(*from), area};
}

desktop::SignedRect signed_rect(const RECT& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

BOOL WINAPI TransparentBlt(HDC hdc, int x, int y, int width, int height, HDC source, int source_x,
                           int source_y, int source_width, int source_height, UINT transparent_colour) {
  std::optional<Pair> pair =
      pair_of(hdc, source, width, height, source_x, source_y, source_width, source_height);
  if (!pair) return FALSE;
  const RECT area = gdi_internal::to_surface(pair->to.dc, pair->to.target, {x, y, x + width, y + height});
  desktop::transparent_blt(
      pair->to.target.canvas(), signed_rect(area), *pair->from.target.surface, signed_rect(pair->source_area),
      gdi_internal::conversion_between(pair->to.dc, pair->to.target, pair->from.dc, pair->from.target),
      desktop::pixel_of(transparent_colour));
  return TRUE;
}

BOOL WINAPI AlphaBlend(HDC hdc, int x, int y, int width, int height, HDC source, int source_x, int source_y,
                       int source_width, int source_height, BLENDFUNCTION blend) {
  if (blend.BlendOp != AC_SRC_OVER || blend.BlendFlags != 0 || (blend.AlphaFormat & ~AC_SRC_ALPHA) != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::optional<Pair> pair =
      pair_of(hdc, source, width, height, source_x, source_y, source_width, source_height);
  if (!pair) return FALSE;
  const RECT area = gdi_internal::to_surface(pair->to.dc, pair->to.target, {x, y, x + width, y + height});
  const desktop::Surface& from = *pair->from.target.surface;
  if (width == 0 || height == 0 || source_width == 0 || source_height == 0) return TRUE;
  // The source must lie within its bitmap, and apart from the destination on the same one.
  const RECT& wanted = pair->source_area;
  const RECT inside = desktop::intersection(wanted, from.bounds());
  const bool outside = inside.left != wanted.left || inside.top != wanted.top ||
                       inside.right != wanted.right || inside.bottom != wanted.bottom;
  const bool overlapping =
      &from == pair->to.target.surface && !desktop::is_empty(desktop::intersection(pair->source_area, area));
  if (outside || overlapping) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  desktop::alpha_blend(
      pair->to.target.canvas(), signed_rect(area), from, signed_rect(pair->source_area),
      gdi_internal::conversion_between(pair->to.dc, pair->to.target, pair->from.dc, pair->from.target),
      {blend.SourceConstantAlpha, (blend.AlphaFormat & AC_SRC_ALPHA) != 0});
  return TRUE;
}
