#include "platform/desktop/gdi/window_surface.h"

#include <algorithm>

namespace desktop {

Surface& window_surface(Window& top_level) {
  const int width = std::max(top_level.rect.right - top_level.rect.left, 0);
  const int height = std::max(top_level.rect.bottom - top_level.rect.top, 0);
  if (!top_level.surface) {
    top_level.surface = std::make_shared<Surface>(width, height);
  } else {
    top_level.surface->resize(width, height);
  }
  return *top_level.surface;
}

}  // namespace desktop
