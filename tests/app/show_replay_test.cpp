// The replay of a recorded show against the stand-in Orvenna on the virtual clock: the version
// checks, the recorded script run as one script, the command list's keywords at their times, the
// stop, and a soundtrack whose player is not installed.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/dialogs/reset_position_wnd.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr wchar_t Script[] = L"core.wait(1);\rLandscapeMgr.setFlagFog(false);\r";
constexpr wchar_t VersionLines[] = L"version|5.2.1|0.000000\rorvenna|0.18.2|0.000000\r";
constexpr wchar_t ScriptRunning[] =
    L"Another simulation script is currently running. You can stop it or wait for it to complete, "
    L"depending on the script...";

class ShowReplayTest : public ConsoleWithOrvennaTest {
 protected:
  void Load(const std::wstring& commands, const std::wstring& script = Script) {
    Run([script, commands](TestConsoleDlg& dlg) {
      dlg.recordedShow = {script, commands};
      dlg.recordingAvailable = true;
      dlg.planetariumVersion = L"0.18.2";
    });
  }
  // The playback started; returns when timer 300 is armed (the last thing it does).
  void Play() {
    RunToEnd([](TestConsoleDlg& dlg) { dlg.PlayOrStopRecording(); });
    armedAt = GetTickCount();
  }
  void Stop() {
    RunToEnd([](TestConsoleDlg& dlg) { dlg.PlayOrStopRecording(); });
  }
  void WaitUntil(DWORD sinceArmedMs) {
    const DWORD now = GetTickCount() - armedAt;
    if (sinceArmedMs > now) Wait(sinceArmedMs - now);
  }
  std::size_t AtmosphereKeys() const {
    const auto received = probe->messages();
    return static_cast<std::size_t>(std::count_if(received.begin(), received.end(), [](const auto& m) {
      return m.message == WM_KEYDOWN && m.wParam == 'A' && m.origin == orvenna::MessageOrigin::posted;
    }));
  }
  std::size_t Fired(UINT_PTR id) const {
    return static_cast<std::size_t>(std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), id));
  }
  // What Orvenna received from a message on, as names: the stop-script key, the pause and normal
  // rate keys, and the zoom key-ups.
  std::vector<std::string> KeysFrom(std::size_t first) const {
    std::vector<std::string> keys;
    const auto received = probe->messages();
    for (std::size_t i = first; i < received.size(); ++i) {
      const orvenna::ReceivedMessage& m = received[i];
      if (m.message == WM_KEYDOWN && m.wParam == '3') keys.push_back("stop");
      if (m.message == WM_KEYDOWN && m.wParam == '7') keys.push_back("pause");
      if (m.message == WM_KEYDOWN && m.wParam == 'K') keys.push_back("normal");
      if (m.message == WM_KEYUP && m.origin == orvenna::MessageOrigin::posted &&
          (m.wParam == VK_NEXT || m.wParam == VK_PRIOR || m.wParam == VK_SHIFT) &&
          (m.lParam == 0x01500001 || m.lParam == 0x002A0001))
        keys.push_back(m.wParam == VK_NEXT ? "next-up" : m.wParam == VK_PRIOR ? "prior-up" : "shift-up");
    }
    return keys;
  }
  DWORD armedAt = 0;
};

TEST_F(ShowReplayTest, RunsTheScriptAsMacroAndTheCommandsAtTheirTimes) {
  Load(std::wstring(VersionLines) + L"atmo|2.000000\rSite|Mars | Olympus Mons|4.000000\r");
  Play();
  EXPECT_EQ(dialog->RecorderState, RecorderPlaying);
  EXPECT_TRUE(RanExactly(LastScriptRun(), Script));
  EXPECT_EQ(StatusLine(), L"Script made with the 5.2.1 version of Orvenna Console");
  EXPECT_EQ(DialogText(COrvennaConsoleDlg::LocationLabelId), L"Earth");
  const std::size_t before = AtmosphereKeys();

  WaitUntil(11400);
  EXPECT_EQ(AtmosphereKeys(), before) << "9.5 s, then the 2 s of its line";
  WaitUntil(11700);
  EXPECT_EQ(AtmosphereKeys(), before + 1) << "the atmosphere toggled by its keyword";
  WaitUntil(15400);
  EXPECT_EQ(DialogText(COrvennaConsoleDlg::LocationLabelId), L"Earth");
  WaitUntil(15800);
  EXPECT_EQ(DialogText(COrvennaConsoleDlg::LocationLabelId), L"Mars | Olympus Mons") << "the whole name";
  const std::size_t steps = Fired(ReplayStepTimer);
  Wait(60000);
  EXPECT_EQ(Fired(ReplayStepTimer), steps) << "no timer after the last line";
  EXPECT_EQ(dialog->RecorderState, RecorderPlaying) << "until the presenter stops it";
}

TEST_F(ShowReplayTest, ANegativeOrUnreadableWaitIsNoWait) {
  Load(std::wstring(VersionLines) + L"atmo|-3.000000\ratmo|nan\r");
  const std::size_t before = AtmosphereKeys();
  Play();
  WaitUntil(9400);
  EXPECT_EQ(AtmosphereKeys(), before);
  WaitUntil(10500);
  EXPECT_EQ(AtmosphereKeys(), before + 2) << "both at once after the first 9.5 s";
}

TEST_F(ShowReplayTest, StartsTheCommandsAfterTheVersionLinesTheyHave) {
  struct Case {
    const char* what;
    std::wstring commands;
    const wchar_t* status;
    bool atmosphereToggled;
  };
  const Case cases[] = {
      {"both version lines", std::wstring(VersionLines) + L"atmo|1.000000\r",
       L"Script made with the 5.2.1 version of Orvenna Console", true},
      {"no orvenna line", L"version|5.2.1|0.000000\ratmo|1.000000\r",
       L"Script made with the 5.2.1 version of Orvenna Console", true},
      {"no version line: the commands are not replayed", L"atmo|1.000000\ratmo|1.000000\r",
       L"Script version unknown (<3.1.5)", false},
      {"a version line in any case", L"VERSION|5.2.1|0.0\ratmo|1.000000\r",
       L"Script made with the 5.2.1 version of Orvenna Console", true},
      {"a list without \\r has no version line", L"version|5.2.1|1.0", L"", false},
  };
  for (const Case& c : cases) {
    Load(c.commands);
    const std::size_t before = AtmosphereKeys();
    Play();
    EXPECT_EQ(StatusLine(), c.status) << c.what;
    Wait(12000);
    EXPECT_EQ(AtmosphereKeys() > before, c.atmosphereToggled) << c.what;
    Stop();
    Wait(3000);
  }
}

// The Orvenna version of a command list's second line.
std::wstring Recorded(const std::wstring& commands) {
  const std::size_t start = commands.find(L"orvenna|") + 8;
  return commands.substr(start, commands.find(L'|', start) - start);
}

TEST_F(ShowReplayTest, AsksBeforeAnotherConsolesRecordingAndRefusesOneForALaterOrvenna) {
  struct Case {
    const char* what;
    std::wstring commands;
    std::optional<int> answer;  // to the question 9440, when it is asked
    bool refusedByOrvenna;      // 9450
    bool plays;
  };
  const Case cases[] = {
      {"6.0.0 asked, Yes", L"version|6.0.0|0\rorvenna|0.18.2|0\r", IDYES, false, true},
      {"6.0.0 asked, No", L"version|6.0.0|0\rorvenna|0.18.2|0\r", IDNO, false, false},
      {"5.1.9 is older than 5.2.1", L"version|5.1.9|0\rorvenna|0.18.2|0\r", std::nullopt, false, true},
      {"0.18.3 needs a later Orvenna", L"version|5.2.1|0\rorvenna|0.18.3|0\r", std::nullopt, true, false},
      {"1.0.0 needs a later Orvenna", L"version|5.2.1|0\rorvenna|1.0.0|0\r", std::nullopt, true, false},
      {"0.18.1 plays on 0.18.2", L"version|5.2.1|0\rorvenna|0.18.1|0\r", std::nullopt, false, true},
      {"Orvenna in another case is no Orvenna line", L"version|5.2.1|0\rOrvenna|0.18.3|0\r", std::nullopt,
       false, true},
  };
  for (const Case& c : cases) {
    Load(c.commands);
    const std::size_t runs = probe->scripts().size();
    Run([](TestConsoleDlg& dlg) { dlg.PlayOrStopRecording(); });
    HWND box = MessageBoxShown();
    ASSERT_EQ(box != nullptr, c.answer.has_value() || c.refusedByOrvenna) << c.what;
    if (box != nullptr) {
      const std::wstring text = MessageBoxText(box);
      const std::wstring expected =
          c.answer ? L"different version of Orvenna Console" : L"install the " + Recorded(c.commands);
      EXPECT_NE(text.find(expected), std::wstring::npos) << c.what;
      Answer(box, c.answer.value_or(IDOK));
    }
    Wait(5000);
    EXPECT_EQ(dialog->RecorderState, c.plays ? RecorderPlaying : RecorderIdle) << c.what;
    EXPECT_EQ(probe->scripts().size() > runs, c.plays) << c.what;
    if (c.plays) Stop();
    Wait(3000);
  }
}

TEST_F(ShowReplayTest, StopSendsTheStopKeyTheNormalRateAndTheZoomKeyUpsInOrder) {
  Load(std::wstring(VersionLines) + L"zoomIn_Start|1.000000\rzoomIn_End|30.000000\r");
  Play();
  Wait(11000);
  EXPECT_TRUE(dialog->zoomHeld) << "the zoom held by its keyword";
  const std::size_t first = probe->messages().size();
  const std::size_t steps = Fired(ReplayStepTimer);
  Run([](TestConsoleDlg& dlg) {
    dlg.flyByRunning = false;
    dlg.scriptRunning = true;
    dlg.backgroundAudioActive = true;
  });
  Stop();
  EXPECT_EQ(KeysFrom(first), (std::vector<std::string>{"stop", "pause", "normal", "next-up", "shift-up",
                                                       "prior-up", "shift-up"}));
  EXPECT_EQ(dialog->RecorderState, RecorderIdle);
  EXPECT_FALSE(dialog->zoomHeld);
  EXPECT_FALSE(dialog->scriptRunning);
  EXPECT_TRUE(dialog->backgroundAudioActive) << "the panel's audio is not the show's to stop";
  EXPECT_TRUE(dialog->timeRateNormal);
  Wait(60000);
  EXPECT_EQ(Fired(ReplayStepTimer), steps) << "timer 300 is gone";
}

TEST_F(ShowReplayTest, StopEndsARunningFlyByAndLeavesTheConsoleWhenOrvennaHasGone) {
  Load(std::wstring(VersionLines) + L"atmo|30.000000\r");
  Play();
  Run([](TestConsoleDlg& dlg) {
    dlg.flyByRunning = true;
    dlg.SetTimer(FlyByEndTimer, 5000, nullptr);
  });
  PostMessageW(probe->windows().main, WM_QUIT, 0, 0);
  Wait(1000);
  Stop();
  Wait(10000);
  EXPECT_FALSE(dialog->flyByRunning);
  EXPECT_EQ(Fired(FlyByEndTimer), 0u) << "the fly-by's timers go with it";
  EXPECT_EQ(MessageBoxShown(), nullptr) << "no offer to start Orvenna";
  EXPECT_EQ(ExitCode(), -1) << "the console goes on";
  EXPECT_TRUE(IsWindow(MainDialog()));
}

TEST_F(ShowReplayTest, RefusesWhileBackgroundAudioPlays) {
  Load(std::wstring(VersionLines) + L"atmo|1.000000\r");
  const std::size_t runs = probe->scripts().size();
  Run([](TestConsoleDlg& dlg) { dlg.backgroundAudioActive = true; });
  Play();
  EXPECT_EQ(dialog->RecorderState, RecorderIdle);
  EXPECT_EQ(probe->scripts().size(), runs);
  EXPECT_EQ(StatusLine().rfind(L"Before launching this video", 0), 0u) << "9420";
  Wait(5500);
  EXPECT_EQ(StatusLine(), L"");
}

TEST_F(ShowReplayTest, ASoundtrackWithoutItsPlayerIsToldAndTheShowGoesOn) {
  Load(std::wstring(VersionLines) + L"atmo|1.000000\r");
  Run([](TestConsoleDlg& dlg) {
    dlg.soundtrackPath = L"C:\\Users\\presenter\\Music\\show.mp3";
    dlg.soundtrackName = L"show.mp3";
    dlg.useSoundtrack = true;
  });
  const std::size_t before = AtmosphereKeys();
  Play();
  EXPECT_EQ(dialog->RecorderState, RecorderPlaying);
  EXPECT_EQ(StatusLine(),
            L"Script made with the 5.2.1 version of Orvenna Console \u2014 The soundtrack show.mp3 "
            L"cannot be played: the show goes on without it.");
  EXPECT_FALSE(dialog->soundtrackActive) << "no soundtrack plays";
  EXPECT_TRUE(RanExactly(LastScriptRun(), Script));
  Wait(12000);
  EXPECT_EQ(AtmosphereKeys(), before + 1);
  HWND host = dialog->soundtrackHost;
  ASSERT_NE(host, nullptr);
  wchar_t name[32] = {};
  GetClassNameW(host, name, 32);
  EXPECT_EQ(std::wstring(name), L"AtlAxWin100");
  EXPECT_EQ(GetParent(host), MainDialog());
  Stop();
  EXPECT_EQ(dialog->soundtrackHost, host) << "the host stays for the next show";
  EXPECT_EQ(dialog->backgroundAudioHost, nullptr) << "no audio button's remote finds it";
}

TEST_F(ShowReplayTest, TheWholeSkyResetStopsTheReplayFirstAndTheNextPlayIsTaken) {
  Load(std::wstring(VersionLines) + L"atmo|5.000000\r");
  Play();
  Run([](TestConsoleDlg& dlg) {
    // As a soundtrack leaves it while it plays.
    dlg.soundtrackActive = true;
    dlg.homeQuestion = [] { return static_cast<INT_PTR>(CResetPositionWnd::WholeSkyReset); };
  });
  const std::size_t first = probe->messages().size();
  RunToEnd([](TestConsoleDlg& dlg) { dlg.OnHome(); });
  const std::vector<std::string> keys = KeysFrom(first);
  ASSERT_FALSE(keys.empty());
  EXPECT_EQ(keys.front(), "stop") << "the replay's stop comes first";
  EXPECT_NE(std::find(keys.begin(), keys.end(), "prior-up"), keys.end()) << "its zoom key-ups";
  EXPECT_EQ(dialog->RecorderState, RecorderIdle);
  EXPECT_FALSE(dialog->soundtrackActive);
  const std::size_t atmosphere = AtmosphereKeys();
  Wait(30000);
  EXPECT_EQ(AtmosphereKeys(), atmosphere) << "the show's atmosphere no longer comes";
  Play();
  EXPECT_EQ(dialog->RecorderState, RecorderPlaying) << "a later play is not refused";
  Stop();
}

TEST_F(ShowReplayTest, ScriptedActionsAreRefusedWhileItPlaysAndKeyTogglesPass) {
  Load(std::wstring(VersionLines) + L"atmo|60.000000\r");
  struct Case {
    const char* what;
    UINT button;
  };
  const Case scripted[] = {
      {"a planet", 1014 + 2},       {"the Milky Way demonstration", 1970},
      {"the simulation data", 983}, {"Polaris", 1031},
      {"a season date", 1137},
  };
  Play();
  for (const Case& c : scripted) {
    Run([](TestConsoleDlg& dlg) { dlg.ClearStatusLine(); });
    const std::size_t runs = probe->scripts().size();
    const std::size_t first = probe->messages().size();
    Click(c.button);
    Wait(1000);
    EXPECT_EQ(StatusLine(), ScriptRunning) << c.what;
    EXPECT_EQ(probe->scripts().size(), runs) << c.what;
    EXPECT_TRUE(KeysFrom(first).empty()) << c.what << ": no stop key for the show's script";
    EXPECT_EQ(dialog->RecorderState, RecorderPlaying) << c.what;
  }
  const std::size_t atmosphere = AtmosphereKeys();
  Click(1012);
  Wait(1000);
  EXPECT_EQ(AtmosphereKeys(), atmosphere + 1) << "the atmosphere's key goes through";
  Stop();
  const std::size_t runs = probe->scripts().size();
  Click(1970);
  Wait(1000);
  EXPECT_EQ(probe->scripts().size(), runs + 1) << "after the stop the Milky Way runs";
}

}  // namespace
