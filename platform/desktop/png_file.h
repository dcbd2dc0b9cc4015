// Writing 32-bit pixels as PNG, the same bytes for the same pixels.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/desktop/image.h"

namespace desktop {

// The file's bytes, or why there are none.
struct PngEncoding {
  std::optional<std::vector<std::uint8_t>> bytes;
  std::string failure;

  explicit operator bool() const { return bytes.has_value(); }
};

struct PngWrite {
  bool written = false;
  std::string failure;

  explicit operator bool() const { return written; }
};

// Pixels are 0xAARRGGBB in top-down rows; without alpha the file is RGB and the alpha bytes
// are not kept (a screen's pixels carry no meaningful alpha).
[[nodiscard]] PngEncoding encode_png(int width, int height, std::span<const std::uint32_t> pixels,
                                     bool with_alpha, const ImageLimits& limits = {});
[[nodiscard]] PngEncoding encode_png(const Image& image, const ImageLimits& limits = {});

[[nodiscard]] PngWrite write_png(const Image& image, const std::filesystem::path& path,
                                 const ImageLimits& limits = {});
[[nodiscard]] PngWrite write_png(int width, int height, std::span<const std::uint32_t> pixels,
                                 bool with_alpha, const std::filesystem::path& path,
                                 const ImageLimits& limits = {});

}  // namespace desktop
