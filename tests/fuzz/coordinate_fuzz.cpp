// Feeds arbitrary text to ParseCoordinate, the reader of an event's stored latitude and longitude
// (the first byte chooses which). A coordinate it refuses shows one message and leaves the parts
// as they were; one it takes shows none, lies on the globe (a latitude to 90 degrees, a longitude
// to 180, minutes and seconds below 60, its own hemisphere letters) and reads back the same from
// the parts it gave.
#include <string>

#include "src/util/coordinates.h"
#include "tests/fuzz/fuzz_app.h"
#include "tests/fuzz/fuzz_desktop.h"

namespace {

bool is_number(const std::wstring& text) {
  return !text.empty() && text.find_first_not_of(L"0123456789") == std::wstring::npos;
}

long number(const std::wstring& text) {
  return text.size() > 9 ? 1'000'000'000 : std::stol(text);
}

void check_on_globe(const CoordinateParts& parts, bool isLongitude) {
  require(is_number(parts.degrees) && is_number(parts.minutes) && is_number(parts.seconds));
  const long degrees = number(parts.degrees);
  const long limit = isLongitude ? 180 : 90;
  require(number(parts.minutes) < 60 && number(parts.seconds) < 60);
  require(degrees < limit || (degrees == limit && number(parts.minutes) == 0 && number(parts.seconds) == 0));
  if (isLongitude)
    require(parts.hemisphere == L"E" || parts.hemisphere == L"W");
  else
    require(parts.hemisphere == L"N" || parts.hemisphere == L"S");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  FuzzApp& app = fuzz_app();
  const bool isLongitude = (data[0] & 1) != 0;
  std::wstring text;
  for (std::size_t i = 1; i < size; ++i)
    text += static_cast<wchar_t>(data[i]);

  const CoordinateParts untouched{L"d", L"m", L"s", L"h"};
  CoordinateParts parts = untouched;
  const int boxes = app.shown;
  const int result = ParseCoordinate(text, isLongitude, parts);
  if (result == CoordinateInvalid) {
    require(app.shown == boxes + 1);
    require(parts.degrees == untouched.degrees && parts.minutes == untouched.minutes &&
            parts.seconds == untouched.seconds && parts.hemisphere == untouched.hemisphere);
    return 0;
  }
  require(result == CoordinateValid && app.shown == boxes);
  check_on_globe(parts, isLongitude);

  CoordinateParts again = untouched;
  const std::wstring written =
      parts.degrees + L" " + parts.minutes + L" " + parts.seconds + L" " + parts.hemisphere;
  require(ParseCoordinate(written, isLongitude, again) == CoordinateValid && app.shown == boxes);
  require(again.degrees == parts.degrees && again.minutes == parts.minutes &&
          again.seconds == parts.seconds && again.hemisphere == parts.hemisphere);
  return 0;
}
