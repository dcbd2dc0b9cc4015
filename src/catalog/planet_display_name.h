// The display names of the selected body: the planet buttons' codes 0 to 10 and the list codes
// 100 + i of the solar-system list.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "platform/win/win_types.h"

inline constexpr int NoBodySelected = -1;
inline constexpr int FirstListCode = 100;

struct PlanetButtonBody {
  UINT displayNameId;     // the string table's base id, upper case
  std::size_t listIndex;  // the body's entry of the solar-system list
};
// By planet-button code: 0 Pluto, 1 Earth, 2 Mars, 3 Moon, 4 Venus, 5 Mercury, 6 Jupiter,
// 7 Saturn, 8 Uranus, 9 Neptune, 10 Sun.
inline constexpr std::array<PlanetButtonBody, 11> PlanetButtonBodies{{
    {3100, 2},
    {3000, 61},
    {3010, 54},
    {3020, 60},
    {3030, 56},
    {3040, 59},
    {3050, 38},
    {3060, 28},
    {3070, 19},
    {3080, 10},
    {3090, 58},
}};

// A planet-button body's name from the string table in that language, also by its list code;
// another list code gives the English list name; anything else the empty string.
std::wstring PlanetDisplayName(int code, unsigned language);
// The same in the interface language.
std::wstring GetPlanetDisplayName(int code);
