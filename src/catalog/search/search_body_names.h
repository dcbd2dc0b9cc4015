// The solar-system bodies that the search finds by name: moons, dwarf planets and asteroids.
// The planets, the Sun, the Moon and the comet have buttons of their own and are not in it.
#pragma once

#include <array>
#include <string_view>

inline constexpr std::size_t SearchBodyCount = 52;
// "Hydra" is Pluto's moon here; the constellation is found by its own row.
extern const std::array<std::wstring_view, SearchBodyCount> SearchBodyNames;
