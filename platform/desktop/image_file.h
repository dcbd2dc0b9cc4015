// Loading picture files (BMP, PNG, JPEG, GIF's first frame) into 32-bit pixels.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "platform/desktop/image.h"

namespace desktop {

// The picture, or why there is none.
struct ImageLoad {
  std::optional<Image> image;
  std::string failure;

  explicit operator bool() const { return image.has_value(); }
};

// Decodes a picture from its file's bytes. Missing, truncated, corrupt or oversized input
// fails with a reason; nothing here trusts the bytes.
[[nodiscard]] ImageLoad load_image(std::span<const std::uint8_t> bytes, const ImageLimits& limits = {});

// Reads a picture file of the host.
[[nodiscard]] ImageLoad load_image_file(const std::filesystem::path& path, const ImageLimits& limits = {});

}  // namespace desktop
