#include "tests/platform/desktop_fixture.h"

namespace {

desktop::DesktopConfig at_utc(std::int64_t unix_seconds) {
  desktop::DesktopConfig config;
  config.start_unix_ms = unix_seconds * 1000;
  return config;
}

class TimeTest : public ::testing::Test {
 protected:
  void start(std::int64_t unix_seconds) {
    machine = std::make_unique<desktop::Desktop>(at_utc(unix_seconds));
    machine->attach(L"harness.exe");
  }
  ~TimeTest() override {
    if (machine) machine->detach();
  }
  std::unique_ptr<desktop::Desktop> machine;
};

TEST_F(TimeTest, LocalTimeFollowsTheZoneAndItsSummerTime) {
  struct Case {
    std::int64_t unix_seconds;
    WORD hour;
    WORD minute;
    int daylight;
  };
  // 2026: summer time from 29 March 01:00 UTC to 25 October 01:00 UTC in central Europe.
  for (Case c : {Case{1767268800, 13, 0, 0}, Case{1774745999, 1, 59, 0}, Case{1774746000, 3, 0, 1},
                 Case{1782907200, 14, 0, 1}, Case{1792889999, 2, 59, 1}, Case{1792890000, 2, 0, 0}}) {
    start(c.unix_seconds);
    SYSTEMTIME local;
    GetLocalTime(&local);
    EXPECT_EQ(local.wHour, c.hour) << c.unix_seconds;
    EXPECT_EQ(local.wMinute, c.minute) << c.unix_seconds;
    std::tm parts{};
    __time64_t now = _time64(nullptr);
    EXPECT_EQ(now, c.unix_seconds);
    ASSERT_EQ(_localtime64_s(&parts, &now), 0);
    EXPECT_EQ(parts.tm_hour, c.hour);
    EXPECT_EQ(parts.tm_isdst, c.daylight);
    EXPECT_EQ(_mktime64(&parts), now) << c.unix_seconds;
    machine->detach();
  }
}

TEST_F(TimeTest, ClockAdvancesOnlyWithTheDesktop) {
  start(1767268800);
  DWORD before = GetTickCount();
  SYSTEMTIME utc;
  GetSystemTime(&utc);
  EXPECT_EQ(utc.wYear, 2026);
  EXPECT_EQ(utc.wMonth, 1);
  EXPECT_EQ(utc.wDay, 1);
  EXPECT_EQ(utc.wDayOfWeek, 4);  // a Thursday
  EXPECT_EQ(utc.wHour, 12);
  Sleep(90'500);
  EXPECT_EQ(GetTickCount() - before, 90'500u);
  GetSystemTime(&utc);
  EXPECT_EQ(utc.wMinute, 1);
  EXPECT_EQ(utc.wSecond, 30);
  EXPECT_EQ(utc.wMilliseconds, 500);
}

TEST_F(TimeTest, FileTimesRoundTripAndRefuseBadDates) {
  start(1767268800);
  SYSTEMTIME in{2024, 2, 0, 29, 23, 59, 58, 123};
  FILETIME file;
  ASSERT_TRUE(SystemTimeToFileTime(&in, &file));
  SYSTEMTIME out;
  ASSERT_TRUE(FileTimeToSystemTime(&file, &out));
  EXPECT_EQ(out.wYear, 2024);
  EXPECT_EQ(out.wDay, 29);
  EXPECT_EQ(out.wDayOfWeek, 4);
  EXPECT_EQ(out.wMilliseconds, 123);

  for (SYSTEMTIME bad : {SYSTEMTIME{2023, 2, 0, 29, 0, 0, 0, 0}, SYSTEMTIME{2024, 13, 0, 1, 0, 0, 0, 0},
                         SYSTEMTIME{1600, 1, 0, 1, 0, 0, 0, 0}, SYSTEMTIME{2024, 1, 0, 1, 24, 0, 0, 0}}) {
    SetLastError(0);
    EXPECT_FALSE(SystemTimeToFileTime(&bad, &file));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  }

  SYSTEMTIME epoch{1601, 1, 0, 1, 0, 0, 0, 0};
  ASSERT_TRUE(SystemTimeToFileTime(&epoch, &file));
  EXPECT_EQ(file.dwLowDateTime, 0u);
  EXPECT_EQ(file.dwHighDateTime, 0u);
}

TEST_F(TimeTest, LocalFileTimeUsesTheBiasInForceNow) {
  start(1782907200);  // July: summer time, UTC+2
  SYSTEMTIME winter{2026, 1, 0, 15, 12, 0, 0, 0};
  FILETIME utc, local;
  SystemTimeToFileTime(&winter, &utc);
  FileTimeToLocalFileTime(&utc, &local);
  SYSTEMTIME shown;
  FileTimeToSystemTime(&local, &shown);
  EXPECT_EQ(shown.wHour, 14);
  TIME_ZONE_INFORMATION zone;
  EXPECT_EQ(GetTimeZoneInformation(&zone), TIME_ZONE_ID_DAYLIGHT);
  EXPECT_EQ(zone.Bias, -60);
  EXPECT_EQ(zone.DaylightBias, -60);
}

TEST_F(TimeTest, NegativeTimesAreRefused) {
  start(1767268800);
  std::tm parts{};
  __time64_t before_1970 = -1;
  EXPECT_EQ(_localtime64_s(&parts, &before_1970), EINVAL);
  EXPECT_EQ(_gmtime64_s(nullptr, &before_1970), EINVAL);
}

}  // namespace
