// The information box's text of Orvenna's rate, time and place.
#include <gtest/gtest.h>

#include "src/app/screen/simulation_text.h"

namespace {

struct TextCase {
  const char* what;
  SimulationData data;
  const wchar_t* text;
};

TEST(SimulationTextTest, RateTimesAnglesWithTheirHemispheresAndPlanet) {
  const TextCase cases[] = {
      {"a full answer",
       {L"1", L"2025-03-14T21:30:00", L"2025-03-14T22:30:00", L"Earth", L"12.5", L"41.9", false},
       L"Simulation rate: 1x\nUTC time: 2025-03-14 21:30:00\nlocal time: 2025-03-14T22:30:00\n"
       L"Longitude: 12\u00B030'0\" E\nLatitude: 41\u00B054'0\" N\nPlanet: Earth\n"},
      {"west and south keep their sign as letters",
       {L"-3600", L"2025-03-14T21:30:00", L"x", L"Mars", L"-12.5", L"-33.8688", false},
       L"Simulation rate: -3600x\nUTC time: 2025-03-14 21:30:00\nlocal time: x\n"
       L"Longitude: 12\u00B030'0\" W\nLatitude: 33\u00B052'7\" S\nPlanet: Mars\n"},
      {"nothing read",
       {},
       L"Simulation rate: x\nUTC time:  \nlocal time: \nLongitude: 0\u00B00'0\" E\nLatitude: 0\u00B00'0\" N\n"
       L"Planet: \n"},
      {"a short time and angles that are not numbers",
       {L"1", L"2025-03", L"", L"Earth", L"12.5abc", L"north", false},
       L"Simulation rate: 1x\nUTC time: 2025-03 \nlocal time: \nLongitude: 0\u00B00'0\" E\n"
       L"Latitude: 0\u00B00'0\" N\nPlanet: Earth\n"},
      {"an old answer says so first",
       {L"1", L"2025-03-14T21:30:00", L"2025-03-14T21:30:00", L"Earth", L"0", L"0", true},
       L"Not updated: Orvenna did not answer in time.\nSimulation rate: 1x\nUTC time: 2025-03-14 21:30:00\n"
       L"local time: 2025-03-14T21:30:00\nLongitude: 0\u00B00'0\" E\nLatitude: 0\u00B00'0\" N\nPlanet: "
       L"Earth\n"},
  };
  for (const TextCase& c : cases)
    EXPECT_EQ(FormatSimulationData(c.data), c.text) << c.what;
}

}  // namespace
