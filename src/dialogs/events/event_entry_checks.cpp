#include "src/dialogs/events/event_entry_checks.h"

#include <array>
#include <cmath>
#include <cwctype>

#include "src/util/calendar.h"

namespace {

struct CoordinateRule {
  int mostDegrees;
  std::wstring_view hemispheres;
  std::array<int, 4> errors;  // degrees, minutes, seconds, hemisphere
};
constexpr CoordinateRule LatitudeRule{90, L"NS", {100070, 100069, 100068, 100067}};
constexpr CoordinateRule LongitudeRule{180, L"EW", {100066, 100065, 100064, 100063}};
constexpr int MinutesInDegree = 60;
constexpr int SecondsInMinute = 60;
// More digits than any field holds: the value is refused before it could overflow.
constexpr std::size_t LongestNumber = 9;

bool AllDigits(std::wstring_view text) {
  for (wchar_t c : text)
    if (c < L'0' || c > L'9') return false;
  return true;
}

// The value of a non-empty text of digits.
std::optional<int> Digits(std::wstring_view text) {
  if (text.empty() || text.size() > LongestNumber || !AllDigits(text)) return std::nullopt;
  int value = 0;
  for (wchar_t c : text)
    value = value * 10 + (c - L'0');
  return value;
}

std::optional<CoordinateError> Check(const CoordinateParts& parts, const CoordinateRule& rule) {
  auto error = [&rule](CoordinateField field) {
    return CoordinateError{field, rule.errors[static_cast<std::size_t>(field)]};
  };
  const std::optional<int> degrees = Digits(parts.degrees);
  const std::optional<int> minutes = Digits(parts.minutes);
  const std::optional<int> seconds = Digits(parts.seconds);
  if (!degrees || *degrees > rule.mostDegrees ||
      (*degrees == rule.mostDegrees && (minutes.value_or(0) > 0 || seconds.value_or(0) > 0)))
    return error(CoordinateField::Degrees);
  if (!minutes || *minutes >= MinutesInDegree) return error(CoordinateField::Minutes);
  if (!seconds || *seconds >= SecondsInMinute) return error(CoordinateField::Seconds);
  if (parts.hemisphere.size() != 1 || rule.hemispheres.find(static_cast<wchar_t>(
                                          std::towupper(parts.hemisphere[0]))) == std::wstring_view::npos)
    return error(CoordinateField::Hemisphere);
  return std::nullopt;
}

std::optional<std::int32_t> Year(std::wstring_view text) {
  const bool negative = !text.empty() && text[0] == L'-';
  std::optional<int> magnitude = Digits(negative ? text.substr(1) : text);
  if (!magnitude) return std::nullopt;
  return negative ? -*magnitude : *magnitude;
}

}  // namespace

bool IsEventDate(std::wstring_view text) {
  const std::size_t first = text.find(L'/');
  if (first == std::wstring_view::npos) return false;
  const std::size_t second = text.find(L'/', first + 1);
  if (second == std::wstring_view::npos || text.find(L'/', second + 1) != std::wstring_view::npos)
    return false;
  const std::optional<std::int32_t> year = Year(text.substr(0, first));
  const std::optional<int> month = Digits(text.substr(first + 1, second - first - 1));
  const std::optional<int> day = Digits(text.substr(second + 1));
  if (!year || !month || !day || *month == 0) return false;
  DayNumber number = 0;
  if (!DateToDayNumber(*month, *year, *day, number)) return false;
  return number <= LargestUsableDayNumber &&
         (number < FirstSkippedReformDay || number > LastSkippedReformDay);
}

std::optional<CoordinateError> CheckLatitude(const CoordinateParts& parts) {
  return Check(parts, LatitudeRule);
}

std::optional<CoordinateError> CheckLongitude(const CoordinateParts& parts) {
  return Check(parts, LongitudeRule);
}

std::wstring StoredCoordinate(const CoordinateParts& parts) {
  std::wstring hemisphere = parts.hemisphere;
  for (wchar_t& c : hemisphere)
    c = static_cast<wchar_t>(std::towupper(c));
  return parts.degrees + L" " + parts.minutes + L" " + parts.seconds + L" " + hemisphere;
}

DegreesMinutesSeconds ToDegreesMinutesSeconds(double value) {
  const double degrees = std::trunc(value);
  const double hundredths = std::trunc(100 * value - 100 * degrees);
  // Kept in single precision, as the minutes always were.
  const float minutes = static_cast<float>(0.6 * hundredths);
  const double wholeMinutes = std::trunc(minutes);
  const double seconds = std::trunc(0.6 * (100 * static_cast<double>(minutes) - 100 * wholeMinutes));
  return {static_cast<int>(degrees), static_cast<int>(wholeMinutes), static_cast<int>(seconds)};
}
