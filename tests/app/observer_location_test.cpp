// The observer-location buttons against the stand-in Orvenna on the virtual clock: the script it
// ran, where its observer stands afterwards, the location label, the refusals and the recording.
#include <string>

#include "peers/orvenna/program_probe.h"
#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/dialogs/mercator.h"
#include "src/dialogs/pole_dlg.h"
#include "src/dialogs/reset_position_wnd.h"
#include "src/settings/console_settings.h"
#include "src/settings/ini_files.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr UINT NorthPoleId = 1101;
constexpr UINT SouthPoleId = 1102;
constexpr UINT EquatorId = 1103;
constexpr UINT WorldMapId = 29316;
constexpr UINT HomeId = 1120;
constexpr UINT FromHereId = 2003;
constexpr UINT AtmosphereId = 1012;
constexpr int LocationLabelId = 1127;
constexpr int NoChoice = -1;

constexpr wchar_t ScriptRunning[] =
    L"Another simulation script is currently running. You can stop it or wait for it to complete, "
    L"depending on the script...";
constexpr wchar_t Paused[] = L"The recording is paused!";
constexpr wchar_t FlyByRefusal[] = L"This function is not available during the fly-by";
constexpr wchar_t NoPlanet[] = L"No planet selected. Please select one of planets of the Solar System.";

class ObserverLocationTest : public ConsoleWithOrvennaTest {
 protected:
  // The presenter's answers at the three choosers.
  void ChoosePole(int body) {
    Run([body](TestConsoleDlg& dlg) {
      dlg.poleChooser = [body](CConsoleState& state) {
        if (body == NoChoice) return static_cast<INT_PTR>(CPoleDlg::Cancelled);
        state.homePlanetIndex = body;
        return static_cast<INT_PTR>(CPoleDlg::BodyChosen);
      };
    });
  }
  void AnswerHome(INT_PTR answer) {
    Run([answer](TestConsoleDlg& dlg) { dlg.homeQuestion = [answer] { return answer; }; });
  }

  // Clicks and lets the script Orvenna runs end.
  void ClickAndSettle(UINT id) {
    Click(id);
    Wait(12000);
  }

  std::size_t ScriptsRun() const { return probe->scripts().size(); }
  orvenna::SkyState Sky() const { return *probe->state(); }
  std::string LastRun() const { return LastScriptRun(); }
};

struct PoleCase {
  UINT command;
  int body;
  const char* planet;
  double latitude;
  const char* placeName;
  const char* landscape;  // empty: whatever was there
  bool atmosphere;
  const wchar_t* label;
};

constexpr PoleCase PoleCases[] = {
    {NorthPoleId, 3, "Mars", 90, "North Pole", "Mars", false, L"MARS"},
    {SouthPoleId, 11, "Vesta", -90, "South Pole", "Moon", false, L"Vesta"},
    {EquatorId, 9, "Moon", 0, "Equatorial Line", "Moon", false, L"MOON"},
    {NorthPoleId, 4, "Jupiter", 90, "North Pole", "Jupiter", false, L"JUPITER"},
    {SouthPoleId, 10, "Sun", -90, "South Pole", "", false, L"SUN"},
};

TEST_F(ObserverLocationTest, PoleAndEquatorButtonsMoveTheObserverOntoTheChosenBody) {
  for (const PoleCase& c : PoleCases) {
    SCOPED_TRACE(c.placeName + std::string(" of ") + c.planet);
    const std::string landscapeBefore = Sky().landscape();
    ChoosePole(c.body);
    ClickAndSettle(c.command);
    const std::string run = LastRun();
    EXPECT_NE(run.find(std::string(",\"") + c.placeName + "\",\"" + c.planet + "\");\r"), std::string::npos);
    const orvenna::SkyState sky = Sky();
    EXPECT_EQ(sky.observer().planet, c.planet);
    EXPECT_EQ(sky.observer().latitude, c.latitude);
    EXPECT_EQ(sky.observer().name, c.placeName);
    EXPECT_EQ(sky.landscape(), *c.landscape ? std::string(c.landscape) : landscapeBefore);
    EXPECT_EQ(sky.flag(orvenna::SkyFlag::atmosphere), c.atmosphere);
    EXPECT_FALSE(sky.flag(orvenna::SkyFlag::fog));
    EXPECT_TRUE(sky.flag(orvenna::SkyFlag::cardinal_points));
    EXPECT_EQ(DialogText(LocationLabelId), c.label);
    EXPECT_FALSE(dialog->scriptRunning);
  }
}

TEST_F(ObserverLocationTest, OrvennaRunsThePoleScriptAsWritten) {
  ChoosePole(4);
  ClickAndSettle(SouthPoleId);
  EXPECT_TRUE(RanExactly(
      LastRun(),
      L"core.selectObjectByName(\"\", true);OrvMovementMgr.setFlagTracking(false);core.setTimeRate(1);\r"
      L"OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\r"
      L"OrvMovementMgr.autoZoomOut(1.0, false);\rcore.wait(1.05);\r"
      L"if (LandscapeMgr.getCurrentLandscapeName() != \"Jupiter\")\r"
      L"   LandscapeMgr.setCurrentLandscapeName(\"Jupiter\",false);\r"
      L"LandscapeMgr.setFlagCardinalsPoints(true);\rcore.selectObjectByName(\"\", false);\r"
      L"OrvMovementMgr.setFlagTracking(false);\rvar items = core.getObserverLocationInfo();\r"
      L"core.setObserverLocation(items[\"longitude\"],-90.0,0,8.7,\"South Pole\",\"Jupiter\");\r"
      L"OrvMovementMgr.setFlagTracking(false);\rcore.selectObjectByName(\"\", true);\rcore.wait(8.85);\r"
      L"LandscapeMgr.setFlagAtmosphere(false);\rLandscapeMgr.setFlagFog(false);\r"));
}

TEST_F(ObserverLocationTest, OrvennaRunsTheFromHereScriptOfTheEarthAsWritten) {
  Run([](TestConsoleDlg& dlg) { dlg.SelectedBodyCode = 1; });
  const std::wstring ground = ReadDefaultGround();
  ClickAndSettle(FromHereId);
  EXPECT_TRUE(RanExactly(
      LastRun(),
      L"LandscapeMgr.setAtmosphereFadeDuration(4);\rOrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\r"
      L"core.wait(1);\rcore.selectObjectByName(\"Earth\", true);\r"
      L"LandscapeMgr.setFlagAtmosphere(true);\rLandscapeMgr.setFlagFog(true);\r"
      L"LandscapeMgr.setCurrentLandscapeName(\"" +
          ground +
          L"\",false);\r"
          L"core.setObserverLocation(\"Washington, United States\",3.0);\rcore.wait(3);\r"
          L"core.setObserverLocation(45,45,-2000, 0, \"Earth\", \"Earth\");\rcore.wait(2);\r"
          L"core.setObserverLocation(\"Washington, United States\",4.0);\rcore.wait(4);\r"));
}

TEST_F(ObserverLocationTest, EquatorOfTheEarthBringsBackTheDefaultGroundAndAirUnlessTheGroundIsKept) {
  ChoosePole(3);
  ClickAndSettle(NorthPoleId);
  ChoosePole(2);
  ClickAndSettle(EquatorId);
  orvenna::SkyState sky = Sky();
  EXPECT_EQ(sky.observer().planet, "Earth");
  EXPECT_EQ(sky.observer().latitude, 0);
  EXPECT_NE(sky.landscape(), "Mars");
  EXPECT_TRUE(sky.flag(orvenna::SkyFlag::atmosphere));
  EXPECT_TRUE(sky.flag(orvenna::SkyFlag::fog));
  EXPECT_EQ(DialogText(LocationLabelId), L"EARTH");

  ChoosePole(3);
  ClickAndSettle(NorthPoleId);
  Run([](TestConsoleDlg&) { WriteIniValue(ConsoleIniFile, L"behavior", L"JustDoTheMovementOnPole", L"On"); });
  ChoosePole(2);
  ClickAndSettle(SouthPoleId);
  sky = Sky();
  EXPECT_EQ(sky.observer().planet, "Earth");
  EXPECT_EQ(sky.observer().latitude, -90);
  EXPECT_EQ(sky.landscape(), "Mars");
  EXPECT_FALSE(sky.flag(orvenna::SkyFlag::atmosphere));
}

TEST_F(ObserverLocationTest, PoleChooserCancelledChangesNothing) {
  Run([](TestConsoleDlg& dlg) { dlg.SelectedBodyCode = 2; });
  const std::size_t scripts = ScriptsRun();
  ChoosePole(NoChoice);
  ClickAndSettle(NorthPoleId);
  EXPECT_EQ(ScriptsRun(), scripts);
  EXPECT_EQ(dialog->SelectedBodyCode, 2);
  EXPECT_FALSE(dialog->scriptRunning);
}

struct GuardCase {
  const char* name;
  UINT command;
  void (*prepare)(TestConsoleDlg&);
  const wchar_t* notice;
};

constexpr GuardCase GuardCases[] = {
    {"pole while a script runs", NorthPoleId, [](TestConsoleDlg& d) { d.scriptRunning = true; },
     ScriptRunning},
    {"pole while rate keys run", EquatorId, [](TestConsoleDlg& d) { d.speedKeysActive = true; },
     ScriptRunning},
    {"pole during a fly-by", SouthPoleId, [](TestConsoleDlg& d) { d.flyByRunning = true; }, FlyByRefusal},
    {"pole while paused", NorthPoleId, [](TestConsoleDlg& d) { d.RecorderState = RecorderPaused; }, Paused},
    {"map while paused", WorldMapId, [](TestConsoleDlg& d) { d.RecorderState = RecorderPaused; }, Paused},
    {"map during a fly-by", WorldMapId, [](TestConsoleDlg& d) { d.flyByRunning = true; }, FlyByRefusal},
    {"map while a script runs", WorldMapId, [](TestConsoleDlg& d) { d.scriptRunning = true; }, ScriptRunning},
    {"home while paused", HomeId, [](TestConsoleDlg& d) { d.RecorderState = RecorderPaused; }, Paused},
    {"home place during a fly-by", HomeId, [](TestConsoleDlg& d) { d.flyByRunning = true; }, FlyByRefusal},
    {"home place while rate keys run", HomeId, [](TestConsoleDlg& d) { d.speedKeysActive = true; },
     ScriptRunning},
    {"from here with nothing selected", FromHereId, [](TestConsoleDlg& d) { d.SelectedBodyCode = -1; },
     NoPlanet},
    {"from here while paused", FromHereId, [](TestConsoleDlg& d) { d.RecorderState = RecorderPaused; },
     Paused},
    {"from here while a script runs", FromHereId, [](TestConsoleDlg& d) { d.scriptRunning = true; },
     ScriptRunning},
    {"from here during a fly-by", FromHereId, [](TestConsoleDlg& d) { d.flyByRunning = true; }, FlyByRefusal},
};

TEST_F(ObserverLocationTest, RefusalsLeaveOrvennaAndTheLabelAlone) {
  for (const GuardCase& c : GuardCases) {
    SCOPED_TRACE(c.name);
    Run([&c](TestConsoleDlg& dlg) {
      dlg.SelectedBodyCode = 2;
      dlg.scriptRunning = false;
      dlg.speedKeysActive = false;
      dlg.flyByRunning = false;
      dlg.RecorderState = RecorderIdle;
      dlg.SetDlgItemText(LocationLabelId, L"before");
      dlg.poleChooser = [](CConsoleState& state) {
        state.homePlanetIndex = 3;
        return static_cast<INT_PTR>(CPoleDlg::BodyChosen);
      };
      dlg.worldMap = [](std::wstring& buffer) {
        buffer = L"core.setObserverLocation(10, 10, 0, 0, \"map\", \"Earth\");\r";
        return static_cast<INT_PTR>(CMercator::PlaceChosen);
      };
      dlg.homeQuestion = [] { return static_cast<INT_PTR>(CResetPositionWnd::HomePlaceOnly); };
      c.prepare(dlg);
    });
    const std::size_t scripts = ScriptsRun();
    Click(c.command);
    Wait(100);
    EXPECT_EQ(StatusLine(), c.notice);
    EXPECT_EQ(ScriptsRun(), scripts);
    EXPECT_EQ(DialogText(LocationLabelId), L"before");
    Wait(7000);
  }
}

struct FromHereCase {
  int code;
  const char* planet;
  const char* landscape;  // empty: not checked
  bool atmosphere;
  const wchar_t* label;
  bool atmosphereCaptionReset;
};

constexpr FromHereCase FromHereCases[] = {
    {3, "Moon", "Moon", false, L"MOON", true},
    {2, "Mars", "Mars", false, L"MARS", false},
    {9, "Neptune", "Neptune", false, L"NEPTUNE", true},
    {0, "Pluto", "", true, L"PLUTO", false},
};

TEST_F(ObserverLocationTest, FromHerePutsTheObserverOnTheSelectedBody) {
  for (const FromHereCase& c : FromHereCases) {
    SCOPED_TRACE(c.planet);
    Run([&c](TestConsoleDlg& dlg) {
      dlg.SelectedBodyCode = c.code;
      dlg.SetDlgItemText(AtmosphereId, L"changed");
      dlg.RunScript(L"LandscapeMgr.setFlagAtmosphere(true);\r", L"air.ovs", false, 100);
    });
    Wait(500);
    ClickAndSettle(FromHereId);
    const orvenna::SkyState sky = Sky();
    EXPECT_EQ(sky.observer().planet, c.planet);
    EXPECT_EQ(sky.observer().longitude, 45);
    EXPECT_EQ(sky.observer().latitude, 45);
    EXPECT_EQ(sky.observer().altitude, -2000);
    if (*c.landscape) {
      EXPECT_EQ(sky.landscape(), c.landscape);
    }
    EXPECT_EQ(sky.flag(orvenna::SkyFlag::atmosphere), c.atmosphere);
    EXPECT_EQ(DialogText(LocationLabelId), c.label);
    EXPECT_EQ(DialogText(AtmosphereId), c.atmosphereCaptionReset ? L"Atmosphere " : L"changed");
    EXPECT_EQ(dialog->SelectedBodyCode, -1) << "no body is selected afterwards";
  }
}

TEST_F(ObserverLocationTest, AfterFromHereNoBodyIsSelectedTheTipsSaySoAndASecondPressIsRefused) {
  constexpr UINT MarsButton = 1016;
  const std::wstring nothing = L"no object selected at the moment";
  Run([](TestConsoleDlg& dlg) { dlg.CreateTooltips(); });
  Click(MarsButton);
  Wait(1000);
  ASSERT_EQ(dialog->TooltipText(COrvennaConsoleDlg::FlyByButtonId),
            L"Orbit around the selected planet (Mars)");
  ClickAndSettle(FromHereId);
  ASSERT_EQ(Sky().observer().planet, "Mars");
  EXPECT_EQ(dialog->SelectedBodyCode, -1);
  EXPECT_EQ(dialog->TooltipText(1057), L"Center on selected object: (" + nothing + L")");
  EXPECT_EQ(dialog->TooltipText(COrvennaConsoleDlg::FlyByButtonId),
            L"Orbit around the selected planet (" + nothing + L")");
  // The go-to keeps its stage, its caption and the name of what Orvenna selected.
  EXPECT_EQ(DialogText(1057), L"Center on Object");
  EXPECT_EQ(dialog->CurrentObjectName, L"Mars");

  const std::size_t scripts = ScriptsRun();
  Click(FromHereId);
  EXPECT_EQ(StatusLine(), NoPlanet);
  Wait(6000);
  EXPECT_EQ(ScriptsRun(), scripts);
}

TEST_F(ObserverLocationTest, FromHereOnTheEarthEndsAtTheHomePlaceWithAirAndGround) {
  Run([](TestConsoleDlg& dlg) { dlg.SelectedBodyCode = 3; });
  ClickAndSettle(FromHereId);
  ASSERT_EQ(Sky().observer().planet, "Moon");
  Run([](TestConsoleDlg& dlg) { dlg.SelectedBodyCode = 1; });
  ClickAndSettle(FromHereId);
  const orvenna::SkyState sky = Sky();
  EXPECT_EQ(sky.observer().planet, "Earth");
  EXPECT_EQ(sky.observer().name, "Washington, United States");
  EXPECT_TRUE(sky.flag(orvenna::SkyFlag::atmosphere));
  EXPECT_TRUE(sky.flag(orvenna::SkyFlag::fog));
  EXPECT_EQ(DialogText(LocationLabelId), L"EARTH");
}

TEST_F(ObserverLocationTest, HomePlaceAnswerBringsTheObserverBackToTheEarthAtHome) {
  ChoosePole(3);
  ClickAndSettle(NorthPoleId);
  ASSERT_EQ(Sky().observer().planet, "Mars");
  Run([](TestConsoleDlg& dlg) {
    dlg.SelectedBodyCode = 6;
    dlg.CurrentObjectName = L"Jupiter";
  });
  AnswerHome(CResetPositionWnd::HomePlaceOnly);
  Click(HomeId);
  EXPECT_EQ(StatusLine(), L"Please, wait a moment...");
  EXPECT_EQ(DialogText(LocationLabelId), L"Earth");
  EXPECT_EQ(dialog->SelectedBodyCode, -1);
  EXPECT_TRUE(dialog->CurrentObjectName.empty());
  EXPECT_TRUE(dialog->scriptRunning);
  Wait(9000);
  const orvenna::SkyState sky = Sky();
  EXPECT_EQ(sky.observer().planet, "Earth");
  EXPECT_EQ(sky.observer().name, "Washington, United States");
  EXPECT_TRUE(sky.flag(orvenna::SkyFlag::atmosphere));
  EXPECT_TRUE(sky.flag(orvenna::SkyFlag::landscape));
  EXPECT_NE(sky.landscape(), "Mars");
  EXPECT_FALSE(dialog->scriptRunning);
  EXPECT_EQ(StatusLine(), L"");
}

TEST_F(ObserverLocationTest, WholeSkyAnswerResetsTheStartStateAndForgetsTheSelections) {
  ChoosePole(3);
  ClickAndSettle(NorthPoleId);
  Run([](TestConsoleDlg& dlg) {
    dlg.SelectedBodyCode = 6;
    dlg.CurrentObjectName = L"Jupiter";
    dlg.ConstellationNames.isolated[4] = 1;
    dlg.HasIsolatedConstellation = 1;
    dlg.IsolatedConstellationName = L"Orion";
    dlg.zodiacTourShown = true;
    dlg.RecorderState = RecorderPlaying;
  });
  const std::size_t scripts = ScriptsRun();
  AnswerHome(CResetPositionWnd::WholeSkyReset);
  ClickAndSettle(HomeId);
  EXPECT_GT(ScriptsRun(), scripts);
  EXPECT_EQ(Sky().observer().planet, "Earth");
  EXPECT_EQ(DialogText(LocationLabelId), L"EARTH");
  EXPECT_EQ(dialog->SelectedBodyCode, -1);
  EXPECT_TRUE(dialog->CurrentObjectName.empty());
  EXPECT_EQ(dialog->ConstellationNames.isolated[4], 0);
  EXPECT_FALSE(dialog->HasIsolatedConstellation);
  EXPECT_TRUE(dialog->IsolatedConstellationName.empty());
  EXPECT_FALSE(dialog->zodiacTourShown);
  EXPECT_EQ(dialog->RecorderState, RecorderIdle);
}

TEST_F(ObserverLocationTest, HomeQuestionCancelledChangesNothing) {
  Run([](TestConsoleDlg& dlg) { dlg.SelectedBodyCode = 6; });
  const std::size_t scripts = ScriptsRun();
  AnswerHome(CResetPositionWnd::Cancelled);
  ClickAndSettle(HomeId);
  EXPECT_EQ(ScriptsRun(), scripts);
  EXPECT_EQ(dialog->SelectedBodyCode, 6);
}

TEST_F(ObserverLocationTest, WorldMapRunsTheChosenPlaceAndNothingWhenClosed) {
  Run([](TestConsoleDlg& dlg) {
    dlg.worldMap = [](std::wstring& buffer) {
      buffer = L"core.setObserverLocation(12.5, 41.9, 0, 0, \"\", \"Earth\");\r";
      return static_cast<INT_PTR>(CMercator::PlaceChosen);
    };
    dlg.SetDlgItemText(LocationLabelId, L"kept");
  });
  Click(WorldMapId);
  EXPECT_TRUE(dialog->scriptRunning);
  Wait(6000);
  EXPECT_EQ(Sky().observer().longitude, 12.5);
  EXPECT_EQ(Sky().observer().latitude, 41.9);
  EXPECT_EQ(DialogText(LocationLabelId), L"kept");

  const std::size_t scripts = ScriptsRun();
  Run([](TestConsoleDlg& dlg) {
    dlg.scriptRunning = false;
    dlg.worldMap = [](std::wstring& buffer) {
      buffer = L"core.setObserverLocation(0, 0, 0, 0, \"\", \"Earth\");\r";
      return static_cast<INT_PTR>(CMercator::NothingChosen);
    };
  });
  Click(WorldMapId);
  Wait(6000);
  EXPECT_EQ(ScriptsRun(), scripts);
  EXPECT_FALSE(dialog->scriptRunning);
}

TEST_F(ObserverLocationTest, RecordingKeepsTheMoveAndThePlaceForTheReplay) {
  Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
  ChoosePole(3);
  ClickAndSettle(NorthPoleId);
  Run([](TestConsoleDlg& dlg) { dlg.SelectedBodyCode = 3; });
  ClickAndSettle(FromHereId);
  const std::wstring& script = dialog->recordedShow.recordedScript;
  const std::wstring& commands = dialog->recordedShow.commandList;
  EXPECT_NE(script.find(L"\"North Pole\",\"Mars\");\r"), std::wstring::npos);
  EXPECT_NE(script.find(L"core.setObserverLocation(45,45,-2000, 0, \"Moon\", \"Moon\");\r"),
            std::wstring::npos);
  const std::size_t mars = commands.find(L"Site|MARS|");
  const std::size_t moon = commands.find(L"Site|MOON|");
  EXPECT_NE(mars, std::wstring::npos);
  EXPECT_NE(moon, std::wstring::npos);
  EXPECT_LT(mars, moon);
}

// The presenter at the real choosers, with the mouse.
class ObserverLocationByHandTest : public ConsoleWithOrvennaTest {
 protected:
  void SetUp() override {
    ConsoleWithOrvennaTest::SetUp();
    RunToEnd([](TestConsoleDlg& dlg) { ::SetForegroundWindow(dlg.m_hWnd); });
  }
  void Click(int id) {
    const driver::Outcome clicked = user.click(id);
    ASSERT_TRUE(clicked) << id << ": " << clicked.reason;
  }

  orvenna::SkyState Sky() const { return *probe->state(); }

  driver::DesktopUser user{machine};
};

TEST_F(ObserverLocationByHandTest, PlanetChooserThenHomeQuestionTakeTheObserverToMarsAndBack) {
  Click(NorthPoleId);
  ASSERT_NE(user.control(CPoleDlg::FirstPictureId + 3), nullptr) << "the chooser is open";
  Click(CPoleDlg::FirstPictureId + 3);
  Wait(12000);
  EXPECT_EQ(user.control(CPoleDlg::FirstPictureId + 3), nullptr);
  EXPECT_EQ(Sky().observer().planet, "Mars");
  EXPECT_EQ(Sky().observer().latitude, 90);
  EXPECT_EQ(DialogText(LocationLabelId), L"MARS");

  Click(HomeId);
  ASSERT_NE(user.control(CResetPositionWnd::HomePlaceButton), nullptr) << "the question is open";
  Click(CResetPositionWnd::HomePlaceButton);
  Wait(9000);
  EXPECT_EQ(Sky().observer().planet, "Earth");
  EXPECT_EQ(Sky().observer().name, "Washington, United States");
  EXPECT_EQ(DialogText(LocationLabelId), L"Earth");
}

// Without Orvenna, and the presenter declines to start it.
class ObserverLocationWithoutOrvennaTest : public ConsoleDialogTest {};

TEST_F(ObserverLocationWithoutOrvennaTest, HomeReportsTheMissingOrvennaAndTheConsoleStays) {
  StartDialog([](TestConsoleDlg& dlg) {
    dlg.ConsoleLayout = TwoMonitorLayout;
    dlg.homeQuestion = [] { return static_cast<INT_PTR>(CResetPositionWnd::HomePlaceOnly); };
  });
  Run([](TestConsoleDlg& dlg) {
    ::SendMessageW(dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(HomeId, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dlg.GetSafeHwnd(), HomeId)));
  });
  HWND offer = MessageBoxShown();
  ASSERT_NE(offer, nullptr);
  Answer(offer, IDNO);
  HWND error = MessageBoxShown();
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(MessageBoxText(error),
            L"Orvenna is not running. Please, try to open Orvenna by yourself, then restart Orvenna "
            L"Console.\n\nError # 100088.");
  Answer(error, IDOK);
  EXPECT_EQ(MessageBoxShown(), nullptr);
  EXPECT_NE(MainDialog(), nullptr) << "the console goes on";
  EXPECT_EQ(probe->starts(), 0);
  EXPECT_EQ(DialogText(LocationLabelId), L"");
}

}  // namespace
