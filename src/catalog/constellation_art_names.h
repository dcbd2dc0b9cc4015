// The constellations that Orvenna draws with art in the western sky culture.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The western sky culture's pictures by title, then the figures drawn without a picture of their
// own; "-" reads as a blank and "hydra" as "Hya". Without an install folder, the figures alone.
std::vector<std::wstring> ListConstellationArtNames(const std::wstring& installFolder);
// True when an entry equals the name without regard to case.
bool IsConstellationArtName(const std::vector<std::wstring>& artNames, std::wstring_view name);
