#include "platform/desktop/gdi/stretch.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/desktop/gdi/blit.h"
#include "platform/desktop/gdi/halftone.h"
#include "platform/desktop/gdi/raster_op.h"

namespace desktop {

namespace {

// The source pixels a destination pixel stands for: all those a shrink folds into it, or the
// one under its centre.
struct Span {
  int first;
  int end;
};

std::vector<Span> spans(const StretchAxis& axis, int from, int to, int limit) {
  std::vector<Span> result;
  for (int i = from; i < to; ++i) {
    if (axis.src_size <= axis.dst_size) {
      const int k = axis.nearest(i);
      result.push_back({k, k + 1});
      continue;
    }
    const long long t = axis.unmirrored(i);
    const int first = axis.src_start + static_cast<int>(t * axis.src_size / axis.dst_size);
    const int end = axis.src_start + static_cast<int>((t + 1) * axis.src_size / axis.dst_size);
    const int clamped_first = std::clamp(first, 0, limit - 1);
    result.push_back({clamped_first, std::max(std::min(end, limit), clamped_first + 1)});
  }
  return result;
}

template <typename Combine>
void fold(const Surface& from, const std::vector<Span>& columns, const std::vector<Span>& rows, Surface& out,
          Combine combine) {
  int first_column = columns.front().first;
  int end_column = columns.front().end;
  for (const Span& span : columns) {
    first_column = std::min(first_column, span.first);
    end_column = std::max(end_column, span.end);
  }
  std::vector<std::uint32_t> line(static_cast<std::size_t>(end_column - first_column));
  for (int j = 0; j < out.height(); ++j) {
    const Span& band = rows[static_cast<std::size_t>(j)];
    std::memcpy(line.data(), from.row(band.first) + first_column, line.size() * sizeof(std::uint32_t));
    for (int k = band.first + 1; k < band.end; ++k) {
      const std::uint32_t* more = from.row(k) + first_column;
      for (std::size_t n = 0; n < line.size(); ++n)
        line[n] = combine(line[n], more[n]);
    }
    std::uint32_t* target = out.row(j);
    for (int i = 0; i < out.width(); ++i) {
      const Span& span = columns[static_cast<std::size_t>(i)];
      std::uint32_t value = line[static_cast<std::size_t>(span.first - first_column)];
      for (int k = span.first + 1; k < span.end; ++k)
        value = combine(value, line[static_cast<std::size_t>(k - first_column)]);
      target[i] = value;
    }
  }
}

// A plain copy onto the surface from another, inside one clip rectangle, can be written in place.
bool copies_in_place(const Canvas& canvas, const Surface& from, const RECT& area, std::uint8_t rop) {
  constexpr std::uint8_t kSourceCopy = 0xCC;
  if (rop != kSourceCopy || &from == &canvas.surface) return false;
  return std::any_of(canvas.clip.rects().begin(), canvas.clip.rects().end(), [&](const RECT& clip) {
    const RECT inside = intersection(clip, area);
    return inside.left == area.left && inside.top == area.top && inside.right == area.right &&
           inside.bottom == area.bottom;
  });
}

void nearest(const Surface& from, const Sampling& sampling, Surface& out) {
  for (int j = 0; j < out.height(); ++j) {
    const std::uint32_t* line = from.row(sampling.rows[static_cast<std::size_t>(j)]);
    std::uint32_t* target = out.row(j);
    for (int i = 0; i < out.width(); ++i)
      target[i] = line[sampling.columns[static_cast<std::size_t>(i)]];
  }
}

}  // namespace

void stretch_blt(const Canvas& canvas, const SignedRect& dst, const Surface& source, const SignedRect& src,
                 const Conversion& conversion, const Pattern& pattern, std::uint8_t rop, StretchMode mode) {
  const StretchAxis x(dst.x, dst.width, src.x, src.width);
  const StretchAxis y(dst.y, dst.height, src.y, src.height);
  const RECT whole{x.dst_start, y.dst_start, x.dst_start + x.dst_size, y.dst_start + y.dst_size};
  if (!rop_uses_source(rop)) return raster_blt(canvas, whole, nullptr, {}, conversion, pattern, rop);
  if (x.dst_size == x.src_size && y.dst_size == y.src_size && !x.mirrored && !y.mirrored)
    return raster_blt(canvas, whole, &source, {x.src_start, y.src_start}, conversion, pattern, rop);

  const Sampling sampling = nearest_sampling(canvas, x, y, source);
  if (is_empty(sampling.visible)) return;
  const Surface* from = &source;
  Surface converted;
  if (conversion.kind != Conversion::Kind::None) {
    converted = Surface(source.width(), source.height());
    for (int row = 0; row < source.height(); ++row)
      conversion.row(source.row(row), converted.row(row), source.width());
    from = &converted;
  }

  const RECT& visible = sampling.visible;
  const RECT part{visible.left - x.dst_start, visible.top - y.dst_start, visible.right - x.dst_start,
                  visible.bottom - y.dst_start};
  // Halftone on a monochrome bitmap would need dithering; it samples as COLORONCOLOR there.
  const bool halftone_mode = mode == StretchMode::Halftone && !canvas.monochrome;
  if (halftone_mode && copies_in_place(canvas, *from, visible, rop))
    return halftone(*from, x, y, part, {canvas.surface, visible});
  Surface resampled(visible.right - visible.left, visible.bottom - visible.top);
  if (halftone_mode) {
    halftone(*from, x, y, part, {resampled, resampled.bounds()});
  } else if (mode == StretchMode::BlackOnWhite) {
    fold(*from, spans(x, part.left, part.right, from->width()),
         spans(y, part.top, part.bottom, from->height()), resampled,
         [](std::uint32_t a, std::uint32_t b) { return a & b; });
  } else if (mode == StretchMode::WhiteOnBlack) {
    fold(*from, spans(x, part.left, part.right, from->width()),
         spans(y, part.top, part.bottom, from->height()), resampled,
         [](std::uint32_t a, std::uint32_t b) { return a | b; });
  } else {
    nearest(*from, sampling, resampled);
  }
  raster_blt(canvas, visible, &resampled, {0, 0}, Conversion{}, pattern, rop);
}

}  // namespace desktop
