// Day numbers: days in the proleptic Gregorian calendar counted from 15 October 1582, so
// that the presenter can enter, check and step dates of any year.
#pragma once

#include <cstdint>

using DayNumber = std::int32_t;

inline constexpr DayNumber InvalidDayNumber = INT32_MIN;
// Callers refuse larger numbers, and the ten days that the Gregorian reform skipped.
inline constexpr DayNumber LargestUsableDayNumber = 2146905911;
inline constexpr DayNumber FirstSkippedReformDay = -10;
inline constexpr DayNumber LastSkippedReformDay = -1;

struct CalendarDate {
  std::int32_t year = 0;
  std::int16_t month = 0;      // 1 to 12
  std::int16_t day = 0;        // 1 to 31
  std::int32_t weekday = 0;    // 1 Sunday to 7 Saturday
  std::int16_t dayOfYear = 0;  // 1 to 366
};

bool IsGregorianLeapYear(std::int32_t year);
int DaysInMonth(std::int32_t year, int month);
int DayOfYear(std::int32_t year, int month, int day);
CalendarDate DayNumberToDate(DayNumber n);
// True and out set when the date exists (a month or day below 1 does not).
bool DateToDayNumber(int month, std::int32_t year, int day, DayNumber& out);
// The day number, or InvalidDayNumber for a date that does not exist; also stored in out.
DayNumber DateFromParts(int month, int day, std::int32_t year, DayNumber& out);
// Steps by whole months, keeping the day within the new month; out of range gives invalid.
DayNumber AddMonthsToDayNumber(DayNumber& n, int months);
DayNumber AddYearsToDayNumber(int years, DayNumber& n);
