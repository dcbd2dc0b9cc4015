// Memory contexts over small bitmaps whose pixels a test reads and writes directly.
#pragma once

#include <cstdint>
#include <vector>

#include "tests/platform/desktop_fixture.h"

// A memory context with a top-down 32-bit DIB section selected, or a monochrome bitmap.
class MemoryBitmap {
 public:
  static MemoryBitmap colour(int width, int height, std::uint32_t fill = 0);
  static MemoryBitmap mono(int width, int height);
  MemoryBitmap(MemoryBitmap&& other) noexcept;
  MemoryBitmap& operator=(MemoryBitmap&&) = delete;
  ~MemoryBitmap();

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // A colour bitmap's pixel as 0xAARRGGBB.
  std::uint32_t& at(int x, int y) { return bits_[static_cast<std::size_t>(y) * width_ + x]; }
  // Every pixel as GetPixel reads it, row by row.
  std::vector<COLORREF> colours() const;
  // A colour bitmap's pixels as COLORREFs, whatever the context's clip and origin.
  std::vector<COLORREF> stored() const;
  // Sets pixels row by row from COLORREFs.
  void paint(const std::vector<COLORREF>& colours);

 private:
  MemoryBitmap(HDC dc, HBITMAP bitmap, HGDIOBJ previous, std::uint32_t* bits, int width, int height);

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

BITMAPINFO dib_info(int width, int height);
