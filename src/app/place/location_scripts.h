// The scripts that move Orvenna's observer: to a pole or the equator of a chosen body, back to
// the home place, and onto the surface of the selected body; with the bodies' names and labels.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/win/win_types.h"

inline constexpr UINT NorthPoleCommand = 1101;
inline constexpr UINT SouthPoleCommand = 1102;
inline constexpr UINT EquatorCommand = 1103;

// A body of the pole chooser, by its index there: label 0 means the fixed label text.
struct PoleBody {
  const wchar_t* englishName;
  const wchar_t* landscape;  // empty: the ground is left as it is
  UINT label;
};

inline constexpr std::array<PoleBody, 12> PoleBodies{{
    {L"Mercury", L"Moon", 3040},
    {L"Venus", L"Moon", 3030},
    {L"Earth", L"", 3000},
    {L"Mars", L"Mars", 3010},
    {L"Jupiter", L"Jupiter", 3050},
    {L"Saturn", L"Saturn", 3060},
    {L"Uranus", L"Uranus", 3070},
    {L"Neptune", L"Neptune", 3080},
    {L"Pluto", L"Moon", 3100},
    {L"Moon", L"Moon", 3020},
    {L"Sun", L"", 3090},
    {L"Vesta", L"Moon", 0},
}};
inline constexpr int PoleEarthIndex = 2;
inline constexpr wchar_t VestaLabel[] = L"Vesta";

// A planet button's body as the from-here button lands on it.
struct FromHereBody {
  const wchar_t* englishName;
  // The statements after the air and fog are switched off; null for the Earth, which keeps both.
  const wchar_t* ground;
  UINT label;
  // Landing on it switches the air off, so the atmosphere button shows its plain caption again.
  bool resetsAtmosphereButton;
};

inline constexpr std::array<FromHereBody, 11> FromHereBodies{{
    {L"Pluto", L"", 3100, false},
    {L"Earth", nullptr, 3000, false},
    {L"Mars", L"LandscapeMgr.setCurrentLandscapeName(\"Mars\");\r", 3010, false},
    {L"Moon", L"LandscapeMgr.setCurrentLandscapeName(\"Moon\");\r", 3020, true},
    {L"Venus", L"LandscapeMgr.setCurrentLandscapeName(\"Moon\");\r", 3030, true},
    {L"Mercury", L"LandscapeMgr.setCurrentLandscapeName(\"Moon\");\r", 3040, true},
    {L"Jupiter", L"LandscapeMgr.setCurrentLandscapeName(\"Jupiter\",false);\r", 3050, true},
    {L"Saturn", L"LandscapeMgr.setCurrentLandscapeName(\"Saturn\",false);\r", 3060, true},
    {L"Uranus", L"LandscapeMgr.setCurrentLandscapeName(\"Uranus\",false);\r", 3070, true},
    {L"Neptune", L"LandscapeMgr.setCurrentLandscapeName(\"Neptune\",false);\r", 3080, true},
    {L"Sun", L"LandscapeMgr.setCurrentLandscapeName(\"Saturn\",false);\r", 3090, true},
}};

// The location label after a return home, by interface language.
inline constexpr std::array<const wchar_t*, 6> HomeEarthNames{L"Earth",  L"Terra",      L"la Terre",
                                                              L"Tierra", L"D\u00fcnya", L"\u5730\u7403"};

// The pole chooser's body, or none for an index it does not have.
const PoleBody* FindPoleBody(int index);
// The planet button's body, or none for a code no button has.
const FromHereBody* FindFromHereBody(int code);

// OCconfig.ini's switch that leaves the ground and the air alone at a pole or at home.
bool ReadKeepGround();

// The pole or equator move (by its command) onto that body; ground is the default landscape.
std::wstring PoleScript(UINT command, const PoleBody& body, bool keepGround, const std::wstring& ground);
// The way back to the home place, from the Earth or any other body.
std::wstring HomePlaceScript(bool keepGround, const std::wstring& ground, const std::wstring& home);

struct TimedScript {
  std::wstring text;
  int seconds = 0;
};
// Onto the body's surface; the Earth ends at the home place.
TimedScript FromHereScript(const FromHereBody& body, int fadingDuration, const std::wstring& ground,
                           const std::wstring& home);
