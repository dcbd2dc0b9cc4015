#include "platform/desktop/gdi/halftone.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/desktop/gdi/halftone_thirds.h"

namespace desktop {

namespace {

// Vertical sums keep 8 bits of fraction (14 - 6) so the horizontal sums fit 32 bits.
static_assert(kWeightBits - kNarrowBits == 8);

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
// and AVX-512 sixteen; the loader picks the widest version the processor has. Only g++ clones
// function templates; clang builds (the fuzz targets) get the portable version.
#if defined(__x86_64__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
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
                                    const PixelArea& out) {
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

// Shrinks by up to four in each direction run with their taps' counts known when compiling;
// the rest with counts looked up.
void weigh_portably(const Surface& from, const Taps& column_taps, const Taps& row_taps,
                    const PixelArea& out) {
  const EvenTaps columns = evened(column_taps);
  const EvenTaps rows = evened(row_taps);
  using Kernel = void (*)(const Surface&, const EvenTaps&, const EvenTaps&, const PixelArea&);
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

// A shrink to exactly a third each way, not mirrored, whose blocks all lie inside the source.
bool shrinks_by_thirds(const Surface& from, const StretchAxis& x, const StretchAxis& y, const RECT& part) {
  auto fits = [](const StretchAxis& axis, long long first, long long end, int limit) {
    return axis.src_size == kThirdsRatio * static_cast<long long>(axis.dst_size) && !axis.mirrored &&
           axis.src_start + kThirdsRatio * first >= 0 && axis.src_start + kThirdsRatio * end <= limit;
  };
  return fits(x, part.left, part.right, from.width()) && fits(y, part.top, part.bottom, from.height());
}

}  // namespace

void halftone(const Surface& from, const StretchAxis& x, const StretchAxis& y, const RECT& part,
              const PixelArea& out, HalftoneKernels kernels) {
  if (kernels == HalftoneKernels::Fastest && shrinks_by_thirds(from, x, y, part) &&
      shrink_by_thirds(from, x.src_start + kThirdsRatio * part.left, y.src_start + kThirdsRatio * part.top,
                       out))
    return;
  weigh_portably(from, area_taps(x, part.left, part.right, from.width()),
                 area_taps(y, part.top, part.bottom, from.height()), out);
}

}  // namespace desktop
