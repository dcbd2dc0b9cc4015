#include "platform/desktop/gdi/halftone_thirds.h"

#include "platform/desktop/gdi/halftone.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define OC_HALFTONE_AVX2 1
#endif

namespace desktop {

#ifdef OC_HALFTONE_AVX2
namespace {

// The weights give a third 5461, 5461 and 5462 of 2^14, so the fixed-point result is the true
// mean (sum / 9) + 1/2, rounded down, within less than 0.025; and sum / 9 + 1/2 always lies at
// least 1/18 from a whole number. Both round down to the same value: the block's channel sum
// rounded to the nearest ninth, (sum + 4) / 9.
constexpr int kBlockArea = kThirdsRatio * kThirdsRatio;
constexpr int kLargestSum = kBlockArea * 255 + kBlockArea / 2;
static_assert(kWeightOne / kThirdsRatio == 5461 && kWeightOne - 2 * (kWeightOne / kThirdsRatio) == 5462);

// (sum + 4) / 9 as a multiply and a shift by 16, exact for every sum a block can have.
constexpr std::uint32_t kNinth = (1u << 16) / kBlockArea + 1;
constexpr bool ninth_is_exact() {
  for (std::uint32_t n = 0; n <= kLargestSum; ++n)
    if ((n * kNinth) >> 16 != n / kBlockArea) return false;
  return true;
}
static_assert(ninth_is_exact());

// The pixels past the last whole step, one by one.
std::uint32_t pixel_of_block(const std::uint32_t* const (&lines)[kThirdsRatio], int x) {
  std::uint32_t pixel = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    std::uint32_t sum = kBlockArea / 2;
    for (const std::uint32_t* line : lines)
      for (int column = 0; column < kThirdsRatio; ++column)
        sum += (line[x + column] >> shift) & 0xFF;
    pixel |= ((sum * kNinth) >> 16) << shift;
  }
  return pixel;
}

#define OC_AVX2 __attribute__((target("avx2")))

// Eight destination pixels a step, from 24 source pixels of each row. The registers of phase p
// are loaded from source pixel p on and blended so that lane s holds source pixel 3d + p with
// 3d = s (mod 8): the same destination pixel d = 3s mod 8 in every phase and row, 3 being
// invertible mod 8. The sums need no shuffle across lanes; one permute puts d in order.
constexpr int kStepPixels = 8;
constexpr int kStepSource = kThirdsRatio * kStepPixels;

constexpr int lanes_from(int part) {
  int mask = 0;
  for (int s = 0; s < kStepPixels; ++s)
    if ((kThirdsRatio * (kThirdsRatio * s % kStepPixels) - s) / kStepPixels == part) mask |= 1 << s;
  return mask;
}

constexpr int kFromSecond = lanes_from(1);
constexpr int kFromThird = lanes_from(2);

// The third register's lanes reach two pixels past the step; only those in kFromThird are read.
OC_AVX2 __m256i phase_at(const std::uint32_t* line) {
  static_assert(kFromThird == 0x24);
  const __m256i third_lanes = _mm256_setr_epi32(0, 0, -1, 0, 0, -1, 0, 0);
  const __m256i first = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(line));
  const __m256i second = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(line + kStepPixels));
  const __m256i third =
      _mm256_maskload_epi32(reinterpret_cast<const int*>(line + 2 * kStepPixels), third_lanes);
  return _mm256_blend_epi32(_mm256_blend_epi32(first, second, kFromSecond), third, kFromThird);
}

// Adds two registers' channels, byte by byte, to 16-bit sums: the low and high eight bytes of
// each 128-bit lane.
OC_AVX2 void add_pair(__m256i a, __m256i b, __m256i& low, __m256i& high) {
  const __m256i ones = _mm256_set1_epi8(1);
  low = _mm256_add_epi16(low, _mm256_maddubs_epi16(_mm256_unpacklo_epi8(a, b), ones));
  high = _mm256_add_epi16(high, _mm256_maddubs_epi16(_mm256_unpackhi_epi8(a, b), ones));
}

OC_AVX2 inline __attribute__((always_inline)) void shrink_step(
    const std::uint32_t* const (&lines)[kThirdsRatio], int x, std::uint32_t* target) {
  __m256i bytes[kBlockArea];
  for (int row = 0; row < kThirdsRatio; ++row)
    for (int phase = 0; phase < kThirdsRatio; ++phase)
      bytes[kThirdsRatio * row + phase] = phase_at(lines[row] + x + phase);
  __m256i low = _mm256_set1_epi16(kBlockArea / 2);
  __m256i high = low;
  add_pair(bytes[0], bytes[1], low, high);
  add_pair(bytes[2], bytes[3], low, high);
  add_pair(bytes[4], bytes[5], low, high);
  add_pair(bytes[6], bytes[7], low, high);
  add_pair(bytes[8], _mm256_setzero_si256(), low, high);
  const __m256i ninth = _mm256_set1_epi16(kNinth);
  const __m256i lanes = _mm256_packus_epi16(_mm256_mulhi_epu16(low, ninth), _mm256_mulhi_epu16(high, ninth));
  const __m256i in_order = _mm256_setr_epi32(0, 3, 6, 1, 4, 7, 2, 5);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(target), _mm256_permutevar8x32_epi32(lanes, in_order));
}

OC_AVX2 void shrink_row_avx2(const std::uint32_t* const (&lines)[kThirdsRatio], std::uint32_t* target,
                             int width) {
  const int steps = width / kStepPixels;
  for (int s = 0; s < steps; ++s)
    shrink_step(lines, kStepSource * s, target + kStepPixels * s);
  for (int i = steps * kStepPixels; i < width; ++i)
    target[i] = pixel_of_block(lines, kThirdsRatio * i);
}

bool avx2_supported() {
  static const bool supported = __builtin_cpu_supports("avx2");
  return supported;
}

}  // namespace
#endif

#ifdef OC_HALFTONE_AVX2
bool shrink_by_thirds(const Surface& from, int left, int top, const PixelArea& out) {
  if (!avx2_supported()) return false;
  for (int j = 0; j < out.height(); ++j) {
    const int row = top + kThirdsRatio * j;
    const std::uint32_t* const lines[kThirdsRatio] = {from.row(row) + left, from.row(row + 1) + left,
                                                      from.row(row + 2) + left};
    shrink_row_avx2(lines, out.row(j), out.width());
  }
  return true;
}
#else
bool shrink_by_thirds(const Surface&, int, int, const PixelArea&) {
  return false;
}
#endif

}  // namespace desktop
