// The selected font of a context, and text coverage blended onto what the context draws on.
#include <algorithm>

#include "platform/desktop/text/font_request.h"
#include "platform/win/device_context_api.h"
#include "platform/win/gdi_dc_api.h"
#include "platform/win/gdi_text_internal.h"
#include "platform/win/win_errors.h"

namespace gdi_internal {

namespace {

constexpr std::uint8_t kPatCopy = 0xF0;

std::uint32_t blend_channel(std::uint32_t ink, std::uint32_t under, int shift, std::uint32_t coverage) {
  const std::uint32_t a = (ink >> shift) & 0xFFu;
  const std::uint32_t b = (under >> shift) & 0xFFu;
  return ((a * coverage + b * (255 - coverage) + 127) / 255) << shift;
}

// GDI's own colours carry alpha 0, so blended pixels do as well.
std::uint32_t blend(std::uint32_t ink, std::uint32_t under, std::uint32_t coverage) {
  return blend_channel(ink, under, 16, coverage) | blend_channel(ink, under, 8, coverage) |
         blend_channel(ink, under, 0, coverage);
}

}  // namespace

std::optional<ContextFont> font_of(HDC hdc) {
  desktop::DeviceContext* dc = context_of(hdc);
  if (dc == nullptr) return std::nullopt;
  const auto* font = object_as<desktop::GdiFont>(dc->attributes.font);
  if (font == nullptr) return std::nullopt;
  const desktop::text::FontRequest request =
      desktop::text::font_request(font->logfont, GetDeviceCaps(hdc, LOGPIXELSY));
  std::optional<desktop::text::FontId> id = desktop::text::TextEngine::shared().realize(request);
  if (!id) {
    SetLastError(ERROR_INVALID_HANDLE);
    return std::nullopt;
  }
  return ContextFont{*id, font->logfont};
}

void fill_text_cell(const Drawing& drawing, const RECT& cell, const RECT* limit) {
  const desktop::DeviceContext& dc = drawing.dc;
  if (dc.attributes.background_mode != OPAQUE) return;
  const RECT fill = limit != nullptr ? desktop::intersection(cell, *limit) : cell;
  drawing.pattern_rect(fill, {device_colour(drawing.target, dc.attributes.background_colour), nullptr, {}},
                       kPatCopy);
}

void draw_text_mask(const Drawing& drawing, const desktop::text::TextMask& mask, POINT cell,
                    const RECT* limit) {
  fill_text_cell(drawing, desktop::offset_rect(mask.cell, cell.x, cell.y), limit);
  blend_text(drawing, mask, cell, limit);
}

void blend_text(const Drawing& drawing, const desktop::text::TextMask& mask, POINT cell, const RECT* limit) {
  const desktop::DeviceContext& dc = drawing.dc;
  const Target& target = drawing.target;
  desktop::RectList area = target.clip;
  if (limit != nullptr) area.intersect(to_surface(dc, target, *limit));
  const POINT origin = to_surface(dc, target, cell.x, cell.y);
  area.intersect(desktop::offset_rect(mask.bounds, origin.x, origin.y));
  if (area.empty()) return;
  prepare_read(target, area.bounds());
  const std::uint32_t ink = device_colour(target, dc.attributes.text_colour);
  for (const RECT& part : area.rects())
    for (LONG y = part.top; y < part.bottom; ++y) {
      std::uint32_t* row = target.surface->row(y);
      for (LONG x = part.left; x < part.right; ++x) {
        const BYTE coverage = mask.at(x - origin.x, y - origin.y);
        if (coverage == 0) continue;
        // A monochrome bitmap takes the ink where a pixel is mostly covered.
        if (target.monochrome) {
          if (coverage >= 128) row[x] = ink;
        } else {
          row[x] = blend(ink, row[x], coverage);
        }
      }
    }
}

}  // namespace gdi_internal
