// AlphaBlend: the source over the destination, by a constant alpha and optionally by the
// source's own premultiplied alpha.
#pragma once

#include <cstdint>

#include "platform/desktop/gdi/canvas.h"
#include "platform/desktop/gdi/sampling.h"

namespace desktop {

struct Blend {
  std::uint8_t constant_alpha = 255;
  bool source_alpha = false;  // AC_SRC_ALPHA: the source is premultiplied and its alpha counts
};

// The arithmetic works on two channels at a time, each in the low byte of a 16-bit half of a
// uint32, which keeps every intermediate within its half.
inline constexpr std::uint32_t kPairMask = 0x00FF00FFu;

// (t + 128) / 255 rounded to nearest, per half, for t up to 255 * 255.
constexpr std::uint32_t divide_pair_by_255(std::uint32_t t) {
  t += 0x00800080u;
  return ((t + ((t >> 8) & kPairMask)) >> 8) & kPairMask;
}
// Each channel of a pair times k / 255, rounded.
constexpr std::uint32_t scale_pair(std::uint32_t pair, std::uint32_t k) {
  return divide_pair_by_255(pair * k);
}
// A channel above 255 (a source that was not premultiplied) stays at 255.
constexpr std::uint32_t saturate_pair(std::uint32_t pair) {
  const std::uint32_t over = pair & 0x01000100u;
  return (pair | (over - (over >> 8))) & kPairMask;
}

// One pixel: with source alpha, dst = src + dst * (255 - srcA) / 255 per channel after the
// constant alpha has scaled the source; without, dst = (src * a + dst * (255 - a)) / 255.
// Every division rounds to nearest.
constexpr std::uint32_t blend_pixel(std::uint32_t src, std::uint32_t dst, Blend blend) {
  const std::uint32_t a = blend.constant_alpha;
  if (!blend.source_alpha) {
    const std::uint32_t low = divide_pair_by_255((src & kPairMask) * a + (dst & kPairMask) * (255 - a));
    const std::uint32_t high =
        divide_pair_by_255(((src >> 8) & kPairMask) * a + ((dst >> 8) & kPairMask) * (255 - a));
    return low | high << 8;
  }
  const std::uint32_t scaled =
      a == 255 ? src : scale_pair(src & kPairMask, a) | scale_pair((src >> 8) & kPairMask, a) << 8;
  const std::uint32_t keep = 255 - (scaled >> 24);
  const std::uint32_t low = saturate_pair((scaled & kPairMask) + scale_pair(dst & kPairMask, keep));
  const std::uint32_t high =
      saturate_pair(((scaled >> 8) & kPairMask) + scale_pair((dst >> 8) & kPairMask, keep));
  return low | high << 8;
}

// Sampled as COLORONCOLOR; sizes positive, the source rectangle inside the source and apart
// from the destination when they share a surface (the caller checks). A monochrome
// destination takes the nearer of black and white.
void alpha_blend(const Canvas& canvas, const SignedRect& dst, const Surface& source, const SignedRect& src,
                 const Conversion& conversion, Blend blend);

}  // namespace desktop
