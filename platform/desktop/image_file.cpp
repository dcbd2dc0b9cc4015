#include "platform/desktop/image_file.h"

#include <stb/stb_image.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/desktop/jpeg_tables.h"
#include "platform/desktop/stb_codecs.h"

namespace desktop {

namespace {

// How a format's alpha reaches the picture.
enum class Alpha {
  Dropped,   // Windows' imaging library reads every bitmap file as 32bppRGB
  Channels,  // an alpha channel in the file, or a transparent colour that some pixel uses
  Pixels,    // always decoded with four channels; only a transparent pixel makes it see-through
};

struct Format {
  std::string_view signature;
  const char* name;
  Alpha alpha;
  // What the decoder does not check for itself, when anything.
  bool (*sound)(std::span<const std::uint8_t> bytes);
};

constexpr Format kFormats[] = {
    {"BM", "bitmap", Alpha::Dropped, nullptr},
    {"\x89PNG\r\n\x1A\n", "PNG", Alpha::Channels, nullptr},
    {"\xFF\xD8", "JPEG", Alpha::Channels, jpeg_huffman_tables_fit},
    {"GIF8", "GIF", Alpha::Pixels, nullptr},
};

const Format* format_of(std::span<const std::uint8_t> bytes) {
  for (const Format& format : kFormats)
    if (bytes.size() >= format.signature.size() &&
        std::equal(format.signature.begin(), format.signature.end(), bytes.begin(),
                   [](char s, std::uint8_t b) { return static_cast<std::uint8_t>(s) == b; }))
      return &format;
  return nullptr;
}

struct FreeDecoded {
  void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};
using DecodedPixels = std::unique_ptr<stbi_uc, FreeDecoded>;

ImageLoad fail(std::string reason) {
  return ImageLoad{std::nullopt, std::move(reason)};
}

// Why a picture of this size is refused, or empty when it is not. A bitmap's header gives
// a negative height for top-down rows, so sizes are taken as magnitudes.
std::string size_refusal(const ImageLimits& limits, int claimed_width, int claimed_height) {
  const std::int64_t width = std::abs(std::int64_t{claimed_width});
  const std::int64_t height = std::abs(std::int64_t{claimed_height});
  const std::string size = " (" + std::to_string(width) + " x " + std::to_string(height) + ")";
  if (width == 0 || height == 0) return "the picture has no pixels" + size;
  if (width > limits.max_side || height > limits.max_side ||
      static_cast<std::uint64_t>(width * height * 4) > limits.max_pixel_bytes)
    return "the picture is too large" + size;
  return {};
}

}  // namespace

ImageLoad load_image(std::span<const std::uint8_t> bytes, const ImageLimits& limits) {
  if (bytes.empty()) return fail("the picture is empty");
  if (bytes.size() > kMaxImageFileBytes) return fail("the picture file is too large");
  const auto length = static_cast<int>(bytes.size());
  const Format* format = format_of(bytes);
  if (!format) return fail("not a bitmap, PNG, JPEG or GIF picture");
  if (format->sound && !format->sound(bytes))
    return fail(std::string("the ") + format->name + " header is damaged");

  // The header alone tells the size, so an absurd one is refused before anything is allocated.
  // The probe tries every format and so never says more than that the header was not read.
  int width = 0;
  int height = 0;
  int channels = 0;
  if (!stbi_info_from_memory(bytes.data(), length, &width, &height, &channels))
    return fail(std::string("the ") + format->name + " header is damaged, or claims more than " +
                std::to_string(kMaxImageSide) + " pixels a side");
  if (std::string refusal = size_refusal(limits, width, height); !refusal.empty()) return fail(refusal);

  take_decoder_failure();
  DecodedPixels rgba(stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, 4));
  if (!rgba) {
    const char* reason = take_decoder_failure();
    return fail(std::string("the ") + format->name + " data cannot be decoded (" +
                (reason && *reason ? reason : "damaged") + ")");
  }
  if (std::string refusal = size_refusal(limits, width, height); !refusal.empty()) return fail(refusal);

  Image image;
  image.width = width;
  image.height = height;
  image.has_alpha = format->alpha == Alpha::Channels && (channels == 2 || channels == 4);
  image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  const stbi_uc* source = rgba.get();
  for (std::uint32_t& pixel : image.pixels) {
    const std::uint32_t alpha = format->alpha == Alpha::Dropped ? 0xFF : source[3];
    pixel = alpha << 24 | std::uint32_t{source[0]} << 16 | std::uint32_t{source[1]} << 8 | source[2];
    image.has_alpha = image.has_alpha || alpha != 0xFF;
    source += 4;
  }
  return ImageLoad{std::move(image), {}};
}

ImageLoad load_image_file(const std::filesystem::path& path, const ImageLimits& limits) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return fail("cannot read " + path.string() + ": " + error.message());
  if (size > kMaxImageFileBytes) return fail("the picture file is too large: " + path.string());
  std::ifstream file(path, std::ios::binary);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
    return fail("cannot read " + path.string());
  return load_image(bytes, limits);
}

}  // namespace desktop
