// The console's data of solar-system bodies in Orvenna's user folder, solar_system.csv, by the
// body's English name. Members are named by what the planet buttons' information box shows.
#pragma once

#include <string>
#include <string_view>

struct SolarSystemBodyRecord {
  std::wstring meanDistanceKm;   // field 1
  double eccentricity = 0;       // field 5, not shown
  std::wstring diameterKm;       // field 2
  std::wstring orbitalPeriod;    // field 3
  std::wstring rotationPeriod;   // field 4
  std::wstring meanTemperature;  // field 6
  std::wstring surfaceGravity;   // field 7
  std::wstring escapeVelocity;   // field 8
  int knownMoons = 0;            // field 9
  std::wstring massE24Kg;        // field 11
  std::wstring diameterToEarth;  // field 10
};

// True, with the record filled, when a line's first field equals the name without regard to
// case.
bool LookupSolarSystemBody(std::wstring_view bodyName, SolarSystemBodyRecord& record);
