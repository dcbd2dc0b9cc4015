// Creating bitmaps: monochrome and 32-bit device bitmaps, and 32-bit DIB sections whose bits
// the caller writes directly.
#include <cstring>

#include "platform/win/gdi_bitmap_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

using desktop::Surface;

namespace {

// Beyond this a bitmap is refused as Windows refuses one it has no memory for.
constexpr long long kMaxPixels = 1LL << 28;

bool fits(int width, int height) {
  if (static_cast<long long>(width) * height <= kMaxPixels) return true;
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return false;
}

HBITMAP add(std::shared_ptr<Surface> surface, int bits_per_pixel, bool dib_section) {
  return static_cast<HBITMAP>(gdi_internal::machine().gdi().add(
      {desktop::GdiBitmap{std::move(surface), bits_per_pixel, dib_section}, false}));
}

// Device bitmap rows are padded to 16 bits; a monochrome row's first pixel is its top bit.
void read_mono_bits(Surface& surface, const BYTE* bits) {
  const int row_bytes = (surface.width() + 15) / 16 * 2;
  for (int y = 0; y < surface.height(); ++y) {
    const BYTE* line = bits + static_cast<std::ptrdiff_t>(y) * row_bytes;
    std::uint32_t* out = surface.row(y);
    for (int x = 0; x < surface.width(); ++x)
      out[x] = (line[x / 8] & (0x80 >> (x % 8))) ? desktop::kMonoWhite : desktop::kMonoBlack;
  }
}

}  // namespace

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bits_per_pixel, const void* bits) {
  if (win_internal::caller() == nullptr) return nullptr;
  if (width < 0 || height < 0 || planes != 1 || (bits_per_pixel != 1 && bits_per_pixel != 32)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (width == 0 || height == 0) return static_cast<HBITMAP>(gdi_internal::default_bitmap());
  if (!fits(width, height)) return nullptr;
  auto surface = std::make_shared<Surface>(width, height);
  if (bits != nullptr) {
    if (bits_per_pixel == 1) {
      read_mono_bits(*surface, static_cast<const BYTE*>(bits));
    } else {
      std::memcpy(surface->bits(), bits, static_cast<std::size_t>(width) * height * sizeof(std::uint32_t));
    }
  }
  return add(std::move(surface), static_cast<int>(bits_per_pixel), false);
}

HBITMAP WINAPI CreateBitmapIndirect(const BITMAP* bitmap) {
  if (bitmap == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreateBitmap(bitmap->bmWidth, bitmap->bmHeight, bitmap->bmPlanes, bitmap->bmBitsPixel,
                      bitmap->bmBits);
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height) {
  desktop::DeviceContext* dc = gdi_internal::context_of(hdc);
  if (dc == nullptr) return nullptr;
  if (width < 0 || height < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (width == 0 || height == 0) return static_cast<HBITMAP>(gdi_internal::default_bitmap());
  if (!fits(width, height)) return nullptr;
  // A memory context is as deep as its bitmap, and a fresh one holds the monochrome default.
  int bits_per_pixel = 32;
  if (dc->kind == desktop::DeviceContext::Kind::Memory)
    if (auto* selected = gdi_internal::object_as<desktop::GdiBitmap>(dc->attributes.bitmap))
      bits_per_pixel = selected->bits_per_pixel;
  return add(std::make_shared<Surface>(width, height), bits_per_pixel, false);
}

HBITMAP WINAPI CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD) {
  if (bits != nullptr) *bits = nullptr;
  if (win_internal::caller() == nullptr) return nullptr;
  if (info == nullptr || section != nullptr || (usage != DIB_RGB_COLORS && usage != DIB_PAL_COLORS)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const BITMAPINFOHEADER& header = info->bmiHeader;
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biWidth <= 0 || header.biHeight == 0 ||
      header.biPlanes != 1 || header.biBitCount != 32 || header.biCompression != BI_RGB) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
  if (!fits(header.biWidth, height)) return nullptr;
  auto surface = std::make_shared<Surface>(
      header.biWidth, height, header.biHeight > 0 ? Surface::Rows::BottomUp : Surface::Rows::TopDown);
  if (bits != nullptr) *bits = surface->bits();
  return add(std::move(surface), 32, true);
}

namespace gdi_internal {

HBITMAP top_down_dib(int width, int height, std::uint32_t** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (bitmap == nullptr || pixels == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    return nullptr;
  }
  *bits = static_cast<std::uint32_t*>(pixels);
  return bitmap;
}

}  // namespace gdi_internal
