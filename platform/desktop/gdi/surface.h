// 32-bit pixels in the byte order of Windows' DIBs (B, G, R, A: 0xAARRGGBB as a uint32),
// addressed top row first whichever way the memory is laid out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/win/win_types.h"

namespace desktop {

// A monochrome surface holds 0 for black and all ones for white, so that raster operations
// on it stay bitwise and the results are again black or white.
inline constexpr std::uint32_t kMonoBlack = 0;
inline constexpr std::uint32_t kMonoWhite = 0xFFFFFFFFu;
inline constexpr std::uint32_t kRgbMask = 0x00FFFFFFu;

// COLORREF is 0x00BBGGRR; a pixel is 0xAARRGGBB. GDI's own colours have alpha 0.
constexpr std::uint32_t pixel_of(COLORREF colour) {
  return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}
constexpr COLORREF colorref_of(std::uint32_t pixel) {
  return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}
// Black or white, whichever is nearer: how a colour lands on a monochrome bitmap.
constexpr std::uint32_t nearest_mono(std::uint32_t pixel) {
  const int r = static_cast<int>((pixel >> 16) & 0xFF);
  const int g = static_cast<int>((pixel >> 8) & 0xFF);
  const int b = static_cast<int>(pixel & 0xFF);
  const int to_black = r * r + g * g + b * b;
  const int to_white = (255 - r) * (255 - r) + (255 - g) * (255 - g) + (255 - b) * (255 - b);
  return to_white < to_black ? kMonoWhite : kMonoBlack;
}

class Surface {
 public:
  // BottomUp keeps the last row first in memory, as a DIB with a positive biHeight.
  enum class Rows { TopDown, BottomUp };

  Surface() = default;
  Surface(int width, int height, Rows rows = Rows::TopDown);

  int width() const { return width_; }
  int height() const { return height_; }
  Rows rows() const { return rows_; }
  RECT bounds() const { return {0, 0, width_, height_}; }

  std::uint32_t* row(int y) { return pixels_.data() + offset_of(y); }
  const std::uint32_t* row(int y) const { return pixels_.data() + offset_of(y); }
  // The memory as Windows lays it out for a DIB of this row order.
  std::uint32_t* bits() { return pixels_.data(); }
  const std::uint32_t* bits() const { return pixels_.data(); }

  void fill(std::uint32_t pixel);
  // New size; what both sizes share stays at the top left, the rest is black.
  void resize(int width, int height);

 private:
  std::ptrdiff_t offset_of(int y) const {
    const int line = rows_ == Rows::TopDown ? y : height_ - 1 - y;
    return static_cast<std::ptrdiff_t>(line) * width_;
  }

  int width_ = 0;
  int height_ = 0;
  Rows rows_ = Rows::TopDown;
  std::vector<std::uint32_t> pixels_;
};

// A rectangle of a surface, its rows counted from the rectangle's top and its pixels from its
// left: where a resampling writes.
struct PixelArea {
  Surface& surface;
  RECT area;

  int width() const { return area.right - area.left; }
  int height() const { return area.bottom - area.top; }
  std::uint32_t* row(int j) const { return surface.row(area.top + j) + area.left; }
};

}  // namespace desktop
