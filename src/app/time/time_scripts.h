// The script texts of the time buttons, and the check of a date and time typed on the keypad.
#pragma once

#include <optional>
#include <string>

#include "platform/win/win_types.h"

// Orvenna's key that sets its rate to 0, which the normal rate and the speed buttons press first.
inline constexpr wchar_t PauseKeyCharacter = L'7';
inline constexpr wchar_t NormalRateScript[] = L"core.setTimeRate(1);\r";

inline constexpr UINT FirstSeasonId = 1137;
inline constexpr UINT LastSeasonId = 1140;

// Moves Orvenna's date to the season's day of its current year, keeping the time of day.
std::wstring SeasonDateScript(UINT commandId);
// Shows Orvenna's date and universal time on its screen for five seconds.
std::wstring ShowDateTimeScript();
// Orvenna's date set to that local time, as the recorder keeps the Now button.
std::wstring LocalNowScript(const SYSTEMTIME& now);

struct EnteredDateTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
  std::wstring date;
};
// The keypad's date and time when both are real: hours up to 24, minutes and seconds up to 60,
// and a date that exists and that the Gregorian reform did not skip.
std::optional<EnteredDateTime> CheckEnteredDateTime(const std::wstring& date, const std::wstring& time);
// A "year/month/day" text of a date that exists and that the Gregorian reform did not skip.
bool IsRealDate(const std::wstring& date);
// Sets Orvenna's date and time and the normal rate; local time only when asked for.
std::wstring SetDateScript(const EnteredDateTime& entered, bool local);
