// The 62 bodies of the solar system that the console names, in a fixed order, in the six
// interface languages (0 English, 1 Italian, 2 French, 3 Spanish, 4 Turkish, 5 Chinese).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t SolarSystemBodyCount = 62;
inline constexpr std::size_t SolarSystemLanguages = 6;
using SolarSystemNameRow = std::array<std::wstring_view, SolarSystemLanguages>;

// Row i names body i; column 0 is the English name that Orvenna's scripts use.
extern const std::array<SolarSystemNameRow, SolarSystemBodyCount> SolarSystemNameTable;

// The English names in their order, as the main dialog's list holds them.
std::vector<std::wstring> SolarSystemEnglishNames();

// The body's name in that language, English for an unknown language; empty above index 61.
std::wstring_view SolarSystemBodyName(std::size_t index, unsigned language);
// In the interface language when localized, else the English name Orvenna's scripts expect.
std::wstring_view GetSolarSystemBodyName(std::size_t index, bool localized);
