#include "platform/desktop/gdi/stretch.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/desktop/gdi/blit.h"
#include "platform/desktop/gdi/raster_op.h"

namespace desktop {

namespace {

constexpr int kWeightBits = 14;
constexpr std::uint32_t kWeightOne = 1u << kWeightBits;
// Vertical sums keep 8 bits of fraction (14 - 6) so the horizontal sums fit 32 bits.
constexpr int kNarrowBits = 6;
constexpr int kResultShift = 2 * kWeightBits - kNarrowBits;

// For each destination index, the source pixels it covers and their shares of it in fixed
// point (summing to exactly kWeightOne): the overlap of the pixel's span with each.
struct Taps {
  std::vector<int> begin{0};
  std::vector<int> index;
  std::vector<std::uint32_t> weight;
};

Taps area_taps(const StretchAxis& axis, int from, int to, int limit) {
  Taps taps;
  const long long dst = axis.dst_size;
  const long long src = axis.src_size;
  for (int i = from; i < to; ++i) {
    // In units of 1/dst of a source pixel, the pixel spans [low, high) of the source.
    const long long low = axis.unmirrored(i) * src;
    const long long high = low + src;
    const long long first = low / dst;
    const long long last = (high - 1) / dst;
    std::uint32_t given = 0;
    for (long long k = first; k <= last; ++k) {
      const long long overlap = std::min((k + 1) * dst, high) - std::max(k * dst, low);
      const auto share = static_cast<std::uint32_t>(((overlap << (kWeightBits + 1)) + src) / (2 * src));
      const std::uint32_t weight = k == last ? kWeightOne - given : share;
      given += weight;
      taps.index.push_back(std::clamp(axis.src_start + static_cast<int>(k), 0, limit - 1));
      taps.weight.push_back(weight);
    }
    taps.begin.push_back(static_cast<int>(taps.index.size()));
  }
  return taps;
}

// Four channels at once; GCC and Clang turn this into one vector register.
using Lanes = std::uint32_t __attribute__((vector_size(16)));

// The hot loops multiply 32-bit lanes, which AVX2 does in one instruction; the loader picks
// that version where the processor has it.
#if defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
#define OC_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define OC_VECTOR_CLONES
#endif

OC_VECTOR_CLONES void halftone(const Surface& from, const Taps& columns, const Taps& rows, Surface& out) {
  const auto [low, high] = std::minmax_element(columns.index.begin(), columns.index.end());
  const int first_column = *low;
  const int width = (*high - first_column + 1) * 4;
  std::vector<std::uint32_t> sums(static_cast<std::size_t>(width));
  for (int j = 0; j < out.height(); ++j) {
    // Down the rows first: every source column of the row's band, weighted.
    for (int t = rows.begin[j]; t < rows.begin[j + 1]; ++t) {
      const auto* bytes = reinterpret_cast<const std::uint8_t*>(from.row(rows.index[t]) + first_column);
      const std::uint32_t weight = rows.weight[t];
      if (t == rows.begin[j]) {
        for (int n = 0; n < width; ++n)
          sums[n] = weight * bytes[n];
      } else {
        for (int n = 0; n < width; ++n)
          sums[n] += weight * bytes[n];
      }
    }
    for (int n = 0; n < width; ++n)
      sums[n] = (sums[n] + (1u << (kNarrowBits - 1))) >> kNarrowBits;
    // Then across: each destination pixel from the columns it covers.
    std::uint32_t* line = out.row(j);
    for (int i = 0; i < out.width(); ++i) {
      Lanes total = {0, 0, 0, 0};
      for (int t = columns.begin[i]; t < columns.begin[i + 1]; ++t) {
        Lanes sum;
        std::memcpy(&sum, &sums[static_cast<std::size_t>(columns.index[t] - first_column) * 4], sizeof(sum));
        total += sum * columns.weight[t];
      }
      total = (total + (1u << (kResultShift - 1))) >> kResultShift;
      line[i] = total[0] | total[1] << 8 | total[2] << 16 | total[3] << 24;
    }
  }
}

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
    halftone(*from, area_taps(x, from_x, to_x, from->width()), area_taps(y, from_y, to_y, from->height()),
             resampled);
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
