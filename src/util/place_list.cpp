#include "src/util/place_list.h"

#include <vector>

#include "src/util/compare_no_case.h"
#include "src/util/split_string.h"
#include "src/util/stdio_file_ex.h"
#include "src/util/text_trim.h"
#include "src/util/user_folder.h"

namespace {

constexpr std::size_t LatitudeField = 5;
constexpr std::size_t LongitudeField = 6;

// A number followed by its hemisphere letter, blanks around it ignored.
std::optional<std::wstring> NumberOf(std::wstring_view field, wchar_t& letter) {
  std::wstring_view text = StripWhiteSpace(field);
  if (text.size() < 2) return std::nullopt;
  letter = text.back();
  return std::wstring(text.substr(0, text.size() - 1));
}

std::optional<PlacePosition> PositionOf(const std::vector<std::wstring>& fields) {
  if (fields.size() <= LongitudeField) return std::nullopt;
  wchar_t north = 0;
  wchar_t east = 0;
  std::optional<std::wstring> latitude = NumberOf(fields[LatitudeField], north);
  std::optional<std::wstring> longitude = NumberOf(fields[LongitudeField], east);
  if (!latitude || !longitude) return std::nullopt;
  int quadrant = 2 + (CompareTextNoCase(std::wstring(1, north), L"N") != 0 ? 1 : 0) +
                 (CompareTextNoCase(std::wstring(1, east), L"E") != 0 ? 2 : 0);
  return PlacePosition{*latitude, *longitude, quadrant};
}

}  // namespace

std::wstring PlaceListPath() {
  return PlanetariumUserFile(PlaceListFile);
}

PlaceLookup FindPlaceInList(const std::wstring& placeName, const PlaceListProgress& progress) {
  std::wstring path = PlaceListPath();
  CStdioFileEx list;
  list.codePage = Utf8CodePage;
  // Opened as text, so that the file class itself finds a UTF-16LE list by its mark and reads
  // it as such; opened as binary it would read it as 8-bit text.
  if (!list.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone | CFile::typeText))
    return {PlaceSearch::ListUnreadable, std::nullopt};
  if (progress.opened) progress.opened();
  PlaceLookup lookup;
  int compared = 0;
  try {
    for (std::wstring line; list.ReadString(line);) {
      std::vector<std::wstring> fields;
      SplitString(line, L"\t", fields);
      if (!fields.empty() && CompareTextNoCase(fields[0], placeName) == 0) {
        lookup = {PlaceSearch::Found, PositionOf(fields)};
        break;
      }
      if (progress.compared) progress.compared(compared);
      ++compared;
    }
  } catch (CFileException* error) {
    error->Delete();
    lookup = {PlaceSearch::ListUnreadable, std::nullopt};
  }
  list.Abort();
  return lookup;
}
