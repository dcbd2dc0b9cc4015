// Sky cultures other than the western one, with their constellations' native and English
// names.
#pragma once

#include <span>
#include <string_view>

namespace orvenna {

struct CultureConstellation {
  std::string_view id;
  std::string_view native;
  std::string_view english;
};

struct SkyCultureEntry {
  std::string_view folder;
  std::string_view name;
  std::span<const CultureConstellation> constellations;
};

std::span<const SkyCultureEntry> other_sky_cultures();

}  // namespace orvenna
