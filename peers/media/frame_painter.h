// Paints decoded frames into a DIB section of a window's client size: scaled to fit with black
// bars, flipped upside down and turned clockwise by 0, 90, 180 or 270 degrees, as asked.
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
  // Draws the frame into a picture of width by height (the size of the window's client area).
  void paint(const AVFrame& frame, int width, int height);
  // Black at the size, with no frame; for a window before its first frame or after a resize.
  void clear(int width, int height);

  // The picture as a top-down 32-bit DIB section to select into a memory DC; null before the
  // first paint or clear.
  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF centre_colour() const;

 private:
  struct Placement {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Placement&) const = default;
  };
  bool make_picture(int width, int height);
  Placement place(int frame_width, int frame_height) const;
  // Black around the picture at its new place; the picture itself is drawn over.
  void clear_bars(const Placement& at);
  void turn_into_picture(const Placement& at, int turned_width, int turned_height);

  Orientation orientation_;
  HBITMAP bitmap_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  Placement last_placement_;
  SwsContext* scaler_ = nullptr;
  std::vector<std::uint32_t> turned_;
};

}  // namespace media
