// The fly-by through the console against the stand-in Orvenna on the virtual clock: its start,
// the countdown on the status line, its endings and landings, its guards and its thread.
#include <string>

#include "peers/orvenna/program_probe.h"
#include "platform/win/win32.h"
#include "src/settings/ini_files.h"
#include "src/util/user_folder.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr UINT SaturnButton = 1021;
constexpr UINT VenusButton = 1018;
const std::wstring NoSelection = L"no object selected at the moment";
const std::wstring NoPlanet = L"No planet selected. Please select one of planets of the Solar System.";

class FlyByTest : public ConsoleWithOrvennaTest {
 protected:
  void SetUp() override {
    ConsoleWithOrvennaTest::SetUp();
    Run([](TestConsoleDlg& dlg) { dlg.CreateTooltips(); });
  }

  void FlyBy() { Click(COrvennaConsoleDlg::FlyByButtonId); }
  void AfterFlyBy(const wchar_t* value) {
    Run([value](TestConsoleDlg&) { WriteIniValue(ConsoleIniFile, L"flyby", L"afterFlyby", value); });
  }
  std::wstring Location() const { return DialogText(COrvennaConsoleDlg::LocationLabelId); }
  std::wstring Button() const { return DialogText(COrvennaConsoleDlg::FlyByButtonId); }
  std::string ObserverBody() const { return probe->state()->observer().planet; }
};

TEST_F(FlyByTest, SaturnIsOrbitedCountedDownAndLeftWhereItEnds) {
  Click(SaturnButton);
  FlyBy();
  EXPECT_TRUE(dialog->flyByRunning);
  EXPECT_EQ(Button(), L"\u25A0");
  EXPECT_EQ(Location(), L"Saturn fly-by...");
  EXPECT_EQ(dialog->SelectedBodyCode, -1);
  EXPECT_EQ(dialog->TooltipText(COrvennaConsoleDlg::FlyByButtonId),
            L"Orbit around the selected planet (" + NoSelection + L")");
  EXPECT_NE(LastScriptRun().find("core.setObserverLocation(16,90,0,10, \"Flyby\", \"OCSaturn\");"),
            std::string::npos);
  Wait(5000);
  EXPECT_EQ(ObserverBody(), "OCSaturn");
  EXPECT_EQ(probe->state()->selection(), "Saturn");

  Wait(5000);
  EXPECT_TRUE(StatusLine().starts_with(L"Fly over Saturn (00:5"))
      << std::string(StatusLine().begin(), StatusLine().end());
  Wait(50000);
  EXPECT_FALSE(dialog->flyByRunning);
  EXPECT_EQ(Button(), L"ORBIT AROUND");
  EXPECT_EQ(Location(), L"");
  EXPECT_EQ(StatusLine(), L"");
  Wait(2000);
  EXPECT_EQ(StatusLine(), L"");
}

TEST_F(FlyByTest, LandingOnAMoonNamesItAndTheNameStays) {
  AfterFlyBy(L"LandOnAMoon");
  Click(SaturnButton);
  FlyBy();
  Wait(61000);
  EXPECT_EQ(Location(), L"Saturn fly-by...");
  Wait(1000);
  EXPECT_EQ(Location(), L"Tethys");
  EXPECT_TRUE(dialog->flyByRunning);
  Wait(12000);
  EXPECT_FALSE(dialog->flyByRunning);
  EXPECT_EQ(Location(), L"Tethys");
  EXPECT_EQ(Button(), L"ORBIT AROUND");
  EXPECT_EQ(StatusLine(), L"");
  Wait(60000);
  EXPECT_EQ(ObserverBody(), "Tethys");
}

TEST_F(FlyByTest, ABodyWithoutLandingEndsWithTheOrbit) {
  AfterFlyBy(L"landonamoon");
  Click(VenusButton);
  FlyBy();
  Wait(60000);
  EXPECT_FALSE(dialog->flyByRunning);
  EXPECT_EQ(Location(), L"");
}

TEST_F(FlyByTest, ASecondPressStopsTheFlyByButNotWhileRecording) {
  Click(SaturnButton);
  FlyBy();
  Wait(3000);
  Run([](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderRecording; });
  FlyBy();
  EXPECT_EQ(StatusLine(), L"You cannot stop the fly-by during recording");
  Wait(2000);
  EXPECT_EQ(StatusLine(), L"You cannot stop the fly-by during recording");
  EXPECT_TRUE(dialog->flyByRunning);
  Wait(3500);
  EXPECT_TRUE(StatusLine().starts_with(L"Fly over Saturn ("));

  Run([](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderPlaying; });
  FlyBy();
  EXPECT_FALSE(dialog->flyByRunning);
  EXPECT_EQ(Button(), L"ORBIT AROUND");
  EXPECT_EQ(Location(), L"");
  Wait(1500);
  EXPECT_EQ(StatusLine(), L"");
  Wait(60000);
  EXPECT_EQ(Location(), L"");
  EXPECT_EQ(StatusLine(), L"");
}

TEST_F(FlyByTest, TheScriptStopEndsTheFlyByAsItsOwnStopDoes) {
  constexpr UINT NeptuneButton = 1023;
  AfterFlyBy(L"landonamoon");
  const std::size_t threads = console->threads.size();
  Click(NeptuneButton);
  FlyBy();
  Wait(3000);
  ASSERT_TRUE(StatusLine().starts_with(L"Fly over Neptune ("));
  RunToEnd([](TestConsoleDlg& dlg) { dlg.OnScriptStop(); });
  EXPECT_FALSE(dialog->flyByRunning);
  EXPECT_EQ(Button(), L"ORBIT AROUND");
  EXPECT_EQ(Location(), L"");
  EXPECT_EQ(console->threads.size(), threads) << "the countdown thread is joined";
  EXPECT_EQ(StatusLine(), L"SCRIPT \u25A0");
  Wait(1500);
  EXPECT_EQ(StatusLine(), L"SCRIPT \u25A0") << "the countdown writes no more";
  Wait(1000);
  EXPECT_EQ(StatusLine(), L"");
  // Neither Triton's landing nor the fly-by's end comes later.
  Wait(80000);
  EXPECT_EQ(Location(), L"");
  EXPECT_EQ(StatusLine(), L"");
  EXPECT_EQ(Button(), L"ORBIT AROUND");
  EXPECT_NE(ObserverBody(), "Triton");
}

TEST_F(FlyByTest, APlanetButtonDuringTheFlyByIsRefusedAndTheCountdownWaits) {
  Click(SaturnButton);
  FlyBy();
  Wait(1000);
  Click(VenusButton);
  const std::wstring notice = L"This function is not available during the fly-by";
  EXPECT_EQ(StatusLine(), notice);
  Wait(3000);
  EXPECT_EQ(StatusLine(), notice);
  Wait(2000);
  EXPECT_TRUE(StatusLine().starts_with(L"Fly over Saturn (00:5"));
}

struct GuardCase {
  const char* what;
  std::function<void(TestConsoleDlg&)> arrange;
  std::wstring notice;
};

TEST_F(FlyByTest, GuardsRefuseWithTheirNoticeAndStartNothing) {
  const GuardCase cases[] = {
      {"nothing selected", [](TestConsoleDlg&) {}, NoPlanet},
      {"a list code the fly-by does not know", [](TestConsoleDlg& dlg) { dlg.SelectedBodyCode = 105; },
       NoPlanet},
      {"a script runs",
       [](TestConsoleDlg& dlg) {
         dlg.SelectedBodyCode = 7;
         dlg.scriptRunning = true;
       },
       L"Another simulation script is currently running. You can stop it or wait for it to complete, "
       L"depending on the script..."},
      {"the recording is paused",
       [](TestConsoleDlg& dlg) {
         dlg.SelectedBodyCode = 7;
         dlg.RecorderState = RecorderPaused;
       },
       L"The recording is paused!"},
  };
  for (const GuardCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::size_t before = probe->scripts().size();
    Run([&c](TestConsoleDlg& dlg) {
      dlg.scriptRunning = false;
      dlg.RecorderState = RecorderIdle;
      dlg.SelectedBodyCode = -1;
      c.arrange(dlg);
    });
    FlyBy();
    EXPECT_EQ(StatusLine(), c.notice);
    EXPECT_FALSE(dialog->flyByRunning);
    EXPECT_EQ(probe->scripts().size(), before);
  }
}

TEST_F(FlyByTest, AFlyByWhoseScriptCouldNotBeWrittenIsNotShownRunning) {
  Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
  Click(SaturnButton);
  const std::wstring locationBefore = Location();
  const std::wstring commandsBefore = dialog->recordedShow.commandList;
  const std::size_t threads = console->threads.size();
  const std::size_t scripts = probe->scripts().size();
  HANDLE held = INVALID_HANDLE_VALUE;
  Run([&held](TestConsoleDlg&) {
    held = ::CreateFileW(PlanetariumUserFile(L"flyby.ovs").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  });
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Run([](TestConsoleDlg& dlg) {
    ::SendMessageW(dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(COrvennaConsoleDlg::FlyByButtonId, BN_CLICKED),
                   0);
  });
  Wait(1000);
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr) << "the file error is reported";
  Answer(box, IDOK);
  Run([held](TestConsoleDlg&) { ::CloseHandle(held); });
  Wait(2000);
  EXPECT_FALSE(dialog->flyByRunning);
  EXPECT_EQ(Button(), L"ORBIT AROUND");
  EXPECT_EQ(Location(), locationBefore);
  EXPECT_EQ(StatusLine(), L"");
  EXPECT_EQ(console->threads.size(), threads) << "no countdown";
  EXPECT_EQ(probe->scripts().size(), scripts);
  EXPECT_EQ(dialog->recordedShow.commandList, commandsBefore) << "nothing recorded of it";
  EXPECT_EQ(dialog->SelectedBodyCode, 7) << "Saturn stays chosen for another try";
  // Neither its countdown nor its end comes later.
  Wait(70000);
  EXPECT_EQ(StatusLine(), L"");
  EXPECT_EQ(Location(), locationBefore);
  FlyBy();
  EXPECT_TRUE(dialog->flyByRunning) << "the next press flies";
}

TEST_F(FlyByTest, TheListCodeOfMarsChoosesTheMarsFlyBy) {
  Run([](TestConsoleDlg& dlg) { dlg.SelectedBodyCode = 154; });
  FlyBy();
  EXPECT_EQ(Location(), L"Mars fly-by");
  EXPECT_NE(LastScriptRun().find("\"Phobos\");"), std::string::npos);
}

TEST_F(FlyByTest, AReturnFlyByIsRecordedWithItsWholeLength) {
  Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
  AfterFlyBy(L"return");
  Click(SaturnButton);
  FlyBy();
  const std::wstring& commands = dialog->recordedShow.commandList;
  EXPECT_NE(commands.find(L"Site|Saturn fly-by..."), std::wstring::npos);
  EXPECT_NE(dialog->recordedShow.recordedScript.find(L"var timedate = core.getDate();"), std::wstring::npos);
  // A minute's orbit, the return's 7 s, less what the recorder counts for the script's start.
  EXPECT_EQ(dialog->lastScriptDurationMs, 66300);
  Wait(67000);
  EXPECT_FALSE(dialog->flyByRunning);
}

TEST_F(FlyByTest, TheCountdownThreadIsJoinedWhenTheDialogsWindowGoes) {
  std::size_t before = 0, running = 0, after = 0;
  RunToEnd([&](TestConsoleDlg&) {
    before = console->threads.size();
    TestConsoleDlg second;
    second.ConsoleLayout = TrainingLayout;
    second.planetariumPlacementPending = false;
    second.Create(COrvennaConsoleDlg::IDD);
    second.SelectedBodyCode = 7;
    second.OnFlyOver();
    running = console->threads.size();
    second.DestroyWindow();
    after = console->threads.size();
  });
  EXPECT_EQ(running, before + 1);
  EXPECT_EQ(after, before);
}

TEST_F(FlyByTest, AFlyByStartedRightAfterAStopKeepsOneCountdownThread) {
  const std::size_t before = console->threads.size();
  Click(SaturnButton);
  FlyBy();
  FlyBy();
  Click(SaturnButton);
  FlyBy();
  EXPECT_EQ(console->threads.size(), before + 1);
  Wait(10000);
  EXPECT_TRUE(dialog->flyByRunning);
  const std::wstring status = StatusLine();
  EXPECT_TRUE(status.starts_with(L"Fly over Saturn (00:")) << std::string(status.begin(), status.end());
}

TEST_F(FlyByTest, AFlyByRunningWhenTheConsoleEndsEndsWithIt) {
  Click(SaturnButton);
  FlyBy();
  Wait(1000);
  Run([](TestConsoleDlg& dlg) { dlg.EndDialog(7); });
  Wait(2000);
  EXPECT_EQ(ExitCode(), 7);
}

}  // namespace
