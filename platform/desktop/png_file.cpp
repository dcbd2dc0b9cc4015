#include "platform/desktop/png_file.h"

#include <stb/stb_image_write.h>

#include <fstream>

namespace desktop {

namespace {

PngEncoding fail(std::string reason) {
  return PngEncoding{std::nullopt, std::move(reason)};
}

void append(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(context);
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

PngEncoding encode_png(int width, int height, std::span<const std::uint32_t> pixels, bool with_alpha,
                       const ImageLimits& limits) {
  if (width <= 0 || height <= 0) return fail("a picture needs a width and a height");
  if (width > limits.max_side || height > limits.max_side ||
      static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4 > limits.max_pixel_bytes)
    return fail("the picture is too large to write");
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  if (pixels.size() != count) return fail("the pixels do not match the picture's size");

  const int channels = with_alpha ? 4 : 3;
  std::vector<std::uint8_t> samples;
  samples.reserve(count * channels);
  for (std::uint32_t pixel : pixels) {
    samples.push_back(static_cast<std::uint8_t>(pixel >> 16));
    samples.push_back(static_cast<std::uint8_t>(pixel >> 8));
    samples.push_back(static_cast<std::uint8_t>(pixel));
    if (with_alpha) samples.push_back(static_cast<std::uint8_t>(pixel >> 24));
  }
  std::vector<std::uint8_t> file;
  if (!stbi_write_png_to_func(append, &file, width, height, channels, samples.data(), width * channels))
    return fail("the PNG encoder ran out of memory");
  return PngEncoding{std::move(file), {}};
}

PngEncoding encode_png(const Image& image, const ImageLimits& limits) {
  return encode_png(image.width, image.height, image.pixels, image.has_alpha, limits);
}

PngWrite write_png(int width, int height, std::span<const std::uint32_t> pixels, bool with_alpha,
                   const std::filesystem::path& path, const ImageLimits& limits) {
  PngEncoding encoded = encode_png(width, height, pixels, with_alpha, limits);
  if (!encoded) return PngWrite{false, std::move(encoded.failure)};
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return PngWrite{false, "cannot create " + path.string()};
  file.write(reinterpret_cast<const char*>(encoded.bytes->data()),
             static_cast<std::streamsize>(encoded.bytes->size()));
  file.close();
  if (!file) return PngWrite{false, "cannot write " + path.string()};
  return PngWrite{true, {}};
}

PngWrite write_png(const Image& image, const std::filesystem::path& path, const ImageLimits& limits) {
  return write_png(image.width, image.height, image.pixels, image.has_alpha, path, limits);
}

}  // namespace desktop
