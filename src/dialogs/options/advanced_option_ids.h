// The controls of the advanced options' template, and how its spin buttons step their numbers.
#pragma once

#include <array>

namespace advanced_option_ids {

inline constexpr int SaveButton = 105;
inline constexpr int CancelButton = 11096;
inline constexpr int StartAtmoCheck = 1707;
inline constexpr int StartFogCheck = 1708;
inline constexpr int StartMilkyWayCheck = 1709;
inline constexpr int PoleMoveOnlyRadio = 1999;
inline constexpr int PoleWithAtmosphereRadio = 2008;
inline constexpr int FadingField = 19300;
inline constexpr int FadingSpin = 19301;
inline constexpr int SystemDateRadio = 1704;
inline constexpr int ChosenDateRadio = 1705;
inline constexpr int StartDateCalendar = 1706;
inline constexpr int SystemTimeRadio = 1710;
inline constexpr int ChosenTimeRadio = 1711;
inline constexpr int StartTimePicker = 1081;
inline constexpr int TestStartDateButton = 1995;
inline constexpr int AbsoluteScaleSlider = 1336;
inline constexpr int RelativeScaleSlider = 1337;
inline constexpr int StarNamesCheck = 1136;
inline constexpr int ApplyStarsButton = 1338;
inline constexpr int LatinNamesRadio = 1028;
inline constexpr int OwnLanguageRadio = 1029;
inline constexpr int SkyCultureList = 563;
inline constexpr int FlybyBodyList = 571;
inline constexpr int FlybyMinutesField = 568;
inline constexpr int FlybySecondsField = 569;
inline constexpr int FlybyMinutesSpin = 1118;
inline constexpr int FlybySecondsSpin = 1119;
inline constexpr int ResetAfterFlybyRadio = 19303;
inline constexpr int NothingAfterFlybyRadio = 19304;
inline constexpr int LandAfterFlybyRadio = 19305;
inline constexpr int MoonScaleCheck = 5112;
inline constexpr int ZoomSpeedField = 5110;
inline constexpr int ZoomSpeedSpin = 5109;
inline constexpr int SkyLanguageList = 513;
inline constexpr int BoundariesPicker = 1339;
inline constexpr int ApplyBoundariesButton = 1408;
inline constexpr int TestBoundariesButton = 1409;
inline constexpr int AzimuthField = 29308;
inline constexpr int AzimuthSpin = 29309;
inline constexpr int EmergencyImageButton = 29311;
inline constexpr int TransparencyField = 29313;
inline constexpr int TransparencySpin = 29314;
inline constexpr int WmpRadio = 41133;
inline constexpr int MpvRadio = 41135;

enum class SpinValue { FlybyMinutes, FlybySeconds, ZoomSpeed, Azimuth, Fading, Transparency };

// A spin's number: its step, its limits, and whether it wraps round past them or stops there.
struct SpinRule {
  int spin;
  int field;
  SpinValue value;
  int step;
  int low;
  int high;
  bool wraps;
  const wchar_t* format;
};
inline constexpr std::array<SpinRule, 6> SpinRules{{
    {FlybyMinutesSpin, FlybyMinutesField, SpinValue::FlybyMinutes, 1, 1, 15, false, L"%2d"},
    {FlybySecondsSpin, FlybySecondsField, SpinValue::FlybySeconds, 1, 0, 59, true, L"%2d"},
    {ZoomSpeedSpin, ZoomSpeedField, SpinValue::ZoomSpeed, 1, 1, 30, false, L"%2d"},
    {AzimuthSpin, AzimuthField, SpinValue::Azimuth, 5, 0, 355, true, L"%3d"},
    {FadingSpin, FadingField, SpinValue::Fading, 1, 1, 10, false, L"%2d"},
    {TransparencySpin, TransparencyField, SpinValue::Transparency, 1, 1, 255, true, L"%3d"},
}};

// One click of the up (direction 1) or down (-1) arrow.
constexpr int StepSpinValue(const SpinRule& rule, int value, int direction) {
  const int stepped = value + direction * rule.step;
  if (stepped > rule.high) return rule.wraps ? rule.low : rule.high;
  if (stepped < rule.low) return rule.wraps ? rule.high : rule.low;
  return stepped;
}

}  // namespace advanced_option_ids
