// Orvenna's user folder, where it keeps its config.ini and runs scripts from, and where the
// console keeps its own files beside them.
#pragma once

#include <string>
#include <string_view>

// The APPDATA value followed by "\Orvenna\", read anew at every call.
std::wstring PlanetariumUserFolder();
std::wstring PlanetariumUserFile(std::wstring_view name);
