// Real places for the place list: cities, capitals first, and observatories.
#pragma once

#include <span>
#include <string_view>

namespace orvenna {

struct PlaceEntry {
  std::string_view name;  // UTF-8
  std::string_view region;
  std::string_view country;
  char role;  // 'C' capital, 'B' other city, 'O' observatory, 'N' a place in nature
  std::string_view time_zone;
  double latitude;   // degrees, north positive
  double longitude;  // degrees, east positive
  int altitude;      // metres
};

std::span<const PlaceEntry> known_places();

}  // namespace orvenna
