// Scripts run through the loader by the stand-in Orvenna, on the virtual clock.
#include <algorithm>
#include <functional>

#include "platform/win/win32.h"
#include "src/link/planetarium_output.h"
#include "src/link/script_literal.h"
#include "src/util/user_folder.h"
#include "tests/link/link_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

constexpr char LoaderHead[] =
    "// Name: !Orvenna-Console\n"
    "// Written by Orvenna Console before each script it has Orvenna run.\n"
    "// Shortcut 1 runs it; it includes the script to run, or nothing.\n"
    "// Description: It's used by Orvenna-Console program. It must be the first script of the list. "
    "Please, don't remove or change its position!  DO NOT RUN FROM WITHIN ORVENNA!";
const std::string IdleLoader = std::string(LoaderHead) + "\r\n\r\ninclude(\"##########\");\n";

class ScriptRunnerTest : public LinkTest {
 protected:
  ScriptRunnerTest() {
    link->ConsoleLayout = TwoMonitorLayout;
    link->ConsoleScreen = 1;
    EXPECT_EQ(link->EnsurePlanetarium(), PlanetariumStartedOrPlaced);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  }
  // The text Orvenna ran for the loader, with the included file in place of its include line.
  static std::string RunOfLoaderWith(const std::string& included) {
    return std::string(LoaderHead) + "\r\n\r\n" + included + "\n\r\n";
  }
  bool TaskbarShown() const { return IsWindowVisible(FindWindowW(L"Shell_TrayWnd", L"")) != FALSE; }
  LONG WorkAreaBottom() const {
    RECT now{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &now, 0);
    return now.bottom;
  }

  RECT workArea{};
};

TEST_F(ScriptRunnerTest, OrvennaRunsExactlyThePerRunTextAndTheLoaderGoesIdle) {
  const std::wstring text = L"LandscapeMgr.setFlagAtmosphere(false);\rcore.setTimeRate(0);\r";
  ASSERT_TRUE(probe->state()->flag(orvenna::SkyFlag::atmosphere));
  link->RunScript(text, L"MilkyWay.ovs", true, 4500);
  machine.advance(10);

  ASSERT_EQ(probe->scripts().size(), 1u);
  EXPECT_EQ(probe->scripts()[0].name, "orvenna-console.ovs");
  EXPECT_EQ(probe->scripts()[0].text,
            RunOfLoaderWith("LandscapeMgr.setFlagAtmosphere(false);\rcore.setTimeRate(0);\r"));
  EXPECT_FALSE(probe->state()->flag(orvenna::SkyFlag::atmosphere));
  EXPECT_EQ(probe->state()->time_rate(), 0);
  EXPECT_EQ(UserFile(L"orvenna-console.ovs"), IdleLoader);
  EXPECT_FALSE(UserFileExists(L"MilkyWay.ovs"));
  EXPECT_TRUE(link->fileErrors.empty());
  EXPECT_TRUE(TaskbarShown());
  EXPECT_EQ(WorkAreaBottom(), workArea.bottom);
  EXPECT_EQ(GetForegroundWindow(), console);
}

struct EndTimerCase {
  const wchar_t* name;
  bool armEndTimer;
  int expectedMs;
  UINT_PTR timer;  // 0: none
  desktop::Tick firesAfter;
};

TEST_F(ScriptRunnerTest, EndTimerFiresAfterTheExpectedDurationAndItsMargin) {
  const EndTimerCase cases[] = {
      {L"MilkyWay.ovs", true, 4500, ScriptEndTimer, 5000},
      {L"StartOC.ovs", true, 8000, StartStateScriptEndTimer, 9000},
      {L"Zodiac.ovs", false, 4500, 0, 0},
  };
  for (const EndTimerCase& run : cases) {
    link->RunScript(L"core.wait(0.1);\r", run.name, run.armEndTimer, run.expectedMs);
    if (run.timer == 0) {
      EXPECT_TRUE(PumpTimers(20000).empty());
      continue;
    }
    EXPECT_TRUE(PumpTimers(run.firesAfter - 1).empty());
    EXPECT_EQ(PumpTimers(1), std::vector<UINT_PTR>{run.timer});
  }
}

TEST_F(ScriptRunnerTest, AFailedDeleteIsReportedWithTheTaskbarShown) {
  const std::wstring perRun = PlanetariumUserFile(L"MilkyWay.ovs");
  HANDLE held = CreateFileW(perRun.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  link->RunScript(L"core.setTimeRate(0);\r", L"MilkyWay.ovs", false, 4500);
  CloseHandle(held);

  ASSERT_EQ(link->fileErrors.size(), 1u);
  EXPECT_EQ(link->fileErrors[0].m_strFileName, perRun);
  EXPECT_EQ(link->fileErrors[0].m_cause, CFileException::sharingViolation);
  EXPECT_EQ(probe->scripts().size(), 1u) << "the key was pressed before the delete";
  EXPECT_TRUE(TaskbarShown());
  EXPECT_EQ(WorkAreaBottom(), workArea.bottom);
  EXPECT_EQ(UserFile(L"orvenna-console.ovs"), IdleLoader);
}

TEST_F(ScriptRunnerTest, OnAFullDriveTheLoaderIsIdleAndThePerRunFileGoneBeforeTheOneReport) {
  std::string loaderWhileReporting;
  bool perRunWhileReporting = true;
  link->whileReporting = [&] {
    loaderWhileReporting = UserFile(L"orvenna-console.ovs");
    perRunWhileReporting = UserFileExists(L"MilkyWay.ovs");
  };
  // Room for the loader twice over, not for the script.
  machine.drives().set_free_space(PlanetariumUserFolder()[0], 2000);
  link->RunScript(std::wstring(8000, L'\r'), L"MilkyWay.ovs", false, 4500);
  machine.drives().set_free_space(PlanetariumUserFolder()[0], std::nullopt);

  ASSERT_EQ(link->fileErrors.size(), 1u);
  EXPECT_EQ(link->fileErrors[0].m_cause, CFileException::diskFull);
  EXPECT_EQ(loaderWhileReporting, IdleLoader);
  EXPECT_FALSE(perRunWhileReporting);
  EXPECT_TRUE(probe->scripts().empty());
}

TEST_F(ScriptRunnerTest, ConsoleOnTheSecondaryMonitorKeepsTheTaskbarHidden) {
  link->ConsoleScreen = 0;
  link->RunScript(L"core.setTimeRate(0);\r", L"MilkyWay.ovs", false, 4500);
  EXPECT_FALSE(TaskbarShown());
  link->HideTaskbar(false);
  EXPECT_EQ(WorkAreaBottom(), workArea.bottom);
}

TEST_F(ScriptRunnerTest, UserFileRunsInPlaceAndTheLoaderIsResetLater) {
  const std::wstring show = PlanetariumUserFile(L"My show.ovs");
  ASSERT_TRUE(write_file(show.c_str(), "core.setTimeRate(10);\r"));
  link->RunScriptFile(show);
  ASSERT_EQ(probe->scripts().size(), 1u);
  EXPECT_EQ(probe->state()->time_rate(), 10);
  EXPECT_EQ(UserFile(L"orvenna-console.ovs"),
            std::string(LoaderHead) +
                "\r\n\r\ninclude(\"C:\\Users\\presenter\\AppData\\Roaming\\Orvenna\\My show.ovs\");\r");
  EXPECT_TRUE(PumpTimers(1499).empty());
  EXPECT_EQ(PumpTimers(1), std::vector<UINT_PTR>{LoaderResetTimer});
}

TEST_F(ScriptRunnerTest, UserFileIsRefusedDuringARecordingWithoutAKey) {
  link->RecorderState = 1;
  const std::size_t keys = machine.input_log().size();
  link->RunScriptFile(PlanetariumUserFile(L"My show.ovs"));
  EXPECT_EQ(UserFile(L"orvenna-console.ovs"), std::string(LoaderHead) + "\r\n\r\n");
  EXPECT_EQ(link->statusMessages, (std::vector<std::pair<UINT, UINT>>{{8580, 6000}}));
  EXPECT_EQ(machine.input_log().size(), keys);
  EXPECT_TRUE(probe->scripts().empty());
}

TEST_F(ScriptRunnerTest, UserFileIsRefusedDuringAReplayWithTheRunningScriptNotice) {
  link->RecorderState = 2;
  const std::size_t keys = machine.input_log().size();
  EXPECT_FALSE(link->RunScriptFile(PlanetariumUserFile(L"My show.ovs")));
  EXPECT_EQ(link->statusMessages, (std::vector<std::pair<UINT, UINT>>{{4220, 5000}}));
  EXPECT_EQ(machine.input_log().size(), keys) << "no stop key for the show's script";
  EXPECT_TRUE(probe->scripts().empty());
}

// The training layout with Orvenna gone: the action's run starts it, and its placement runs the
// start state through the loader as the console does.
class RunWhileOrvennaIsGoneTest : public LinkTest {
 protected:
  RunWhileOrvennaIsGoneTest() {
    link->ConsoleLayout = TrainingLayout;
    link->onStartStateReset = [this] {
      link->RunScript(L"core.wait(8);\rcore.setTimeRate(3);\r", L"StartOC.ovs", true, 8000);
    };
  }
};

TEST_F(RunWhileOrvennaIsGoneTest, TheActionsRunFollowsTheStartStateItInterrupts) {
  struct Case {
    const char* what;
    std::function<bool(LinkHost&)> run;
    std::string ran;  // the included text as Orvenna ran it
  };
  const std::wstring show = PlanetariumUserFile(L"My show.ovs");
  ASSERT_TRUE(write_file(show.c_str(), "core.setTimeRate(10);\r"));
  const Case cases[] = {
      {"a script of the console's",
       [](LinkHost& host) { return host.RunScript(L"core.setTimeRate(10);\r", L"MACRO.ovs", false, 4500); },
       "core.setTimeRate(10);\r"},
      {"a presenter's script file", [&show](LinkHost& host) { return host.RunScriptFile(show); },
       "core.setTimeRate(10);\r"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (HWND main = probe->windows().main) {
      PostMessageW(main, WM_QUIT, 0, 0);
      machine.advance(1000);
    }
    link->planetariumPlacementPending = true;
    const std::size_t runs = probe->scripts().size();
    const int gaveWay = link->startStatesGivenWay;
    EXPECT_TRUE(c.run(*link));
    machine.advance(10);
    ASSERT_EQ(probe->scripts().size(), runs + 2) << "the start state, then the action";
    EXPECT_NE(probe->scripts().back().text.find(c.ran), std::string::npos) << probe->scripts().back().text;
    EXPECT_EQ(link->startStatesGivenWay, gaveWay + 1);
    EXPECT_FALSE(UserFileExists(L"MACRO.ovs"));
    const std::vector<UINT_PTR> fired = PumpTimers(20000);
    EXPECT_EQ(std::count(fired.begin(), fired.end(), StartStateScriptEndTimer), 0)
        << "the start state's end would stop the action's script";
    EXPECT_EQ(probe->state()->time_rate(), 10) << "the action's script ran to its end";
  }
}

TEST_F(ScriptRunnerTest, TheStopKeyEndsTheRunningScript) {
  link->RunScript(L"core.wait(30);\rcore.setTimeRate(5);\r", L"Slow.ovs", false, 31000);
  machine.advance(1000);
  link->scriptPaused = true;
  link->StopPlanetariumScript();
  EXPECT_FALSE(link->scriptPaused);
  EXPECT_EQ(GetForegroundWindow(), console);
  machine.advance(40000);
  EXPECT_EQ(probe->state()->time_rate(), 1) << "the script never reached its end";
}

TEST_F(ScriptRunnerTest, OutputIsReadBackBySectionAndKey) {
  std::wstring out = L"untouched";
  EXPECT_FALSE(ReadPlanetariumOutput(L"main", L"getTimeRate", out));
  link->RunScript(
      L"core.resetOutput();\rcore.output(\"[main]\");\rcore.output(\"getTimeRate=\" + core.getTimeRate());\r",
      L"info.ovs", false, 1000);
  machine.advance(100);
  EXPECT_TRUE(ReadPlanetariumOutput(L"MAIN", L"gettimerate", out));
  EXPECT_EQ(out, L"1");
  EXPECT_TRUE(ReadPlanetariumOutput(L"main", L"position_pl", out));
  EXPECT_EQ(out, L"");
  out = L"untouched";
  EXPECT_TRUE(ReadPlanetariumOutput(L"other", L"getTimeRate", out));
  EXPECT_EQ(out, L"untouched");
}

TEST_F(ScriptRunnerTest, EscapedLiteralsReachTheScriptAsTheTextItself) {
  const std::wstring texts[] = {L"Say \"hi\"", L"C:\\Users\\x", L"two\rlines\nhere", L"plain",
                                std::wstring(L"nul\0inside", 11)};
  std::wstring script = L"core.resetOutput();\rcore.output(\"[names]\");\r";
  for (std::size_t i = 0; i < std::size(texts); ++i)
    script +=
        L"core.output(\"n" + std::to_wstring(i) + L"=\" + " + ScriptStringLiteral(texts[i]) + L".length);\r";
  link->RunScript(script, L"names.ovs", false, 1000);
  machine.advance(100);
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    std::wstring length;
    ASSERT_TRUE(ReadPlanetariumOutput(L"names", L"n" + std::to_wstring(i), length));
    EXPECT_EQ(length, std::to_wstring(texts[i].size())) << i;
  }
}

TEST(ScriptStringLiteral, EscapesWhatWouldBreakTheStatement) {
  EXPECT_EQ(ScriptStringLiteral(L"Ca\u00f1\u00f3n \"Rojo\"\\\r\n"),
            L"\"Ca\u00f1\u00f3n \\\"Rojo\\\"\\\\\\r\\n\"");
  EXPECT_EQ(ScriptStringLiteral(L""), L"\"\"");
  EXPECT_EQ(ScriptStringLiteral(std::wstring(L"a\0b", 3)), L"\"a\\u0000b\"");
}

}  // namespace
