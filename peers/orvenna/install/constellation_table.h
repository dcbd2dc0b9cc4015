// The 88 constellations of the western sky, by their abbreviations, Latin and English names.
#pragma once

#include <span>
#include <string_view>

namespace orvenna {

struct ConstellationEntry {
  std::string_view abbreviation;
  std::string_view latin;
  std::string_view english;
};

std::span<const ConstellationEntry> western_constellations();

}  // namespace orvenna
