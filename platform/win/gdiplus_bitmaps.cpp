#include <new>

#include "platform/desktop/image_file.h"
#include "platform/win/file_internal.h"
#include "platform/win/gdi_bitmap_api.h"
#include "platform/win/gdiplus_api.h"
#include "platform/win/win_internal.h"

namespace Gdiplus {
namespace {

// The token GdiplusStartup hands out; the loader needs no state of its own.
constexpr ULONG_PTR kStartupToken = 1;

std::uint32_t channel(std::uint32_t pixel, int shift) {
  return (pixel >> shift) & 0xFF;
}

// The pixel premultiplied and laid over the (premultiplied) background.
std::uint32_t over(std::uint32_t pixel, std::uint32_t background) {
  const std::uint32_t alpha = pixel >> 24;
  const std::uint32_t under_alpha = background >> 24;
  std::uint32_t result = 0;
  for (int shift : {0, 8, 16}) {
    const std::uint32_t under = (channel(background, shift) * under_alpha + 127) / 255;
    const std::uint32_t mixed = (channel(pixel, shift) * alpha + under * (255 - alpha) + 127) / 255;
    result |= mixed << shift;
  }
  const std::uint32_t mixed_alpha = alpha + (under_alpha * (255 - alpha) + 127) / 255;
  return result | mixed_alpha << 24;
}

}  // namespace

Status WINAPI GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput*) {
  if (token == nullptr || input == nullptr || input->GdiplusVersion != 1) return InvalidParameter;
  *token = kStartupToken;
  return Ok;
}

void WINAPI GdiplusShutdown(ULONG_PTR) {}

Bitmap::Bitmap(const WCHAR* filename, BOOL) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || filename == nullptr) {
    failure_ = "no file name, or not called on a desktop thread";
    last_status_ = InvalidParameter;
    return;
  }
  auto located = win_internal::locate_for(*self, filename);
  std::error_code error;
  if (!located || !std::filesystem::is_regular_file(located->host, error)) {
    failure_ = "the file is missing";
    last_status_ = FileNotFound;
    return;
  }
  desktop::ImageLoad load = desktop::load_image_file(located->host);
  if (!load) {
    failure_ = load.failure;
    last_status_ = UnknownImageFormat;
    return;
  }
  image_ = std::make_unique<desktop::Image>(std::move(*load.image));
}

Bitmap::~Bitmap() = default;

Bitmap* Bitmap::FromFile(const WCHAR* filename, BOOL useEmbeddedColorManagement) {
  return new (std::nothrow) Bitmap(filename, useEmbeddedColorManagement);
}

Status Bitmap::fail(Status status) const {
  last_status_ = status;
  return status;
}

Status Bitmap::GetLastStatus() const {
  const Status status = last_status_;
  last_status_ = Ok;
  return status;
}

const desktop::Image* Bitmap::loaded() const {
  if (!image_) fail(InvalidParameter);
  return image_.get();
}

UINT Bitmap::GetWidth() const {
  const desktop::Image* image = loaded();
  return image ? static_cast<UINT>(image->width) : 0;
}

UINT Bitmap::GetHeight() const {
  const desktop::Image* image = loaded();
  return image ? static_cast<UINT>(image->height) : 0;
}

PixelFormat Bitmap::GetPixelFormat() const {
  const desktop::Image* image = loaded();
  if (image == nullptr) return 0;
  return image->has_alpha ? PixelFormat32bppARGB : PixelFormat24bppRGB;
}

UINT Bitmap::GetFlags() const {
  const desktop::Image* image = loaded();
  if (image == nullptr) return ImageFlagsNone;
  return ImageFlagsColorSpaceRGB | ImageFlagsReadOnly | (image->has_alpha ? ImageFlagsHasAlpha : 0u);
}

Status Bitmap::GetHBITMAP(const Color& background, HBITMAP* bitmap) {
  if (bitmap == nullptr) return fail(InvalidParameter);
  *bitmap = nullptr;
  if (loaded() == nullptr) return InvalidParameter;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), image_->width, -image_->height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP made = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (made == nullptr) return fail(Win32Error);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  const std::uint32_t under = background.GetValue();
  for (std::size_t i = 0; i < image_->pixels.size(); ++i)
    pixels[i] = over(image_->pixels[i], under);
  *bitmap = made;
  return Ok;
}

}  // namespace Gdiplus
