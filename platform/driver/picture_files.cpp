#include "platform/driver/picture_files.h"

#include <stb/stb_image_write.h>

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/desktop/image.h"
#include "platform/desktop/png_file.h"
#include "platform/win/win_macros.h"

namespace driver {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Red grows to the right, green downwards, over a steady blue.
desktop::Image gradient(int width, int height) {
  desktop::Image image;
  image.width = width;
  image.height = height;
  image.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const auto red = static_cast<std::uint32_t>(255 * x / std::max(1, width - 1));
      const auto green = static_cast<std::uint32_t>(255 * y / std::max(1, height - 1));
      image.pixels.push_back(0xFF000000u | red << 16 | green << 8 | 0xA0u);
    }
  return image;
}

desktop::Image filled(int width, int height, COLORREF colour) {
  desktop::Image image;
  image.width = width;
  image.height = height;
  const std::uint32_t pixel = 0xFF000000u | static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
                              static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
  image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), pixel);
  return image;
}

Bytes rgb_samples(const desktop::Image& image) {
  Bytes samples;
  samples.reserve(image.pixels.size() * 3);
  for (std::uint32_t pixel : image.pixels)
    for (int shift : {16, 8, 0})
      samples.push_back(static_cast<std::uint8_t>(pixel >> shift));
  return samples;
}

void collect(void* context, void* data, int size) {
  auto* out = static_cast<Bytes*>(context);
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

FileBytes encoded(Bytes bytes, bool written) {
  if (!written) return {std::nullopt, "the picture encoder failed"};
  return {std::move(bytes), {}};
}

FileBytes png(const desktop::Image& image) {
  desktop::PngEncoding encoding = desktop::encode_png(image);
  return {std::move(encoding.bytes), encoding.failure};
}

FileBytes bmp(const desktop::Image& image) {
  Bytes out;
  const Bytes samples = rgb_samples(image);
  const bool written =
      stbi_write_bmp_to_func(collect, &out, image.width, image.height, 3, samples.data()) != 0;
  return encoded(std::move(out), written);
}

FileBytes jpeg(const desktop::Image& image) {
  constexpr int kQuality = 90;
  Bytes out;
  const Bytes samples = rgb_samples(image);
  const bool written =
      stbi_write_jpg_to_func(collect, &out, image.width, image.height, 3, samples.data(), kQuality) != 0;
  return encoded(std::move(out), written);
}

void put16le(Bytes& out, int value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

// Six levels of red, green and blue: palette entry 36 r + 6 g + b.
std::uint8_t cube_index(std::uint32_t pixel) {
  const auto level = [pixel](int shift) { return (((pixel >> shift) & 0xFF) * 5 + 127) / 255; };
  return static_cast<std::uint8_t>(level(16) * 36 + level(8) * 6 + level(0));
}

// LZW in 9-bit codes that never widen: a clear code before the table could grow past 511.
Bytes gif_raster(const desktop::Image& image) {
  constexpr unsigned kClear = 256;
  constexpr unsigned kEnd = 257;
  constexpr std::size_t kLiteralsPerClear = 250;
  Bytes packed;
  std::uint32_t bits = 0;
  int count = 0;
  const auto put = [&](unsigned code) {
    bits |= code << count;
    for (count += 9; count >= 8; count -= 8) {
      packed.push_back(static_cast<std::uint8_t>(bits));
      bits >>= 8;
    }
  };
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    if (i % kLiteralsPerClear == 0) put(kClear);
    put(cube_index(image.pixels[i]));
  }
  put(kEnd);
  if (count > 0) packed.push_back(static_cast<std::uint8_t>(bits));
  Bytes out{8};  // the minimum code size
  for (std::size_t at = 0; at < packed.size(); at += 255) {
    const std::size_t length = std::min<std::size_t>(255, packed.size() - at);
    out.push_back(static_cast<std::uint8_t>(length));
    out.insert(out.end(), packed.begin() + static_cast<std::ptrdiff_t>(at),
               packed.begin() + static_cast<std::ptrdiff_t>(at + length));
  }
  out.push_back(0);
  return out;
}

FileBytes gif(const desktop::Image& image) {
  Bytes out{'G', 'I', 'F', '8', '9', 'a'};
  put16le(out, image.width);
  put16le(out, image.height);
  out.insert(out.end(), {0xF7, 0, 0});  // a global table of 256 colours
  for (int entry = 0; entry < 256; ++entry) {
    const int levels[3] = {entry / 36, entry / 6 % 6, entry % 6};
    for (int level : levels)
      out.push_back(entry < 216 ? static_cast<std::uint8_t>(level * 51) : 0);
  }
  out.push_back(0x2C);
  put16le(out, 0);
  put16le(out, 0);
  put16le(out, image.width);
  put16le(out, image.height);
  out.push_back(0);
  const Bytes raster = gif_raster(image);
  out.insert(out.end(), raster.begin(), raster.end());
  out.push_back(0x3B);
  return {std::move(out), {}};
}

struct PictureFormat {
  std::string_view extension;
  FileBytes (*encode)(const desktop::Image&);
};

constexpr PictureFormat kFormats[] = {
    {"png", &png}, {"bmp", &bmp}, {"jpg", &jpeg}, {"jpeg", &jpeg}, {"gif", &gif},
};

std::optional<int> side(std::string_view text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < 1 || value > desktop::kMaxImageSide) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::pair<int, int>> picture_size(std::string_view text) {
  const std::size_t cross = text.find('x');
  if (cross == std::string_view::npos) return std::nullopt;
  auto width = side(text.substr(0, cross));
  auto height = side(text.substr(cross + 1));
  if (!width || !height) return std::nullopt;
  return std::pair{*width, *height};
}

FileBytes picture_file(std::string_view extension, int width, int height, std::optional<COLORREF> colour) {
  std::string lower(extension);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4 >
      desktop::ImageLimits{}.max_pixel_bytes)
    return {std::nullopt,
            "a picture of " + std::to_string(width) + "x" + std::to_string(height) + " is too large"};
  for (const PictureFormat& format : kFormats)
    if (format.extension == lower)
      return format.encode(colour ? filled(width, height, *colour) : gradient(width, height));
  return {std::nullopt,
          "no picture format for \"." + std::string(extension) + "\": png, bmp, jpg, jpeg or gif"};
}

}  // namespace driver
