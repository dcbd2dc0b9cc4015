#include "peers/orvenna/sky_date.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "peers/orvenna/sky_state.h"

namespace orvenna {

namespace {

constexpr double kDay = 86400;
constexpr double kSiderealDay = 86164.0905;

struct DateUnit {
  std::string_view name;
  double seconds;
  double sidereal_seconds;
};

constexpr std::array<DateUnit, 5> kUnits = {{
    {"second", 1, 1},
    {"minute", 60, 60},
    {"hour", 3600, 3600},
    {"day", kDay, kSiderealDay},
    {"week", 7 * kDay, 7 * kSiderealDay},
}};

// Days between 1970-01-01 and the given civil date.
std::int64_t days_from_civil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct CivilDate {
  std::int64_t year;
  unsigned month;
  unsigned day;
};

CivilDate civil_from_days(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2), m, d};
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

// Reads a whole number at the front of text and drops it.
std::optional<std::int64_t> take_number(std::string_view& text) {
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || value < 0) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}

bool take(std::string_view& text, char c) {
  if (text.empty() || text.front() != c) return false;
  text.remove_prefix(1);
  return true;
}

std::optional<double> parse_absolute(std::string_view text) {
  bool negative = take(text, '-');
  auto year = take_number(text);
  if (!year || !take(text, '-')) return std::nullopt;
  auto month = take_number(text);
  if (!month || !take(text, '-')) return std::nullopt;
  auto day = take_number(text);
  if (!day || !take(text, 'T')) return std::nullopt;
  auto hour = take_number(text);
  if (!hour || !take(text, ':')) return std::nullopt;
  auto minute = take_number(text);
  if (!minute || !take(text, ':')) return std::nullopt;
  double second = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), second);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  // The end of a day, hour or minute may be written as 24, 60 or 60 and counts into the next.
  if (*month < 1 || *month > 12 || *day < 1 || *day > 31 || *hour > 24 || *minute > 60 || second < 0 ||
      second >= 61)
    return std::nullopt;
  std::int64_t days =
      days_from_civil(negative ? -*year : *year, static_cast<unsigned>(*month), static_cast<unsigned>(*day));
  return static_cast<double>(days) * kDay + static_cast<double>(*hour * 3600 + *minute * 60) + second;
}

// "+ 1 days ", "- 1 weeks ", "+65192 days sidereal": a signed count of a unit.
std::optional<double> parse_relative(std::string_view text) {
  double sign = text.front() == '-' ? -1 : 1;
  text = trim(text.substr(1));
  double count = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc{}) return std::nullopt;
  text = trim(text.substr(static_cast<std::size_t>(end - text.data())));
  std::string_view unit = text.substr(0, text.find(' '));
  std::string_view rest = trim(text.substr(unit.size()));
  bool sidereal = same_name(rest, "sidereal");
  if (!sidereal && !rest.empty()) return std::nullopt;
  if (unit.size() > 1 && (unit.back() == 's' || unit.back() == 'S')) unit.remove_suffix(1);
  for (const DateUnit& u : kUnits) {
    if (same_name(u.name, unit)) return sign * count * (sidereal ? u.sidereal_seconds : u.seconds);
  }
  return std::nullopt;
}

}  // namespace

std::string format_date(double seconds) {
  double whole = std::floor(seconds + 0.5);
  auto days = static_cast<std::int64_t>(std::floor(whole / kDay));
  auto in_day = static_cast<unsigned>(whole - static_cast<double>(days) * kDay);
  CivilDate date = civil_from_days(days);
  char text[64];
  std::snprintf(text, sizeof text, "%s%04lld-%02u-%02uT%02u:%02u:%02u", date.year < 0 ? "-" : "",
                static_cast<long long>(date.year < 0 ? -date.year : date.year), date.month, date.day,
                in_day / 3600 % 24, in_day / 60 % 60, in_day % 60);
  return text;
}

std::optional<double> parse_date(std::string_view text, const DateContext& context, bool local) {
  text = trim(text);
  if (text.empty()) return std::nullopt;
  if (same_name(text, "now")) return context.now;
  bool relative = text.front() == '+' || (text.front() == '-' && text.size() > 1 &&
                                          !std::isdigit(static_cast<unsigned char>(text[1])));
  if (relative) {
    auto step = parse_relative(text);
    if (!step) return std::nullopt;
    return context.current + *step;
  }
  auto absolute = parse_absolute(text);
  if (!absolute) return std::nullopt;
  return local ? *absolute - context.local_offset : *absolute;
}

}  // namespace orvenna
