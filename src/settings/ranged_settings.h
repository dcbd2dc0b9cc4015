// The registry's numbers that read back only within limits, each with its default: one table,
// read by one function.
#pragma once

#include <array>
#include <string>

#include "src/settings/settings_key.h"

enum class Ranged {
  FieldOfView,
  ShootingStarsFrequency,
  DisplayOpts,
  Speed,
  SpeedOptions,
  PlaybackWndSize,
  PlaybackFreqRefresh,
  PointerColor,
  StartupWait,
  MultimediaType,
  VideoWidth,
  VideoHeight,
  VideoXOffset,
  VideoYOffset,
  VideoVolume,
  VideoRotation,
  EventBody,
  EventPlanet,
};

struct RangedSetting {
  const wchar_t* name;  // the whole name, or the prefix of a slot's name
  int fallback;
  int low;
  int high;
};

// Stored DWORDs compare as signed numbers, so a colour or option word "above 0xFFFFFF" is out
// of range whichever way its top bit is set.
inline constexpr std::array<RangedSetting, 18> RangedSettings{{
    {L"FOV", 180, 140, 180},
    {L"Shooting Stars Frequency", 100, 0, 144000},
    {L"DisplayOpts", 3, 0, 15},
    {L"Speed", 1, 1, 12},
    {L"SpeedOptions", 0xFFFFFF, 0, 0xFFFFFF},
    {L"PlaybackWndSize", 70, 50, 90},
    {L"PlaybackFreqRefresh", 3, 1, 5},
    {L"PointerColor", 0x3232FF, 0, 0xFFFFFF},
    {L"OCStartup", 12, 4, 20},
    {L"MultimediaType", -1, -1, 3},
    {L"vWidth_", 100, 100, 3840},
    {L"vHeight_", 100, 100, 2160},
    {L"xOffset_", 0, -1, 1920},
    {L"yOffset_", 0, -1, 1200},
    {L"volume_", 100, 0, 100},
    {L"rotation_", 0, 0, 365},
    {L"DefPos_", 61, 0, 61},
    // The body list of the events has 62 entries; a stored index past it reads as the default.
    {L"planet_", 61, 0, 61},
}};

constexpr const RangedSetting& SettingOf(Ranged which) {
  return RangedSettings[static_cast<std::size_t>(which)];
}

constexpr int WithinLimits(Ranged which, int value) {
  const RangedSetting& setting = SettingOf(which);
  return value < setting.low || value > setting.high ? setting.fallback : value;
}

// The value's name, with the slot's number appended for the per-slot values.
std::wstring RangedName(Ranged which, int slotNumber);

// A missing value gives missingValue (the default unless the caller has a better one); a
// present one out of range gives the default.
int ReadRanged(const SettingsReader& reader, Ranged which, int slotNumber = -1);
int ReadRanged(const SettingsReader& reader, Ranged which, int slotNumber, int missingValue);
