// A time zone in the shape Windows keeps it: a bias, and optional daylight-saving rules.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win/win_types.h"

namespace desktop {

// A transition rule as in TIME_ZONE_INFORMATION: month, day of week, week of the month
// (5 is the last one), hour and minute. A month of 0 means no daylight saving.
struct TransitionRule {
  WORD month = 0;
  WORD day_of_week = 0;
  WORD week = 0;
  WORD hour = 0;
  WORD minute = 0;
};

struct TimeZone {
  LONG bias_minutes = 0;  // UTC = local + bias
  LONG daylight_bias_minutes = -60;
  TransitionRule to_daylight;
  TransitionRule to_standard;
  std::wstring standard_name = L"Coordinated Universal Time";
  std::wstring daylight_name = L"Coordinated Universal Time";

  bool has_daylight_saving() const { return to_daylight.month != 0 && to_standard.month != 0; }
};

// Central European time with the European Union's summer time.
TimeZone central_european_time();

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t days_from_civil(std::int64_t year, unsigned month, unsigned day);
void civil_from_days(std::int64_t days, std::int64_t& year, unsigned& month, unsigned& day);
unsigned weekday_from_days(std::int64_t days);  // 0 is Sunday

// Whether daylight saving is in force at a UTC instant, and the offset (UTC = local + bias).
bool is_daylight_at(const TimeZone& zone, std::int64_t unix_ms);
LONG bias_at(const TimeZone& zone, std::int64_t unix_ms);

// The UTC instant of a local time, taking daylight saving as in force at that local time.
std::int64_t local_to_unix_ms(const TimeZone& zone, std::int64_t local_ms);

}  // namespace desktop
