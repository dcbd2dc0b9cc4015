// The script that brings Orvenna to the console's start state, built from the settings of
// config.ini, OCconfig.ini and the registry. The reset at start-up and the header of every
// recording share most of it; each has its own order and timings.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win/time_api.h"

enum class StartStateScriptUse { Reset, RecordingHeader };

struct StartStateValues {
  bool atmosphere = true;
  bool fog = true;
  bool milkyWay = true;
  int absoluteMagnitude = 100;
  int relativeMagnitude = 110;
  // Three decimal texts; none gives white.
  std::optional<std::array<std::wstring, 3>> boundariesColor;
  std::wstring dateStatement;
  // A folder of Orvenna's sky cultures; "western" or blank for the western one.
  std::wstring skyCulture;
  std::wstring ground;
  std::wstring home;
  int fieldOfView = 180;
  int initialAzimuth = 270;
  int fadingDuration = 4;
  bool meteorPlugin = false;
  bool moonScale = false;
  bool showStarNames = true;
  // Config.ini's fog switch turns the planets' labels on or off first; the reset's only.
  std::optional<bool> planetLabelsByFog;
};

std::wstring BuildStartStateScript(const StartStateValues& values, StartStateScriptUse use);

// Settles the view about a second after the reset should have ended.
std::wstring ZoomOutResetScript(int fieldOfView, int initialAzimuth);

// Blank counts as western, so that no script ever names an empty culture.
bool IsWesternSkyCulture(std::wstring_view culture);

// core.setDate for the start date ("today" or year/month/day) and time ("now" or H:MM[:SS])
// at the local time now. A time that is none of these becomes 12:00:00; a date that is not a
// calendar date counts as today.
std::wstring StartDateStatement(std::wstring_view date, std::wstring_view time, const SYSTEMTIME& now);
