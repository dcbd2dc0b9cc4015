// The sky toggles against the stand-in Orvenna on the virtual clock: what its windows receive,
// what changes in its sky, and what the recorder keeps.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "peers/orvenna/program_probe.h"
#include "platform/win/win32.h"
#include "src/settings/console_settings.h"
#include "src/settings/ini_files.h"
#include "src/settings/settings_key.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

using orvenna::SkyFlag;
using Handler = void (COrvennaConsoleDlg::*)();

constexpr UINT KeyMessages[] = {WM_ACTIVATEAPP,    WM_NCACTIVATE, WM_ACTIVATE, WM_SETCURSOR, WM_PARENTNOTIFY,
                                WM_IME_SETCONTEXT, WM_IME_NOTIFY, WM_SETFOCUS, WM_KEYDOWN,   WM_KEYUP};

class SkyTogglesTest : public ConsoleDialogTest {
 protected:
  explicit SkyTogglesTest(orvenna::ProgramSettings program = {})
      : ConsoleDialogTest({{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}}, std::move(program)) {}

  void SetUp() override {
    StartDialog([](TestConsoleDlg& dlg) {
      dlg.ConsoleLayout = TwoMonitorLayout;
      dlg.ConsoleScreen = 1;
    });
    LaunchPlanetarium();
    ASSERT_EQ(MessageBoxShown(), nullptr);
  }

  // The burst and key messages that reached the render window since the mark.
  std::vector<orvenna::ReceivedMessage> KeyTraffic(std::size_t mark) const {
    std::vector<orvenna::ReceivedMessage> traffic;
    const auto received = probe->messages();
    for (std::size_t i = mark; i < received.size(); ++i) {
      const orvenna::ReceivedMessage& message = received[i];
      if (message.window != probe->windows().render) continue;
      if (message.origin != orvenna::MessageOrigin::sent && message.origin != orvenna::MessageOrigin::posted)
        continue;
      if (std::find(std::begin(KeyMessages), std::end(KeyMessages), message.message) != std::end(KeyMessages))
        traffic.push_back(message);
    }
    return traffic;
  }

  bool Flag(SkyFlag flag) const { return probe->state()->flag(flag); }

  void Press(Handler handler) {
    Run([handler](TestConsoleDlg& dlg) { (dlg.*handler)(); });
  }
};

struct PostedCase {
  const char* what;
  Handler handler;
  BYTE key;
  LPARAM keyDown;
  LPARAM keyUp;
  DWORD keyUpAfterMs;
  SkyFlag flag;
  const wchar_t* keyword;
  const wchar_t* script;
};

const PostedCase PostedCases[] = {
    {"atmosphere", &COrvennaConsoleDlg::OnAtmosphere, 'A', 0x001E0001, 0xC01E0001, 200, SkyFlag::atmosphere,
     L"atmo", L"var atmo = LandscapeMgr.getFlagAtmosphere();\rLandscapeMgr.setFlagAtmosphere(!atmo);\r"},
    {"fog", &COrvennaConsoleDlg::OnFog, 'F', 0x001E0001, 0xC01E0001, 200, SkyFlag::fog, L"fog",
     L"var fog = LandscapeMgr.getFlagFog();\rLandscapeMgr.setFlagFog(!fog);\r"},
    {"boundaries", &COrvennaConsoleDlg::OnBoundaries, 'B', 0x001E0001, 0xC01E0001, 200,
     SkyFlag::constellation_boundaries, L"bound",
     L"var bound = ConstellationMgr.getFlagBoundaries();\rConstellationMgr.setFlagBoundaries(!bound);\r"},
    {"lines", &COrvennaConsoleDlg::OnLines, 'C', 0x001E0001, 0xC01E0001, 200, SkyFlag::constellation_lines,
     L"line", L"var lines = ConstellationMgr.getFlagLines();\rConstellationMgr.setFlagLines(!lines);\r"},
    {"art", &COrvennaConsoleDlg::OnArt, 'R', 0x001E0001, 0xC01E0001, 200, SkyFlag::constellation_art, L"art",
     L"var art = ConstellationMgr.getFlagArt();\rConstellationMgr.setFlagArt(!art);\r"},
    {"ground", &COrvennaConsoleDlg::OnGround, 'G', 0x001E0001, 0xC01E0001, 200, SkyFlag::landscape, L"ground",
     L"var land = LandscapeMgr.getFlagLandscape();\rLandscapeMgr.setFlagLandscape(!land);\r"},
    {"cardinal points", &COrvennaConsoleDlg::OnCardinalPoints, 'Q', 0x001E0001, 0xC01E0001, 200,
     SkyFlag::cardinal_points, L"cardinals",
     L"var card = LandscapeMgr.getFlagCardinalsPoints();\rLandscapeMgr.setFlagCardinalsPoints(!card);\r"},
    {"equatorial grid", &COrvennaConsoleDlg::OnEquatorialGrid, 'E', 0x001E0001, 0xC01E0001, 200,
     SkyFlag::equator_grid, L"eqGrid",
     L"var eqgrid = GridLinesMgr.getFlagEquatorGrid();\rGridLinesMgr.setFlagEquatorGrid(!eqgrid);\r"},
    {"equator line, US layout", &COrvennaConsoleDlg::OnEquatorLine, VK_OEM_PERIOD, 0x00560001, 0xC0560001,
     150, SkyFlag::equator_line, L"eqLine",
     L"var eqline = GridLinesMgr.getFlagEquatorLine();\rGridLinesMgr.setFlagEquatorLine(!eqline);\r"},
    {"azimuthal grid", &COrvennaConsoleDlg::OnAzimuthalGrid, 'Z', 0x001E0001, 0xC01E0001, 200,
     SkyFlag::azimuthal_grid, L"azGrid",
     L"var azgrid = GridLinesMgr.getFlagAzimuthalGrid();\rGridLinesMgr.setFlagAzimuthalGrid(!azgrid);\r"},
    {"planet orbits", &COrvennaConsoleDlg::OnPlanetOrbits, 'O', 0x001E0001, 0xC01E0001, 200,
     SkyFlag::planet_orbits, L"pOrbit",
     L"var pOrbit = SolarSystem.getFlagOrbits();\rSolarSystem.setFlagOrbits(!pOrbit);\r"},
    {"ecliptic", &COrvennaConsoleDlg::OnEcliptic, VK_OEM_COMMA, 0x00330001, 0xC0330001, 200,
     SkyFlag::ecliptic_line, L"ecliptic",
     L"var ecliptic = GridLinesMgr.getFlagEclipticLine();\rGridLinesMgr.setFlagEclipticLine(!ecliptic);\r"},
    {"constellation names", &COrvennaConsoleDlg::OnConstellationNames, 'V', 0x00300001, 0xC0300001, 200,
     SkyFlag::constellation_names, L"clabel",
     L"var clab = ConstellationMgr.getFlagLabels();\rConstellationMgr.setFlagLabels(!clab);\r"},
};

TEST_F(SkyTogglesTest, APostedToggleSendsTheBurstTheKeyDownAndLaterTheKeyUpAndRecordsItself) {
  Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
  for (const PostedCase& toggle : PostedCases) {
    const bool before = Flag(toggle.flag);
    const std::size_t mark = probe->messages().size();
    Press(toggle.handler);
    // The atmosphere's key-down follows its activation 80 ms later.
    const DWORD settleMs = toggle.handler == &COrvennaConsoleDlg::OnAtmosphere ? 80 : 0;
    Wait(settleMs);
    const auto traffic = KeyTraffic(mark);
    const bool equatorLine = toggle.key == VK_OEM_PERIOD;
    ASSERT_EQ(traffic.size(), equatorLine ? 8u : 9u) << toggle.what;
    EXPECT_EQ(traffic.front().message, static_cast<UINT>(WM_ACTIVATEAPP)) << toggle.what;
    EXPECT_EQ(traffic.back().message, static_cast<UINT>(WM_KEYDOWN)) << toggle.what;
    EXPECT_EQ(traffic.back().wParam, toggle.key) << toggle.what;
    EXPECT_EQ(traffic.back().lParam, toggle.keyDown) << toggle.what;
    EXPECT_EQ(traffic.back().origin, orvenna::MessageOrigin::posted) << toggle.what;
    EXPECT_EQ(Flag(toggle.flag), !before) << toggle.what;
    EXPECT_TRUE(dialog->recordedShow.recordedScript.ends_with(toggle.script)) << toggle.what;

    Wait(toggle.keyUpAfterMs - 1);
    EXPECT_EQ(KeyTraffic(mark).size(), traffic.size()) << toggle.what << ": no key-up yet";
    Wait(1);
    const auto released = KeyTraffic(mark);
    ASSERT_EQ(released.size(), traffic.size() + 1) << toggle.what;
    EXPECT_EQ(released.back().message, static_cast<UINT>(WM_KEYUP)) << toggle.what;
    EXPECT_EQ(released.back().wParam, toggle.key) << toggle.what;
    EXPECT_EQ(released.back().lParam, toggle.keyUp) << toggle.what;

    // Pressed again while a long scripted step runs: a command line with its keyword.
    Run([](TestConsoleDlg& dlg) { dlg.pendingScriptMs = 1e9f; });
    Press(toggle.handler);
    Wait(settleMs + toggle.keyUpAfterMs);
    EXPECT_EQ(Flag(toggle.flag), before) << toggle.what;
    const std::wstring& commands = dialog->recordedShow.commandList;
    EXPECT_NE(commands.find(L"\r" + std::wstring(toggle.keyword) + L"|"), std::wstring::npos) << toggle.what;
    Run([](TestConsoleDlg& dlg) { dlg.pendingScriptMs = 0; });
  }
}

TEST_F(SkyTogglesTest, TheAtmosphereToggleTakesTheStoredInterfaceLanguageIntoTheStateRecord) {
  Run([](TestConsoleDlg& dlg) {
    dlg.consoleState.language = 0;
    SettingsWriter().Dword(L"Language", 3);
  });
  Press(&COrvennaConsoleDlg::OnAtmosphere);
  EXPECT_EQ(dialog->consoleState.language, 3);
}

TEST_F(SkyTogglesTest, AKeyUpDueAfterOrvennaHasClosedIsSkippedAndItsTimerFiresOnce) {
  Press(&COrvennaConsoleDlg::OnFog);
  const std::size_t sent = probe->messages().size();
  PostMessageW(probe->windows().main, WM_QUIT, 0, 0);
  Wait(1000);
  EXPECT_EQ(std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), UINT_PTR{179}), 1);
  const auto received = probe->messages();
  EXPECT_TRUE(std::none_of(received.begin() + static_cast<std::ptrdiff_t>(sent), received.end(),
                           [](const orvenna::ReceivedMessage& m) { return m.message == WM_KEYUP; }));
}

// The equator line's key by Orvenna's keyboard layout: its lParams, and NumLock and left Shift
// pressed by input first where the layout needs them.
struct EquatorLayout {
  const char* name;
  const wchar_t* layout;
  LPARAM keyDown;
  LPARAM keyUp;
  bool numLock;
  bool leftShift;
};

class EquatorLineTest : public SkyTogglesTest, public ::testing::WithParamInterface<EquatorLayout> {
 protected:
  EquatorLineTest() : SkyTogglesTest(ProgramOn(GetParam().layout)) {}

  static orvenna::ProgramSettings ProgramOn(const wchar_t* layout) {
    orvenna::ProgramSettings program;
    program.keyboard_layout = layout;
    return program;
  }

  static void InjectNumLock(DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(VK_NUMLOCK, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = KEYEVENTF_SCANCODE | flags;
    SendInput(1, &input, sizeof(INPUT));
  }

  // NumLock as the console's thread sees it: 0 when up and off.
  SHORT NumLockState() {
    SHORT state = 0;
    Run([&state](TestConsoleDlg&) { state = GetKeyState(VK_NUMLOCK); });
    return state;
  }

  // The runner leaves NumLock held; the presenter releases it and switches it off.
  void SwitchNumLockOff() {
    Run([](TestConsoleDlg&) { InjectNumLock(KEYEVENTF_KEYUP); });
    if (NumLockState() != 0) {
      Run([](TestConsoleDlg&) {
        InjectNumLock(0);
        InjectNumLock(KEYEVENTF_KEYUP);
      });
    }
    ASSERT_EQ(NumLockState(), 0);
  }
};

TEST_P(EquatorLineTest, TheKeyAndItsModifiersFollowOrvennasLayout) {
  const EquatorLayout& layout = GetParam();
  SwitchNumLockOff();
  const bool before = Flag(SkyFlag::equator_line);
  const std::size_t mark = probe->messages().size();
  const std::size_t inputs = machine.input_log().size();
  Press(&COrvennaConsoleDlg::OnEquatorLine);
  Wait(layout.leftShift ? 80 : 0);
  const auto down = KeyTraffic(mark);
  ASSERT_EQ(down.size(), 8u) << "seven messages without the cursor's, then the key";
  EXPECT_TRUE(std::none_of(down.begin(), down.end(),
                           [](const orvenna::ReceivedMessage& m) { return m.message == WM_SETCURSOR; }));
  EXPECT_EQ(down.back().wParam, VK_OEM_PERIOD);
  EXPECT_EQ(down.back().lParam, layout.keyDown);
  Wait(149);
  EXPECT_EQ(KeyTraffic(mark).size(), 8u);
  Wait(1);
  const auto up = KeyTraffic(mark);
  ASSERT_EQ(up.size(), 9u);
  EXPECT_EQ(up.back().message, static_cast<UINT>(WM_KEYUP));
  EXPECT_EQ(up.back().lParam, layout.keyUp);
  Wait(30);

  std::vector<std::pair<BYTE, bool>> injected;
  const auto& log = machine.input_log();
  for (std::size_t i = inputs; i < log.size(); ++i)
    injected.emplace_back(static_cast<BYTE>(MapVirtualKeyW(log[i].event.scan, MAPVK_VSC_TO_VK_EX)),
                          (log[i].event.flags & KEYEVENTF_KEYUP) != 0);
  std::vector<std::pair<BYTE, bool>> expected;
  if (layout.numLock) expected.emplace_back(VK_NUMLOCK, false);
  if (layout.leftShift) {
    expected.emplace_back(VK_LSHIFT, false);
    expected.emplace_back(VK_LSHIFT, true);
  }
  EXPECT_EQ(injected, expected);
  EXPECT_NE(Flag(SkyFlag::equator_line), before);
}

TEST_P(EquatorLineTest, OrvennaGoneBeforeTheKeyUpLeavesNoModifierHeld) {
  Press(&COrvennaConsoleDlg::OnEquatorLine);
  if (GetParam().leftShift) {
    ASSERT_EQ(HeldModifiers(), (std::vector<BYTE>{VK_SHIFT, VK_LSHIFT}));
  }
  PostMessageW(probe->windows().main, WM_QUIT, 0, 0);
  Wait(1000);
  EXPECT_EQ(std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), UINT_PTR{186}), 1);
  EXPECT_TRUE(HeldModifiers().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, EquatorLineTest,
    ::testing::Values(EquatorLayout{"Italian", L"00000410", 0x001E0001, 0xC01E0001, false, false},
                      EquatorLayout{"Turkish", L"0000041F", 0x00350001, 0xC0350001, true, false},
                      EquatorLayout{"Spanish", L"0000040A", 0x00340001, 0xC0340001, true, false},
                      EquatorLayout{"French", L"0000040C", 0x00330001, 0xC0330001, true, true},
                      EquatorLayout{"US", L"00000409", 0x00560001, 0xC0560001, false, false}),
    [](const ::testing::TestParamInfo<EquatorLayout>& info) { return std::string(info.param.name); });

struct HotkeyCase {
  const char* what;
  Handler handler;
  SkyFlag flag;
  const wchar_t* script;
};

TEST_F(SkyTogglesTest, AHotKeyToggleReachesOrvennaAsInputAndBringsTheConsoleBack) {
  const HotkeyCase cases[] = {
      {"star labels", &COrvennaConsoleDlg::OnStarLabels, SkyFlag::star_names,
       L"var star = StarMgr.getFlagLabels();\rStarMgr.setFlagLabels(!star);\r"},
      {"planet labels", &COrvennaConsoleDlg::OnPlanetLabels, SkyFlag::planet_names,
       L"var plab = SolarSystem.getFlagLabels();\rSolarSystem.setFlagLabels(!plab);\r"},
      {"meridian", &COrvennaConsoleDlg::OnMeridian, SkyFlag::meridian_line,
       L"var meridian = GridLinesMgr.getFlagMeridianLine();\rGridLinesMgr.setFlagMeridianLine(!meridian);\r"},
      {"planet trails", &COrvennaConsoleDlg::OnPlanetTrails, SkyFlag::planet_trails,
       L"var meridian = SolarSystem.getFlagTrails();\rSolarSystem.setFlagTrails(!meridian);\r"},
      {"telescope mount, its statement ended", &COrvennaConsoleDlg::OnToggleMount, SkyFlag::equatorial_mount,
       L"OrvMovementMgr.setEquatorialMount(!OrvMovementMgr.getEquatorialMount());\r"},
  };
  Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
  for (const HotkeyCase& toggle : cases) {
    const bool before = Flag(toggle.flag);
    Press(toggle.handler);
    Wait(300);
    EXPECT_EQ(Flag(toggle.flag), !before) << toggle.what;
    EXPECT_EQ(GetForegroundWindow(), MainDialog()) << toggle.what;
    EXPECT_TRUE(dialog->recordedShow.recordedScript.ends_with(toggle.script)) << toggle.what;
  }
  for (int modifier : {VK_CONTROL, VK_MENU, VK_SHIFT})
    EXPECT_EQ(GetAsyncKeyState(modifier) & 0x8000, 0) << "no modifier left held: " << modifier;
}

struct ScriptedCase {
  const char* what;
  Handler handler;
  SkyFlag flag;
  const wchar_t* script;
  DWORD scriptFlagMs;  // 0: the flag is not set
};

TEST_F(SkyTogglesTest, AScriptedSwitchRunsItsScriptInOrvennaAndRecordsItOnce) {
  const ScriptedCase cases[] = {
      {"precession circles", &COrvennaConsoleDlg::OnPrecessionCircles, SkyFlag::precession_circles,
       L"var precgrid = GridLinesMgr.getFlagPrecessionCircles();\r"
       L"GridLinesMgr.setFlagPrecessionCircles(!precgrid);\r",
       100},
      {"longitude line", &COrvennaConsoleDlg::OnLongitudeLine, SkyFlag::longitude_line,
       L"GridLinesMgr.setFlagLongitudeLine(!GridLinesMgr.getFlagLongitudeLine());\r", 100},
      {"galactic grid", &COrvennaConsoleDlg::OnGalacticGrid, SkyFlag::galactic_grid,
       L"GridLinesMgr.setFlagGalacticGrid(!GridLinesMgr.getFlagGalacticGrid());\r", 100},
      {"celestial poles", &COrvennaConsoleDlg::OnCelestialPoles, SkyFlag::celestial_poles,
       L"GridLinesMgr.setFlagCelestialPoles(!GridLinesMgr.getFlagCelestialPoles());\r", 300},
      {"circumpolar circles", &COrvennaConsoleDlg::OnCircumpolarCircles, SkyFlag::circumpolar_circles,
       L"GridLinesMgr.setFlagCircumpolarCircles(!GridLinesMgr.getFlagCircumpolarCircles());\r", 300},
      {"galactic equator", &COrvennaConsoleDlg::OnGalacticEquator, SkyFlag::galactic_equator_line,
       L"GridLinesMgr.setFlagGalacticEquatorLine(!GridLinesMgr.getFlagGalacticEquatorLine());\r", 300},
      {"all constellations again", &COrvennaConsoleDlg::OnIsolateConstellation, SkyFlag::isolate_selected,
       L"ConstellationMgr.setFlagIsolateSelected(false);\r", 0},
  };
  for (const ScriptedCase& toggle : cases) {
    Run([](TestConsoleDlg& dlg) {
      dlg.RecorderState = RecorderIdle;
      dlg.StartRecording();
    });
    const bool before = Flag(toggle.flag);
    const std::size_t runs = probe->scripts().size();
    Press(toggle.handler);
    // The runner is still waiting for Orvenna; the flag is up until timer 107 has fired.
    EXPECT_EQ(dialog->scriptRunning, toggle.scriptFlagMs != 0) << toggle.what;
    Wait(2000);
    EXPECT_FALSE(dialog->scriptRunning) << toggle.what;
    ASSERT_EQ(probe->scripts().size(), runs + 1) << toggle.what;
    EXPECT_EQ(Flag(toggle.flag), toggle.flag == SkyFlag::isolate_selected ? false : !before) << toggle.what;
    // The recording holds the header and the script once.
    const std::wstring& recorded = dialog->recordedShow.recordedScript;
    EXPECT_TRUE(recorded.ends_with(toggle.script)) << toggle.what;
    EXPECT_EQ(recorded.find(toggle.script), recorded.size() - std::wstring(toggle.script).size())
        << toggle.what;
  }
  EXPECT_EQ(StatusLine(), L"All constellations are now visible.");
  Wait(3500);
  EXPECT_EQ(StatusLine(), L"");
}

TEST_F(SkyTogglesTest, WhileTheRecordingIsPausedEveryKindRefusesBeforeActing) {
  const Handler handlers[] = {&COrvennaConsoleDlg::OnAtmosphere, &COrvennaConsoleDlg::OnToggleMount,
                              &COrvennaConsoleDlg::OnLongitudeLine, &COrvennaConsoleDlg::OnCelestialPoles,
                              &COrvennaConsoleDlg::OnIsolateConstellation};
  Run([](TestConsoleDlg& dlg) {
    dlg.StartRecording();
    dlg.PauseResumeRecording();
  });
  const orvenna::SkyState sky = *probe->state();
  const std::size_t messages = KeyTraffic(0).size();
  const std::size_t runs = probe->scripts().size();
  for (Handler handler : handlers) {
    Press(handler);
    EXPECT_EQ(StatusLine(), L"The recording is paused!");
    Wait(5999);
    EXPECT_EQ(StatusLine(), L"The recording is paused!");
    Wait(1);
    EXPECT_EQ(StatusLine(), L"");
  }
  EXPECT_EQ(KeyTraffic(0).size(), messages);
  EXPECT_EQ(probe->scripts().size(), runs);
  EXPECT_EQ(probe->state()->flag(SkyFlag::atmosphere), sky.flag(SkyFlag::atmosphere));
  EXPECT_EQ(probe->state()->flag(SkyFlag::celestial_poles), sky.flag(SkyFlag::celestial_poles));
  EXPECT_TRUE(dialog->recordedShow.recordedScript.empty());
}

TEST_F(SkyTogglesTest, WhileAScriptRunsThePoleSwitchesRefuseAndTheKeyTogglesAct) {
  Run([](TestConsoleDlg& dlg) { dlg.scriptRunning = true; });
  const bool atmosphere = Flag(SkyFlag::atmosphere);
  const bool poles = Flag(SkyFlag::celestial_poles);
  const std::size_t runs = probe->scripts().size();
  Press(&COrvennaConsoleDlg::OnCelestialPoles);
  EXPECT_NE(StatusLine().find(L"Another simulation script is currently running."), std::wstring::npos);
  Press(&COrvennaConsoleDlg::OnAtmosphere);
  Wait(5000);
  EXPECT_EQ(probe->scripts().size(), runs);
  EXPECT_EQ(Flag(SkyFlag::celestial_poles), poles);
  EXPECT_EQ(Flag(SkyFlag::atmosphere), !atmosphere);
  EXPECT_EQ(StatusLine(), L"");
}

TEST_F(SkyTogglesTest, BoundariesOfAnotherSkyCultureAreRefusedAndAFlyByRefusesThemFirst) {
  Run([](TestConsoleDlg&) {
    ASSERT_TRUE(WriteIniValue(ConsoleIniFile, L"search", L"SkyCulture", L"inuit"));
  });
  const bool before = Flag(SkyFlag::constellation_boundaries);
  const std::size_t messages = KeyTraffic(0).size();
  Press(&COrvennaConsoleDlg::OnBoundaries);
  EXPECT_EQ(StatusLine(), L"Constellation boundaries are not available for this sky culture");
  Run([](TestConsoleDlg& dlg) { dlg.flyByRunning = true; });
  Press(&COrvennaConsoleDlg::OnBoundaries);
  EXPECT_EQ(StatusLine(), L"This function is not available during the fly-by");
  Wait(4000);
  EXPECT_EQ(Flag(SkyFlag::constellation_boundaries), before);
  EXPECT_EQ(KeyTraffic(0).size(), messages);
}

TEST_F(SkyTogglesTest, MeteorMarkersCycleThroughTheirThreeScriptsAndNeedThePlugIn) {
  Press(&COrvennaConsoleDlg::OnMeteorShowerMarkers);
  EXPECT_EQ(StatusLine(),
            L"Meteor plugin not enabled! Please enable the plugin in config.ini file, then restart Orvenna!");
  Run([](TestConsoleDlg& dlg) { dlg.meteorPluginLoaded = true; });
  const std::pair<bool, bool> expected[] = {{false, true}, {false, false}, {true, true}};
  for (const auto& [labels, markers] : expected) {
    Press(&COrvennaConsoleDlg::OnMeteorShowerMarkers);
    Wait(1000);
    EXPECT_EQ(Flag(SkyFlag::meteor_labels), labels);
    EXPECT_EQ(Flag(SkyFlag::meteor_markers), markers);
  }
}

TEST_F(SkyTogglesTest, ShootingStarsSwitchOnWithTheirRateAndOffEvenAtRateZero) {
  Run([](TestConsoleDlg& dlg) { dlg.meteorPluginLoaded = true; });
  Press(&COrvennaConsoleDlg::OnShootingStars);
  EXPECT_EQ(StatusLine(), L"Shooting Stars ON");
  Wait(1000);
  EXPECT_TRUE(Flag(SkyFlag::sporadic_meteors));
  EXPECT_EQ(probe->state()->sporadic_zhr, 100);
  EXPECT_TRUE(dialog->shootingStarsOn);
  Run([](TestConsoleDlg&) { WriteShootingStarsFrequency(0); });
  Press(&COrvennaConsoleDlg::OnShootingStars);
  EXPECT_EQ(StatusLine(), L"Shooting Stars OFF");
  Wait(1000);
  EXPECT_FALSE(Flag(SkyFlag::sporadic_meteors));
  Press(&COrvennaConsoleDlg::OnShootingStars);
  EXPECT_NE(StatusLine().find(L"The Shooting Stars parameter is set to 0."), std::wstring::npos);
  Wait(1000);
  EXPECT_FALSE(Flag(SkyFlag::sporadic_meteors));
  EXPECT_FALSE(dialog->shootingStarsOn);
}

TEST_F(SkyTogglesTest, ARecordedShowOfAFewTogglesReplayedByOrvennaReachesTheSameSky) {
  const SkyFlag flags[] = {SkyFlag::atmosphere,     SkyFlag::fog,           SkyFlag::meridian_line,
                           SkyFlag::longitude_line, SkyFlag::galactic_grid, SkyFlag::equatorial_mount};
  // The show begins from the start state, which the recording's header brings back.
  Run([](TestConsoleDlg& dlg) { dlg.ResetPlanetariumToStartState(); });
  Wait(15000);
  const orvenna::SkyState start = *probe->state();
  Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
  const Handler show[] = {&COrvennaConsoleDlg::OnAtmosphere,  &COrvennaConsoleDlg::OnLongitudeLine,
                          &COrvennaConsoleDlg::OnToggleMount, &COrvennaConsoleDlg::OnFog,
                          &COrvennaConsoleDlg::OnMeridian,    &COrvennaConsoleDlg::OnGalacticGrid,
                          &COrvennaConsoleDlg::OnAtmosphere};
  for (Handler handler : show) {
    Press(handler);
    Wait(1500);
  }
  const orvenna::SkyState shown = *probe->state();

  // Back to where the show began, then the recording without its marker, as a replay runs it.
  std::wstring back;
  const std::pair<SkyFlag, const wchar_t*> setters[] = {
      {SkyFlag::atmosphere, L"LandscapeMgr.setFlagAtmosphere(%s);\r"},
      {SkyFlag::fog, L"LandscapeMgr.setFlagFog(%s);\r"},
      {SkyFlag::meridian_line, L"GridLinesMgr.setFlagMeridianLine(%s);\r"},
      {SkyFlag::longitude_line, L"GridLinesMgr.setFlagLongitudeLine(%s);\r"},
      {SkyFlag::galactic_grid, L"GridLinesMgr.setFlagGalacticGrid(%s);\r"},
      {SkyFlag::equatorial_mount, L"OrvMovementMgr.setEquatorialMount(%s);\r"},
  };
  for (const auto& [flag, setter] : setters) {
    std::wstring line = setter;
    line.replace(line.find(L"%s"), 2, start.flag(flag) ? L"true" : L"false");
    back += line;
  }
  Run([&back](TestConsoleDlg& dlg) {
    dlg.RecorderState = RecorderIdle;
    dlg.RunScript(back, L"back.ovs", false, 1000);
  });
  Wait(2000);
  for (SkyFlag flag : flags)
    ASSERT_EQ(probe->state()->flag(flag), start.flag(flag));
  const std::wstring replay = dialog->recordedShow.recordedScript.substr(5);
  Run([&replay](TestConsoleDlg& dlg) { dlg.RunScript(replay, L"replay.ovs", false, 20000); });
  Wait(20000);
  for (SkyFlag flag : flags)
    EXPECT_EQ(probe->state()->flag(flag), shown.flag(flag)) << static_cast<int>(flag);
  EXPECT_NE(start.flag(SkyFlag::longitude_line), shown.flag(SkyFlag::longitude_line));
  EXPECT_NE(start.flag(SkyFlag::equatorial_mount), shown.flag(SkyFlag::equatorial_mount));
}

}  // namespace
