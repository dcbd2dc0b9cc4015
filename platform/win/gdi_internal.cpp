#include "platform/win/gdi_internal.h"

#include <algorithm>

#include "platform/desktop/gdi/blit.h"

#include "platform/win/gdi_object_api.h"
#include "platform/win/gdi_sys_color_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace gdi_internal {

namespace {

// Brushes may be given as a COLOR_ index plus one, as window classes and FillRect allow.
std::optional<COLORREF> sys_colour_of_brush(HBRUSH brush) {
  const auto value = reinterpret_cast<std::uintptr_t>(brush);
  if (value == 0 || value > desktop::Gdi::kSysColourCount) return std::nullopt;
  return GetSysColor(static_cast<int>(value - 1));
}

std::shared_ptr<const desktop::Surface> tile_for(const desktop::DeviceContext& dc, const Target& target,
                                                 const desktop::GdiBrush& brush) {
  if (brush.tile_monochrome == target.monochrome) return brush.tile;
  desktop::Conversion conversion;
  if (brush.tile_monochrome) {
    conversion = {desktop::Conversion::Kind::MonoToColour, desktop::pixel_of(dc.attributes.text_colour),
                  desktop::pixel_of(dc.attributes.background_colour), 0};
  } else {
    conversion = {desktop::Conversion::Kind::ColourToMono, 0, 0,
                  desktop::pixel_of(dc.attributes.background_colour)};
  }
  auto tile = std::make_shared<desktop::Surface>(brush.tile->width(), brush.tile->height());
  for (int y = 0; y < tile->height(); ++y)
    conversion.row(brush.tile->row(y), tile->row(y), tile->width());
  return tile;
}

bool holds(const desktop::DcAttributes& attributes, HGDIOBJ object) {
  return attributes.bitmap == object || attributes.brush == object || attributes.pen == object ||
         attributes.font == object;
}

}  // namespace

void Drawing::pattern_rect(const RECT& logical, const desktop::Pattern& pattern, std::uint8_t rop) const {
  desktop::raster_blt(target.canvas(), to_surface(dc, target, logical), nullptr, {}, {}, pattern, rop);
}

std::optional<Drawing> drawing_on(HDC hdc) {
  desktop::DeviceContext* dc = context_of(hdc);
  if (dc == nullptr) return std::nullopt;
  std::optional<Target> target = target_of(*dc);
  if (!target) return std::nullopt;
  return Drawing{*dc, std::move(*target)};
}

desktop::Desktop& machine() {
  return desktop::current_thread()->desktop();
}

desktop::DeviceContext* context_of(HDC hdc) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  desktop::DeviceContext* context =
      self->desktop().device_contexts().get(reinterpret_cast<std::uintptr_t>(hdc));
  if (context == nullptr) SetLastError(ERROR_INVALID_HANDLE);
  return context;
}

desktop::GdiObject* object_of(HGDIOBJ object) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  desktop::GdiObject* found = self->desktop().gdi().object(object);
  if (found == nullptr) SetLastError(ERROR_INVALID_HANDLE);
  return found;
}

bool selected_anywhere(HGDIOBJ object, const desktop::DeviceContext* except) {
  bool found = false;
  machine().device_contexts().for_each([&](std::uintptr_t, const desktop::DeviceContext& dc) {
    if (&dc == except || found) return;
    found = holds(dc.attributes, object);
    for (const desktop::DcAttributes& saved : dc.saved)
      found = found || holds(saved, object);
  });
  return found;
}

std::uint32_t device_colour(const Target& target, COLORREF colour) {
  const std::uint32_t pixel = desktop::pixel_of(colour);
  return target.monochrome ? desktop::nearest_mono(pixel) : pixel;
}

std::optional<desktop::Pattern> pattern_of(const desktop::DeviceContext& dc, const Target& target,
                                           HBRUSH brush) {
  if (std::optional<COLORREF> colour = sys_colour_of_brush(brush))
    return desktop::Pattern{device_colour(target, *colour), nullptr, {}};
  const auto* found = machine().gdi().object(brush);
  const auto* solid = found ? std::get_if<desktop::GdiBrush>(&found->data) : nullptr;
  if (solid == nullptr || solid->style == BS_NULL) return std::nullopt;
  desktop::Pattern pattern;
  pattern.colour = device_colour(target, solid->dc_colour ? dc.attributes.dc_brush_colour : solid->colour);
  if (solid->tile) {
    pattern.tile = tile_for(dc, target, *solid);
    pattern.origin = {dc.attributes.brush_origin.x + target.origin.x,
                      dc.attributes.brush_origin.y + target.origin.y};
  }
  return pattern;
}

std::optional<Pen> pen_of(const desktop::DeviceContext& dc, const Target& target) {
  const auto* found = machine().gdi().object(dc.attributes.pen);
  const auto* pen = found ? std::get_if<desktop::GdiPen>(&found->data) : nullptr;
  if (pen == nullptr || pen->style == static_cast<UINT>(PS_NULL)) return std::nullopt;
  return Pen{pen->style, std::max(pen->width, 1),
             device_colour(target, pen->dc_colour ? dc.attributes.dc_pen_colour : pen->colour)};
}

desktop::Conversion conversion_between(const desktop::DeviceContext& dst_dc, const Target& dst,
                                       const desktop::DeviceContext& src_dc, const Target& src) {
  if (src.monochrome && !dst.monochrome)
    return {desktop::Conversion::Kind::MonoToColour, desktop::pixel_of(dst_dc.attributes.text_colour),
            desktop::pixel_of(dst_dc.attributes.background_colour), 0};
  if (!src.monochrome && dst.monochrome)
    return {desktop::Conversion::Kind::ColourToMono, 0, 0,
            desktop::pixel_of(src_dc.attributes.background_colour)};
  return {};
}

}  // namespace gdi_internal
