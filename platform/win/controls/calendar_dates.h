// Days of the Gregorian calendar as a month calendar steps through them: a date, days and months
// added to it, and the six weeks a month's page shows.
#pragma once

#include <compare>

#include "platform/win/win_types.h"

namespace controls {

struct CalendarDate {
  int year = 1601;
  int month = 1;
  int day = 1;

  auto operator<=>(const CalendarDate&) const = default;
};

// The dates a calendar shows: 1 January 1601 to 31 December 9999.
inline constexpr CalendarDate kFirstCalendarDate{1601, 1, 1};
inline constexpr CalendarDate kLastCalendarDate{9999, 12, 31};

bool is_calendar_date(const SYSTEMTIME& time);
CalendarDate date_of(const SYSTEMTIME& time);
// The date at midnight, its day of the week filled.
SYSTEMTIME system_time_of(const CalendarDate& date);

// Days count from 1 January 1601.
long long day_serial(const CalendarDate& date);
CalendarDate date_of_serial(long long serial);
CalendarDate add_days(const CalendarDate& date, long long days);
// The same day months later, or the month's last day when it is shorter.
CalendarDate add_months(const CalendarDate& date, int months);
// Kept within the first and last dates a calendar shows.
CalendarDate within_calendar(const CalendarDate& date);

// The first of the 42 days a month's page shows, in weeks that begin on first_weekday (0 Sunday
// to 6 Saturday): the page always opens with at least one day of the month before.
CalendarDate first_shown_day(int year, int month, int first_weekday);

}  // namespace controls
