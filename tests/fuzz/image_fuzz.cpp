// Feeds arbitrary bytes to the picture loader. Whatever it gets, it must answer with a
// well-formed picture or a reason, and a picture it gives must survive a trip through PNG.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/desktop/image_file.h"
#include "platform/desktop/png_file.h"

namespace {

// Smaller than the desktop's limits, so a header claiming a large picture costs little time.
constexpr desktop::ImageLimits kLimits{1024, std::size_t{1} << 20};

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const desktop::ImageLoad load = desktop::load_image(std::span<const std::uint8_t>(data, size), kLimits);
  if (!load) {
    require(!load.failure.empty());
    return 0;
  }
  const desktop::Image& image = *load.image;
  require(image.width > 0 && image.height > 0 && image.width <= kLimits.max_side &&
          image.height <= kLimits.max_side);
  require(image.pixels.size() ==
          static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
  bool see_through = false;
  for (std::uint32_t pixel : image.pixels)
    see_through = see_through || pixel >> 24 != 0xFF;
  require(!see_through || image.has_alpha);

  const desktop::PngEncoding encoded = desktop::encode_png(image, kLimits);
  require(static_cast<bool>(encoded));
  const desktop::ImageLoad again = desktop::load_image(*encoded.bytes, kLimits);
  require(again && again.image->width == image.width && again.image->height == image.height &&
          again.image->pixels == image.pixels);
  return 0;
}
