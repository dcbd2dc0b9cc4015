// The four programmable speed buttons' settings as the registry's "SpeedOptions" word packs them,
// and what each button shows and sends from them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/win/win_types.h"

inline constexpr int SpeedButtonCount = 4;
inline constexpr int FirstSpeedButtonId = 1106;
// Bit 0 of every button's group: the directions, all four flipped at once.
inline constexpr DWORD AllSpeedDirections = 0x41041;
inline constexpr DWORD SpeedOptionsMask = 0xFFFFFF;

// One button's six bits.
struct SpeedButtonSettings {
  bool forward = false;
  int dateStep = 0;  // 0 to 7, a row of DateSteps
  bool rateMode = false;
  bool sidereal = false;
};
// Button k (0 to 3) owns the six bits from bit 6 x (3 - k).
SpeedButtonSettings UnpackSpeedButton(DWORD options, int k);

// A date-mode button's step: its caption, the amount of one round and the wait between rounds.
struct DateStep {
  std::wstring_view caption;
  std::wstring_view amount;
  std::wstring_view roundWait;
  // The length of one round at replay, a little longer than the wait for Orvenna's own work.
  float roundSeconds;
};
inline constexpr std::array<DateStep, 8> DateSteps{{
    {L"1 day slow", L"1 days ", L"0.35", 0.34f},
    {L"1 day fast", L"1 days ", L"0.2", 0.206f},
    {L"1 week", L"1 weeks ", L"0.2", 0.206f},
    {L"1 year", L"365 days ", L"0.2", 0.206f},
    {L"10 years", L"3652 days ", L"0.2", 0.206f},
    {L"50 years", L"18262 days ", L"0.2", 0.206f},
    {L"100 years", L"36528 days ", L"0.2", 0.206f},
    {L"200 years", L"73010 days ", L"0.2", 0.206f},
}};

// The rounds a date-mode script loops at most; a recording replaces it with the rounds that ran.
inline constexpr std::wstring_view OpenEndedRounds = L"199999";

// "(+) " or "(-) ", then the rate steps, or the date step and " S" for sidereal days.
std::wstring SpeedButtonCaption(const SpeedButtonSettings& button, int rateSteps);
// The time rate that a rate-mode button's steps reach: 9.88 for every three, doubled for each
// one left over.
double RateOfSteps(int rateSteps);
// The date-mode button's looping script; sidereal days only while the Earth is selected.
std::wstring DateSteppingScript(const SpeedButtonSettings& button, bool earthSelected);
