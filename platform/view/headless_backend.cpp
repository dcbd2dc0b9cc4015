#include "platform/view/headless_backend.h"

#include <algorithm>

#include "platform/desktop/png_file.h"

namespace view {

ViewResult HeadlessBackend::open(const ScreenLayout& layout) {
  image_.width = layout.screen.right - layout.screen.left;
  image_.height = layout.screen.bottom - layout.screen.top;
  image_.has_alpha = false;
  image_.pixels.assign(static_cast<std::size_t>(image_.width) * image_.height, 0u);
  return {};
}

void HeadlessBackend::present(const Frame& frame, std::span<const RECT> dirty) {
  if (frame.width != image_.width || frame.height != image_.height) {
    image_.width = frame.width;
    image_.height = frame.height;
    image_.pixels.assign(frame.pixels.begin(), frame.pixels.end());
    return;
  }
  for (const RECT& part : dirty) {
    for (LONG y = part.top; y < part.bottom; ++y) {
      const std::size_t start = static_cast<std::size_t>(y) * frame.width + part.left;
      std::copy_n(frame.pixels.begin() + static_cast<std::ptrdiff_t>(start), part.right - part.left,
                  image_.pixels.begin() + static_cast<std::ptrdiff_t>(start));
    }
  }
}

ViewResult HeadlessBackend::write_screenshot(const std::filesystem::path& file) const {
  if (image_.pixels.empty()) return ViewResult::failed("the view has no screen to write");
  desktop::PngWrite written = desktop::write_png(image_, file);
  if (!written) return ViewResult::failed("cannot write " + file.string() + ": " + written.failure);
  return {};
}

}  // namespace view
