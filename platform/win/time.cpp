// The desktop's clock as Windows and its C runtime report it.
#include <cerrno>
#include <cwchar>

#include "platform/desktop/time_zone.h"
#include "platform/win/time_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;
constexpr std::int64_t kMsFrom1601To1970 = 11'644'473'600'000;
constexpr std::int64_t kTicksPerMs = 10'000;

desktop::Clock* clock_of_caller() {
  desktop::DesktopThread* self = win_internal::caller();
  return self ? &self->desktop().clock() : nullptr;
}

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

SYSTEMTIME system_time_of(std::int64_t ms) {
  std::int64_t days = floor_div(ms, kMsPerDay);
  std::int64_t in_day = ms - days * kMsPerDay;
  std::int64_t year;
  unsigned month, day;
  desktop::civil_from_days(days, year, month, day);
  return {static_cast<WORD>(year),
          static_cast<WORD>(month),
          static_cast<WORD>(desktop::weekday_from_days(days)),
          static_cast<WORD>(day),
          static_cast<WORD>(in_day / 3'600'000),
          static_cast<WORD>(in_day / 60'000 % 60),
          static_cast<WORD>(in_day / 1000 % 60),
          static_cast<WORD>(in_day % 1000)};
}

unsigned days_in_month(std::int64_t year, unsigned month) {
  static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

std::int64_t local_ms_at(const desktop::Clock& clock, std::int64_t unix_ms) {
  return unix_ms - desktop::bias_at(clock.zone(), unix_ms) * 60'000LL;
}

std::int64_t file_time_value(const FILETIME& time) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime);
}

FILETIME file_time_of(std::int64_t value) {
  return {static_cast<DWORD>(value & 0xFFFFFFFF),
          static_cast<DWORD>(static_cast<std::uint64_t>(value) >> 32)};
}

void fill_tm(std::tm* out, std::int64_t ms, bool daylight) {
  SYSTEMTIME parts = system_time_of(ms);
  std::int64_t days = floor_div(ms, kMsPerDay);
  out->tm_year = parts.wYear - 1900;
  out->tm_mon = parts.wMonth - 1;
  out->tm_mday = parts.wDay;
  out->tm_hour = parts.wHour;
  out->tm_min = parts.wMinute;
  out->tm_sec = parts.wSecond;
  out->tm_wday = parts.wDayOfWeek;
  out->tm_yday = static_cast<int>(days - desktop::days_from_civil(parts.wYear, 1, 1));
  out->tm_isdst = daylight ? 1 : 0;
}

void copy_name(WCHAR (&to)[32], const std::wstring& from) {
  win_internal::copy_truncated(from, to, 32);
}

SYSTEMTIME rule_as_system_time(const desktop::TransitionRule& rule) {
  return {0, rule.month, rule.day_of_week, rule.week, rule.hour, rule.minute, 0, 0};
}

}  // namespace

DWORD WINAPI GetTickCount() {
  return static_cast<DWORD>(GetTickCount64());
}

ULONGLONG WINAPI GetTickCount64() {
  desktop::Clock* clock = clock_of_caller();
  return clock ? clock->now() : 0;
}

void WINAPI GetSystemTime(SYSTEMTIME* time) {
  desktop::Clock* clock = clock_of_caller();
  if (clock != nullptr && time != nullptr) *time = system_time_of(clock->unix_ms());
}

void WINAPI GetLocalTime(SYSTEMTIME* time) {
  desktop::Clock* clock = clock_of_caller();
  if (clock != nullptr && time != nullptr) *time = system_time_of(local_ms_at(*clock, clock->unix_ms()));
}

void WINAPI GetSystemTimeAsFileTime(FILETIME* time) {
  desktop::Clock* clock = clock_of_caller();
  if (clock != nullptr && time != nullptr)
    *time = file_time_of((clock->unix_ms() + kMsFrom1601To1970) * kTicksPerMs);
}

BOOL WINAPI SystemTimeToFileTime(const SYSTEMTIME* system_time, FILETIME* file_time) {
  if (system_time == nullptr || file_time == nullptr) return FALSE;
  const SYSTEMTIME& t = *system_time;
  if (t.wYear < 1601 || t.wYear > 30827 || t.wMonth < 1 || t.wMonth > 12 || t.wDay < 1 ||
      t.wDay > days_in_month(t.wYear, t.wMonth) || t.wHour > 23 || t.wMinute > 59 || t.wSecond > 59 ||
      t.wMilliseconds > 999) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::int64_t ms = desktop::days_from_civil(t.wYear, t.wMonth, t.wDay) * kMsPerDay +
                    ((t.wHour * 60 + t.wMinute) * 60 + t.wSecond) * 1000LL + t.wMilliseconds;
  *file_time = file_time_of((ms + kMsFrom1601To1970) * kTicksPerMs);
  return TRUE;
}

BOOL WINAPI FileTimeToSystemTime(const FILETIME* file_time, SYSTEMTIME* system_time) {
  if (file_time == nullptr || system_time == nullptr) return FALSE;
  std::int64_t value = file_time_value(*file_time);
  if (value < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *system_time = system_time_of(value / kTicksPerMs - kMsFrom1601To1970);
  return TRUE;
}

// Both conversions take the bias in force now, not at the converted time, as Windows does.
BOOL WINAPI FileTimeToLocalFileTime(const FILETIME* file_time, FILETIME* local_file_time) {
  desktop::Clock* clock = clock_of_caller();
  if (clock == nullptr || file_time == nullptr || local_file_time == nullptr) return FALSE;
  std::int64_t bias = desktop::bias_at(clock->zone(), clock->unix_ms());
  *local_file_time = file_time_of(file_time_value(*file_time) - bias * 60'000 * kTicksPerMs);
  return TRUE;
}

BOOL WINAPI LocalFileTimeToFileTime(const FILETIME* local_file_time, FILETIME* file_time) {
  desktop::Clock* clock = clock_of_caller();
  if (clock == nullptr || file_time == nullptr || local_file_time == nullptr) return FALSE;
  std::int64_t bias = desktop::bias_at(clock->zone(), clock->unix_ms());
  *file_time = file_time_of(file_time_value(*local_file_time) + bias * 60'000 * kTicksPerMs);
  return TRUE;
}

DWORD WINAPI GetTimeZoneInformation(TIME_ZONE_INFORMATION* info) {
  desktop::Clock* clock = clock_of_caller();
  if (clock == nullptr || info == nullptr) return static_cast<DWORD>(-1);
  const desktop::TimeZone& zone = clock->zone();
  *info = {};
  info->Bias = zone.bias_minutes;
  copy_name(info->StandardName, zone.standard_name);
  copy_name(info->DaylightName, zone.daylight_name);
  if (!zone.has_daylight_saving()) return TIME_ZONE_ID_UNKNOWN;
  info->StandardDate = rule_as_system_time(zone.to_standard);
  info->DaylightDate = rule_as_system_time(zone.to_daylight);
  info->DaylightBias = zone.daylight_bias_minutes;
  return desktop::is_daylight_at(zone, clock->unix_ms()) ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD;
}

__time64_t _time64(__time64_t* out) {
  desktop::Clock* clock = clock_of_caller();
  __time64_t now = clock ? floor_div(clock->unix_ms(), 1000) : -1;
  if (out != nullptr) *out = now;
  return now;
}

errno_t _gmtime64_s(std::tm* result, const __time64_t* time) {
  if (result == nullptr || time == nullptr || *time < 0) return EINVAL;
  fill_tm(result, *time * 1000, false);
  return 0;
}

errno_t _localtime64_s(std::tm* result, const __time64_t* time) {
  desktop::Clock* clock = clock_of_caller();
  if (clock == nullptr || result == nullptr || time == nullptr || *time < 0) return EINVAL;
  std::int64_t unix_ms = *time * 1000;
  fill_tm(result, local_ms_at(*clock, unix_ms), desktop::is_daylight_at(clock->zone(), unix_ms));
  return 0;
}

__time64_t _mktime64(std::tm* local) {
  desktop::Clock* clock = clock_of_caller();
  if (clock == nullptr || local == nullptr) return -1;
  std::int64_t months = static_cast<std::int64_t>(local->tm_year) * 12 + local->tm_mon;
  std::int64_t year = 1900 + floor_div(months, 12);
  auto month = static_cast<unsigned>(months - floor_div(months, 12) * 12 + 1);
  std::int64_t local_ms =
      (desktop::days_from_civil(year, month, 1) + local->tm_mday - 1) * kMsPerDay +
      ((static_cast<std::int64_t>(local->tm_hour) * 60 + local->tm_min) * 60 + local->tm_sec) * 1000;
  const desktop::TimeZone& zone = clock->zone();
  std::int64_t unix_ms = desktop::local_to_unix_ms(zone, local_ms);
  if (local->tm_isdst > 0 && !desktop::is_daylight_at(zone, unix_ms))
    unix_ms += zone.daylight_bias_minutes * 60'000LL;
  else if (local->tm_isdst == 0 && desktop::is_daylight_at(zone, unix_ms))
    unix_ms -= zone.daylight_bias_minutes * 60'000LL;
  if (unix_ms < 0) return -1;
  __time64_t result = floor_div(unix_ms, 1000);
  _localtime64_s(local, &result);
  return result;
}
