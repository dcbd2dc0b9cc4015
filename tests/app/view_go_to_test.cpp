// The view, selection and go-to buttons against the stand-in Orvenna on the virtual clock: what
// Orvenna received and the view it shows afterwards, the console's captions, tips and recorder.
#include <algorithm>
#include <string>
#include <vector>

#include "peers/orvenna/program_probe.h"
#include "peers/orvenna/sky_ephemeris.h"
#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/settings/console_settings.h"
#include "src/settings/ini_files.h"
#include "src/settings/settings_key.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr UINT GoToId = 1057;
constexpr UINT ResetId = 1985;
constexpr UINT DeselectId = 1990;
constexpr UINT PositionId = 988;
constexpr UINT PdfId = 1358;
constexpr UINT MultimediaId = 11636;
constexpr int MoonCode = 3;
constexpr BYTE DefaultZoomOutKey = 0xE2;

constexpr wchar_t NothingToGoTo[] = L"No object to zoom/center on. Please, select an object.";
constexpr wchar_t NothingSelected[] = L"no object selected at the moment";
constexpr wchar_t FlyByRefusal[] = L"This function is not available during the fly-by";
constexpr wchar_t PausedRefusal[] = L"The recording is paused!";
constexpr wchar_t CentreCaption[] = L"Center on Object";

class ViewGoToTest : public ConsoleWithOrvennaTest {
 protected:
  using ConsoleWithOrvennaTest::ConsoleWithOrvennaTest;

  void SetUp() override {
    ConsoleWithOrvennaTest::SetUp();
    Run([](TestConsoleDlg& dlg) { dlg.CreateTooltips(); });
  }

  // Orvenna's own statements, run as a script of the console's runner.
  void RunInOrvenna(const std::wstring& script) {
    RunToEnd([script](TestConsoleDlg& dlg) { dlg.RunScript(script, L"testview.ovs", false, 100); });
    Wait(200);
  }

  // The body selected in Orvenna and on the console, as a planet button would.
  void SelectBody(const wchar_t* name, int code) {
    RunInOrvenna(L"core.selectObjectByName(\"" + std::wstring(name) + L"\", true);\r");
    Run([code](TestConsoleDlg& dlg) { dlg.SelectedBodyCode = code; });
  }

  void StartRecording() {
    Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
  }

  std::size_t Mark() const { return probe->messages().size(); }

  // The messages of that kind and origin that reached Orvenna's view since the mark.
  std::vector<orvenna::ReceivedMessage> Received(std::size_t mark, UINT message,
                                                 orvenna::MessageOrigin origin) const {
    std::vector<orvenna::ReceivedMessage> found;
    const auto received = probe->messages();
    for (std::size_t i = mark; i < received.size(); ++i)
      if (received[i].window == probe->windows().render && received[i].message == message &&
          received[i].origin == origin)
        found.push_back(received[i]);
    return found;
  }

  std::size_t ScriptsRun() const { return probe->scripts().size(); }
  orvenna::SkyState Sky() const { return *probe->state(); }
  DWORD Now() {
    DWORD now = 0;
    Run([&now](TestConsoleDlg&) { now = GetTickCount(); });
    return now;
  }
  std::wstring Text(UINT id) {
    std::wstring text;
    Run([&text, id](TestConsoleDlg&) { text = LoadConsoleString(id); });
    return text;
  }
};

TEST_F(ViewGoToTest, GoToCentresOnTheSelectionThenZoomsInAndTurnsBack) {
  SelectBody(L"Moon", MoonCode);
  StartRecording();
  const std::size_t mark = Mark();
  Click(GoToId);

  auto typed = Received(mark, WM_KEYDOWN, orvenna::MessageOrigin::injected);
  std::erase_if(typed, [](const orvenna::ReceivedMessage& m) { return m.wParam == VK_NUMLOCK; });
  ASSERT_EQ(typed.size(), 1u);
  EXPECT_EQ(typed[0].wParam, static_cast<WPARAM>(VK_SPACE));
  const orvenna::SkyState centred = Sky();
  EXPECT_TRUE(centred.flag(orvenna::SkyFlag::tracking));
  const auto moon = orvenna::object_position("Moon", centred);
  ASSERT_TRUE(moon.has_value());
  EXPECT_NEAR(centred.view.azimuth, moon->azimuth, 0.1);
  EXPECT_NEAR(centred.view.altitude, moon->altitude, 0.1);
  EXPECT_EQ(centred.fov, 180);
  EXPECT_EQ(DialogText(GoToId), L"Go To");
  EXPECT_EQ(dialog->TooltipText(GoToId), L"Go to the selected object: (Moon)");
  EXPECT_TRUE(dialog->recordedShow.recordedScript.ends_with(L"OrvMovementMgr.setFlagTracking(true);\r"));
  EXPECT_EQ(GetForegroundWindow(), MainDialog());

  const std::size_t scripts = ScriptsRun();
  const DWORD pressed = Now();
  Click(GoToId);
  Wait(100);
  const std::wstring zoom =
      L"core.setTimeRate(1);\rOrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\r"
      L"OrvMovementMgr.autoZoomIn(10, 0);\rOrvMovementMgr.setFlagTracking(true);\rcore.wait(10);\r";
  ASSERT_EQ(ScriptsRun(), scripts + 1);
  EXPECT_TRUE(RanExactly(LastScriptRun(), zoom));
  EXPECT_TRUE(dialog->recordedShow.recordedScript.ends_with(zoom));
  EXPECT_EQ(Sky().fov, 10) << "Orvenna's close-up";
  EXPECT_EQ(StatusLine(), L"Zooming: Moon");
  EXPECT_EQ(DialogText(GoToId), CentreCaption);
  EXPECT_EQ(dialog->TooltipText(GoToId), L"Center on selected object: (Moon)");
  EXPECT_FALSE(dialog->goToStage);
  EXPECT_EQ(dialog->viewZoomedOut, 0);

  ASSERT_TRUE(dialog->scriptRunning);
  while (dialog->scriptRunning)
    Wait(10);
  EXPECT_NEAR(static_cast<double>(Now() - pressed), 10090, 10) << "timer 107";
}

TEST_F(ViewGoToTest, CentringWhileTheRateKeysRunIsRecordedByItsKeyword) {
  SelectBody(L"Moon", MoonCode);
  StartRecording();
  Run([](TestConsoleDlg& dlg) { dlg.speedKeysActive = true; });
  Click(GoToId);
  EXPECT_TRUE(Sky().flag(orvenna::SkyFlag::tracking));
  EXPECT_FALSE(dialog->recordedShow.recordedScript.ends_with(L"OrvMovementMgr.setFlagTracking(true);\r"));
  EXPECT_NE(dialog->recordedShow.commandList.find(L"center|"), std::wstring::npos);
}

struct CatalogueZoomCase {
  const wchar_t* name;
  const wchar_t* stored;  // nullptr: no entry for it
  int zoomSpeed;
  const char* statement;
  double fov;
};

TEST_F(ViewGoToTest, ACatalogueObjectZoomsToTheFieldOCconfigGivesIt) {
  const CatalogueZoomCase cases[] = {
      {L"M31", L"0.5", 10, "OrvMovementMgr.zoomTo(0.500, 10);\r", 0.5},
      {L"M42", L"1.25", 5, "OrvMovementMgr.zoomTo(1.250, 5);\r", 1.25},
      {L"M1", nullptr, 10, "OrvMovementMgr.zoomTo(12.000, 10);\r", 12},
      {L"M2", L"0", 10, "OrvMovementMgr.zoomTo(12.000, 10);\r", 12},
      {L"M3", L"-3", 10, "OrvMovementMgr.zoomTo(12.000, 10);\r", 12},
      {L"M4", L"wide", 10, "OrvMovementMgr.zoomTo(12.000, 10);\r", 12},
  };
  for (const CatalogueZoomCase& c : cases) {
    Run([&c](TestConsoleDlg& dlg) {
      if (c.stored != nullptr) WriteIniValue(ConsoleIniFile, L"messier", c.name, c.stored);
      dlg.consoleState.SetSearchTarget(c.name, 1, 0);
      dlg.consoleState.zoomSpeed = c.zoomSpeed;
      dlg.CurrentObjectName = c.name;
      dlg.goToStage = true;
    });
    Click(GoToId);
    Wait(100);
    EXPECT_NE(LastScriptRun().find(c.statement), std::string::npos) << c.statement;
    EXPECT_DOUBLE_EQ(Sky().fov, c.fov) << c.statement;
    EXPECT_EQ(StatusLine(), L"Zooming: " + std::wstring(c.name));
    Wait(static_cast<desktop::Tick>(c.zoomSpeed) * 1000 + 100);
  }
}

TEST_F(ViewGoToTest, TheChineseGoToNamesTheMoonByItsEverydayName) {
  SettingsWriter().Dword(L"Language", 5);
  SelectBody(L"Moon", MoonCode);
  Run([](TestConsoleDlg& dlg) { dlg.goToStage = true; });
  Click(GoToId);
  EXPECT_EQ(StatusLine(), Text(4215) + L"\u6708\u4eae");
  EXPECT_EQ(dialog->TooltipText(GoToId), Text(4445) + L": (\u6708\u4eae)");
}

struct RefusalCase {
  const char* what;
  UINT button;
  bool select;
  bool flyBy;
  bool paused;
  bool scriptRunning;
  const wchar_t* status;
};

TEST_F(ViewGoToTest, RefusalsLeaveOrvennaAndTheSelectionAlone) {
  const wchar_t* scriptRefusal =
      L"Another simulation script is currently running. You can stop it or wait for it to complete, "
      L"depending on the script...";
  const RefusalCase cases[] = {
      {"go-to without a selection", GoToId, false, false, false, false, NothingToGoTo},
      {"position without a selection", PositionId, false, false, false, false, NothingSelected},
      {"go-to during a fly-by", GoToId, true, true, false, false, FlyByRefusal},
      {"position during a fly-by", PositionId, true, true, false, false, FlyByRefusal},
      {"reset during a fly-by", ResetId, true, true, false, false, FlyByRefusal},
      {"go-to, recording paused", GoToId, true, false, true, false, PausedRefusal},
      {"reset, recording paused", ResetId, true, false, true, false, PausedRefusal},
      {"deselect, recording paused", DeselectId, true, false, true, false, PausedRefusal},
      {"position, recording paused", PositionId, true, false, true, false, PausedRefusal},
      {"multimedia, recording paused", MultimediaId, false, false, true, false, PausedRefusal},
      {"multimedia during a fly-by", MultimediaId, false, true, false, false, FlyByRefusal},
      {"multimedia while a script runs", MultimediaId, false, false, false, true, scriptRefusal},
  };
  RunInOrvenna(L"core.selectObjectByName(\"Moon\", true);\rOrvMovementMgr.zoomTo(40,0);\r");
  for (const RefusalCase& c : cases) {
    Run([&c](TestConsoleDlg& dlg) {
      dlg.SelectedBodyCode = c.select ? MoonCode : -1;
      dlg.viewZoomedOut = 0;
      dlg.flyByRunning = c.flyBy;
      dlg.RecorderState = c.paused ? RecorderPaused : RecorderIdle;
      dlg.scriptRunning = c.scriptRunning;
      dlg.SetDlgItemText(COrvennaConsoleDlg::StatusLineId, L"");
    });
    const std::size_t mark = Mark();
    const std::size_t scripts = ScriptsRun();
    Click(c.button);
    Wait(200);
    EXPECT_EQ(StatusLine(), c.status) << c.what;
    EXPECT_EQ(ScriptsRun(), scripts) << c.what;
    EXPECT_TRUE(Received(mark, WM_KEYDOWN, orvenna::MessageOrigin::injected).empty()) << c.what;
    EXPECT_TRUE(Received(mark, WM_KEYDOWN, orvenna::MessageOrigin::posted).empty()) << c.what;
    EXPECT_TRUE(Received(mark, WM_RBUTTONUP, orvenna::MessageOrigin::posted).empty()) << c.what;
    EXPECT_EQ(Sky().selection(), "Moon") << c.what;
    EXPECT_EQ(Sky().fov, 40) << c.what;
    EXPECT_EQ(dialog->SelectedBodyCode, c.select ? MoonCode : -1) << c.what;
    EXPECT_FALSE(dialog->goToStage) << c.what;
    EXPECT_TRUE(dialog->multimediaPanelsOpened.empty()) << c.what;
  }
}

TEST_F(ViewGoToTest, ResetReturnsAZoomedViewByScriptAndThenOnlyByTheKey) {
  Run([](TestConsoleDlg&) { WriteFieldOfView(180); });
  SelectBody(L"Moon", MoonCode);
  Click(GoToId);
  Click(GoToId);
  Wait(11000);
  ASSERT_EQ(Sky().fov, 10);
  StartRecording();

  std::size_t mark = Mark();
  Click(ResetId);
  const std::wstring reset =
      L"OrvMovementMgr.setFlagTracking(false);\rOrvMovementMgr.zoomTo(90,5.000000);\rcore.wait(5.00);\r"
      L"core.moveToAltAzi(89.7,270.00,5.000000);\rOrvMovementMgr.zoomTo(180,5.00);\rcore.wait(5.00);\r"
      L"OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\rOrvMovementMgr.autoZoomOut(2,true);\r";
  EXPECT_TRUE(RanExactly(LastScriptRun(), reset));
  EXPECT_TRUE(dialog->recordedShow.recordedScript.ends_with(reset));
  EXPECT_TRUE(dialog->scriptRunning);
  EXPECT_EQ(dialog->viewZoomedOut, 1);
  EXPECT_EQ(dialog->SelectedBodyCode, -1);
  EXPECT_EQ(DialogText(GoToId), CentreCaption);
  EXPECT_EQ(dialog->TooltipText(GoToId), L"Center on selected object: (no object selected at the moment)");
  EXPECT_EQ(dialog->TooltipText(COrvennaConsoleDlg::FlyByButtonId),
            L"Orbit around the selected planet (no object selected at the moment)");

  // The script has had its time; timer 100 presses the auto-zoom-out key once more.
  Wait(10500);
  EXPECT_FALSE(dialog->scriptRunning);
  const auto keys = Received(mark, WM_KEYDOWN, orvenna::MessageOrigin::posted);
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0].wParam, DefaultZoomOutKey);
  const orvenna::SkyState restored = Sky();
  EXPECT_EQ(restored.fov, 180);
  EXPECT_FALSE(restored.flag(orvenna::SkyFlag::tracking));
  EXPECT_EQ(restored.view.azimuth, restored.init_view.azimuth);
  EXPECT_EQ(restored.view.altitude, restored.init_view.altitude);

  mark = Mark();
  const std::size_t scripts = ScriptsRun();
  Click(ResetId);
  Wait(200);
  EXPECT_EQ(ScriptsRun(), scripts);
  EXPECT_EQ(Received(mark, WM_KEYDOWN, orvenna::MessageOrigin::posted).size(), 1u);
  EXPECT_NE(dialog->recordedShow.commandList.find(L"reset|"), std::wstring::npos);
}

TEST_F(ViewGoToTest, ResetWhileAScriptRunsOnlyPressesTheKey) {
  RunInOrvenna(L"OrvMovementMgr.zoomTo(30,0);\r");
  Run([](TestConsoleDlg& dlg) {
    dlg.viewZoomedOut = 0;
    dlg.scriptRunning = true;
  });
  const std::size_t scripts = ScriptsRun();
  Click(ResetId);
  Wait(200);
  EXPECT_EQ(ScriptsRun(), scripts);
  EXPECT_EQ(Sky().fov, 180);
  EXPECT_EQ(dialog->viewZoomedOut, 0);
}

TEST_F(ViewGoToTest, TimerOneHundredZoomsOutWhenAScriptHasHadItsTime) {
  const std::size_t mark = Mark();
  RunToEnd([](TestConsoleDlg& dlg) {
    dlg.scriptRunning = true;
    dlg.SetDlgItemText(COrvennaConsoleDlg::StatusLineId, L"busy");
    dlg.RunScript(L"OrvMovementMgr.zoomTo(25,0);\rcore.wait(1);\r", L"zoomed.ovs", true, 1000);
  });
  Wait(100);
  EXPECT_EQ(Sky().fov, 25);
  EXPECT_TRUE(Received(mark, WM_KEYDOWN, orvenna::MessageOrigin::posted).empty());
  Wait(1700);
  EXPECT_FALSE(dialog->scriptRunning);
  EXPECT_EQ(StatusLine(), L"");
  EXPECT_EQ(Received(mark, WM_KEYDOWN, orvenna::MessageOrigin::posted).size(), 1u);
  EXPECT_EQ(Received(mark, WM_KEYUP, orvenna::MessageOrigin::posted).size(), 1u);
  EXPECT_EQ(Sky().fov, 180);
}

struct ZoomOutLayout {
  const char* name;
  const wchar_t* layout;
  BYTE key;
  LPARAM keyDown;
  LPARAM keyUp;
  bool altGr;
};

class AutoZoomOutTest : public ViewGoToTest, public ::testing::WithParamInterface<ZoomOutLayout> {
 protected:
  AutoZoomOutTest()
      : ViewGoToTest({{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}}, ProgramOn(GetParam().layout)) {}

  static orvenna::ProgramSettings ProgramOn(const wchar_t* layout) {
    orvenna::ProgramSettings program;
    program.keyboard_layout = layout;
    return program;
  }
};

TEST_P(AutoZoomOutTest, TheKeyWhereOrvennasLayoutTypesItReturnsTheView) {
  const ZoomOutLayout& layout = GetParam();
  RunInOrvenna(L"OrvMovementMgr.zoomTo(15,0);\r");
  const std::size_t mark = Mark();
  const std::size_t inputs = machine.input_log().size();
  Run([](TestConsoleDlg& dlg) { dlg.PressAutoZoomOut(); });
  Wait(layout.altGr ? 90 : 0);
  EXPECT_EQ(Received(mark, WM_ACTIVATEAPP, orvenna::MessageOrigin::sent).size(), 1u);
  EXPECT_EQ(Received(mark, WM_IME_NOTIFY, orvenna::MessageOrigin::sent).size(), 2u);
  const auto down = Received(mark, WM_KEYDOWN, orvenna::MessageOrigin::posted);
  ASSERT_EQ(down.size(), 1u);
  EXPECT_EQ(down[0].wParam, layout.key);
  EXPECT_EQ(down[0].lParam, layout.keyDown);
  EXPECT_EQ(Sky().fov, 180);
  EXPECT_TRUE(Received(mark, WM_KEYUP, orvenna::MessageOrigin::posted).empty());
  Wait(150);
  const auto up = Received(mark, WM_KEYUP, orvenna::MessageOrigin::posted);
  ASSERT_EQ(up.size(), 1u);
  EXPECT_EQ(up[0].wParam, layout.key);
  EXPECT_EQ(up[0].lParam, layout.keyUp);
  Wait(30);

  std::vector<std::pair<BYTE, bool>> injected;
  const auto& log = machine.input_log();
  for (std::size_t i = inputs; i < log.size(); ++i) {
    const auto key = static_cast<BYTE>(MapVirtualKeyW(log[i].event.scan, MAPVK_VSC_TO_VK_EX));
    if (key != VK_NUMLOCK) injected.emplace_back(key, (log[i].event.flags & KEYEVENTF_KEYUP) != 0);
  }
  std::vector<std::pair<BYTE, bool>> expected;
  if (layout.altGr)
    expected = {{VK_LCONTROL, false}, {VK_LMENU, false}, {VK_LCONTROL, true}, {VK_LMENU, true}};
  EXPECT_EQ(injected, expected);
}

TEST_P(AutoZoomOutTest, OrvennaGoneBeforeTheKeyUpLeavesNoModifierHeld) {
  Run([](TestConsoleDlg& dlg) { dlg.PressAutoZoomOut(); });
  if (GetParam().altGr) {
    ASSERT_EQ(HeldModifiers(), (std::vector<BYTE>{VK_CONTROL, VK_LCONTROL, VK_MENU, VK_LMENU}));
  }
  PostMessageW(probe->windows().main, WM_QUIT, 0, 0);
  Wait(1000);
  EXPECT_EQ(std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), ResetKeyTimer), 1);
  EXPECT_TRUE(HeldModifiers().empty());
}

TEST_P(AutoZoomOutTest, TheConsoleEndingBeforeTheKeyUpLeavesNoModifierHeld) {
  Run([](TestConsoleDlg& dlg) {
    dlg.PressAutoZoomOut();
    dlg.EndDialog(1);
  });
  Wait(1000);
  EXPECT_EQ(ExitCode(), 1);
  EXPECT_TRUE(HeldModifiers().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, AutoZoomOutTest,
    ::testing::Values(ZoomOutLayout{"Italian", L"00000410", 0xDC, 0x001D0001, 0xC0290001, false},
                      ZoomOutLayout{"Turkish", L"0000041F", 0xDF, 0x200C0001, 0xE00C0001, true},
                      ZoomOutLayout{"Spanish", L"0000040A", 0xDC, 0x20290001, 0xE0290001, true},
                      ZoomOutLayout{"French", L"0000040C", '8', 0x20090001, 0xE0090001, true},
                      ZoomOutLayout{"US", L"00000409", 0xE2, 0x00560001, 0xC0560001, false}),
    [](const ::testing::TestParamInfo<ZoomOutLayout>& info) { return std::string(info.param.name); });

TEST_F(ViewGoToTest, DeselectRightClicksOrvennasViewAndClearsTheConsolesSelection) {
  SelectBody(L"Moon", MoonCode);
  Click(GoToId);
  StartRecording();
  const std::size_t mark = Mark();
  Click(DeselectId);
  Wait(100);
  const LPARAM position = MAKELPARAM(961, 0);
  for (UINT message : {WM_RBUTTONDOWN, WM_MOUSEMOVE, WM_RBUTTONUP}) {
    const auto clicks = Received(mark, message, orvenna::MessageOrigin::posted);
    ASSERT_EQ(clicks.size(), 1u) << message;
    EXPECT_EQ(clicks[0].lParam, position) << message;
  }
  EXPECT_EQ(Sky().selection(), "");
  EXPECT_EQ(dialog->SelectedBodyCode, -1);
  EXPECT_FALSE(dialog->goToStage);
  EXPECT_EQ(DialogText(GoToId), CentreCaption);
  EXPECT_EQ(dialog->TooltipText(GoToId), L"Center on selected object: (no object selected at the moment)");
  EXPECT_NE(dialog->recordedShow.commandList.find(L"desel|"), std::wstring::npos);
}

struct PositionCase {
  const char* what;
  int bodyCode;
  const wchar_t* found;
  const char* askedFor;
  bool distance;
};

TEST_F(ViewGoToTest, ObjectPositionShowsLiveLabelsUntilPressedAgain) {
  const PositionCase cases[] = {
      {"Mars", 2, L"", "core.getObjectInfo(\"Mars\")", true},
      {"the Sun", 10, L"", "core.getObjectInfo(\"Sun\")", false},
      {"a star by its number", -1, L"HP-32349", "core.getObjectInfo(\"HP32349\")", false},
  };
  for (const PositionCase& c : cases) {
    Run([&c](TestConsoleDlg& dlg) {
      dlg.SelectedBodyCode = c.bodyCode;
      dlg.CurrentObjectName = c.found;
    });
    Click(PositionId);
    Wait(100);
    const std::string run = LastScriptRun();
    EXPECT_NE(run.find(c.askedFor), std::string::npos) << c.what;
    EXPECT_EQ(run.find("km"), c.distance ? run.find("km") : std::string::npos) << c.what;
    EXPECT_TRUE(dialog->clearLabelsFirst) << c.what;
    const auto labels = Sky().labels();
    ASSERT_EQ(labels.size(), 2u) << c.what;
    for (const orvenna::ScreenLabel& label : labels) {
      EXPECT_TRUE(label.text.starts_with("Alt: ")) << c.what << ": " << label.text;
      EXPECT_NE(label.text.find("\" - Az: "), std::string::npos) << c.what << ": " << label.text;
      EXPECT_EQ(label.text.ends_with(" km"), c.distance) << c.what << ": " << label.text;
    }

    const std::size_t scripts = ScriptsRun();
    Click(PositionId);
    Wait(100);
    EXPECT_EQ(ScriptsRun(), scripts) << c.what;
    EXPECT_TRUE(Sky().labels().empty()) << c.what;
    EXPECT_FALSE(dialog->clearLabelsFirst) << c.what;
  }
}

TEST_F(ViewGoToTest, ThePositionLabelsEndAfterAMinuteAndTheButtonShowsThemAgain) {
  Run([](TestConsoleDlg& dlg) { dlg.SelectedBodyCode = 2; });
  Click(PositionId);
  Wait(59000);
  EXPECT_EQ(Sky().labels().size(), 2u);
  EXPECT_TRUE(dialog->clearLabelsFirst);
  Wait(2100);
  EXPECT_TRUE(Sky().labels().empty());
  EXPECT_FALSE(dialog->clearLabelsFirst);
  const std::size_t scripts = ScriptsRun();
  Click(PositionId);
  Wait(100);
  EXPECT_EQ(ScriptsRun(), scripts + 1) << "one press shows them again";
  EXPECT_EQ(Sky().labels().size(), 2u);
}

TEST_F(ViewGoToTest, AFoundNameWithQuotesReachesOrvennaAsItIs) {
  Run([](TestConsoleDlg& dlg) { dlg.CurrentObjectName = L"Odd \"one\\"; });
  Click(PositionId);
  Wait(100);
  const auto log = probe->log();
  EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const orvenna::ScriptLogEntry& entry) {
    return entry.message == "no position for \"Odd \"one\\\"";
  }));
}

TEST_F(ViewGoToTest, AReplayedCentringOnlyTypesSpaceAndSetsTheStage) {
  RunInOrvenna(L"core.selectObjectByName(\"Moon\", true);\r");
  Run([](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderPlaying; });
  const std::size_t mark = Mark();
  Click(GoToId);
  auto typed = Received(mark, WM_KEYDOWN, orvenna::MessageOrigin::injected);
  std::erase_if(typed, [](const orvenna::ReceivedMessage& m) { return m.wParam == VK_NUMLOCK; });
  ASSERT_EQ(typed.size(), 1u) << "no refusal though the console has nothing selected";
  EXPECT_EQ(typed[0].wParam, static_cast<WPARAM>(VK_SPACE));
  EXPECT_TRUE(Sky().flag(orvenna::SkyFlag::tracking));
  EXPECT_TRUE(dialog->goToStage);
  EXPECT_EQ(StatusLine(), L"");
  EXPECT_EQ(GetForegroundWindow(), MainDialog());
}

TEST_F(ViewGoToTest, WithOrvennaClosedTheGoToStaysAtItsFirstStage) {
  SelectBody(L"Moon", MoonCode);
  const HWND main = probe->windows().main;
  Run([main](TestConsoleDlg&) { ::PostMessageW(main, WM_CLOSE, 0, 0); });
  Wait(500);
  ASSERT_FALSE(IsWindow(main));
  StartRecording();
  const std::wstring caption = DialogText(GoToId);
  for (WORD state : {RecorderPlaying, RecorderRecording}) {
    Run([state](TestConsoleDlg& dlg) { dlg.RecorderState = state; });
    Click(GoToId);
    EXPECT_FALSE(dialog->goToStage) << state;
    EXPECT_EQ(DialogText(GoToId), caption) << state;
    EXPECT_EQ(MessageBoxShown(), nullptr) << state;
  }
  EXPECT_FALSE(dialog->recordedShow.recordedScript.ends_with(L"OrvMovementMgr.setFlagTracking(true);\r"));
}

TEST_F(ViewGoToTest, ThePanelsOpenFromTheirButtons) {
  Run([](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderPaused; });
  Click(PdfId);
  EXPECT_EQ(dialog->pdfListsOpened, 1) << "the PDF list has no guard";
  Run([](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderIdle; });
  Click(MultimediaId);
  EXPECT_EQ(dialog->multimediaPanelsOpened, std::vector<bool>{true});
}

}  // namespace
