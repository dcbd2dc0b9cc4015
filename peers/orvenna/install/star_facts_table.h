// What the console's star catalogue says of the brightest named stars: where they belong, how
// far and how bright they are, and their spectra.
#pragma once

#include <span>
#include <string_view>

namespace orvenna {

struct StarFactsEntry {
  unsigned hip;
  std::string_view constellation;  // Latin name
  std::string_view bayer;          // ASCII designation, "alf CMa"
  double distance_pc;
  double apparent_magnitude;
  double absolute_magnitude;
  double colour_index;  // B-V
  std::string_view spectrum;
  std::string_view note;  // never empty: it is the line's last field
};

std::span<const StarFactsEntry> star_facts();

}  // namespace orvenna
