// A stored latitude or longitude, "ddd mm ss H", read into its parts.
#pragma once

#include <string>

inline constexpr int CoordinateValid = 0;
inline constexpr int CoordinateInvalid = 8;

struct CoordinateParts {
  std::wstring degrees;
  std::wstring minutes;
  std::wstring seconds;
  std::wstring hemisphere;
};

// CoordinateValid with the parts filled, or CoordinateInvalid after a message telling the
// presenter to delete the console's registry values (the parts are then unchanged). An empty
// text is 0 0 0 on the equator or the prime meridian.
int ParseCoordinate(const std::wstring& text, bool isLongitude, CoordinateParts& parts);
