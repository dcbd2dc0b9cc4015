// The planet buttons against the stand-in Orvenna on the virtual clock: the script it ran and the
// body it selected, the information box from solar_system.csv, the selected body and the texts
// the console shows, and the guards.
#include <string>

#include "peers/orvenna/install/installer.h"
#include "peers/orvenna/program_probe.h"
#include "platform/win/win32.h"
#include "src/app/planets/planet_information.h"
#include "src/settings/settings_key.h"
#include "tests/app/console_dialog_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

constexpr UINT FirstPlanetButton = 1014;
constexpr int GoToId = 1057;

std::wstring PlanetScript(const std::wstring& name) {
  return L"ConstellationMgr.setFlagArt(false);\rConstellationMgr.setFlagLines(false);\r"
         L"ConstellationMgr.setFlagBoundaries(false);\rConstellationMgr.setFlagLabels(false);\r"
         L"core.selectObjectByName(\"" +
         name + L"\", true);\rSolarSystem.setFlagPlanets(true);\rcore.wait(0.1);\r";
}

class PlanetButtonsTest : public ConsoleWithOrvennaTest {
 protected:
  void SetUp() override {
    ConsoleWithOrvennaTest::SetUp();
    Run([](TestConsoleDlg& dlg) { dlg.CreateTooltips(); });
  }

  void Press(int code) { Click(FirstPlanetButton + static_cast<UINT>(code)); }

  std::wstring InformationBox() const { return DialogText(COrvennaConsoleDlg::InformationBoxId); }
  std::string Selection() const { return probe->state()->selection(); }
};

struct PlanetCase {
  int code;
  std::wstring englishName;
  std::wstring shownName;
  std::wstring information;
};

TEST_F(PlanetButtonsTest, EachButtonSelectsItsBodyAndShowsItsData) {
  const std::wstring unknown = L"";
  const PlanetCase cases[] = {
      {2, L"Mars", L"Mars",
       L"******Mean distance: 227,943,824 (km) - 141,637,725 (miles)\n"
       L"Diameter: 6779 (km) [0.532 x EARTH]\nOrbital period: 686.98 days\nRotation period: 24.62 hours\n"
       L"Mean temperature: -65 \u00b0C\nSurface gravity: 3.71 m/s\u00b2\nEscape velocity: 5.03 km/s\n"
       L"Known moons: 2\nMass (10\u00b2\u2074 kg): 0.642 [0.107538 x EARTH]\n"},
      {3, L"Moon", L"Moon",
       L"******Mean distance: 384,400 (km) - 238,855 (miles)\n"
       L"Diameter: 3475 (km) [0.273 x EARTH]\nOrbital period: 27.32 days\nRotation period: 27.32 days\n"
       L"Mean temperature: -20 \u00b0C\nSurface gravity: 1.62 m/s\u00b2\nEscape velocity: 2.38 km/s\n"
       L"Known moons: 0\nMass (10\u00b2\u2074 kg): 0.0735 [0.012312 x EARTH]\n"},
      {10, L"Sun", L"Sun",
       L"******Mean distance: n/a (km) - n/a (miles)\n"
       L"Diameter: 1392700 (km) [109.2 x EARTH]\nOrbital period: 230 million years\nRotation period: 25.4 "
       L"days\n"
       L"Mean temperature: 5505 \u00b0C\nSurface gravity: 274.0 m/s\u00b2\nEscape velocity: 617.7 km/s\n"
       L"Known moons: 0\nMass (10\u00b2\u2074 kg): 1,989,100 [333182.593750 x EARTH]\n"},
      {6, L"Jupiter", L"Jupiter", L""},
      {0, L"Pluto", L"Pluto", L""},
  };
  for (const PlanetCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << c.code);
    Press(c.code);
    EXPECT_TRUE(RanExactly(LastScriptRun(), PlanetScript(c.englishName)));
    EXPECT_EQ(Selection(), std::string(c.englishName.begin(), c.englishName.end()));
    if (!c.information.empty()) {
      EXPECT_EQ(InformationBox(), c.information);
    }
    EXPECT_TRUE(InformationBox().starts_with(L"******Mean distance: "));
    EXPECT_EQ(dialog->SelectedBodyCode, c.code);
    EXPECT_EQ(StatusLine(), L"Currently selected object: " + c.shownName);
    EXPECT_EQ(dialog->CurrentObjectName, c.shownName);
    EXPECT_EQ(dialog->TooltipText(GoToId), L"Center on selected object: (" + c.shownName + L")");
    EXPECT_EQ(dialog->TooltipText(COrvennaConsoleDlg::FlyByButtonId),
              L"Orbit around the selected planet (" + c.shownName + L")");
  }
  Wait(3000);
  EXPECT_EQ(StatusLine(), L"");
}

TEST_F(PlanetButtonsTest, TheChineseInterfaceNamesTheMoonByItsEverydayName) {
  Run([](TestConsoleDlg&) { SettingsWriter().Dword(L"Language", 5); });
  Press(3);
  EXPECT_EQ(dialog->CurrentObjectName, L"\u6708\u4eae");
  EXPECT_TRUE(StatusLine().ends_with(L"\u6708\u4eae"));
  EXPECT_TRUE(RanExactly(LastScriptRun(), PlanetScript(L"Moon")));
}

TEST_F(PlanetButtonsTest, ABodyMissingFromTheCatalogueLeavesTheBoxEmptyAndIsStillSelected) {
  Run([](TestConsoleDlg& dlg) { dlg.SetDlgItemText(COrvennaConsoleDlg::InformationBoxId, L"old"); });
  ASSERT_TRUE(write_file((orvenna::user_folder_of(machine) + L"\\solar_system.csv").c_str(),
                         "name;distance\nMars;1;2;3;4;5;6;7;8;9;10;11\n"));
  Press(7);
  EXPECT_EQ(MessageBoxShown(), nullptr);
  EXPECT_EQ(InformationBox(), L"");
  EXPECT_TRUE(RanExactly(LastScriptRun(), PlanetScript(L"Saturn")));
  EXPECT_EQ(Selection(), "Saturn");
  EXPECT_EQ(dialog->SelectedBodyCode, 7);
}

TEST_F(PlanetButtonsTest, AMissingCatalogueIsReportedAfterTheBodyIsSelected) {
  ASSERT_TRUE(DeleteFileW((orvenna::user_folder_of(machine) + L"\\solar_system.csv").c_str()));
  Run([](TestConsoleDlg& dlg) {
    ::SendMessageW(dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(FirstPlanetButton, BN_CLICKED), 0);
  });
  Wait(1000);
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageBoxText(box).find(L"solar_system.csv"), std::wstring::npos);
  Answer(box, IDOK);
  Wait(1000);
  EXPECT_EQ(InformationBox(), L"");
  EXPECT_EQ(Selection(), "Pluto");
  EXPECT_EQ(dialog->SelectedBodyCode, 0);
}

struct GuardCase {
  const char* what;
  std::function<void(TestConsoleDlg&)> arrange;
  std::wstring notice;
};

TEST_F(PlanetButtonsTest, GuardsRefuseWithTheirNoticeAndSendNothing) {
  const GuardCase cases[] = {
      {"a script runs", [](TestConsoleDlg& dlg) { dlg.scriptRunning = true; },
       L"Another simulation script is currently running. You can stop it or wait for it to complete, "
       L"depending on the script..."},
      {"a fly-by runs", [](TestConsoleDlg& dlg) { dlg.flyByRunning = true; },
       L"This function is not available during the fly-by"},
      {"the recording is paused", [](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderPaused; },
       L"The recording is paused!"},
  };
  for (const GuardCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::size_t before = probe->scripts().size();
    Run([&c](TestConsoleDlg& dlg) {
      dlg.scriptRunning = false;
      dlg.flyByRunning = false;
      dlg.RecorderState = RecorderIdle;
      c.arrange(dlg);
    });
    Press(2);
    EXPECT_EQ(StatusLine(), c.notice);
    EXPECT_EQ(probe->scripts().size(), before);
    EXPECT_EQ(dialog->SelectedBodyCode, -1);
  }
}

TEST_F(PlanetButtonsTest, ThePressIsRecordedWithItsScript) {
  Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
  Press(1);
  EXPECT_NE(dialog->recordedShow.recordedScript.find(PlanetScript(L"Earth")), std::wstring::npos);
}

struct DistanceCase {
  const wchar_t* written;
  const wchar_t* shown;
};

TEST_F(ConsoleDialogTest, AMeanDistanceOutOfRangeIsShownAsNone) {
  for (const DistanceCase& c : {
           DistanceCase{L"384400", L"384,400 (km) - 238,855 (miles)"},
           DistanceCase{L"1e30", L"n/a (km) - n/a (miles)"},
           DistanceCase{L"-1e30", L"n/a (km) - n/a (miles)"},
           DistanceCase{L"nan", L"n/a (km) - n/a (miles)"},
           DistanceCase{L"99999999999999999999", L"n/a (km) - n/a (miles)"},
       }) {
    SolarSystemBodyRecord body;
    body.meanDistanceKm = c.written;
    const std::wstring text = PlanetInformation(body, false, 0);
    const std::wstring firstLine = text.substr(0, text.find(L'\n'));
    EXPECT_TRUE(firstLine.ends_with(std::wstring(L": ") + c.shown)) << firstLine;
  }
}

struct SunMassCase {
  const wchar_t* written;
  const wchar_t* shown;
};

TEST_F(ConsoleDialogTest, TheSunsMassOutOfRangeIsShownAsNone) {
  for (const SunMassCase& c : {
           SunMassCase{L"1989100", L"1,989,100"},
           SunMassCase{L"99999999999999999999", L"n/a"},
           SunMassCase{L"-1e30", L"n/a"},
           SunMassCase{L"nan", L"n/a"},
       }) {
    SolarSystemBodyRecord sun;
    sun.massE24Kg = c.written;
    const std::wstring text = PlanetInformation(sun, true, 0);
    EXPECT_NE(text.find(std::wstring(L"kg): ") + c.shown + L" ["), std::wstring::npos) << text;
  }
}

}  // namespace
