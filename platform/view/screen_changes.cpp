#include "platform/view/screen_changes.h"

#include <algorithm>
#include <cstring>

namespace view {

std::vector<RECT> ScreenChanges::take(const desktop::Surface& screen) {
  if (screen.width() != width_ || screen.height() != height_) {
    width_ = screen.width();
    height_ = screen.height();
    pixels_.resize(static_cast<std::size_t>(width_) * height_);
    copy_tile(screen, screen.bounds());
    if (width_ == 0 || height_ == 0) return {};
    return {screen.bounds()};
  }
  std::vector<RECT> changed;
  for (int top = 0; top < height_; top += kTileHeight) {
    const int bottom = std::min(top + kTileHeight, height_);
    for (int left = 0; left < width_; left += kTileWidth) {
      const RECT tile{left, top, std::min(left + kTileWidth, width_), bottom};
      if (!tile_differs(screen, tile)) continue;
      copy_tile(screen, tile);
      if (!changed.empty() && changed.back().top == top && changed.back().right == left)
        changed.back().right = tile.right;
      else
        changed.push_back(tile);
    }
  }
  return changed;
}

bool ScreenChanges::tile_differs(const desktop::Surface& screen, const RECT& tile) const {
  const std::size_t bytes = static_cast<std::size_t>(tile.right - tile.left) * sizeof(std::uint32_t);
  for (int y = tile.top; y < tile.bottom; ++y)
    if (std::memcmp(screen.row(y) + tile.left,
                    pixels_.data() + static_cast<std::size_t>(y) * width_ + tile.left, bytes) != 0)
      return true;
  return false;
}

void ScreenChanges::copy_tile(const desktop::Surface& screen, const RECT& tile) {
  const std::size_t bytes = static_cast<std::size_t>(tile.right - tile.left) * sizeof(std::uint32_t);
  for (int y = tile.top; y < tile.bottom; ++y)
    std::memcpy(pixels_.data() + static_cast<std::size_t>(y) * width_ + tile.left, screen.row(y) + tile.left,
                bytes);
}

}  // namespace view
