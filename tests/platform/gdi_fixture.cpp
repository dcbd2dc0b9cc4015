#include "tests/platform/gdi_fixture.h"

#include <utility>

BITMAPINFO dib_info(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

MemoryBitmap::MemoryBitmap(HDC dc, HBITMAP bitmap, HGDIOBJ previous, std::uint32_t* bits, int width,
                           int height)
    : dc_(dc), bitmap_(bitmap), previous_(previous), bits_(bits), width_(width), height_(height) {}

MemoryBitmap::MemoryBitmap(MemoryBitmap&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)),
      bitmap_(std::exchange(other.bitmap_, nullptr)),
      previous_(other.previous_),
      bits_(other.bits_),
      width_(other.width_),
      height_(other.height_) {}

MemoryBitmap MemoryBitmap::colour(int width, int height, std::uint32_t fill) {
  BITMAPINFO info = dib_info(width, -height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i)
    pixels[i] = fill;
  return MemoryBitmap(dc, bitmap, previous, pixels, width, height);
}

MemoryBitmap MemoryBitmap::mono(int width, int height) {
  HBITMAP bitmap = CreateBitmap(width, height, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  return MemoryBitmap(dc, bitmap, previous, nullptr, width, height);
}

MemoryBitmap::~MemoryBitmap() {
  if (dc_ == nullptr) return;
  SelectObject(dc_, previous_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}

std::vector<COLORREF> MemoryBitmap::colours() const {
  std::vector<COLORREF> result;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      result.push_back(GetPixel(dc_, x, y));
  return result;
}

std::vector<COLORREF> MemoryBitmap::stored() const {
  std::vector<COLORREF> result;
  for (int i = 0; i < width_ * height_; ++i) {
    const std::uint32_t pixel = bits_[i];
    result.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
  }
  return result;
}

void MemoryBitmap::paint(const std::vector<COLORREF>& colours) {
  for (std::size_t i = 0; i < colours.size(); ++i)
    SetPixel(dc_, static_cast<int>(i % width_), static_cast<int>(i / width_), colours[i]);
}
