// The stick figures of the best-known western constellations, drawn between their named stars.
#pragma once

#include <span>
#include <string_view>

namespace orvenna {

struct FigureEntry {
  std::string_view abbreviation;
  // Hipparcos numbers in pairs, one pair a line of the figure.
  std::span<const unsigned> lines;
};

std::span<const FigureEntry> western_figures();

}  // namespace orvenna
