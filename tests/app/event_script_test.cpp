// The pieces of an event's place script that the end-to-end tests cannot see in Orvenna's state:
// the coordinates as written and the run time the console waits for.
#include <gtest/gtest.h>

#include "src/app/show/event_script.h"

namespace {

struct CoordinateCase {
  CoordinateParts parts;
  bool isLongitude;
  const wchar_t* written;
};

TEST(EventScriptTest, CoordinatesAreSignedDegreesTruncatedToFourDecimals) {
  const CoordinateCase cases[] = {
      {{L"012", L"30", L"00", L"W"}, true, L"-12.5000"},
      {{L"45", L"15", L"00", L"N"}, false, L"45.2500"},
      {{L"000", L"30", L"00", L"W"}, true, L"-0.5000"},
      {{L"00", L"00", L"01", L"S"}, false, L"-0.0002"},
      {{L"010", L"00", L"01", L"E"}, true, L"10.0002"},
      {{L"179", L"59", L"59", L"E"}, true, L"179.9997"},
      {{L"00", L"00", L"00", L"S"}, false, L"0.0000"},
      // A latitude's hemisphere letter on a longitude is not east.
      {{L"005", L"00", L"00", L"N"}, true, L"-5.0000"},
  };
  for (const CoordinateCase& c : cases)
    EXPECT_EQ(EventCoordinateText(c.parts, c.isLongitude), c.written)
        << c.parts.degrees << " " << c.parts.minutes << " " << c.parts.seconds << " " << c.parts.hemisphere;
}

TEST(EventScriptTest, RunTimeGrowsWithTheTargetAndTheAutoZoom) {
  EXPECT_EQ(EventPlaceRunMs(false, false), 11000);
  EXPECT_EQ(EventPlaceRunMs(true, false), 15000);
  EXPECT_EQ(EventPlaceRunMs(false, true), 19000);
  EXPECT_EQ(EventPlaceRunMs(true, true), 23000);
}

TEST(EventScriptTest, QuotesInTheMemoAndTheTargetCannotBreakTheScript) {
  EventScene scene;
  scene.slot = 1;
  scene.memo = L"The \"great\" eclipse";
  scene.body = L"Earth";
  scene.longitude = L"1.0000";
  scene.latitude = L"2.0000";
  scene.defaultGround = L"Guereins";
  scene.target = EventTargetShown{L"Bad\"); core.quit(); (\"", L"", true};
  const std::wstring script = EventPlaceScript(scene);
  EXPECT_NE(script.find(L",0.0,5.8,\"#2: The \\\"great\\\" eclipse\",\"Earth\");\r"), std::wstring::npos)
      << script;
  EXPECT_NE(script.find(L"core.selectObjectByName(\"Bad\\\"); core.quit(); (\\\"\", true);\r"),
            std::wstring::npos)
      << script;
}

}  // namespace
