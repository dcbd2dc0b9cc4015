// The landscapes the install folder holds: one folder each, with where the landscape stands.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace orvenna {

struct LandscapeEntry {
  std::string_view folder;  // lower case, as the folder is named
  std::string_view name;    // as the program shows it and scripts name it
  std::string_view planet;
  double latitude;              // degrees, north positive
  double longitude;             // degrees, east positive
  int altitude;                 // metres
  std::uint32_t ground_colour;  // 0xRRGGBB
};

std::span<const LandscapeEntry> installed_landscapes();

}  // namespace orvenna
