// PNG bytes of the generated pictures, kept for the life of the process: a name always gives
// the same picture, and tests install on many desktops, each with hundreds of pictures.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/image.h"

namespace orvenna {

using PngBytes = std::shared_ptr<const std::vector<std::uint8_t>>;

// The picture drawn and encoded at the first call for key; null when it cannot be encoded.
PngBytes cached_png(const std::string& key, const std::function<desktop::Image()>& draw);

}  // namespace orvenna
