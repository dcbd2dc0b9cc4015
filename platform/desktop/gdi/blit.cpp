#include "platform/desktop/gdi/blit.h"

#include <cstring>
#include <vector>

#include "platform/desktop/gdi/raster_op.h"

namespace desktop {

namespace {

// Where the pixels come from, as an offset from destination to source coordinates.
struct Source {
  const Surface* surface = nullptr;
  int dx = 0;
  int dy = 0;
};

// The part of area that has a source pixel and a destination pixel.
RECT drawable(const Canvas& canvas, const RECT& area, const Source& source) {
  RECT target = intersection(area, canvas.surface.bounds());
  if (source.surface)
    target = intersection(target, offset_rect(source.surface->bounds(), -source.dx, -source.dy));
  return target;
}

// A blit within one surface whose rectangles overlap reads a copy, as if all was read first.
Source detached(const Canvas& canvas, const RECT& target, const Source& source, Surface& copy) {
  if (source.surface != &canvas.surface) return source;
  const RECT read = offset_rect(target, source.dx, source.dy);
  if (is_empty(intersection(read, target))) return source;
  copy = Surface(read.right - read.left, read.bottom - read.top);
  for (int y = 0; y < copy.height(); ++y)
    std::memcpy(copy.row(y), source.surface->row(read.top + y) + read.left,
                static_cast<std::size_t>(copy.width()) * sizeof(std::uint32_t));
  return {&copy, -target.left, -target.top};
}

// Runs body(x, y, destination, source or null, pattern or null, count) over the clipped spans
// of target, with the source converted and the pattern laid out.
template <typename Body>
void for_each_span(const Canvas& canvas, const RECT& target, const Source& source,
                   const Conversion& conversion, const Pattern& pattern, bool wants_pattern_row,
                   Body&& body) {
  const int width = target.right - target.left;
  std::vector<std::uint32_t> converted(conversion.kind != Conversion::Kind::None && source.surface ? width
                                                                                                   : 0);
  std::vector<std::uint32_t> pattern_row(wants_pattern_row && pattern.tile ? width : 0);
  for (const RECT& clip : canvas.clip.rects()) {
    const RECT part = intersection(clip, target);
    if (is_empty(part)) continue;
    const int count = part.right - part.left;
    for (int y = part.top; y < part.bottom; ++y) {
      std::uint32_t* dst = canvas.surface.row(y) + part.left;
      const std::uint32_t* src = nullptr;
      if (source.surface) {
        src = source.surface->row(y + source.dy) + part.left + source.dx;
        if (!converted.empty()) {
          conversion.row(src, converted.data(), count);
          src = converted.data();
        }
      }
      const std::uint32_t* pat = nullptr;
      if (!pattern_row.empty()) {
        pattern.row(part.left, y, count, pattern_row.data());
        pat = pattern_row.data();
      }
      body(part.left, y, dst, src, pat, count);
    }
  }
}

}  // namespace

void raster_blt(const Canvas& canvas, const RECT& area, const Surface* source, POINT source_at,
                const Conversion& conversion, const Pattern& pattern, std::uint8_t rop) {
  Source from{rop_uses_source(rop) ? source : nullptr, source_at.x - area.left, source_at.y - area.top};
  const RECT target = drawable(canvas, area, from);
  if (is_empty(target)) return;
  Surface copy;
  from = detached(canvas, target, from, copy);
  for_each_span(canvas, target, from, conversion, pattern, rop_uses_pattern(rop),
                [&](int, int, std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* pat,
                    int count) { rop_row(rop, dst, src, pat, pattern.colour, count); });
}

void mask_blt(const Canvas& canvas, const RECT& area, const Surface* source, POINT source_at,
              const Conversion& conversion, const Pattern& pattern, const Surface& mask, POINT mask_at,
              std::uint8_t fore, std::uint8_t back) {
  const bool reads_source = rop_uses_source(fore) || rop_uses_source(back);
  Source from{reads_source ? source : nullptr, source_at.x - area.left, source_at.y - area.top};
  const int mask_dx = mask_at.x - area.left;
  const int mask_dy = mask_at.y - area.top;
  RECT target = intersection(drawable(canvas, area, from), offset_rect(mask.bounds(), -mask_dx, -mask_dy));
  if (is_empty(target)) return;
  Surface copy;
  from = detached(canvas, target, from, copy);
  const int width = target.right - target.left;
  std::vector<std::uint32_t> fore_row(width);
  std::vector<std::uint32_t> back_row(width);
  for_each_span(
      canvas, target, from, conversion, pattern, rop_uses_pattern(fore) || rop_uses_pattern(back),
      [&](int x, int y, std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* pat, int count) {
        const std::uint32_t* bits = mask.row(y + mask_dy) + x + mask_dx;
        std::copy(dst, dst + count, fore_row.data());
        std::copy(dst, dst + count, back_row.data());
        rop_row(fore, fore_row.data(), src, pat, pattern.colour, count);
        rop_row(back, back_row.data(), src, pat, pattern.colour, count);
        for (int i = 0; i < count; ++i)
          dst[i] = (fore_row[i] & bits[i]) | (back_row[i] & ~bits[i]);
      });
}

}  // namespace desktop
