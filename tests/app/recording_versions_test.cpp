// The versions a recording names, compared in order: major, minor, patch, each piece read from
// its leading digits.
#include <gtest/gtest.h>

#include "src/app/show/recording_versions.h"

namespace {

struct VersionCase {
  const wchar_t* recorded;
  const wchar_t* running;  // Orvenna's, for the second rule
  bool supportedConsole;
  bool needsLaterOrvenna;
};

TEST(RecordingVersionsTest, FollowTheOrderOfTheParts) {
  const VersionCase cases[] = {
      {L"5.2.1", L"5.2.1", true, false},    {L"5.2.3", L"5.2.4", true, false},
      {L"5.2.4", L"5.2.3", false, true},    {L"5.3.0", L"5.2.9", false, true},
      {L"5.1.9", L"5.2.1", true, false},    {L"4.9.9", L"5.0.0", true, false},
      {L"6.0.0", L"6.0.0", false, false},   {L"0.18.2", L"0.18.1", true, true},
      {L"0.18.1", L"0.18.2", true, false},  {L"1.0.0", L"0.18.2", true, true},
      {L"0.17.9", L"0.18.0", true, false},  {L"5.2", L"5.2.1", false, true},
      {L"5.2.1.0", L"5.2.1", false, true},  {L"5.x.1", L"5.2.1", true, false},
      {L"0.18.2 ", L"0.18.2", true, false}, {L" 5.2.1", L"5.2.1", true, false},
      {L"5.2.1.", L"5.2.1", true, false},   {L"5.2.3beta", L"5.2.2", true, true},
      {L"5..1", L"0.18.2", true, true},     {L"0.99999999999.0", L"0.18.2", true, true},
      {L"", L"0.18.2", false, true},        {L"0.18.2", L"", true, false},
  };
  for (const VersionCase& c : cases) {
    EXPECT_EQ(IsSupportedRecordingVersion(c.recorded), c.supportedConsole) << c.recorded;
    EXPECT_EQ(ComparePlanetariumVersions(c.recorded, c.running), c.needsLaterOrvenna)
        << c.recorded << " on " << c.running;
  }
}

}  // namespace
