// A decoded picture, laid out as a 32-bit top-down device-independent bitmap holds it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace desktop {

struct Image {
  int width = 0;
  int height = 0;
  // Some pixel is not fully opaque, or the file keeps an alpha channel.
  bool has_alpha = false;
  // 0xAARRGGBB, rows top-down, alpha not premultiplied.
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The widest and tallest picture the decoders take at all; limits can only tighten it.
inline constexpr int kMaxImageSide = 16384;

// Bounds a picture must keep to be decoded or encoded: a header may claim any size, and
// the desktop should refuse it before it allocates.
struct ImageLimits {
  int max_side = kMaxImageSide;
  std::size_t max_pixel_bytes = std::size_t{256} << 20;
};

// The file size the loader reads at most; the decoder counts in int.
inline constexpr std::size_t kMaxImageFileBytes = std::size_t{512} << 20;

}  // namespace desktop
