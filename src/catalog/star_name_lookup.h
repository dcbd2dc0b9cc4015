// Star names of Orvenna's western sky culture by Hipparcos number.
#pragma once

#include <string>

// Fills name from the first line of star_names.fab whose number matches. False with the name
// emptied when none does; false with it untouched when the file cannot be opened (reported).
bool LookupStarNameByHip(unsigned hip, std::wstring& name);
