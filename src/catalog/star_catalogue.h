// The console's star catalogue in Orvenna's user folder, stars_cat.csv, by Hipparcos number.
#pragma once

#include <string>

struct StarCatalogueRecord {
  std::wstring hip;
  std::wstring distancePc;
  std::wstring ra;
  std::wstring dec;
  std::wstring appMag;
  std::wstring absMag;
  std::wstring spectrum;
  std::wstring extra;
  double distanceLy = 0;
};

inline constexpr double LightYearsPerParsec = 3.26163344;

// True, with the record filled, when a line's Hipparcos number is the one asked for.
bool LookupStarByHip(int hip, StarCatalogueRecord& record);
