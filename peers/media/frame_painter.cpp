#include "peers/media/frame_painter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

extern "C" {
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

#include "peers/media/yuv_to_bgra.h"
#include "platform/win/device_context_api.h"
#include "platform/win/gdi_bitmap_api.h"
#include "platform/win/gdi_blit_api.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/win_macros.h"

namespace media {
namespace {

// Rows of the DIB section a frame shown at its own size goes through on its way into the window:
// few enough to stay in the processor's cache.
constexpr int kBandRows = 32;

// A top-down 32-bit DIB section, its pixels at bits; null when it cannot be made.
HBITMAP make_dib_section(int width, int height, void*& bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

COLORREF colour_of(std::uint32_t pixel) {
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace

FramePainter::~FramePainter() {
  av_frame_free(&held_);
  sws_freeContext(scaler_);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  if (band_ != nullptr) DeleteObject(band_);
}

void FramePainter::paint(const AVFrame& frame, int width, int height) {
  if (width <= 0 || height <= 0) {
    clear(width, height);
    return;
  }
  if (frame.width <= 0 || frame.height <= 0) return;
  width_ = width;
  height_ = height;
  const Placement at = place(frame.width, frame.height);
  if (hold(frame, at)) {
    shows_ = Shows::HeldFrame;
    return;
  }
  release_frame();
  if (!make_picture(width, height)) {
    shows_ = Shows::Nothing;
    return;
  }
  paint_picture(frame, at);
  shows_ = Shows::Picture;
}

void FramePainter::clear(int width, int height) {
  release_frame();
  const bool sized = width > 0 && height > 0;
  shows_ = sized ? Shows::Black : Shows::Nothing;
  width_ = sized ? width : 0;
  height_ = sized ? height : 0;
  last_placement_ = {};
}

bool FramePainter::draw(HDC dc) {
  switch (shows_) {
    case Shows::Nothing:
      return false;
    case Shows::Black:
      PatBlt(dc, 0, 0, width_, height_, BLACKNESS);
      return true;
    case Shows::HeldFrame:
      draw_held_frame(dc);
      return true;
    case Shows::Picture: {
      HDC memory = CreateCompatibleDC(dc);
      HGDIOBJ previous = SelectObject(memory, bitmap_);
      BitBlt(dc, 0, 0, width_, height_, memory, 0, 0, SRCCOPY);
      SelectObject(memory, previous);
      DeleteDC(memory);
      return true;
    }
  }
  return false;
}

COLORREF FramePainter::centre_colour() const {
  const int x = width_ / 2;
  const int y = height_ / 2;
  if (shows_ == Shows::Picture) return colour_of(pixels_[static_cast<std::ptrdiff_t>(y) * width_ + x]);
  if (shows_ != Shows::HeldFrame) return 0;
  const Placement& at = held_at_;
  if (x < at.x || x >= at.x + at.width || y < at.y || y >= at.y + at.height) return 0;
  std::vector<std::uint32_t> row(static_cast<std::size_t>(at.width));
  convert_to_bgra(*held_, frame_row(y - at.y), 1, reinterpret_cast<std::uint8_t*>(row.data()), at.width * 4);
  return colour_of(row[static_cast<std::size_t>(x - at.x)]);
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

// A frame shown upright at its own size is kept, not converted: WM_PAINT converts it into the
// window.
bool FramePainter::hold(const AVFrame& frame, const Placement& at) {
  if (orientation_.rotation % 360 != 0 || at.width != frame.width || at.height != frame.height ||
      !converts_directly(frame))
    return false;
  if (held_ == nullptr) held_ = av_frame_alloc();
  if (held_ == nullptr) return false;
  av_frame_unref(held_);
  if (av_frame_ref(held_, &frame) < 0) return false;
  held_at_ = at;
  return true;
}

void FramePainter::release_frame() {
  if (held_ != nullptr) av_frame_unref(held_);
}

int FramePainter::frame_row(int y) const {
  return orientation_.flip ? held_at_.height - 1 - y : y;
}

bool FramePainter::make_band(int width) {
  if (band_ != nullptr && width == band_width_) return true;
  if (band_ != nullptr) DeleteObject(band_);
  void* bits = nullptr;
  band_ = make_dib_section(width, kBandRows, bits);
  band_bits_ = static_cast<std::uint8_t*>(bits);
  band_width_ = band_ != nullptr ? width : 0;
  return band_ != nullptr;
}

// Black bars beside the frame, then the frame a band of rows at a time: converted into the band's
// DIB section, which stays in the cache, and copied into the window from there.
void FramePainter::draw_held_frame(HDC dc) {
  const Placement& at = held_at_;
  const RECT bars[] = {{0, 0, width_, at.y},
                       {0, at.y + at.height, width_, height_},
                       {0, at.y, at.x, at.y + at.height},
                       {at.x + at.width, at.y, width_, at.y + at.height}};
  for (const RECT& bar : bars)
    if (bar.right > bar.left && bar.bottom > bar.top)
      PatBlt(dc, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top, BLACKNESS);
  if (!make_band(at.width)) return;
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(memory, band_);
  const int stride = at.width * 4;
  for (int top = 0; top < at.height; top += kBandRows) {
    const int rows = std::min(kBandRows, at.height - top);
    if (orientation_.flip)
      convert_to_bgra(*held_, frame_row(top + rows - 1), rows,
                      band_bits_ + static_cast<std::ptrdiff_t>(rows - 1) * stride, -stride);
    else
      convert_to_bgra(*held_, top, rows, band_bits_, stride);
    BitBlt(dc, at.x, at.y + top, at.width, rows, memory, 0, 0, SRCCOPY);
  }
  SelectObject(memory, previous);
  DeleteDC(memory);
}

bool FramePainter::make_picture(int width, int height) {
  if (bitmap_ != nullptr && width == bitmap_width_ && height == bitmap_height_) return true;
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  void* bits = nullptr;
  bitmap_ = make_dib_section(width, height, bits);
  pixels_ = static_cast<std::uint32_t*>(bits);
  bitmap_width_ = bitmap_ != nullptr ? width : 0;
  bitmap_height_ = bitmap_ != nullptr ? height : 0;
  last_placement_ = {};
  if (bitmap_ == nullptr) return false;
  std::memset(pixels_, 0, static_cast<std::size_t>(width) * height * 4);
  return true;
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

void FramePainter::paint_picture(const AVFrame& frame, const Placement& at) {
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
    convert_to_bgra(frame, 0, frame.height, target, target_stride);
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

}  // namespace media
