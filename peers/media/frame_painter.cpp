#include "peers/media/frame_painter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

extern "C" {
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

#include "peers/media/yuv_to_bgra.h"
#include "platform/win/gdi_bitmap_api.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/win_macros.h"

namespace media {

FramePainter::~FramePainter() {
  sws_freeContext(scaler_);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

bool FramePainter::make_picture(int width, int height) {
  if (bitmap_ != nullptr && width == width_ && height == height_) return true;
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  bitmap_ = nullptr;
  pixels_ = nullptr;
  width_ = height_ = 0;
  if (width <= 0 || height <= 0) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap_ == nullptr) return false;
  pixels_ = static_cast<std::uint32_t*>(bits);
  width_ = width;
  height_ = height;
  last_placement_ = {};
  std::memset(pixels_, 0, static_cast<std::size_t>(width) * height * 4);
  return true;
}

void FramePainter::clear(int width, int height) {
  if (make_picture(width, height)) std::memset(pixels_, 0, static_cast<std::size_t>(width) * height * 4);
  last_placement_ = {};
}

FramePainter::Placement FramePainter::place(int frame_width, int frame_height) const {
  const bool sideways = orientation_.rotation % 180 != 0;
  const double shown_width = sideways ? frame_height : frame_width;
  const double shown_height = sideways ? frame_width : frame_height;
  const double scale = std::min(width_ / shown_width, height_ / shown_height);
  Placement at;
  at.width = std::clamp(static_cast<int>(std::lround(shown_width * scale)), 1, width_);
  at.height = std::clamp(static_cast<int>(std::lround(shown_height * scale)), 1, height_);
  at.x = (width_ - at.width) / 2;
  at.y = (height_ - at.height) / 2;
  return at;
}

void FramePainter::clear_bars(const Placement& at) {
  const auto clear_rows = [&](int from, int to) {
    if (to > from)
      std::memset(pixels_ + static_cast<std::ptrdiff_t>(from) * width_, 0,
                  static_cast<std::size_t>(to - from) * width_ * 4);
  };
  clear_rows(0, at.y);
  clear_rows(at.y + at.height, height_);
  const int right = at.x + at.width;
  for (int y = at.y; y < at.y + at.height; ++y) {
    std::uint32_t* row = pixels_ + static_cast<std::ptrdiff_t>(y) * width_;
    std::fill(row, row + at.x, 0u);
    std::fill(row + right, row + width_, 0u);
  }
}

void FramePainter::paint(const AVFrame& frame, int width, int height) {
  if (!make_picture(width, height) || frame.width <= 0 || frame.height <= 0) return;
  const Placement at = place(frame.width, frame.height);
  if (!(at == last_placement_)) {
    clear_bars(at);
    last_placement_ = at;
  }
  const bool sideways = orientation_.rotation % 180 != 0;
  const int scaled_width = sideways ? at.height : at.width;
  const int scaled_height = sideways ? at.width : at.height;
  // A frame shown at its own size needs colours only; any other goes through the scaler.
  const bool same_size = scaled_width == frame.width && scaled_height == frame.height;
  const bool direct = same_size && converts_directly(frame);
  if (!direct) {
    scaler_ = sws_getCachedContext(scaler_, frame.width, frame.height,
                                   static_cast<AVPixelFormat>(frame.format), scaled_width, scaled_height,
                                   AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (scaler_ == nullptr) return;
  }
  const int stride = width_ * 4;
  uint8_t* target = nullptr;
  int target_stride = 0;
  if (orientation_.rotation % 360 == 0) {
    target = reinterpret_cast<uint8_t*>(pixels_ + static_cast<std::ptrdiff_t>(at.y) * width_ + at.x);
    target_stride = stride;
  } else {
    turned_.resize(static_cast<std::size_t>(scaled_width) * scaled_height);
    target = reinterpret_cast<uint8_t*>(turned_.data());
    target_stride = scaled_width * 4;
  }
  if (orientation_.flip) {
    target += static_cast<std::ptrdiff_t>(scaled_height - 1) * target_stride;
    target_stride = -target_stride;
  }
  if (direct) {
    convert_to_bgra(frame, target, target_stride);
  } else {
    uint8_t* planes[4] = {target, nullptr, nullptr, nullptr};
    int strides[4] = {target_stride, 0, 0, 0};
    sws_scale(scaler_, frame.data, frame.linesize, 0, frame.height, planes, strides);
  }
  if (orientation_.rotation % 360 != 0) turn_into_picture(at, scaled_width, scaled_height);
}

void FramePainter::turn_into_picture(const Placement& at, int turned_width, int turned_height) {
  const int quarter_turns = ((orientation_.rotation / 90) % 4 + 4) % 4;
  for (int y = 0; y < turned_height; ++y) {
    for (int x = 0; x < turned_width; ++x) {
      int to_x = x, to_y = y;
      switch (quarter_turns) {
        case 1:
          to_x = turned_height - 1 - y;
          to_y = x;
          break;
        case 2:
          to_x = turned_width - 1 - x;
          to_y = turned_height - 1 - y;
          break;
        case 3:
          to_x = y;
          to_y = turned_width - 1 - x;
          break;
        default:
          break;
      }
      pixels_[static_cast<std::ptrdiff_t>(at.y + to_y) * width_ + at.x + to_x] =
          turned_[static_cast<std::size_t>(y) * turned_width + x] | 0xFF000000u;
    }
  }
}

COLORREF FramePainter::centre_colour() const {
  if (pixels_ == nullptr) return 0;
  const std::uint32_t pixel = pixels_[static_cast<std::ptrdiff_t>(height_ / 2) * width_ + width_ / 2];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace media
