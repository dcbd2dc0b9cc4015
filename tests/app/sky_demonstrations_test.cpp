// The sky demonstrations against the stand-in Orvenna on the virtual clock: the scripts and keys
// it receives, the sky they leave, the guards and the recording.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "peers/orvenna/program_probe.h"
#include "platform/win/win32.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

using orvenna::SkyFlag;
using orvenna::SkyState;
using Handler = void (COrvennaConsoleDlg::*)();

const std::vector<std::string> Zodiac{"Aries",       "Taurus",   "Gemini",   "Cancer",    "Leo",
                                      "Virgo",       "Libra",    "Scorpius", "Ophiuchus", "Sagittarius",
                                      "Capricornus", "Aquarius", "Pisces"};

class SkyDemonstrationsTest : public ConsoleDialogTest {
 protected:
  void SetUp() override {
    StartDialog([](TestConsoleDlg& dlg) {
      dlg.ConsoleLayout = TwoMonitorLayout;
      dlg.ConsoleScreen = 1;
    });
    LaunchPlanetarium();
    ASSERT_EQ(MessageBoxShown(), nullptr);
  }

  void Press(Handler handler) {
    RunToEnd([handler](TestConsoleDlg& dlg) { (dlg.*handler)(); });
  }
  void Look(UINT id) {
    RunToEnd([id](TestConsoleDlg& dlg) { dlg.OnLookDirection(id); });
  }
  SkyState Sky() const { return *probe->state(); }
  // The text of the last script Orvenna ran, the per-run script at its end.
  std::string LastRun() const {
    return probe->scripts().empty() ? std::string() : probe->scripts().back().text;
  }
  static bool Holds(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
  }
};

struct ScriptedCase {
  const char* what;
  Handler handler;
  // Statements the script must hold, in this order.
  std::vector<std::string> pieces;
  // Long enough for the script to end in Orvenna and the console's flag to clear.
  desktop::Tick runMs;
  std::function<void(const SkyState& before, const SkyState& after)> leaves;
};

TEST_F(SkyDemonstrationsTest, EachScriptedDemonstrationRunsItsScriptAndLeavesOrvennasSkyAsItShows) {
  const double yearsOfPrecession = 140.0 * 65192 * 86164.0905 / (365.25 * 86400);
  const ScriptedCase cases[] = {
      {"pole star",
       &COrvennaConsoleDlg::OnFindPolaris,
       {"core.selectObjectByName(\"HP53910\",true);\r", "Merak (UMa)",
        "core.selectObjectByName(\"HP56340\",true);\r",
        "core.selectObjectByName(\"HP11767\",true);\rConstellationMgr.setFlagArt(art);\r"},
       18000,
       [](const SkyState& before, const SkyState& after) {
         EXPECT_EQ(after.selection(), "HP11767");
         EXPECT_TRUE(after.flag(SkyFlag::gravity_labels));
         EXPECT_TRUE(after.labels().empty());
         for (SkyFlag figure : {SkyFlag::constellation_art, SkyFlag::constellation_lines,
                                SkyFlag::constellation_boundaries, SkyFlag::constellation_names})
           EXPECT_EQ(after.flag(figure), before.flag(figure));
       }},
      {"precession from the north",
       &COrvennaConsoleDlg::OnPrecessionNorth,
       {"core.setObserverLocation(0, 60, 0, 8, \"precession\", \"Earth\");\r",
        "\"Polaris, Alpha Ursa Minor\"", "\tdate[0] = \"YEAR: \"+year[0] ;\r",
        "core.selectObjectByName(\"Draco\");\r",
        "\t}\rLabelMgr.deleteAllLabels();\rConstellationMgr.setFlagBoundaries(bound);\r"},
       146000,
       [yearsOfPrecession](const SkyState& before, const SkyState& after) {
         EXPECT_EQ(after.observer().latitude, 60);
         EXPECT_EQ(after.observer().name, "precession");
         const double years = (after.utc_seconds() - before.utc_seconds()) / (365.25 * 86400);
         EXPECT_NEAR(years, yearsOfPrecession, 1);
         EXPECT_TRUE(after.flag(SkyFlag::precession_circles));
         EXPECT_TRUE(after.flag(SkyFlag::equator_grid));
         EXPECT_EQ(after.flag(SkyFlag::atmosphere), before.flag(SkyFlag::atmosphere));
         EXPECT_EQ(after.constellation_display_style, 2);
         EXPECT_TRUE(after.labels().empty());
       }},
      {"precession from the south",
       &COrvennaConsoleDlg::OnPrecessionSouth,
       {"core.setObserverLocation(0, -60, 0, 8, \"precession\", \"Earth\");\r",
        "\tdate[0] = \"YEAR: \"+year[0];\r", "\"Canopus, Alpha Carinae\"",
        "core.selectObjectByName(\"Hydrus\");\r",
        "\t}\rLabelMgr.setLabelShow(lab1, false);\r\tLabelMgr.setLabelShow(lab2, false);\r"},
       161000,
       [yearsOfPrecession](const SkyState& before, const SkyState& after) {
         EXPECT_EQ(after.observer().latitude, -60);
         const double years = (after.utc_seconds() - before.utc_seconds()) / (365.25 * 86400);
         EXPECT_NEAR(years, yearsOfPrecession, 1);
         // Every label stays, hidden; the two on the screen with the last year shown.
         int yearLabels = 0;
         for (const orvenna::ScreenLabel& label : after.labels()) {
           EXPECT_FALSE(label.visible) << label.text;
           if (label.object.empty()) {
             ++yearLabels;
             EXPECT_TRUE(label.text.starts_with("YEAR: ")) << label.text;
           }
         }
         EXPECT_EQ(yearLabels, 2);
       }},
      {"zodiac tour",
       &COrvennaConsoleDlg::OnZodiac,
       {"OrvMovementMgr.zoomTo(180,3);\r", "core.wait(10)\r",
        "core.selectObjectByName(\"Pisces\", false);\r"},
       82000,
       [](const SkyState&, const SkyState& after) {
         // Isolated after whatever the precession left isolated.
         const std::vector<std::string>& isolated = after.isolated_constellations();
         ASSERT_GE(isolated.size(), Zodiac.size());
         EXPECT_TRUE(std::equal(Zodiac.begin(), Zodiac.end(), isolated.end() - Zodiac.size()));
         EXPECT_TRUE(after.flag(SkyFlag::ecliptic_line));
         EXPECT_TRUE(after.flag(SkyFlag::tracking));
         EXPECT_FALSE(after.flag(SkyFlag::landscape));
         EXPECT_EQ(after.fov, 180);
         EXPECT_EQ(after.selection(), "Pisces");
       }},
      {"Milky Way",
       &COrvennaConsoleDlg::OnMilkyWay,
       {"MilkyWay.setFlagShow(!MilkyWay.getFlagShow());\r"},
       1000,
       [](const SkyState& before, const SkyState& after) {
         EXPECT_NE(after.flag(SkyFlag::milky_way), before.flag(SkyFlag::milky_way));
       }},
  };
  for (const ScriptedCase& demo : cases) {
    const SkyState before = Sky();
    const std::size_t runs = probe->scripts().size();
    Press(demo.handler);
    EXPECT_TRUE(dialog->scriptRunning) << demo.what;
    ASSERT_EQ(probe->scripts().size(), runs + 1) << demo.what;
    const std::string script = probe->scripts().back().text;
    std::size_t at = 0;
    for (const std::string& piece : demo.pieces) {
      at = script.find(piece, at);
      ASSERT_NE(at, std::string::npos) << demo.what << ": " << piece;
    }
    Wait(demo.runMs);
    EXPECT_FALSE(dialog->scriptRunning) << demo.what;
    EXPECT_EQ(probe->scripts().size(), runs + 1) << demo.what;
    demo.leaves(before, Sky());
  }
}

TEST_F(SkyDemonstrationsTest, ThePoleStarLabelsStandAboveAndBelowTheMiddleOfOrvennasWindow) {
  // On a 1920 by 1080 client area, at (960, 320) and (960, 720).
  RECT client{};
  GetClientRect(probe->windows().main, &client);
  ASSERT_EQ(client.right, 1920);
  ASSERT_EQ(client.bottom, 1080);
  Press(&COrvennaConsoleDlg::OnFindPolaris);
  EXPECT_TRUE(
      Holds(LastRun(), "lab1 = LabelMgr.labelScreen(\"Dubhe (UMa)\", 960, 320, true, 20, \"#ffffff\");\r"));
  EXPECT_TRUE(
      Holds(LastRun(), "lab2 = LabelMgr.labelScreen(\"Dubhe (UMa)\", 960, 720, true, 20, \"#ffffff\");\r"));
  // Into the first star's labels, after the blinking pointers.
  Wait(4500);
  const SkyState sky = Sky();
  ASSERT_EQ(sky.labels().size(), 2u);
  EXPECT_EQ(sky.labels()[0].text, "Merak (UMa)");
  EXPECT_EQ(sky.labels()[0].x, 960);
  EXPECT_EQ(sky.labels()[0].y, 320);
  EXPECT_EQ(sky.labels()[1].y, 720);
  EXPECT_EQ(sky.selection(), "HP53910");
}

TEST_F(SkyDemonstrationsTest,
       ThePoleStarReleasesAnIsolatedBigDipperAndIsolatesTheLittleOneWhenAnyIsIsolated) {
  const auto isolated = [this](const wchar_t* name) {
    return dialog->ConstellationNames.isolated[dialog->FindConstellationIndex(name)] != 0;
  };
  Press(&COrvennaConsoleDlg::OnFindPolaris);
  EXPECT_FALSE(Holds(LastRun(), "\"Ursa Major\""));
  EXPECT_FALSE(isolated(L"Ursa Minor"));
  Wait(18000);

  Run([](TestConsoleDlg& dlg) {
    dlg.ConstellationNames.isolated[dlg.FindConstellationIndex(L"Ursa Major")] = 1;
  });
  Press(&COrvennaConsoleDlg::OnFindPolaris);
  EXPECT_TRUE(Holds(LastRun(),
                    "core.selectObjectByName(\"HP56340\",true);\rcore.wait(1.2);\r"
                    "core.selectObjectByName(\"Ursa Major\",false);\r"
                    "core.selectObjectByName(\"HP11767\",true);\r"));
  EXPECT_TRUE(isolated(L"Ursa Minor"));
}

}  // namespace

namespace {

bool ZodiacIsolatedInConsole(const TestConsoleDlg& dlg, const std::string& name) {
  return dlg.ConstellationNames
             .isolated[dlg.FindConstellationIndex(std::wstring(name.begin(), name.end()))] != 0;
}

TEST_F(SkyDemonstrationsTest, TheZodiacButtonAlternatesTourAndUndoWhichReselectsOnlyWhatIsStillIsolated) {
  Press(&COrvennaConsoleDlg::OnZodiac);
  EXPECT_TRUE(dialog->zodiacTourShown);
  for (const std::string& name : Zodiac)
    EXPECT_TRUE(ZodiacIsolatedInConsole(*dialog, name)) << name;
  Wait(81190);
  EXPECT_TRUE(dialog->scriptRunning);
  Wait(10);
  EXPECT_FALSE(dialog->scriptRunning);
  // Orvenna's script goes on a while after the console's flag has cleared.
  Wait(10000);
  EXPECT_EQ(Sky().isolated_constellations(), Zodiac);

  // The object search has since shown Leo and Pisces on their own.
  Run([](TestConsoleDlg& dlg) {
    dlg.ConstellationNames.isolated[dlg.FindConstellationIndex(L"Leo")] = 0;
    dlg.ConstellationNames.isolated[dlg.FindConstellationIndex(L"Pisces")] = 0;
  });
  Press(&COrvennaConsoleDlg::OnZodiac);
  EXPECT_FALSE(dialog->zodiacTourShown);
  // In the order of the constellation table.
  std::string undo = "ConstellationMgr.setFlagIsolateSelected(true);\r";
  for (const char* name : {"Aquarius", "Aries", "Cancer", "Capricornus", "Gemini", "Libra", "Ophiuchus",
                           "Sagittarius", "Scorpius", "Taurus", "Virgo"})
    undo += "core.selectObjectByName(\"" + std::string(name) + "\", false);\r";
  undo += "ConstellationMgr.setFlagArt(false);\r";
  EXPECT_TRUE(Holds(LastRun(), undo));
  for (const std::string& name : Zodiac)
    EXPECT_FALSE(ZodiacIsolatedInConsole(*dialog, name)) << name;
  Wait(4990);
  EXPECT_TRUE(dialog->scriptRunning);
  Wait(10);
  EXPECT_FALSE(dialog->scriptRunning);
  // The culture reloaded ends what the undo left isolated.
  EXPECT_TRUE(Sky().isolated_constellations().empty());
  EXPECT_FALSE(Sky().flag(SkyFlag::constellation_art));

  Press(&COrvennaConsoleDlg::OnZodiac);
  EXPECT_TRUE(dialog->zodiacTourShown);
  EXPECT_TRUE(Holds(LastRun(), "core.wait(10)\r"));
}

TEST_F(SkyDemonstrationsTest, TheThirteenStepWalkIsolatesOneMoreEachPressAndStartsOverAfterStepThirteen) {
  // Step 0: the ecliptic view and Aries.
  Press(&COrvennaConsoleDlg::OnZodiac13);
  EXPECT_TRUE(Holds(LastRun(), "OrvMovementMgr.zoomTo(180,3);\r"));
  EXPECT_FALSE(Holds(LastRun(), "core.wait(10)"));
  EXPECT_TRUE(dialog->scriptRunning);
  Wait(5000);
  EXPECT_FALSE(dialog->scriptRunning);
  EXPECT_EQ(Sky().isolated_constellations(), std::vector<std::string>{"Aries"});
  for (std::size_t step = 1; step < Zodiac.size(); ++step) {
    Press(&COrvennaConsoleDlg::OnZodiac13);
    // The presenter steps on at once.
    EXPECT_FALSE(dialog->scriptRunning) << step;
    EXPECT_TRUE(
        Holds(LastRun(), "ConstellationMgr.setFlagIsolateSelected(true);\rcore.selectObjectByName(\"" +
                             Zodiac[step] + "\", false);\rOrvMovementMgr.setFlagTracking(true);\r"))
        << step;
    EXPECT_TRUE(ZodiacIsolatedInConsole(*dialog, Zodiac[step])) << step;
  }
  Wait(100);
  EXPECT_EQ(Sky().isolated_constellations(), Zodiac);
  EXPECT_EQ(Sky().selection(), "Pisces");

  // The fourteenth press ends the walk.
  Press(&COrvennaConsoleDlg::OnZodiac13);
  EXPECT_TRUE(Holds(LastRun(), "core.setSkyCulture(\"inuit\");\rcore.setSkyCulture(\"western\");\r"));
  EXPECT_TRUE(dialog->scriptRunning);
  for (const std::string& name : Zodiac)
    EXPECT_FALSE(ZodiacIsolatedInConsole(*dialog, name)) << name;
  Wait(5000);
  EXPECT_FALSE(dialog->scriptRunning);
  EXPECT_TRUE(Sky().isolated_constellations().empty());
  EXPECT_EQ(dialog->zodiac13Step, 0);

  // The fifteenth starts it again.
  Press(&COrvennaConsoleDlg::OnZodiac13);
  EXPECT_TRUE(Holds(LastRun(), "OrvMovementMgr.zoomTo(180,3);\r"));
  Wait(5000);
  EXPECT_EQ(Sky().isolated_constellations(), std::vector<std::string>{"Aries"});
}

struct LookCase {
  UINT id;
  bool alt;
  BYTE letter;
  double azimuth;
  bool atPole;
  const char* recorded;
};

TEST_F(SkyDemonstrationsTest, ALookButtonSendsOrvennasKeyTurnsTheViewAndRecordsTheTurnAsAScript) {
  const LookCase cases[] = {
      {8470, false, 'E', 90, false, "core.moveToAltAzi(87.9, 90, 2);\r"},
      {8471, false, 'W', 270, false, "core.moveToAltAzi(87.9, 270, 2);\r"},
      {8472, false, 'N', 0, false, "core.moveToAltAzi(87.9, 0, 2);\r"},
      {8473, false, 'S', 180, false, "core.moveToAltAzi(87.9, 180, 2);\r"},
      {8474, true, 'N', 0, true, "core.moveToAltAzi(latitude, 0, 2);\r"},
      {8475, true, 'S', 180, true, "core.moveToAltAzi(latitude, 180, 2);\r"},
  };
  for (const LookCase& look : cases) {
    Run([](TestConsoleDlg& dlg) {
      dlg.RecorderState = RecorderIdle;
      dlg.StartRecording();
    });
    const std::size_t runs = probe->scripts().size();
    const std::size_t mark = probe->messages().size();
    Look(look.id);
    EXPECT_EQ(probe->scripts().size(), runs) << look.id << ": keys, no script";
    std::vector<orvenna::ReceivedMessage> keys;
    const auto received = probe->messages();
    for (std::size_t i = mark; i < received.size(); ++i)
      if (received[i].window == probe->windows().render &&
          (received[i].message == WM_KEYDOWN || received[i].message == WM_SYSKEYDOWN))
        keys.push_back(received[i]);
    ASSERT_FALSE(keys.empty()) << look.id;
    EXPECT_EQ(keys.back().wParam, look.letter) << look.id;
    EXPECT_EQ(keys.back().message, static_cast<UINT>(look.alt ? WM_SYSKEYDOWN : WM_KEYDOWN)) << look.id;
    const SkyState sky = Sky();
    EXPECT_EQ(sky.view.azimuth, look.azimuth) << look.id;
    EXPECT_EQ(sky.view.altitude, look.atPole ? std::abs(sky.observer().latitude) : 87.9) << look.id;
    EXPECT_EQ(GetForegroundWindow(), MainDialog()) << look.id;
    const std::string recorded = std::string("var items = core.getObserverLocationInfo();\r") +
                                 "var latitude = items[\"latitude\"];\r" + look.recorded;
    EXPECT_TRUE(dialog->recordedShow.recordedScript.ends_with(std::wstring(recorded.begin(), recorded.end())))
        << look.id;
  }
}

}  // namespace

namespace {

using Press = std::function<void(TestConsoleDlg&)>;

struct GuardedCase {
  const char* what;
  Press press;
  bool refusesWhileAScriptRuns;
};

const GuardedCase GuardedCases[] = {
    {"pole star", [](TestConsoleDlg& dlg) { dlg.OnFindPolaris(); }, true},
    {"precession north", [](TestConsoleDlg& dlg) { dlg.OnPrecessionNorth(); }, true},
    {"precession south", [](TestConsoleDlg& dlg) { dlg.OnPrecessionSouth(); }, true},
    {"zodiac", [](TestConsoleDlg& dlg) { dlg.OnZodiac(); }, true},
    {"zodiac walk", [](TestConsoleDlg& dlg) { dlg.OnZodiac13(); }, true},
    {"Milky Way", [](TestConsoleDlg& dlg) { dlg.OnMilkyWay(); }, true},
    {"look west", [](TestConsoleDlg& dlg) { dlg.OnLookDirection(8471); }, false},
};

class DemonstrationGuardsTest : public SkyDemonstrationsTest {
 protected:
  // Nothing reached Orvenna and the demonstrations' own state is as it was.
  void ExpectNothingDone(const char* what, std::size_t runs, const SkyState& before) {
    EXPECT_EQ(probe->scripts().size(), runs) << what;
    EXPECT_EQ(Sky().view.azimuth, before.view.azimuth) << what;
    EXPECT_FALSE(dialog->zodiacTourShown) << what;
    EXPECT_EQ(dialog->zodiac13Step, 0) << what;
  }
};

TEST_F(DemonstrationGuardsTest, WhileTheRecordingIsPausedEachRefusesWithTheNoticeForSixSeconds) {
  Run([](TestConsoleDlg& dlg) {
    dlg.StartRecording();
    dlg.PauseResumeRecording();
  });
  for (const GuardedCase& demo : GuardedCases) {
    const SkyState before = Sky();
    const std::size_t runs = probe->scripts().size();
    RunToEnd(demo.press);
    EXPECT_EQ(StatusLine(), L"The recording is paused!") << demo.what;
    Wait(6000);
    EXPECT_EQ(StatusLine(), L"") << demo.what;
    ExpectNothingDone(demo.what, runs, before);
  }
  EXPECT_TRUE(dialog->recordedShow.recordedScript.empty());
}

TEST_F(DemonstrationGuardsTest, DuringAFlyByEachRefusesAndRaisesTheNoticeFlagForFourSeconds) {
  Run([](TestConsoleDlg& dlg) { dlg.flyByRunning = true; });
  for (const GuardedCase& demo : GuardedCases) {
    const SkyState before = Sky();
    const std::size_t runs = probe->scripts().size();
    RunToEnd(demo.press);
    EXPECT_EQ(StatusLine(), L"This function is not available during the fly-by") << demo.what;
    EXPECT_TRUE(dialog->flyByNoticeShown) << demo.what;
    Wait(4000);
    EXPECT_FALSE(dialog->flyByNoticeShown) << demo.what;
    ExpectNothingDone(demo.what, runs, before);
  }
}

TEST_F(DemonstrationGuardsTest, WhileAScriptRunsTheScriptedOnesRefuseAndTheLookButtonsAct) {
  for (const GuardedCase& demo : GuardedCases) {
    Run([](TestConsoleDlg& dlg) { dlg.scriptRunning = true; });
    const SkyState before = Sky();
    const std::size_t runs = probe->scripts().size();
    RunToEnd(demo.press);
    if (demo.refusesWhileAScriptRuns) {
      EXPECT_TRUE(StatusLine().starts_with(L"Another simulation script is currently running.")) << demo.what;
      ExpectNothingDone(demo.what, runs, before);
    } else {
      EXPECT_EQ(Sky().view.azimuth, 270) << demo.what;
    }
    Wait(5000);
    EXPECT_EQ(StatusLine(), L"") << demo.what;
  }
}

TEST_F(DemonstrationGuardsTest, ThePrecessionKeepsEveryScriptedActionOutUntilItsEndTimer) {
  Press(&COrvennaConsoleDlg::OnPrecessionNorth);
  Wait(145000 + 500 - 10);
  const std::size_t runs = probe->scripts().size();
  Press(&COrvennaConsoleDlg::OnMilkyWay);
  EXPECT_TRUE(StatusLine().starts_with(L"Another simulation script is currently running."));
  EXPECT_EQ(probe->scripts().size(), runs);
  Wait(10);
  Press(&COrvennaConsoleDlg::OnMilkyWay);
  EXPECT_EQ(probe->scripts().size(), runs + 1);
}

struct RecordedCase {
  const char* what;
  Handler handler;
  float recordedMs;
  desktop::Tick thenWaitMs;
};

TEST_F(SkyDemonstrationsTest, EachDemonstrationIsRecordedWithItsDurationWhichTheNextStepsWaitLess) {
  const RecordedCase cases[] = {
      {"pole star", &COrvennaConsoleDlg::OnFindPolaris, 17100, 18000},
      {"precession north", &COrvennaConsoleDlg::OnPrecessionNorth, 145000, 146000},
      {"precession south", &COrvennaConsoleDlg::OnPrecessionSouth, 160000, 161000},
      {"zodiac tour", &COrvennaConsoleDlg::OnZodiac, 81200, 92000},
      {"zodiac undo", &COrvennaConsoleDlg::OnZodiac, 4, 6000},
      {"walk, step 0", &COrvennaConsoleDlg::OnZodiac13, 5000, 6000},
      {"walk, step 1", &COrvennaConsoleDlg::OnZodiac13, 0, 1000},
      {"Milky Way", &COrvennaConsoleDlg::OnMilkyWay, 0, 1500},
  };
  constexpr float LookKeysMs = 200;
  const std::wstring lookEast =
      L"var items = core.getObserverLocationInfo();\rvar latitude = items[\"latitude\"];\r"
      L"core.moveToAltAzi(87.9, 90, 2);\r";
  Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
  for (const RecordedCase& demo : cases) {
    const std::size_t runs = probe->scripts().size();
    Press(demo.handler);
    ASSERT_EQ(probe->scripts().size(), runs + 1) << demo.what;
    // The script Orvenna ran is the step recorded.
    const std::string ran = LastRun();
    const std::size_t include = ran.find("\r\n\r\n");
    ASSERT_NE(include, std::string::npos);
    const std::string perRun = ran.substr(include + 4, ran.size() - include - 4 - 3);
    EXPECT_TRUE(dialog->recordedShow.recordedScript.ends_with(std::wstring(perRun.begin(), perRun.end())))
        << demo.what;

    Wait(demo.thenWaitMs);
    Look(8470);
    const std::wstring& recorded = dialog->recordedShow.recordedScript;
    ASSERT_TRUE(recorded.ends_with(lookEast)) << demo.what;
    const std::size_t line = recorded.rfind(L"core.wait(", recorded.size() - lookEast.size());
    ASSERT_NE(line, std::wstring::npos) << demo.what;
    const float waitSeconds = std::stof(recorded.substr(line + 10));
    EXPECT_NEAR(waitSeconds, (demo.thenWaitMs + LookKeysMs - demo.recordedMs) / 1000, 0.05) << demo.what;
  }
  // No step came while a demonstration's recorded run still went on.
  EXPECT_EQ(dialog->recordedShow.commandList.find(L"\r|"), std::wstring::npos);
}

}  // namespace
