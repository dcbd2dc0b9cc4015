#include "platform/desktop/gdi/surface.h"

#include <algorithm>
#include <cstring>

namespace desktop {

Surface::Surface(int width, int height, Rows rows)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      rows_(rows),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0) {}

void Surface::fill(std::uint32_t pixel) {
  std::fill(pixels_.begin(), pixels_.end(), pixel);
}

void Surface::resize(int width, int height) {
  if (width == width_ && height == height_) return;
  Surface next(width, height, rows_);
  const int shared_width = std::min(width_, next.width_);
  const int shared_height = std::min(height_, next.height_);
  for (int y = 0; y < shared_height; ++y)
    std::memcpy(next.row(y), row(y), static_cast<std::size_t>(shared_width) * sizeof(std::uint32_t));
  *this = std::move(next);
}

}  // namespace desktop
