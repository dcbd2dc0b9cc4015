// Small pictures drawn for the install folder, each the same for the same name: a nebula's
// glow among stars, a constellation figure, a landscape's horizon.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/desktop/image.h"

namespace orvenna {

desktop::Image nebula_thumbnail(std::string_view title);
desktop::Image constellation_figure(std::string_view name);
// A panorama whose sky is transparent above a ground of that colour.
desktop::Image horizon_panorama(std::string_view name, std::uint32_t ground_colour);

}  // namespace orvenna
