// The names the sky holds from the start: bodies, constellations, stars, landscapes, cultures.
#pragma once

#include <span>
#include <string_view>

namespace orvenna {

std::span<const std::string_view> body_names();
std::span<const std::string_view> constellation_names();
std::span<const std::string_view> star_names();
std::span<const std::string_view> default_landscapes();
std::span<const std::string_view> default_sky_cultures();

}  // namespace orvenna
