// The western constellations in the search's eight columns: Latin, English, Italian, French,
// Spanish, Turkish, Chinese characters and the Chinese transcription (pinyin without tone marks).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

inline constexpr std::size_t ConstellationNameColumns = 8;
using ConstellationNameRow = std::array<std::wstring_view, ConstellationNameColumns>;

inline constexpr std::size_t WesternConstellationCount = 89;

// The 88 constellations alphabetically by Latin name, then Argo Navis: row i is entry i of the
// main dialog's constellation list, except that Hydra is spelled out.
extern const std::array<ConstellationNameRow, WesternConstellationCount> WesternConstellationRows;
