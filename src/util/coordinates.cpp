#include "src/util/coordinates.h"

#include <cstdlib>
#include <vector>

#include "platform/win/dialog_api.h"
#include "src/util/localized_text.h"
#include "src/util/number_text.h"
#include "src/util/split_string.h"

namespace {

constexpr UINT CoordinateError = 3930;
constexpr int BadFormError = 100087;
constexpr int BadLongitudeHemisphereError = 100085;
constexpr int BadLatitudeError = 100084;
constexpr int Past180Error = 100083;
constexpr int OutOfRangeError = 100082;

int Refuse(int error) {
  ShowLocalizedError(CoordinateError, MB_ICONWARNING, error);
  return CoordinateInvalid;
}

// The error of a coordinate, or 0 when it is valid.
int ErrorOf(long degrees, long minutes, long seconds, const std::wstring& hemisphere, bool isLongitude) {
  if (!isLongitude && hemisphere != L"N" && hemisphere != L"S") return BadFormError;
  if (isLongitude && hemisphere != L"E" && hemisphere != L"W") return BadLongitudeHemisphereError;
  // No place lies beyond a pole or past the antimeridian, by a degree or by a second.
  const bool pastLimit = minutes != 0 || seconds != 0;
  if (!isLongitude && (degrees > 90 || (degrees == 90 && pastLimit))) return BadLatitudeError;
  if (degrees == 180 && pastLimit) return Past180Error;
  if (degrees > 180 || minutes >= 60 || seconds >= 60) return OutOfRangeError;
  return 0;
}

}  // namespace

int ParseCoordinate(const std::wstring& text, bool isLongitude, CoordinateParts& parts) {
  std::vector<std::wstring> pieces;
  int count = SplitString(text, L" ", pieces);
  if (count == 0) {
    parts = {L"0", L"0", L"0", isLongitude ? L"E" : L"N"};
    return CoordinateValid;
  }
  if (count != 4) return Refuse(BadFormError);
  long degrees = std::labs(ReadLeadingInteger(pieces[0]));
  long minutes = std::labs(ReadLeadingInteger(pieces[1]));
  long seconds = std::labs(ReadLeadingInteger(pieces[2]));
  if (int error = ErrorOf(degrees, minutes, seconds, pieces[3], isLongitude)) return Refuse(error);
  parts = {std::to_wstring(degrees), std::to_wstring(minutes), std::to_wstring(seconds), pieces[3]};
  return CoordinateValid;
}
