// The replay's reading of a command list: its lines, and each line as a keyword, a place and the
// seconds to wait.
#include <gtest/gtest.h>

#include "src/app/show/replay_command_line.h"

namespace {

TEST(ReplayCommandLineTest, TakesTheLinesOneByOneAndEndsOnAMissingOrEmptyOne) {
  const std::wstring list = L"version|5.2.1|0.000000\rorvenna|0.18.2|0.000000\ratmo|3.250000\r\rdesel|1.0\r";
  const wchar_t* const lines[] = {L"version|5.2.1|0.000000",
                                  L"orvenna|0.18.2|0.000000",
                                  L"atmo|3.250000",
                                  L"XXX",
                                  L"desel|1.0",
                                  L"XXX",
                                  L"XXX"};
  for (int i = 0; i < 7; ++i)
    EXPECT_EQ(CommandListLine(list, i), lines[i]) << i;
  EXPECT_EQ(CommandListLine(L"", 0), L"XXX");
  EXPECT_EQ(CommandListLine(L"atmo|1.0", 0), L"atmo|1.0") << "a last line without its \\r";
}

TEST(ReplayCommandLineTest, ReadsKeywordsPlacesAndSeconds) {
  struct Case {
    const wchar_t* line;
    std::optional<std::wstring> keyword;
    std::optional<std::wstring> place;
    double seconds;
  };
  const Case cases[] = {
      {L"atmo|3.250000", L"atmo", std::nullopt, 3.25},
      {L"|2.500000", L"", std::nullopt, 2.5},
      {L"Site|Mars|4.000000", L"planet-string", L"Mars", 4},
      {L"site|Rome|1.5", L"planet-string", L"Rome", 1.5},
      {L"Site|Mars | Olympus Mons|12.000000", L"planet-string", L"Mars | Olympus Mons", 12},
      {L"Site|a|b|c|0.250000", L"planet-string", L"a|b|c", 0.25},
      {L"Site||2.0", L"planet-string", L"", 2},
      {L"version|5.2.1|0.000000", std::nullopt, std::nullopt, 0},
      {L"orvenna|0.18.2|0.000000", std::nullopt, std::nullopt, 0},
      {L"desel|soon", L"desel", std::nullopt, 0},
      {L"nothing", std::nullopt, std::nullopt, 0},
  };
  for (const Case& c : cases) {
    const ReplayCommand command = ParseReplayCommandLine(c.line);
    EXPECT_EQ(command.keyword, c.keyword) << c.line;
    EXPECT_EQ(command.place, c.place) << c.line;
    EXPECT_DOUBLE_EQ(command.seconds, c.seconds) << c.line;
  }
}

}  // namespace
