#include "peers/media/yuv_to_bgra.h"

#include <algorithm>
#include <cstddef>

#include <immintrin.h>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
}

namespace media {
namespace {

// libswscale's fixed point for BT.601 in limited range: each term is (value << 3) times a
// coefficient scaled by 2^13, keeping the high 16 bits of the product.
constexpr std::int16_t round_to_int16(std::int64_t value) {
  return static_cast<std::int16_t>(std::clamp<std::int64_t>((value + (1 << 15)) >> 16, -0x7FFF, 0x7FFF));
}
constexpr std::int64_t kLuma = (std::int64_t{1} << 16) * 255 / 219;
constexpr std::int16_t kLumaCoeff = round_to_int16(kLuma * 8192);
constexpr std::int16_t kLumaOffset = round_to_int16((std::int64_t{16} << 16) * 8);
constexpr std::int16_t kChromaOffset = 128 << 3;
constexpr std::int16_t kVToRed = round_to_int16(std::int64_t{104597} * 8192);
constexpr std::int16_t kUToBlue = round_to_int16(std::int64_t{132201} * 8192);
constexpr std::int16_t kUToGreen = round_to_int16(std::int64_t{-25675} * 8192);
constexpr std::int16_t kVToGreen = round_to_int16(std::int64_t{-53279} * 8192);

int high_product(int a, int b) {
  return (a * b) >> 16;
}

std::uint8_t to_byte(int value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

struct Chroma {
  int blue, green, red;
};

Chroma chroma_of(std::uint8_t u, std::uint8_t v) {
  const int cu = (u << 3) - kChromaOffset;
  const int cv = (v << 3) - kChromaOffset;
  return {high_product(cu, kUToBlue), high_product(cu, kUToGreen) + high_product(cv, kVToGreen),
          high_product(cv, kVToRed)};
}

void convert_pixels(const std::uint8_t* y, const std::uint8_t* u, const std::uint8_t* v, std::uint32_t* out,
                    int from, int to) {
  for (int x = from; x < to; ++x) {
    const Chroma chroma = chroma_of(u[x / 2], v[x / 2]);
    const int luma = high_product((y[x] << 3) - kLumaOffset, kLumaCoeff);
    out[x] = 0xFF000000u | static_cast<std::uint32_t>(to_byte(luma + chroma.red)) << 16 |
             static_cast<std::uint32_t>(to_byte(luma + chroma.green)) << 8 | to_byte(luma + chroma.blue);
  }
}

// Sixteen 16-bit values from eight bytes, each twice: a chroma sample for its two pixels.
__attribute__((target("avx2"))) __m256i chroma_words(const std::uint8_t* samples) {
  const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(samples));
  const __m256i words = _mm256_cvtepu8_epi16(_mm_unpacklo_epi8(bytes, bytes));
  return _mm256_subs_epi16(_mm256_slli_epi16(words, 3), _mm256_set1_epi16(kChromaOffset));
}

// Sixteen pixels a step, in the same 16-bit arithmetic as convert_pixels.
__attribute__((target("avx2"))) int convert_row_avx2(const std::uint8_t* y, const std::uint8_t* u,
                                                     const std::uint8_t* v, std::uint32_t* out, int width) {
  const __m256i luma_coeff = _mm256_set1_epi16(kLumaCoeff);
  const __m256i luma_offset = _mm256_set1_epi16(kLumaOffset);
  const __m256i u_blue = _mm256_set1_epi16(kUToBlue);
  const __m256i u_green = _mm256_set1_epi16(kUToGreen);
  const __m256i v_green = _mm256_set1_epi16(kVToGreen);
  const __m256i v_red = _mm256_set1_epi16(kVToRed);
  const __m256i opaque = _mm256_set1_epi16(0xFF);
  int x = 0;
  for (; x + 16 <= width; x += 16) {
    const __m256i cu = chroma_words(u + x / 2);
    const __m256i cv = chroma_words(v + x / 2);
    const __m256i luma_words = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(y + x)));
    const __m256i luma =
        _mm256_mulhi_epi16(_mm256_sub_epi16(_mm256_slli_epi16(luma_words, 3), luma_offset), luma_coeff);
    const __m256i blue = _mm256_adds_epi16(luma, _mm256_mulhi_epi16(cu, u_blue));
    const __m256i green = _mm256_adds_epi16(
        luma, _mm256_adds_epi16(_mm256_mulhi_epi16(cu, u_green), _mm256_mulhi_epi16(cv, v_green)));
    const __m256i red = _mm256_adds_epi16(luma, _mm256_mulhi_epi16(cv, v_red));
    // Per 128-bit lane: blue and red bytes, green and alpha bytes, then pixels in order.
    const __m256i blue_red = _mm256_packus_epi16(blue, red);
    const __m256i green_alpha = _mm256_packus_epi16(green, opaque);
    const __m256i blue_green = _mm256_unpacklo_epi8(blue_red, green_alpha);
    const __m256i red_alpha = _mm256_unpackhi_epi8(blue_red, green_alpha);
    const __m256i first = _mm256_unpacklo_epi16(blue_green, red_alpha);
    const __m256i second = _mm256_unpackhi_epi16(blue_green, red_alpha);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), _mm256_permute2x128_si256(first, second, 0x20));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x + 8),
                        _mm256_permute2x128_si256(first, second, 0x31));
  }
  return x;
}

bool has_avx2() {
  static const bool avx2 = __builtin_cpu_supports("avx2");
  return avx2;
}

}  // namespace

bool converts_directly(const AVFrame& frame) {
  return frame.format == AV_PIX_FMT_YUV420P && frame.width > 0 && frame.height > 0 && frame.width % 2 == 0 &&
         frame.height % 2 == 0;
}

void convert_to_bgra(const AVFrame& frame, int first_row, int rows, std::uint8_t* target, int target_stride) {
  const bool avx2 = has_avx2();
  for (int row = first_row; row < first_row + rows; ++row) {
    const std::uint8_t* y = frame.data[0] + static_cast<std::ptrdiff_t>(row) * frame.linesize[0];
    const std::uint8_t* u = frame.data[1] + static_cast<std::ptrdiff_t>(row / 2) * frame.linesize[1];
    const std::uint8_t* v = frame.data[2] + static_cast<std::ptrdiff_t>(row / 2) * frame.linesize[2];
    auto* out = reinterpret_cast<std::uint32_t*>(target + static_cast<std::ptrdiff_t>(row - first_row) *
                                                              target_stride);
    const int done = avx2 ? convert_row_avx2(y, u, v, out, frame.width) : 0;
    convert_pixels(y, u, v, out, done, frame.width);
  }
}

}  // namespace media
