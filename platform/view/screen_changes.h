// The view's copy of the screen, and which parts of it changed since the last look. Comparing
// the composed screen tile by tile finds every change, whoever drew it, so the desktop needs
// no bookkeeping of its own for the view.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/desktop/gdi/surface.h"
#include "platform/view/view_backend.h"

namespace view {

class ScreenChanges {
 public:
  // Takes over the screen's changed tiles and returns them, neighbours in a row joined; the
  // whole screen the first time and whenever its size changes.
  std::vector<RECT> take(const desktop::Surface& screen);

  Frame frame() const { return {width_, height_, pixels_}; }

  static constexpr int kTileWidth = 64;
  static constexpr int kTileHeight = 16;

 private:
  bool tile_differs(const desktop::Surface& screen, const RECT& tile) const;
  void copy_tile(const desktop::Surface& screen, const RECT& tile);

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace view
