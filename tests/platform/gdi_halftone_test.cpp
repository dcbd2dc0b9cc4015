#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "platform/desktop/gdi/halftone.h"

namespace {

using desktop::HalftoneKernels;
using desktop::StretchAxis;
using desktop::Surface;

// Channels at both ends of their range as often as between, so sums reach their largest.
Surface random_surface(std::mt19937& random, int width, int height) {
  Surface surface(width, height, random() % 2 ? Surface::Rows::TopDown : Surface::Rows::BottomUp);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint32_t pixel = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t kind = random() % 3;
        pixel |= (kind == 0 ? 0u : kind == 1 ? 255u : random() % 256) << shift;
      }
      surface.row(y)[x] = pixel;
    }
  return surface;
}

// Mostly shrinks to a third inside the source, which have their own vector path; sometimes
// one reaching a pixel beyond the source, or mirrored, which go to the plain loops; otherwise
// any ratio.
StretchAxis random_axis(std::mt19937& random, int limit) {
  auto below = [&](int end) { return static_cast<int>(random() % static_cast<unsigned>(std::max(end, 1))); };
  if (random() % 4 == 0) {
    const int dst = 1 + below(30);
    return StretchAxis(0, dst, below(limit + 4) - 2, 1 + below(90));
  }
  const int dst = 1 + below(limit / 3);
  const int start = below(limit - 3 * dst + 1) + (random() % 8 == 0 ? 1 : 0);
  if (random() % 8 == 0) return StretchAxis(dst, -dst, start, 3 * dst);
  return StretchAxis(0, dst, start, 3 * dst);
}

std::vector<std::uint32_t> pixels_of(const Surface& surface) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < surface.height(); ++y)
    pixels.insert(pixels.end(), surface.row(y), surface.row(y) + surface.width());
  return pixels;
}

// The fast paths give exactly the plain loops' pixels, over odd sizes, parts and ratios.
TEST(Halftone, FastPathsMatchThePlainLoops) {
  std::mt19937 random(4);
  for (int round = 0; round < 200; ++round) {
    const Surface source =
        random_surface(random, 1 + static_cast<int>(random() % 100), 1 + static_cast<int>(random() % 100));
    const StretchAxis x = random_axis(random, source.width());
    const StretchAxis y = random_axis(random, source.height());
    const int left = static_cast<int>(random() % static_cast<unsigned>(x.dst_size));
    const int top = static_cast<int>(random() % static_cast<unsigned>(y.dst_size));
    const RECT part{left, top,
                    left + 1 + static_cast<int>(random() % static_cast<unsigned>(x.dst_size - left)),
                    top + 1 + static_cast<int>(random() % static_cast<unsigned>(y.dst_size - top))};
    // The fast result lands inside a bottom-up surface, one pixel in from its corner.
    const int width = part.right - part.left;
    const int height = part.bottom - part.top;
    Surface around(width + 2, height + 2, Surface::Rows::BottomUp);
    Surface plain(width, height);
    desktop::halftone(source, x, y, part, {around, {1, 1, width + 1, height + 1}});
    desktop::halftone(source, x, y, part, {plain, plain.bounds()}, HalftoneKernels::Portable);
    Surface fast(width, height);
    for (int j = 0; j < height; ++j)
      std::copy(around.row(j + 1) + 1, around.row(j + 1) + 1 + width, fast.row(j));
    int written_outside = 0;
    for (int j = 0; j < around.height(); ++j)
      for (int i = 0; i < around.width(); ++i)
        if ((i == 0 || j == 0 || i > width || j > height) && around.row(j)[i] != 0) ++written_outside;
    ASSERT_EQ(written_outside, 0) << "round " << round;
    ASSERT_EQ(pixels_of(fast), pixels_of(plain))
        << "round " << round << ": " << source.width() << "x" << source.height() << " from " << x.src_start
        << ", " << y.src_start << " size " << x.src_size << "x" << y.src_size << " to " << x.dst_size << "x"
        << y.dst_size << ", part " << part.left << ", " << part.top << " " << fast.width() << "x"
        << fast.height();
  }
}

}  // namespace
