#include "peers/orvenna/install/generated_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvenna {

namespace {

constexpr int kThumbnailSide = 32;
constexpr int kFigureSide = 48;
constexpr int kPanoramaWidth = 96;
constexpr int kPanoramaHeight = 24;
constexpr std::uint32_t kOpaque = 0xFF000000;

// Numbers that follow from the name alone, so a picture is the same at every install.
class NameNoise {
 public:
  explicit NameNoise(std::string_view name) {
    for (unsigned char c : name)
      state_ = (state_ ^ c) * 0x100000001B3ull;
  }
  std::uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<std::uint32_t>(state_ >> 16);
  }
  int below(int limit) { return static_cast<int>(next() % static_cast<std::uint32_t>(limit)); }

 private:
  std::uint64_t state_ = 0xCBF29CE484222325ull;
};

desktop::Image blank(int width, int height, std::uint32_t fill) {
  desktop::Image image;
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<std::size_t>(width) * height, fill);
  return image;
}

std::uint32_t& pixel(desktop::Image& image, int x, int y) {
  return image.pixels[static_cast<std::size_t>(y) * image.width + x];
}

std::uint32_t scaled(std::uint32_t rgb, double factor) {
  auto channel = [&](int shift) {
    auto value = static_cast<int>(((rgb >> shift) & 0xFF) * factor);
    return static_cast<std::uint32_t>(std::clamp(value, 0, 255)) << shift;
  };
  return channel(16) | channel(8) | channel(0);
}

void draw_line(desktop::Image& image, int x0, int y0, int x1, int y1, std::uint32_t colour) {
  int dx = std::abs(x1 - x0);
  int dy = -std::abs(y1 - y0);
  int step_x = x0 < x1 ? 1 : -1;
  int step_y = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  while (true) {
    pixel(image, x0, y0) = colour;
    if (x0 == x1 && y0 == y1) return;
    int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      x0 += step_x;
    }
    if (doubled <= dx) {
      error += dx;
      y0 += step_y;
    }
  }
}

}  // namespace

desktop::Image nebula_thumbnail(std::string_view title) {
  NameNoise noise(title);
  desktop::Image image = blank(kThumbnailSide, kThumbnailSide, kOpaque);
  std::uint32_t hue = 0x404040 | (noise.next() & 0xBFBFBF);
  double centre = kThumbnailSide / 2.0;
  double radius_x = 4 + noise.below(10);
  double radius_y = 4 + noise.below(10);
  for (int y = 0; y < kThumbnailSide; ++y)
    for (int x = 0; x < kThumbnailSide; ++x) {
      double u = (x - centre) / radius_x;
      double v = (y - centre) / radius_y;
      pixel(image, x, y) = kOpaque | scaled(hue, std::exp(-(u * u + v * v)));
    }
  for (int star = 0; star < 12; ++star)
    pixel(image, noise.below(kThumbnailSide), noise.below(kThumbnailSide)) = 0xFFFFFFFF;
  return image;
}

desktop::Image constellation_figure(std::string_view name) {
  NameNoise noise(name);
  desktop::Image image = blank(kFigureSide, kFigureSide, kOpaque);
  constexpr std::uint32_t kLine = kOpaque | 0x5078C8;
  constexpr int kMargin = 4;
  int stars = 4 + noise.below(4);
  int x = kMargin + noise.below(kFigureSide - 2 * kMargin);
  int y = kMargin + noise.below(kFigureSide - 2 * kMargin);
  for (int star = 1; star < stars; ++star) {
    int next_x = kMargin + noise.below(kFigureSide - 2 * kMargin);
    int next_y = kMargin + noise.below(kFigureSide - 2 * kMargin);
    draw_line(image, x, y, next_x, next_y, kLine);
    pixel(image, x, y) = 0xFFFFFFFF;
    x = next_x;
    y = next_y;
  }
  pixel(image, x, y) = 0xFFFFFFFF;
  return image;
}

desktop::Image horizon_panorama(std::string_view name, std::uint32_t ground_colour) {
  NameNoise noise(name);
  desktop::Image image = blank(kPanoramaWidth, kPanoramaHeight, 0);
  image.has_alpha = true;
  int height = kPanoramaHeight / 3;
  for (int x = 0; x < kPanoramaWidth; ++x) {
    height = std::clamp(height + noise.below(3) - 1, 2, kPanoramaHeight - 4);
    for (int y = kPanoramaHeight - height; y < kPanoramaHeight; ++y)
      pixel(image, x, y) = kOpaque | ground_colour;
  }
  return image;
}

}  // namespace orvenna
