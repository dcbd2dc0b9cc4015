// Pausing, resuming and stopping the script Orvenna runs, with the console's timed actions.
#include <algorithm>

#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

using orvenna::SkyFlag;

// The atmosphere goes off two seconds into the script.
constexpr wchar_t SlowScript[] = L"core.wait(2);\rLandscapeMgr.setFlagAtmosphere(false);\r";

class ScriptControlTest : public ConsoleWithOrvennaTest {
 protected:
  void StartSlowScript() {
    RunToEnd([](TestConsoleDlg& dlg) {
      dlg.RunScript(SlowScript, L"Slow.ovs", false, 2000);
      dlg.scriptRunning = true;
    });
  }
  bool Atmosphere() const { return probe->state()->flag(SkyFlag::atmosphere); }
  // The script keys Orvenna's view received by injection, in order.
  std::wstring ScriptKeys() const {
    std::wstring keys;
    for (const orvenna::ReceivedMessage& received : probe->messages())
      if (received.message == WM_KEYDOWN && received.origin == orvenna::MessageOrigin::injected &&
          received.wParam >= '3' && received.wParam <= '5')
        keys += static_cast<wchar_t>(received.wParam);
    return keys;
  }
};

TEST_F(ScriptControlTest, PauseHoldsTheRunningScriptAndResumeLetsItGoOn) {
  StartSlowScript();
  const std::wstring keysBefore = ScriptKeys();
  RunToEnd([](TestConsoleDlg& dlg) { dlg.OnScriptPauseResume(); });
  EXPECT_EQ(StatusLine(), L"SCRIPT ||");
  EXPECT_TRUE(dialog->scriptPaused);
  EXPECT_EQ(GetForegroundWindow(), MainDialog());
  machine.advance(5000);
  EXPECT_TRUE(Atmosphere()) << "paused";
  EXPECT_EQ(StatusLine(), L"") << "the notice goes after two seconds";

  RunToEnd([](TestConsoleDlg& dlg) { dlg.OnScriptPauseResume(); });
  EXPECT_EQ(StatusLine(), L"SCRIPT \u25B6");
  EXPECT_FALSE(dialog->scriptPaused);
  machine.advance(3000);
  EXPECT_FALSE(Atmosphere()) << "resumed";
  EXPECT_EQ(ScriptKeys(), keysBefore + L"45");
}

TEST_F(ScriptControlTest, StopEndsTheScriptAndTheTimedActionsButReleasesHeldKeysAndKeepsTheRest) {
  StartSlowScript();
  const std::wstring keysBefore = ScriptKeys();
  constexpr UINT_PTR Dropped[] = {ScriptEndTimer, 106, 150, 151, ScriptFlagTimer};
  constexpr UINT_PTR Kept[] = {KeepInPlaceTimer, SplashTimer, FlyByNoticeTimer, LoaderResetTimer};
  constexpr UINT_PTR Released[] = {178, 187};
  RunToEnd([&](TestConsoleDlg& dlg) {
    dlg.firedTimers.clear();
    for (UINT_PTR id : Dropped)
      dlg.SetTimer(id, 3000, nullptr);
    for (UINT_PTR id : Kept)
      dlg.SetTimer(id, 3000, nullptr);
    for (UINT_PTR id : Released)
      dlg.SetTimer(id, 3000, nullptr);
    dlg.OnScriptStop();
  });
  EXPECT_EQ(StatusLine(), L"SCRIPT \u25A0");
  EXPECT_FALSE(dialog->scriptRunning);
  EXPECT_EQ(dialog->firedTimers, (std::vector<UINT_PTR>{178, 187})) << "released at once";
  machine.advance(5000);
  EXPECT_TRUE(Atmosphere()) << "stopped";
  EXPECT_EQ(StatusLine(), L"");
  EXPECT_EQ(ScriptKeys(), keysBefore + L"3");
  for (UINT_PTR id : Kept)
    EXPECT_EQ(std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), id), 1) << id;
  for (UINT_PTR id : Dropped)
    EXPECT_EQ(std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), id), 0) << id;
}

TEST_F(ScriptControlTest, AStopBetweenTwoPausesMakesTheSecondPauseAgain) {
  StartSlowScript();
  const std::wstring keysBefore = ScriptKeys();
  RunToEnd([](TestConsoleDlg& dlg) { dlg.OnScriptPauseResume(); });
  RunToEnd([](TestConsoleDlg& dlg) { dlg.OnScriptStop(); });
  EXPECT_FALSE(dialog->scriptPaused);
  RunToEnd([](TestConsoleDlg& dlg) { dlg.OnScriptPauseResume(); });
  EXPECT_EQ(StatusLine(), L"SCRIPT ||");
  EXPECT_EQ(ScriptKeys(), keysBefore + L"434");
}

TEST_F(ScriptControlTest, PauseRefusesWhileTheRecordingIsPaused) {
  StartSlowScript();
  const std::wstring keysBefore = ScriptKeys();
  RunToEnd([](TestConsoleDlg& dlg) {
    dlg.RecorderState = RecorderPaused;
    dlg.OnScriptPauseResume();
  });
  EXPECT_EQ(StatusLine(), L"The recording is paused!");
  EXPECT_FALSE(dialog->scriptPaused);
  machine.advance(3000);
  EXPECT_FALSE(Atmosphere()) << "the script ran on";
  EXPECT_EQ(ScriptKeys(), keysBefore);
}

}  // namespace
