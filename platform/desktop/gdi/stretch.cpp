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
  const int from_x = visible.left - x.dst_start;
  const int to_x = visible.right - x.dst_start;
  const int from_y = visible.top - y.dst_start;
  const int to_y = visible.bottom - y.dst_start;
  Surface resampled(visible.right - visible.left, visible.bottom - visible.top);
  // Halftone on a monochrome bitmap would need dithering; it samples as COLORONCOLOR there.
  if (mode == StretchMode::Halftone && !canvas.monochrome) {
    halftone(*from, x, y, {from_x, from_y, to_x, to_y}, resampled);
  } else if (mode == StretchMode::BlackOnWhite) {
    fold(*from, spans(x, from_x, to_x, from->width()), spans(y, from_y, to_y, from->height()), resampled,
         [](std::uint32_t a, std::uint32_t b) { return a & b; });
  } else if (mode == StretchMode::WhiteOnBlack) {
    fold(*from, spans(x, from_x, to_x, from->width()), spans(y, from_y, to_y, from->height()), resampled,
         [](std::uint32_t a, std::uint32_t b) { return a | b; });
  } else {
    nearest(*from, sampling, resampled);
  }
  raster_blt(canvas, visible, &resampled, {0, 0}, Conversion{}, pattern, rop);
}

}  // namespace desktop
