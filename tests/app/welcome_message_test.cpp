// The welcome text's settings as read from WelcomeOC.ini, the script that shows it, and the
// greeting that starting the stopwatch puts on the stand-in Orvenna's screen.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "peers/orvenna/program_probe.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/settings/ini_files.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

using Keys = std::map<std::wstring, std::wstring>;

std::optional<WelcomeMessage> Parse(const Keys& keys) {
  return ParseWelcomeMessage([&keys](const wchar_t* key) -> std::optional<std::wstring> {
    auto found = keys.find(key);
    if (found == keys.end()) return std::nullopt;
    return found->second;
  });
}

Keys Complete() {
  return {{L"visible", L"true"},
          {L"text", L"Welcome"},
          {L"duration", L"9"},
          {L"fontsize", L"30"},
          {L"fontcolor", L"#00ff00"}};
}

TEST(WelcomeMessage, ValuesAreTrimmedCheckedAndDefaulted) {
  struct Case {
    const wchar_t* key;
    const wchar_t* value;
    const wchar_t* text;
    int duration;
    int fontSize;
    const wchar_t* colour;
  };
  const std::wstring seventyFive(75, L'x');
  const Case cases[] = {
      {L"visible", L" On ", L"Welcome", 9, 30, L"00ff00"},
      {L"duration", L"61", L"Welcome", 10, 30, L"00ff00"},
      {L"duration", L" 0 ", L"Welcome", 0, 30, L"00ff00"},
      {L"duration", L"soon", L"Welcome", 10, 30, L"00ff00"},
      {L"fontsize", L"4", L"Welcome", 9, 20, L"00ff00"},
      {L"fontsize", L"50", L"Welcome", 9, 50, L"00ff00"},
      {L"fontcolor", L" #FFaa00 ", L"Welcome", 9, 30, L"FFaa00"},
      // Anything but six hexadecimal digits after the first character would reach Orvenna unreadable.
      {L"fontcolor", L"#zz", L"Welcome", 9, 30, L"ff5555"},
      {L"fontcolor", L"#00ff0z", L"Welcome", 9, 30, L"ff5555"},
      {L"fontcolor", L"#1ffffff", L"Welcome", 9, 30, L"ff5555"},
      {L"fontcolor", L"#fff", L"Welcome", 9, 30, L"ff5555"},
      {L"fontcolor", L"x0000ff", L"Welcome", 9, 30, L"0000ff"},
      {L"fontcolor", L"", L"Welcome", 9, 30, L"ff5555"},
      {L"text", L"  Hello  ", L"Hello", 9, 30, L"00ff00"},
  };
  for (const Case& c : cases) {
    Keys keys = Complete();
    keys[c.key] = c.value;
    const std::optional<WelcomeMessage> message = Parse(keys);
    ASSERT_TRUE(message) << testing::PrintToString(std::wstring(c.value));
    EXPECT_EQ(message->text, c.text);
    EXPECT_EQ(message->durationSeconds, c.duration);
    EXPECT_EQ(message->fontSize, c.fontSize);
    EXPECT_EQ(message->colour, c.colour);
  }
  Keys longText = Complete();
  longText[L"text"] = seventyFive;
  EXPECT_EQ(Parse(longText)->text, seventyFive.substr(0, 60));
}

TEST(WelcomeMessage, NothingWhenAKeyIsMissingOrItIsNotVisible) {
  for (const wchar_t* key : {L"visible", L"text", L"duration", L"fontsize", L"fontcolor"}) {
    Keys keys = Complete();
    keys.erase(key);
    EXPECT_FALSE(Parse(keys)) << testing::PrintToString(std::wstring(key));
  }
  for (const wchar_t* visible : {L"false", L"yes", L""}) {
    Keys keys = Complete();
    keys[L"visible"] = visible;
    EXPECT_FALSE(Parse(keys));
  }
}

TEST(WelcomeMessage, ScriptShowsTheTextAboveThenBelowTheMiddle) {
  const WelcomeMessage message{L"Hi \"all\"", 9, 30, L"00ff00"};
  EXPECT_EQ(BuildWelcomeScript(message, 1920, 1080),
            L"LabelMgr.deleteAllLabels();\rcore.setFlagGravityLabels(true);\r"
            L"lab1 = LabelMgr.labelScreen(\"Hi \\\"all\\\"\", 960, 310, true, 30, \"#00ff00\");\r"
            L"LabelMgr.setLabelShow(lab1, true);\rcore.wait(4);\rLabelMgr.setLabelShow(lab1, "
            L"false);\rcore.wait(2);\r"
            L"lab1 = LabelMgr.labelScreen(\"Hi \\\"all\\\"\", 960, 710, true, 30, \"#00ff00\");\r"
            L"LabelMgr.setLabelShow(lab1, true);\rcore.wait(4);\rLabelMgr.setLabelShow(lab1, "
            L"false);\rcore.wait(2);\r"
            L"LabelMgr.deleteLabel(lab1);\r");
}

class WelcomeShowTest : public ConsoleDialogTest {
 protected:
  void SetUp() override {
    StartDialog([](TestConsoleDlg& dlg) {
      dlg.ConsoleLayout = TwoMonitorLayout;
      dlg.ConsoleScreen = 1;
    });
    LaunchPlanetarium();
    Run([](TestConsoleDlg&) {
      for (const auto& [key, value] : Complete())
        WriteIniValue(L"WelcomeOC.ini", L"Message", key, value);
    });
  }

  // The scripts Orvenna ran that show the welcome text.
  std::vector<std::string> WelcomeRuns() const {
    std::vector<std::string> runs;
    for (const auto& run : probe->scripts())
      if (run.text.find("LabelMgr.labelScreen(\"Welcome\"") != std::string::npos) runs.push_back(run.text);
    return runs;
  }
};

TEST_F(WelcomeShowTest, StartingTheStopwatchGreetsOnOrvennasScreen) {
  Run([](TestConsoleDlg& dlg) { dlg.OnStopwatchStart(); });
  Wait(1000);
  const std::vector<std::string> runs = WelcomeRuns();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_NE(runs[0].find("core.wait(4);"), std::string::npos);
  EXPECT_TRUE(dialog->scriptRunning);
  // Two showings of four seconds with their pauses: the flag clears after eleven.
  Wait(9000);
  EXPECT_TRUE(dialog->scriptRunning);
  Wait(2500);
  EXPECT_FALSE(dialog->scriptRunning);
}

TEST_F(WelcomeShowTest, InTheTwoMonitorLayoutTheTextIsPlacedOnTheLiveMonitorsScreen) {
  Run([](TestConsoleDlg& dlg) {
    dlg.liveMonitorScreen = LiveMonitorScreen{1000, 800, 1.25f};
    dlg.OnStopwatchStart();
  });
  Wait(1000);
  const std::vector<std::string> runs = WelcomeRuns();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_NE(runs[0].find("LabelMgr.labelScreen(\"Welcome\", 500, 170, true, 30, \"#00ff00\");"),
            std::string::npos);
  EXPECT_NE(runs[0].find("LabelMgr.labelScreen(\"Welcome\", 500, 570, true, 30, \"#00ff00\");"),
            std::string::npos);
}

TEST_F(WelcomeShowTest, DuringAFlyByTheStopwatchStartsWithoutTheGreeting) {
  Run([](TestConsoleDlg& dlg) {
    dlg.flyByRunning = true;
    dlg.OnStopwatchStart();
  });
  Wait(1000);
  EXPECT_TRUE(WelcomeRuns().empty());
  EXPECT_EQ(StatusLine(), L"This function is not available during the fly-by");
  EXPECT_FALSE(dialog->flyByNoticeShown);
  EXPECT_TRUE(dialog->stopwatchRunning);
  Wait(2800);
  EXPECT_EQ(StatusLine(), L"This function is not available during the fly-by");
  Wait(300);
  EXPECT_EQ(StatusLine(), L"");
}

TEST_F(WelcomeShowTest, WhileRecordingTheStopwatchStartsWithoutTheGreeting) {
  Run([](TestConsoleDlg& dlg) {
    dlg.RecorderState = RecorderRecording;
    dlg.OnStopwatchStart();
  });
  Wait(1000);
  EXPECT_TRUE(WelcomeRuns().empty());
  EXPECT_EQ(StatusLine(), L"Feature not available during recording");
  EXPECT_TRUE(dialog->stopwatchRunning);
}

}  // namespace
