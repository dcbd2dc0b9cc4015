// The fly-by of a body: the bodies it can orbit, how each is viewed, and the script that takes the
// audience round it and, after it, stays, returns or lands on one of its moons.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/win/win_types.h"

enum class AfterFlyBy { Return = 1, LandOnMoon = 2, Stay = 3 };

struct FlyByBody {
  std::array<int, 2> codes;  // the selected-body codes that choose it: a planet button's, a list code
  const wchar_t* englishName;
  const wchar_t* viewingBody;  // the observer body of Orvenna's solar system it is seen from
  int longitude;
  int latitude;
  int zoom;
  int rate;
  UINT captionId;
  bool canLand;
};

inline constexpr std::size_t PlutoFlyBy = 5;
inline constexpr std::size_t MoonFlyBy = 10;
inline constexpr std::size_t EarthFlyBy = 0;

inline constexpr std::array<FlyByBody, 11> FlyByBodies{{
    {{1, 161}, L"Earth", L"OCEarth", 39, 90, 150, 100, 4780, true},
    {{2, 154}, L"Mars", L"Phobos", 70, 10, 150, 500, 4960, true},
    {{6, 138}, L"Jupiter", L"OCJupiter", 0, 90, 120, 100, 4820, true},
    {{7, 128}, L"Saturn", L"OCSaturn", 16, 90, 850, 100, 4770, true},
    {{8, 119}, L"Uranus", L"Miranda", -11, -102, 100, 4000, 4970, true},
    {{0, 102}, L"Pluto", L"OCcharon", 11, -93, 180, 4500, 5010, true},
    {{10, 158}, L"Sun", L"OCSun", 0, 90, 300, 100, 3820, false},
    {{9, 110}, L"Neptune", L"OCNeptune", 0, 90, 80, 100, 4760, true},
    {{4, 156}, L"Venus", L"OCVenus", 39, 90, 1600, 100, 4800, false},
    {{5, 159}, L"Mercury", L"OCMercury", 0, 90, 190, 100, 4810, false},
    {{3, 160}, L"Moon", L"OCMoon", 0, 90, 250, 100, 4890, false},
}};

// Where a fly-by lands: its moon, and the timer that names the moon when the view is there.
struct MoonLanding {
  std::size_t flyBy;
  const wchar_t* planet;
  const wchar_t* place;
  const wchar_t* moon;
  UINT_PTR timer;
};

// The row of the fly-by for a selected body; none for a body it cannot orbit.
std::optional<std::size_t> FindFlyBy(int bodyCode);
// The fly-by's moon; none for Uranus and the bodies it cannot land on.
const MoonLanding* FindMoonLanding(std::size_t flyBy);
// The body as the fly-by's status text names it, in that language.
std::wstring FlyByStatusName(std::size_t flyBy, unsigned language);

struct FlyByPlan {
  std::size_t flyBy = 0;
  int seconds = 60;
  AfterFlyBy after = AfterFlyBy::Stay;
  bool moonScale = false;
  std::wstring defaultGround;
  int initialAzimuth = 270;

  // Only a return, or a landing where the body has a moon, adds to the orbit's time.
  bool Lands() const { return after == AfterFlyBy::LandOnMoon && FlyByBodies[flyBy].canLand; }
  int Zoom() const;
  int Rate() const;
};

std::wstring BuildFlyByScript(const FlyByPlan& plan);
