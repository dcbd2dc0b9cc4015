// Orvenna brought to the console's start state by the stand-in running the start script, for a
// few machines' settings.
#include <cmath>

#include "peers/orvenna/sky_date.h"
#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/settings/console_settings.h"
#include "src/settings/ini_files.h"
#include "src/settings/settings_key.h"
#include "src/util/user_folder.h"
#include "tests/app/console_dialog_fixture.h"
#include "tests/app/start_state_expected.h"

namespace {

using orvenna::SkyFlag;

struct Change {
  std::wstring from;
  std::wstring to;
};

struct MachineCase {
  const char* what;
  std::vector<ConsoleIniEntry> entries;
  int fieldOfView;  // 0: none stored
  const wchar_t* ground;
  const wchar_t* home;
  // The western script's statements that this machine's script has in their place.
  std::vector<Change> changes;
  bool meteorPlugin;
  // Orvenna after the start state.
  bool atmosphere, fog, milkyWay, moonScale, starNames;
  const char* landscape;
  const char* culture;
  double azimuth;
  double fov;
  const char* date;  // null: the machine's time now
};

std::wstring Changed(std::wstring script, const std::vector<Change>& changes) {
  for (const Change& change : changes)
    for (std::size_t at = script.find(change.from); at != std::wstring::npos;
         at = script.find(change.from, at + change.to.size()))
      script.replace(at, change.from.size(), change.to);
  return script;
}

void Store(const MachineCase& machine) {
  WriteConsoleIniDefaults();
  for (const ConsoleIniEntry& entry : machine.entries)
    ASSERT_TRUE(WriteIniValue(entry.file, entry.section, entry.key, entry.value));
  RegDeleteKeyW(HKEY_CURRENT_USER, ConsoleRegistryKey);
  SettingsWriter settings;
  if (machine.fieldOfView != 0) settings.Dword(L"FOV", static_cast<DWORD>(machine.fieldOfView));
  if (machine.ground != nullptr) settings.Text(L"Default Ground", machine.ground);
  if (machine.home != nullptr) settings.Text(L"Home Location", machine.home);
}

double WallClockSeconds() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const auto units = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return static_cast<double>(units - 116444736000000000ULL) / 1e7;
}

using StartStateTest = ConsoleWithOrvennaTest;

TEST_F(StartStateTest, OrvennaRunsTheStartScriptOfTheMachinesSettingsAndEndsInItsState) {
  const MachineCase cases[] = {
      {"western defaults, started by the start-up's timer",
       {},
       0,
       nullptr,
       nullptr,
       {{L"Vec3f(1,1,1)", L"Vec3f(1.0,1.0,1.0)"}, {L"\"Roma, Italy\"", L"\"Washington, United States\""}},
       true,
       true,
       true,
       true,
       false,
       true,
       "Guereins",
       "western",
       270,
       180,
       nullptr},
      {"another culture and every setting changed",
       {{ConsoleIniFile, L"startup", L"startAtmo", L"false"},
        {ConsoleIniFile, L"startup", L"startFog", L"false"},
        {ConsoleIniFile, L"startup", L"startMilkyWay", L"false"},
        {ConsoleIniFile, L"startup", L"startDate", L"2018/3/5"},
        {ConsoleIniFile, L"startup", L"startTime", L"21:30:00"},
        {ConsoleIniFile, L"startup", L"wantMoonScale", L"Yes"},
        {ConsoleIniFile, L"startup", L"initPosAzimuth", L"400"},
        {ConsoleIniFile, L"star_appearance", L"starAbsMag", L"150"},
        {ConsoleIniFile, L"star_appearance", L"starRelMag", L"90"},
        {ConsoleIniFile, L"star_appearance", L"boundariesColor", L"0.5,0.25,1"},
        {ConsoleIniFile, L"star_appearance", L"showStarNames", L"no"},
        {ConsoleIniFile, L"search", L"SkyCulture", L"inuit"},
        {PlanetariumConfigIni, L"plugins_load_at_startup", L"MeteorShowers", L" TRUE "},
        {PlanetariumConfigIni, L"plugins_load_at_startup", L"Satellites", L"On"}},
       150,
       L"ocean",
       L"Sydney, Australia",
       {{L"setAbsoluteStarScale(1.000000);\rOrvSkyDrawer.setRelativeStarScale(1.100000)",
         L"setAbsoluteStarScale(1.500000);\rOrvSkyDrawer.setRelativeStarScale(0.900000)"},
        {L"MilkyWay.setFlagShow(true)", L"MilkyWay.setFlagShow(false)"},
        {L"core.setDate(\"now\")", L"core.setDate(\"02018-03-05T21:30:00\")"},
        {L"Vec3f(1,1,1)", L"Vec3f(0.5,0.25,1)"},
        {L"setFlagAtmosphere(true)", L"setFlagAtmosphere(false)"},
        {L"setFlagFog(true)", L"setFlagFog(false)"},
        {L"\"Guereins\"", L"\"Ocean\""},
        {L"\"Roma, Italy\"", L"\"Sydney, Australia\""},
        {L"setFlagMoonScale(false)", L"setFlagMoonScale(true)"},
        {L"zoomTo(180,", L"zoomTo(150,"},
        {L"89.7,270.00,", L"89.7,0.00,"},
        {L"core.setSkyCulture(\"inuit\");\rcore.setSkyCulture(\"western\");\r",
         L"core.setSkyCulture(\"western\");\rcore.setSkyCulture(\"inuit\");\rcore.wait(0.9);\r"},
        {L"StarMgr.setFlagLabels(true)", L"StarMgr.setFlagLabels(false)"},
        {L"setInitFov(180)", L"setInitFov(150)"}},
       true,
       false,
       false,
       false,
       true,
       false,
       "Ocean",
       "inuit",
       0,
       150,
       "2018-03-05T21:30:00"},
      {"no meteor plug-in, planet labels by the fog switch, a blank culture",
       {{ConsoleIniFile, L"search", L"SkyCulture", L""},
        {PlanetariumConfigIni, L"plugins_load_at_startup", L"MeteorShowers", L"false"},
        {PlanetariumConfigIni, L"landscape", L"flag_fog", L"TRUE"}},
       0,
       nullptr,
       L"Rome, Italy",
       {{L"Vec3f(1,1,1)", L"Vec3f(1.0,1.0,1.0)"},
        {L"\"Roma, Italy\"", L"\"Rome, Italy\""},
        {L"SolarSystem.setFlagLabels(false);\rMeteorShowers.setEnableLabels(true);\rMeteorShowers."
         L"setEnableMarker(true);\r",
         L"SolarSystem.setFlagLabels(true);\r"}},
       false,
       true,
       true,
       true,
       false,
       true,
       "Guereins",
       "western",
       270,
       180,
       nullptr},
  };
  bool byStartUpTimer = true;
  for (const MachineCase& machineCase : cases) {
    Store(machineCase);
    const std::size_t runsBefore = probe->scripts().size();
    // Each machine as a console just started: the moon scale, once on, stays on.
    Run([](TestConsoleDlg& dlg) { dlg.moonScaleOn = false; });
    if (byStartUpTimer) {
      Run([](TestConsoleDlg& dlg) { dlg.SetTimer(StartStateTimer, 2000, nullptr); });
      // A timer's expiry comes after the messages posted meanwhile: let it start first.
      machine.advance(2010);
      RunToEnd([](TestConsoleDlg&) {});
    } else {
      RunToEnd([](TestConsoleDlg& dlg) { dlg.ResetPlanetariumToStartState(); });
    }
    byStartUpTimer = false;
    EXPECT_EQ(StatusLine(), L"Please, wait a moment...") << machineCase.what;
    EXPECT_EQ(DialogText(COrvennaConsoleDlg::LocationLabelId), L"EARTH") << machineCase.what;
    EXPECT_TRUE(dialog->scriptRunning) << machineCase.what;
    EXPECT_EQ(dialog->meteorPluginLoaded, machineCase.meteorPlugin) << machineCase.what;
    std::wstring satellites;
    ReadIniValue(PlanetariumConfigIni, L"plugins_load_at_startup", L"Satellites", satellites);
    EXPECT_EQ(satellites, L"false") << machineCase.what;

    const std::vector<orvenna::ScriptRun> runs = probe->scripts();
    ASSERT_EQ(runs.size(), runsBefore + 1) << machineCase.what;
    EXPECT_TRUE(RanExactly(runs.back().text, Changed(WesternResetScript, machineCase.changes)))
        << machineCase.what << "\n"
        << runs.back().text;

    machine.advance(12000);
    EXPECT_EQ(probe->scripts().size(), runsBefore + 2) << machineCase.what << ": the zoom-out after it";
    EXPECT_NE(LastScriptRun().find("OrvMovementMgr.zoomTo("), std::string::npos) << machineCase.what;
    EXPECT_FALSE(dialog->scriptRunning) << machineCase.what;
    EXPECT_EQ(StatusLine(), L"") << machineCase.what;
    const orvenna::SkyState sky = *probe->state();
    EXPECT_EQ(sky.flag(SkyFlag::atmosphere), machineCase.atmosphere) << machineCase.what;
    EXPECT_EQ(sky.flag(SkyFlag::fog), machineCase.fog) << machineCase.what;
    EXPECT_EQ(sky.flag(SkyFlag::milky_way), machineCase.milkyWay) << machineCase.what;
    EXPECT_EQ(sky.flag(SkyFlag::moon_scale), machineCase.moonScale) << machineCase.what;
    EXPECT_EQ(sky.flag(SkyFlag::star_names), machineCase.starNames) << machineCase.what;
    EXPECT_FALSE(sky.flag(SkyFlag::constellation_lines)) << machineCase.what;
    EXPECT_EQ(sky.landscape(), machineCase.landscape) << machineCase.what;
    EXPECT_EQ(sky.sky_culture(), machineCase.culture) << machineCase.what;
    EXPECT_EQ(sky.view.azimuth, machineCase.azimuth) << machineCase.what;
    EXPECT_EQ(sky.fov, machineCase.fov) << machineCase.what;
    EXPECT_EQ(sky.time_rate(), 1) << machineCase.what;
    const orvenna::DateContext context{sky.utc_seconds(), WallClockSeconds(), 0};
    const double expected = machineCase.date != nullptr
                                ? *orvenna::parse_date(machineCase.date, context, false)
                                : WallClockSeconds();
    EXPECT_LT(std::fabs(sky.utc_seconds() - expected), 20) << machineCase.what;
  }
}

struct RecordedResetCase {
  const wchar_t* culture;
  float durationMs;
};

TEST_F(StartStateTest, WhileRecordingTheResetIsAScriptedStepOfItsCulturesLengthAndThePlaceALine) {
  const RecordedResetCase cases[] = {{L"western", 9000}, {L"inuit", 10000}};
  for (const RecordedResetCase& reset : cases) {
    ASSERT_TRUE(WriteIniValue(ConsoleIniFile, L"search", L"SkyCulture", reset.culture));
    std::wstring script;
    RunToEnd([&script](TestConsoleDlg& dlg) {
      dlg.RecorderState = RecorderIdle;
      dlg.StartRecording();
      dlg.ResetPlanetariumToStartState();
      script = dlg.BuildStartStateScript(StartStateScriptUse::Reset);
    });
    const RecordedShow& show = dialog->recordedShow;
    EXPECT_TRUE(show.recordedScript.ends_with(script)) << reset.durationMs;
    EXPECT_EQ(dialog->lastScriptDurationMs, reset.durationMs);
    EXPECT_NE(show.commandList.find(L"\rSite|EARTH|"), std::wstring::npos) << reset.durationMs;
    EXPECT_TRUE(show.commandList.ends_with(L"\r")) << reset.durationMs;
    machine.advance(12000);
  }
}

struct RunningWorkCase {
  const char* what;
  bool flyBy;
  bool speedButton;
  const wchar_t* flyByCaption;
};

TEST_F(StartStateTest, AFlyByOrRunningSpeedButtonsEndFirst) {
  Store({});
  const RunningWorkCase cases[] = {
      {"a fly-by", true, false, L"ORBIT AROUND"},
      {"a speed button", false, true, L""},
  };
  for (const RunningWorkCase& work : cases) {
    RunToEnd([&work](TestConsoleDlg& dlg) {
      dlg.SetDlgItemText(COrvennaConsoleDlg::FlyByButtonId, L"");
      dlg.flyByRunning = work.flyBy;
      dlg.flyByCountdownStop = false;
      dlg.speedButtonActive[2] = work.speedButton;
      dlg.firedTimers.clear();
      for (UINT_PTR flyByTimer : {200, 203})
        dlg.SetTimer(flyByTimer, 100, nullptr);
      dlg.ResetPlanetariumToStartState();
    });
    EXPECT_FALSE(dialog->flyByRunning) << work.what;
    EXPECT_TRUE(dialog->flyByCountdownStop) << work.what;
    EXPECT_FALSE(dialog->speedButtonActive[2]) << work.what;
    EXPECT_EQ(DialogText(COrvennaConsoleDlg::FlyByButtonId), work.flyByCaption) << work.what;
    machine.advance(12000);
    for (UINT_PTR flyByTimer : {200, 203})
      EXPECT_EQ(std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), flyByTimer), 0)
          << work.what;
  }
}

}  // namespace
