#include "platform/desktop/time_zone.h"

namespace desktop {
namespace {

constexpr std::int64_t kMsPerMinute = 60'000;
constexpr std::int64_t kMsPerDay = 86'400'000;

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Local milliseconds (in the clock the rule is written in) of a rule's transition in a year.
std::int64_t transition_local_ms(const TransitionRule& rule, std::int64_t year) {
  std::int64_t first = days_from_civil(year, rule.month, 1);
  unsigned first_weekday = weekday_from_days(first);
  std::int64_t day = first + (rule.day_of_week + 7 - first_weekday) % 7 + 7 * (rule.week - 1);
  unsigned next_month = rule.month == 12 ? 1 : rule.month + 1;
  std::int64_t next_first = days_from_civil(rule.month == 12 ? year + 1 : year, next_month, 1);
  while (day >= next_first)
    day -= 7;
  return day * kMsPerDay + (rule.hour * 60 + rule.minute) * kMsPerMinute;
}

}  // namespace

TimeZone central_european_time() {
  TimeZone zone;
  zone.bias_minutes = -60;
  zone.daylight_bias_minutes = -60;
  zone.to_daylight = {3, 0, 5, 2, 0};
  zone.to_standard = {10, 0, 5, 3, 0};
  zone.standard_name = L"W. Europe Standard Time";
  zone.daylight_name = L"W. Europe Daylight Time";
  return zone;
}

std::int64_t days_from_civil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2;
  const std::int64_t era = floor_div(year, 400);
  const std::int64_t year_of_era = year - era * 400;
  const unsigned shifted_month = month > 2 ? month - 3 : month + 9;
  const std::int64_t day_of_year = (153 * shifted_month + 2) / 5 + day - 1;
  const std::int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

void civil_from_days(std::int64_t days, std::int64_t& year, unsigned& month, unsigned& day) {
  days += 719468;
  const std::int64_t era = floor_div(days, 146097);
  const std::int64_t day_of_era = days - era * 146097;
  const std::int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const std::int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t shifted_month = (5 * day_of_year + 2) / 153;
  day = static_cast<unsigned>(day_of_year - (153 * shifted_month + 2) / 5 + 1);
  month = static_cast<unsigned>(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
  year = year_of_era + era * 400 + (month <= 2);
}

unsigned weekday_from_days(std::int64_t days) {
  return static_cast<unsigned>(((days % 7) + 7 + 4) % 7);
}

bool is_daylight_at(const TimeZone& zone, std::int64_t unix_ms) {
  if (!zone.has_daylight_saving()) return false;
  std::int64_t standard_local = unix_ms - zone.bias_minutes * kMsPerMinute;
  std::int64_t year;
  unsigned month, day;
  civil_from_days(floor_div(standard_local, kMsPerDay), year, month, day);
  // The daylight start is given in standard time, its end in daylight time.
  std::int64_t start = transition_local_ms(zone.to_daylight, year);
  std::int64_t end = transition_local_ms(zone.to_standard, year) + zone.daylight_bias_minutes * kMsPerMinute;
  if (start < end) return standard_local >= start && standard_local < end;
  return standard_local >= start || standard_local < end;  // southern hemisphere
}

LONG bias_at(const TimeZone& zone, std::int64_t unix_ms) {
  return zone.bias_minutes + (is_daylight_at(zone, unix_ms) ? zone.daylight_bias_minutes : 0);
}

std::int64_t local_to_unix_ms(const TimeZone& zone, std::int64_t local_ms) {
  std::int64_t standard_guess = local_ms + zone.bias_minutes * kMsPerMinute;
  std::int64_t daylight_guess = standard_guess + zone.daylight_bias_minutes * kMsPerMinute;
  if (is_daylight_at(zone, daylight_guess)) return daylight_guess;
  return standard_guess;
}

}  // namespace desktop
