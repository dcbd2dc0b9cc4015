#include "platform/win/controls/calendar_dates.h"

#include <algorithm>

#include "platform/win/controls/date_time_fields.h"

namespace controls {

namespace {

constexpr int kDaysInWeek = 7;

// Days from 1 March of year 0 in the proleptic Gregorian calendar, and back.
long long days_from_civil(int year, int month, int day) {
  const long long y = month <= 2 ? year - 1 : year;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long year_of_era = y - era * 400;
  const long long day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long long day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era;
}

CalendarDate civil_from_days(long long days) {
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long day_of_era = days - era * 146097;
  const long long year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const long long day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const long long shifted_month = (5 * day_of_year + 2) / 153;
  const int day = static_cast<int>(day_of_year - (153 * shifted_month + 2) / 5 + 1);
  const int month = static_cast<int>(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
  const int year = static_cast<int>(year_of_era + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

const long long kSerialOrigin = days_from_civil(1601, 1, 1);

}  // namespace

bool is_calendar_date(const SYSTEMTIME& time) {
  if (time.wMonth < 1 || time.wMonth > 12 || time.wDay < 1) return false;
  if (time.wDay > days_in_month(time.wYear, time.wMonth)) return false;
  const CalendarDate date = date_of(time);
  return date >= kFirstCalendarDate && date <= kLastCalendarDate;
}

CalendarDate date_of(const SYSTEMTIME& time) {
  return {time.wYear, time.wMonth, time.wDay};
}

SYSTEMTIME system_time_of(const CalendarDate& date) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(date.year);
  time.wMonth = static_cast<WORD>(date.month);
  time.wDay = static_cast<WORD>(date.day);
  time.wDayOfWeek = static_cast<WORD>(day_of_week(date.year, date.month, date.day));
  return time;
}

long long day_serial(const CalendarDate& date) {
  return days_from_civil(date.year, date.month, date.day) - kSerialOrigin;
}

CalendarDate date_of_serial(long long serial) {
  return civil_from_days(serial + kSerialOrigin);
}

CalendarDate add_days(const CalendarDate& date, long long days) {
  return date_of_serial(day_serial(date) + days);
}

CalendarDate add_months(const CalendarDate& date, int months) {
  const int index = date.year * 12 + (date.month - 1) + months;
  const int year = index / 12;
  const int month = index % 12 + 1;
  return {year, month, std::min(date.day, days_in_month(year, month))};
}

CalendarDate within_calendar(const CalendarDate& date) {
  return std::clamp(date, kFirstCalendarDate, kLastCalendarDate);
}

CalendarDate first_shown_day(int year, int month, int first_weekday) {
  const int weekday_of_first = day_of_week(year, month, 1);
  const int before = (weekday_of_first - first_weekday + kDaysInWeek) % kDaysInWeek;
  return add_days({year, month, 1}, -(before == 0 ? kDaysInWeek : before));
}

}  // namespace controls
