#include "src/util/calendar.h"

#include <array>
#include <cstdint>
#include <limits>

namespace {

constexpr std::array<int, 12> MonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Days from 1 January of year 1 (proleptic Gregorian) to 15 October 1582.
constexpr std::int64_t DaysBeforeReform = 577735;
constexpr std::int64_t DaysIn400Years = 146097;
constexpr std::int64_t DaysIn100Years = 36524;
constexpr std::int64_t DaysIn4Years = 1461;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
  return a - b * FloorDiv(a, b);
}

bool FitsDayNumber(std::int64_t n) {
  return n > InvalidDayNumber && n <= std::numeric_limits<DayNumber>::max();
}

}  // namespace

bool IsGregorianLeapYear(std::int32_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(std::int32_t year, int month) {
  return month == 2 && IsGregorianLeapYear(year) ? 29 : MonthLengths[month - 1];
}

int DayOfYear(std::int32_t year, int month, int day) {
  int k = IsGregorianLeapYear(year) ? 1 : 2;
  return 275 * month / 9 - k * ((month + 9) / 12) + day - 30;
}

CalendarDate DayNumberToDate(DayNumber n) {
  std::int64_t h = std::int64_t{n} + DaysBeforeReform;
  std::int64_t cycles = FloorDiv(h, DaysIn400Years);
  std::int64_t year = 400 * cycles;
  h -= DaysIn400Years * cycles;
  if (h > 0) {
    year += 100 * (h / DaysIn100Years);
    std::int64_t r = h % DaysIn100Years;
    if (r > 0) {
      year += 4 * (r / DaysIn4Years);
      h = r % DaysIn4Years;
      for (int i = 0; i < 3 && h > 365; ++i) {
        h -= 365;
        ++year;
      }
      ++year;
      ++h;
    } else {
      // The last day of a century: 31 December, found by the month walk below.
      h = 366;
    }
  } else {
    ++year;
    h = 1;
  }
  int month = 1;
  while (month <= 12 && h > DaysInMonth(static_cast<std::int32_t>(year), month)) {
    h -= DaysInMonth(static_cast<std::int32_t>(year), month);
    ++month;
  }
  if (month > 12) {
    ++year;
    month = 1;
  }
  CalendarDate date;
  date.year = static_cast<std::int32_t>(year);
  date.month = static_cast<std::int16_t>(month);
  date.day = static_cast<std::int16_t>(h);
  date.weekday = static_cast<std::int32_t>(FloorMod(std::int64_t{n} + 12, 7)) + 1;
  date.dayOfYear = static_cast<std::int16_t>(DayOfYear(date.year, month, date.day));
  return date;
}

bool DateToDayNumber(int month, std::int32_t year, int day, DayNumber& out) {
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
  std::int64_t y = year;
  std::int64_t n = 365 * y + FloorDiv(y - 1, 400) + FloorDiv(y - 1, 4) - FloorDiv(y - 1, 100) - 365;
  for (int m = 1; m < month; ++m)
    n += DaysInMonth(year, m);
  n += day - (DaysBeforeReform + 1);
  if (!FitsDayNumber(n)) return false;
  out = static_cast<DayNumber>(n);
  return true;
}

DayNumber DateFromParts(int month, int day, std::int32_t year, DayNumber& out) {
  if (!DateToDayNumber(month, year, day, out)) out = InvalidDayNumber;
  return out;
}

DayNumber AddMonthsToDayNumber(DayNumber& n, int months) {
  if (n == InvalidDayNumber) return n;
  CalendarDate date = DayNumberToDate(n);
  std::int64_t year = date.year;
  std::int64_t month = std::int64_t{date.month} + months;
  if (month < 1 || month > 12) {
    year += month / 12;
    month %= 12;
    if (month < 1) {
      --year;
      month += 12;
    }
  }
  if (year < std::numeric_limits<std::int32_t>::min() || year > std::numeric_limits<std::int32_t>::max()) {
    n = InvalidDayNumber;
    return n;
  }
  auto newYear = static_cast<std::int32_t>(year);
  int newMonth = static_cast<int>(month);
  int day = date.day < DaysInMonth(newYear, newMonth) ? date.day : DaysInMonth(newYear, newMonth);
  DayNumber result = InvalidDayNumber;
  n = DateToDayNumber(newMonth, newYear, day, result) ? result : InvalidDayNumber;
  return n;
}

DayNumber AddYearsToDayNumber(int years, DayNumber& n) {
  std::int64_t months = std::int64_t{years} * 12;
  if (months < std::numeric_limits<int>::min() || months > std::numeric_limits<int>::max()) {
    n = InvalidDayNumber;
    return n;
  }
  return AddMonthsToDayNumber(n, static_cast<int>(months));
}
