// Reading back what Orvenna's scripts wrote into output.txt, an ini file of sections and keys.
#pragma once

#include <string>
#include <string_view>

// False when output.txt cannot be read (out unchanged). Otherwise out gets the key's value when
// the section exists (empty for a key it lacks) and stays as it was when it does not.
bool ReadPlanetariumOutput(std::wstring_view section, std::wstring_view key, std::wstring& out);
