// What the event editor checks before it stores an event: the date text and the place fields,
// and the place in degrees, minutes and seconds from a decimal position.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "src/util/coordinates.h"

// Year, month and day separated by "/": the year may start with "-", month and day are digits,
// and the day exists in the Gregorian calendar outside the ten days its reform skipped.
bool IsEventDate(std::wstring_view text);

enum class CoordinateField { Degrees, Minutes, Seconds, Hemisphere };

struct CoordinateError {
  CoordinateField field;
  int number;  // shown as "Error # %d"
};

// The first field that is empty, not made of digits (the hemisphere: not one of its two
// letters, in either case) or out of range, in the order degrees, minutes, seconds, hemisphere.
std::optional<CoordinateError> CheckLatitude(const CoordinateParts& parts);
std::optional<CoordinateError> CheckLongitude(const CoordinateParts& parts);

// "degrees minutes seconds H", the numbers as typed and the hemisphere in upper case.
std::wstring StoredCoordinate(const CoordinateParts& parts);

struct DegreesMinutesSeconds {
  int degrees = 0;
  int minutes = 0;
  int seconds = 0;
};
// Whole degrees, then minutes and seconds from the first two decimals of the fraction only.
DegreesMinutesSeconds ToDegreesMinutesSeconds(double value);
