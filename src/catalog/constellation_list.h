// The main dialog's constellations by Latin name, as the console passes them to Orvenna, each
// with the flag that it is selected in Orvenna's isolate-selected mode.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "src/catalog/constellation_name_rows.h"

inline constexpr std::uint8_t NoConstellation = 255;
// Orvenna knows Hydra by its abbreviation; "Hydra" alone is Pluto's moon in the search lists.
inline constexpr std::wstring_view HydraConstellationName = L"Hya";

// The Latin name the catalogues use for a constellation as Orvenna knows it ("Hydra" for "Hya");
// any other name as it is.
std::wstring_view CatalogueConstellationName(std::wstring_view orvennaName);

struct ConstellationList {
  std::array<std::wstring, WesternConstellationCount> names;
  std::array<std::uint8_t, WesternConstellationCount> isolated{};

  // The western constellations' Latin names, Hydra as "Hya", and every flag cleared.
  void Fill();
  // The first entry equal to the name without regard to case; NoConstellation when none is.
  std::uint8_t FindIndex(std::wstring_view name) const;
};
