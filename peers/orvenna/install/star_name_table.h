// Named stars of the western sky culture with their Hipparcos numbers and where they stand
// (J2000, to about a minute of arc).
#pragma once

#include <span>
#include <string_view>

namespace orvenna {

struct StarNameEntry {
  unsigned hip;
  std::string_view name;
  double ra_hours;
  double dec_degrees;
};

std::span<const StarNameEntry> western_star_names();

}  // namespace orvenna
