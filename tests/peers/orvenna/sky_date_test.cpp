#include <gtest/gtest.h>

#include "peers/orvenna/sky_date.h"

namespace {

using orvenna::DateContext;
using orvenna::format_date;
using orvenna::parse_date;

constexpr double kDay = 86400;
// 2025-03-14T21:30:00 UTC.
constexpr double kPiDay = 1741987800;

TEST(SkyDateTest, AbsoluteTextsInTheConsoleFormsReadAsTheSameInstant) {
  DateContext context{0, 0, 3600};
  struct Case {
    const char* text;
    bool local;
    double expected;
  };
  const Case cases[] = {
      {"2025-03-14T21:30:00", false, kPiDay},
      {"02025-03-14T21:30:00", false, kPiDay},
      {"2025-3-14T21:30:0", false, kPiDay},
      {"2025-03-14T22:30:00", true, kPiDay},
      {"1970-01-01T00:00:00", false, 0},
      {"1969-12-31T23:59:59", false, -1},
      // The keypad's ends of a day, an hour and a minute count into the next.
      {"2025-03-14T24:60:60", false, kPiDay + 2.5 * 3600 + 3600 + 60},
  };
  for (const Case& c : cases) {
    auto got = parse_date(c.text, context, c.local);
    ASSERT_TRUE(got.has_value()) << c.text;
    EXPECT_DOUBLE_EQ(*got, c.expected) << c.text;
  }
}

TEST(SkyDateTest, FormatGivesTheTextTheScriptsSliceAndReadsBack) {
  EXPECT_EQ(format_date(kPiDay), "2025-03-14T21:30:00");
  EXPECT_EQ(format_date(kPiDay + 0.6), "2025-03-14T21:30:01");
  for (double seconds : {kPiDay, -62135596800.0 - 100 * kDay, -130000000000.0, 0.0}) {
    auto back = parse_date(format_date(seconds), {}, false);
    ASSERT_TRUE(back.has_value()) << format_date(seconds);
    EXPECT_DOUBLE_EQ(*back, seconds);
  }
  EXPECT_EQ(format_date(-130000000000.0).front(), '-');
}

TEST(SkyDateTest, RelativeStepsMoveFromTheCurrentTime) {
  DateContext context{kPiDay, 0, 0};
  struct Case {
    const char* text;
    double step;
  };
  const Case cases[] = {
      {"+ 1 days ", kDay},
      {"- 1 weeks ", -7 * kDay},
      {"+ 365 days sidereal", 365 * 86164.0905},
      {"+65192 days sidereal", 65192 * 86164.0905},
      {"- 73010 days ", -73010 * kDay},
      {"+ 2 hours", 7200},
  };
  for (const Case& c : cases) {
    auto got = parse_date(c.text, context, false);
    ASSERT_TRUE(got.has_value()) << c.text;
    EXPECT_NEAR(*got, kPiDay + c.step, 1e-3) << c.text;
  }
}

TEST(SkyDateTest, NowAndTextsThatDoNotParse) {
  DateContext context{kPiDay, 12345, 0};
  EXPECT_EQ(parse_date("now", context, false), 12345);
  for (const char* text : {"--T12:00:00", "", "2025-13-01T00:00:00", "2025-03-14T25:00:00",
                           "2025-03-14T12:61:00", "+ 3 fortnights", "2025-03-14", "soon"})
    EXPECT_FALSE(parse_date(text, context, false).has_value()) << text;
}

}  // namespace
