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

// The taps again, each destination index given the same number (the most any has), the
// missing ones weighing nothing: the loops then run without a branch per pixel.
struct EvenTaps {
  int count = 0;
  std::vector<int> index;
  std::vector<std::uint32_t> weight;
};

EvenTaps evened(const Taps& taps) {
  EvenTaps even;
  const std::size_t size = taps.begin.size() - 1;
  for (std::size_t i = 0; i < size; ++i)
    even.count = std::max(even.count, taps.begin[i + 1] - taps.begin[i]);
  for (std::size_t i = 0; i < size; ++i) {
    for (int t = taps.begin[i]; t < taps.begin[i] + even.count; ++t) {
      const bool real = t < taps.begin[i + 1];
      even.index.push_back(taps.index[static_cast<std::size_t>(real ? t : taps.begin[i])]);
      even.weight.push_back(real ? taps.weight[static_cast<std::size_t>(t)] : 0);
    }
  }
  return even;
}

// Four channels at once; GCC and Clang turn these into vector registers.
using Lanes = std::uint32_t __attribute__((vector_size(16)));
using Channels16 = std::uint16_t __attribute__((vector_size(8)));
using Channels8 = std::uint8_t __attribute__((vector_size(4)));
using Bytes16 = std::uint8_t __attribute__((vector_size(16)));

// The hot loops multiply 32-bit lanes, which AVX2 does in one instruction, eight at a time,
// and AVX-512 sixteen; the loader picks the widest version the processor has.
#if defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
#define OC_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define OC_VECTOR_CLONES
#endif

// Down the rows: every source channel of the band, weighted and narrowed to 16 bits (at most
// 255 << (kWeightBits - kNarrowBits)). Count > 0 is the taps' count known when compiling.
template <int Count>
void weigh_rows(const std::uint8_t* const* lines, const std::uint32_t* weights, int count, int width,
                std::uint16_t* sums) {
  const int taps = Count > 0 ? Count : count;
  for (int n = 0; n < width; ++n) {
    std::uint32_t sum = 0;
    for (int t = 0; t < taps; ++t)
      sum += weights[t] * lines[t][n];
    sums[n] = static_cast<std::uint16_t>((sum + (1u << (kNarrowBits - 1))) >> kNarrowBits);
  }
}

// Then across: each destination pixel from the columns it covers.
template <int Count>
void weigh_columns(const std::uint16_t* sums, const EvenTaps& columns, int first_column, std::uint32_t* line,
                   int width) {
  const int taps = Count > 0 ? Count : columns.count;
  const int* index = columns.index.data();
  const std::uint32_t* weight = columns.weight.data();
  for (int i = 0; i < width; ++i, index += taps, weight += taps) {
    Lanes total = {0, 0, 0, 0};
    for (int t = 0; t < taps; ++t) {
      Channels16 sum;
      std::memcpy(&sum, sums + static_cast<std::size_t>(index[t] - first_column) * 4, sizeof(sum));
      total += __builtin_convertvector(sum, Lanes) * weight[t];
    }
    total = (total + (1u << (kResultShift - 1))) >> kResultShift;
    // Each lane's low byte, packed into one pixel.
    const auto bytes = reinterpret_cast<Bytes16>(total);
    const Channels8 pixel = __builtin_shufflevector(bytes, bytes, 0, 4, 8, 12);
    std::memcpy(line + i, &pixel, sizeof(pixel));
  }
}

template <int Rows, int Columns>
OC_VECTOR_CLONES void halftone_with(const Surface& from, const EvenTaps& columns, const EvenTaps& rows,
                                    Surface& out) {
  const auto [low, high] = std::minmax_element(columns.index.begin(), columns.index.end());
  const int first_column = *low;
  const int width = (*high - first_column + 1) * 4;
  std::vector<std::uint16_t> sums(static_cast<std::size_t>(width));
  std::vector<const std::uint8_t*> lines(static_cast<std::size_t>(rows.count));
  for (int j = 0; j < out.height(); ++j) {
    const std::size_t at = static_cast<std::size_t>(j) * rows.count;
    for (int t = 0; t < rows.count; ++t)
      lines[t] = reinterpret_cast<const std::uint8_t*>(from.row(rows.index[at + t]) + first_column);
    weigh_rows<Rows>(lines.data(), rows.weight.data() + at, rows.count, width, sums.data());
    weigh_columns<Columns>(sums.data(), columns, first_column, out.row(j), out.width());
  }
}

// Shrinks by up to four in each direction, the live monitor's, run with their taps' counts
// known when compiling; the rest with counts looked up.
void halftone(const Surface& from, const Taps& column_taps, const Taps& row_taps, Surface& out) {
  const EvenTaps columns = evened(column_taps);
  const EvenTaps rows = evened(row_taps);
  using Kernel = void (*)(const Surface&, const EvenTaps&, const EvenTaps&, Surface&);
  constexpr Kernel kKernels[4][4] = {
      {&halftone_with<1, 1>, &halftone_with<1, 2>, &halftone_with<1, 3>, &halftone_with<1, 4>},
      {&halftone_with<2, 1>, &halftone_with<2, 2>, &halftone_with<2, 3>, &halftone_with<2, 4>},
      {&halftone_with<3, 1>, &halftone_with<3, 2>, &halftone_with<3, 3>, &halftone_with<3, 4>},
      {&halftone_with<4, 1>, &halftone_with<4, 2>, &halftone_with<4, 3>, &halftone_with<4, 4>},
  };
  if (rows.count <= 4 && columns.count <= 4)
    return kKernels[rows.count - 1][columns.count - 1](from, columns, rows, out);
  halftone_with<0, 0>(from, columns, rows, out);
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
