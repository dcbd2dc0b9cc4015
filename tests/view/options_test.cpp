// The desktop's command line: how it is shown, for how long, and on which machine.
#include "src/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::variant<Options, std::string> parse(std::vector<std::string> words) {
  words.insert(words.begin(), "orvenna-console");
  std::vector<char*> argv;
  for (std::string& word : words)
    argv.push_back(word.data());
  return parse_options(static_cast<int>(argv.size()), argv.data());
}

TEST(OptionsTest, GoodCommandLines) {
  struct Case {
    std::vector<std::string> words;
    bool headless;
    std::optional<int> seconds;
    std::optional<std::filesystem::path> screenshot;
  };
  const Case cases[] = {
      {{}, false, std::nullopt, std::nullopt},
      {{"--headless", "--seconds", "5"}, true, 5, std::nullopt},
      {{"--headless", "--screenshot", "a.png"}, true, std::nullopt, "a.png"},
      {{"--screenshot", "b.png"}, true, std::nullopt, "b.png"},  // a picture needs no window
      {{"--data", "/tmp/m", "--seconds", "0"}, false, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    auto parsed = parse(c.words);
    ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<std::string>(parsed);
    const Options& options = std::get<Options>(parsed);
    EXPECT_EQ(options.headless, c.headless);
    EXPECT_EQ(options.seconds, c.seconds);
    EXPECT_EQ(options.screenshot, c.screenshot);
  }
  EXPECT_EQ(std::get<Options>(parse({"--data", "/tmp/m"})).data_folder, "/tmp/m");
  EXPECT_EQ(std::get<Options>(parse({})).monitors, 1);
  EXPECT_EQ(std::get<Options>(parse({"--monitors", "2"})).monitors, 2);
}

TEST(OptionsTest, BadCommandLinesSayWhatIsWrong) {
  struct Case {
    std::vector<std::string> words;
    const char* said;
  };
  const Case cases[] = {
      {{"--seconds", "ten"}, "--seconds"}, {{"--seconds", "-1"}, "--seconds"},
      {{"--seconds", ""}, "--seconds"},    {{"--seconds", "86401"}, "--seconds"},
      {{"--screenshot"}, "--screenshot"},  {{"--window"}, "--window"},
      {{"--monitors", "3"}, "--monitors"}, {{"--monitors", "two"}, "--monitors"},
  };
  for (const Case& c : cases) {
    auto parsed = parse(c.words);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.said;
    EXPECT_NE(std::get<std::string>(parsed).find(c.said), std::string::npos) << std::get<std::string>(parsed);
  }
}

}  // namespace
