// Shortcut texts, config.ini's script bindings and the time-rate steps.
#include <gtest/gtest.h>

#include "peers/orvenna/key_actions.h"
#include "peers/orvenna/script_shortcuts.h"
#include "platform/win/win32.h"

namespace {

using orvenna::KeyPress;
using orvenna::ScriptAction;

TEST(ShortcutTextTest, ReadsKeysWithTheirModifiers) {
  struct Case {
    const char* text;
    std::optional<KeyPress> key;
  };
  const Case cases[] = {
      {"1", KeyPress{0, L'1'}},
      {"L", KeyPress{0, L'l'}},
      {"Shift+L", KeyPress{0, L'L'}},
      {"Ctrl+M", KeyPress{0, L'm', true, false}},
      {"Alt+Shift+N", KeyPress{0, L'N', false, true}},
      {"Ctrl+Alt+8", KeyPress{0, L'8'}},
      {"F11", KeyPress{VK_F11}},
      {"Space", KeyPress{0, L' '}},
      {"+", KeyPress{0, L'+'}},
      {"Hyper+K", std::nullopt},
      {"F99", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(orvenna::parse_shortcut(c.text), c.key) << c.text;
}

TEST(ScriptShortcutsTest, ReadsTheBindingsOfTheShortcutsSectionOnly) {
  const auto shortcuts = orvenna::read_script_shortcuts(orvenna::read_ini(
      "[video]\r\nactionStop_Script=9\r\n[Shortcuts]\r\nactionPause_Script=4\r\n"
      "actionScript/!Orvenna-Console.ovs = 1\r\nactionResume_Script=\"5 Ctrl+5\"\r\nactionStop_Script=3\r\n"
      "actionShow_Help=F1\r\n[navigation]\r\ninit_fov=180\r\n"));
  ASSERT_EQ(shortcuts.size(), 5u);
  EXPECT_EQ(shortcuts[0].action, ScriptAction::pause);
  EXPECT_EQ(shortcuts[0].key, (KeyPress{0, L'4'}));
  EXPECT_EQ(shortcuts[1].action, ScriptAction::run);
  EXPECT_EQ(shortcuts[1].script, "!Orvenna-Console.ovs");
  EXPECT_EQ(shortcuts[1].key, (KeyPress{0, L'1'}));
  EXPECT_EQ(shortcuts[2].action, ScriptAction::resume);
  EXPECT_EQ(shortcuts[3].key, (KeyPress{0, L'5', true, false}));
  EXPECT_EQ(shortcuts[4].action, ScriptAction::stop);
}

TEST(TimeRateStepTest, StepsAwayFromZeroAndThroughIt) {
  struct Case {
    double rate;
    double factor;
    int direction;
    double stepped;
  };
  const Case cases[] = {
      {1, 9.88, 1, 9.88}, {4, 2, 1, 8},   {0, 2, 1, 1},     {0, 9.88, -1, -1}, {1, 9.88, -1, 0},
      {-1, 2, -1, -2},    {-4, 2, 1, -2}, {-1, 9.88, 1, 0}, {50, 2, -1, 25},
  };
  for (const Case& c : cases)
    EXPECT_EQ(orvenna::step_time_rate(c.rate, c.factor, c.direction), c.stepped)
        << c.rate << " by " << c.factor << " toward " << c.direction;
}

}  // namespace
