#include "src/util/calendar.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono;

constexpr sys_days Reform = year{1582} / October / 15;

void ExpectSameAsCivil(sys_days day) {
  year_month_day ymd{day};
  auto expected = static_cast<DayNumber>((day - Reform).count());
  DayNumber n = InvalidDayNumber;
  ASSERT_TRUE(DateToDayNumber(static_cast<unsigned>(ymd.month()), static_cast<int>(ymd.year()),
                              static_cast<int>(static_cast<unsigned>(ymd.day())), n))
      << static_cast<int>(ymd.year());
  ASSERT_EQ(n, expected);
  CalendarDate date = DayNumberToDate(n);
  ASSERT_EQ(date.year, static_cast<int>(ymd.year())) << n;
  ASSERT_EQ(date.month, static_cast<int>(static_cast<unsigned>(ymd.month()))) << n;
  ASSERT_EQ(date.day, static_cast<int>(static_cast<unsigned>(ymd.day()))) << n;
  ASSERT_EQ(date.weekday, static_cast<int>(weekday{day}.c_encoding()) + 1) << n;
  ASSERT_EQ(date.dayOfYear, (day - sys_days{ymd.year() / January / 1}).count() + 1) << n;
}

// Against the standard library's civil calendar, both ways: every day of two 400-year cycles
// on each side of year 0 and of the reform, and a prime stride over the years the keypad
// and the standard library share.
TEST(CalendarTest, DayNumbersMatchTheCivilCalendar) {
  for (sys_days day = year{-800} / January / 1; day <= sys_days{year{800} / December / 31}; day += days{1})
    ASSERT_NO_FATAL_FAILURE(ExpectSameAsCivil(day));
  for (sys_days day = year{1200} / January / 1; day <= sys_days{year{2400} / December / 31}; day += days{1})
    ASSERT_NO_FATAL_FAILURE(ExpectSameAsCivil(day));
  for (sys_days day = year{-32767} / January / 1; day <= sys_days{year{32767} / December / 31};
       day += days{997})
    ASSERT_NO_FATAL_FAILURE(ExpectSameAsCivil(day));
}

TEST(CalendarTest, ReformDaysAndLeapYears) {
  CalendarDate reform = DayNumberToDate(0);
  EXPECT_EQ(reform.year, 1582);
  EXPECT_EQ(reform.month, 10);
  EXPECT_EQ(reform.day, 15);
  EXPECT_EQ(reform.weekday, 6);
  EXPECT_EQ(reform.dayOfYear, 288);

  struct Case {
    int month;
    int year;
    int day;
    bool valid;
    DayNumber n;
  };
  for (const Case& c :
       {Case{10, 1582, 5, true, -10}, Case{10, 1582, 14, true, -1}, Case{10, 1582, 15, true, 0},
        Case{2, 1900, 29, false, 0}, Case{2, 2000, 29, true, 152443}, Case{2, -4, 29, true, -579503},
        Case{0, 2000, 1, false, 0}, Case{-1, 2000, 1, false, 0}, Case{13, 2000, 1, false, 0},
        Case{1, 2000, 0, false, 0}, Case{4, 2000, 31, false, 0}}) {
    DayNumber n = 12345;
    EXPECT_EQ(DateToDayNumber(c.month, c.year, c.day, n), c.valid)
        << c.month << " " << c.year << " " << c.day;
    EXPECT_EQ(n, c.valid ? c.n : 12345) << c.month << " " << c.year << " " << c.day;
  }
  DayNumber out = 0;
  EXPECT_EQ(DateFromParts(0, 1, 2000, out), InvalidDayNumber);
  EXPECT_EQ(out, InvalidDayNumber);
  EXPECT_EQ(DateFromParts(10, 15, 1582, out), 0);
}

TEST(CalendarTest, TheLargestUsableDayAndBeyond) {
  CalendarDate last = DayNumberToDate(LargestUsableDayNumber);
  DayNumber back = 0;
  ASSERT_TRUE(DateToDayNumber(last.month, last.year, last.day, back));
  EXPECT_EQ(back, LargestUsableDayNumber);
  DayNumber far = 0;
  EXPECT_FALSE(DateToDayNumber(1, 2147483647, 1, far));
  EXPECT_FALSE(DateToDayNumber(1, -2147483647, 1, far));
}

DayNumber Day(int year, int month, int day) {
  DayNumber n = InvalidDayNumber;
  EXPECT_TRUE(DateToDayNumber(month, year, day, n));
  return n;
}

TEST(CalendarTest, StepsByMonthsAndYears) {
  struct Case {
    DayNumber from;
    int months;
    DayNumber to;
  };
  for (const Case& c :
       {Case{Day(2020, 1, 31), 1, Day(2020, 2, 29)}, Case{Day(2021, 1, 31), 1, Day(2021, 2, 28)},
        Case{Day(2021, 3, 15), -15, Day(2019, 12, 15)}, Case{Day(2021, 3, 15), -3, Day(2020, 12, 15)},
        Case{Day(2021, 3, 31), 21, Day(2022, 12, 31)}, Case{Day(2021, 3, 31), 22, Day(2023, 1, 31)},
        Case{Day(-1, 12, 31), 1, Day(0, 1, 31)}, Case{Day(2021, 5, 5), 0, Day(2021, 5, 5)}}) {
    DayNumber n = c.from;
    EXPECT_EQ(AddMonthsToDayNumber(n, c.months), c.to) << c.from << " + " << c.months;
    EXPECT_EQ(n, c.to);
  }
  DayNumber leap = Day(2020, 2, 29);
  EXPECT_EQ(AddYearsToDayNumber(1, leap), Day(2021, 2, 28));
  DayNumber invalid = InvalidDayNumber;
  EXPECT_EQ(AddMonthsToDayNumber(invalid, 1), InvalidDayNumber);
  DayNumber huge = LargestUsableDayNumber;
  EXPECT_EQ(AddYearsToDayNumber(2000000000, huge), InvalidDayNumber);
  EXPECT_EQ(DayNumberToDate(Day(2000, 12, 31)).dayOfYear, 366);
}

}  // namespace
