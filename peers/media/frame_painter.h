// Paints decoded frames in a window's client area: scaled to fit with black bars, flipped upside
// down and turned clockwise by 0, 90, 180 or 270 degrees, as asked. A frame shown upright at its
// own size (a video in a window of its size) is converted into the window band by band in its
// WM_PAINT, through a DIB section of a few rows, so the picture crosses memory once; any other is
// drawn into a DIB section of the client's size, which WM_PAINT copies.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win/win_types.h"

struct AVFrame;
struct SwsContext;

namespace media {

struct Orientation {
  int rotation = 0;   // clockwise degrees, a multiple of 90
  bool flip = false;  // upside down, before the rotation
};

class FramePainter {
 public:
  FramePainter() = default;
  ~FramePainter();
  FramePainter(const FramePainter&) = delete;
  FramePainter& operator=(const FramePainter&) = delete;

  void set_orientation(Orientation orientation) { orientation_ = orientation; }
  // The frame becomes the picture of width by height (the size of the window's client area).
  void paint(const AVFrame& frame, int width, int height);
  // Black at the size, with no frame; for a window before its first frame or after a resize.
  void clear(int width, int height);
  // Draws the picture at the DC's origin, in the window's WM_PAINT; false before the first paint
  // or clear.
  bool draw(HDC dc);

  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF centre_colour() const;

 private:
  enum class Shows { Nothing, Black, HeldFrame, Picture };
  struct Placement {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Placement&) const = default;
  };
  Placement place(int frame_width, int frame_height) const;
  bool hold(const AVFrame& frame, const Placement& at);
  void release_frame();
  void draw_held_frame(HDC dc);
  bool make_band(int width);
  // The held frame's row shown in row y of its place.
  int frame_row(int y) const;
  bool make_picture(int width, int height);
  // Black around the picture at its new place; the picture itself is drawn over.
  void clear_bars(const Placement& at);
  void paint_picture(const AVFrame& frame, const Placement& at);
  void turn_into_picture(const Placement& at, int turned_width, int turned_height);

  Orientation orientation_;
  Shows shows_ = Shows::Nothing;
  int width_ = 0;
  int height_ = 0;
  // The frame shown at its own size, kept from its decoder until the next, and its place.
  AVFrame* held_ = nullptr;
  Placement held_at_;
  HBITMAP band_ = nullptr;
  std::uint8_t* band_bits_ = nullptr;
  int band_width_ = 0;
  // The picture of the client's size, for frames scaled or turned.
  HBITMAP bitmap_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
  int bitmap_width_ = 0;
  int bitmap_height_ = 0;
  Placement last_placement_;
  SwsContext* scaler_ = nullptr;
  std::vector<std::uint32_t> turned_;
};

}  // namespace media
