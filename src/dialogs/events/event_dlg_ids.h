// The event editor's controls in its template, and the fields of its place.
#pragma once

#include <array>

namespace EventDlgIds {

inline constexpr int Save = 105;
inline constexpr int EventGroup = 107;
inline constexpr int Enabled = 1033;
inline constexpr int Date = 1038;
inline constexpr int Time = 1081;
inline constexpr int Comment = 1086;
inline constexpr int Memo = 1091;
inline constexpr int DateCaption = 1712;
inline constexpr int DateGroup = 1900;
inline constexpr int PlaceGroup = 1901;
inline constexpr int DateOnly = 1920;
inline constexpr int PlaceOnly = 1921;
inline constexpr int DateAndPlace = 1922;
inline constexpr int StandingBody = 1935;
inline constexpr int TargetBody = 1936;
inline constexpr int NorthPole = 4515;
inline constexpr int SouthPole = 4516;
inline constexpr int Equator = 4517;
inline constexpr int Atmosphere = 4519;
inline constexpr int Fog = 4520;
inline constexpr int AutoZoom = 4521;
inline constexpr int TargetIsBody = 4522;
inline constexpr int TargetIsName = 4523;
inline constexpr int TargetName = 4524;
inline constexpr int WantTarget = 4525;
inline constexpr int Landscape = 4526;
inline constexpr int CurrentPlace = 4554;
inline constexpr int PlaceCaption = 4556;
inline constexpr int MoonScale = 10037;
inline constexpr int FirstPlaceField = 1800;
inline constexpr int LastPlaceField = 1807;

inline constexpr unsigned DateRefusedMessage = 19030;

inline constexpr int KeyNormalBitmap = 1250;
inline constexpr int KeyActiveBitmap = 1251;
inline constexpr std::array<int, 7> Keys{Save, 2, NorthPole, SouthPole, Equator, CurrentPlace, Comment};

}  // namespace EventDlgIds

// Latitude's degrees, minutes, seconds and hemisphere, then the longitude's.
struct PlaceField {
  int id;
  int longest;
};
inline constexpr std::array<PlaceField, 8> PlaceFields{
    {{1800, 3}, {1801, 2}, {1802, 2}, {1803, 1}, {1804, 3}, {1805, 2}, {1806, 2}, {1807, 1}}};
