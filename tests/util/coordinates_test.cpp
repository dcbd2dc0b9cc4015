#include "src/util/coordinates.h"

#include "platform/win/dialog_api.h"
#include "tests/settings/console_program.h"

namespace {

using CoordinatesTest = ConsoleProgramTest;

struct CoordinateCase {
  const wchar_t* text;
  bool isLongitude;
  int error;  // 0: valid
  CoordinateParts parts;
};

TEST_F(CoordinatesTest, StoredLatitudesAndLongitudes) {
  const CoordinateParts unchanged{L"d", L"m", L"s", L"h"};
  for (const CoordinateCase& c : {
           CoordinateCase{L"045 30 00 N", false, 0, {L"45", L"30", L"0", L"N"}},
           CoordinateCase{L"045 30 00 X", false, 100087, unchanged},
           CoordinateCase{L"045 30 00 E", false, 100087, unchanged},
           CoordinateCase{L"045 30 00 N", true, 100085, unchanged},
           CoordinateCase{L"181 00 00 E", true, 100082, unchanged},
           CoordinateCase{L"180 10 10 W", true, 100083, unchanged},
           CoordinateCase{L"180 00 10 W", true, 100083, unchanged},
           CoordinateCase{L"180 00 00 W", true, 0, {L"180", L"0", L"0", L"W"}},
           CoordinateCase{L"095 00 00 N", false, 100084, unchanged},
           CoordinateCase{L"170 00 00 N", false, 100084, unchanged},
           CoordinateCase{L"090 30 00 S", false, 100084, unchanged},
           CoordinateCase{L"090 00 00 S", false, 0, {L"90", L"0", L"0", L"S"}},
           CoordinateCase{L"090 10 10 N", false, 100084, unchanged},
           CoordinateCase{L"170 00 00 E", true, 0, {L"170", L"0", L"0", L"E"}},
           CoordinateCase{L"-012 60 00 S", false, 100082, unchanged},
           CoordinateCase{L"-012 05 07 s", false, 100087, unchanged},
           CoordinateCase{L"-012 05 07 S", false, 0, {L"12", L"5", L"7", L"S"}},
           CoordinateCase{L"12 05 07", false, 100087, unchanged},
           CoordinateCase{L"", true, 0, {L"0", L"0", L"0", L"E"}},
           CoordinateCase{L"", false, 0, {L"0", L"0", L"0", L"N"}},
       }) {
    CoordinateParts parts = unchanged;
    int result = -1;
    std::vector<ShownMessage> shown =
        RunAsConsole([&] { result = ParseCoordinate(c.text, c.isLongitude, parts); });
    EXPECT_EQ(result, c.error == 0 ? CoordinateValid : CoordinateInvalid) << c.text;
    EXPECT_EQ(
        std::vector<std::wstring>({parts.degrees, parts.minutes, parts.seconds, parts.hemisphere}),
        std::vector<std::wstring>({c.parts.degrees, c.parts.minutes, c.parts.seconds, c.parts.hemisphere}))
        << c.text;
    std::vector<ShownMessage> expected;
    if (c.error != 0)
      expected.push_back(
          {L"Error reading latitude and longitude from registry.\n\n Error # " + std::to_wstring(c.error),
           MB_ICONWARNING});
    EXPECT_EQ(shown, expected) << c.text;
  }
}

}  // namespace
