// Reading back what Orvenna's scripts wrote into output.txt, an ini file of sections and keys.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// output.txt holds a few short lines: a larger file is damaged and is not read.
inline constexpr std::size_t LargestPlanetariumOutput = 64 * 1024;

enum class PlanetariumOutputRead { Unreadable, Damaged, Read };

struct PlanetariumOutputKey {
  std::wstring_view key;
  std::wstring* value;
};

// Reads output.txt once. When it is read and the section exists, each key's value goes into
// its string (empty for a key the section lacks); otherwise the strings stay as they were.
PlanetariumOutputRead ReadPlanetariumOutput(std::wstring_view section,
                                            std::span<const PlanetariumOutputKey> keys);

// False when output.txt cannot be read or is damaged (out unchanged). Otherwise out gets the
// key's value when the section exists (empty for a key it lacks) and stays as it was when it
// does not.
bool ReadPlanetariumOutput(std::wstring_view section, std::wstring_view key, std::wstring& out);
