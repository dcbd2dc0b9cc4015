// Named stars of the western sky culture with their Hipparcos numbers.
#pragma once

#include <span>
#include <string_view>

namespace orvenna {

struct StarNameEntry {
  unsigned hip;
  std::string_view name;
};

std::span<const StarNameEntry> western_star_names();

}  // namespace orvenna
