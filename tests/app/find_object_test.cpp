// The Find button against the stand-in Orvenna on the virtual clock: the script it received for
// each kind of target, what it selected and isolated, the information box, the status line, the
// tooltips, the guards and the recording.
#include <cwchar>
#include <string>
#include <vector>

#include "peers/orvenna/install/installer.h"
#include "peers/orvenna/program_probe.h"
#include "platform/win/win32.h"
#include "src/app/planets/find_object_info.h"
#include "src/settings/console_settings.h"
#include "src/settings/ini_files.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr UINT FindId = 1123;
constexpr int GoToId = 1057;

const std::wstring PartsOff =
    L"ConstellationMgr.setFlagArt(false);\rConstellationMgr.setFlagLines(false);\r"
    L"ConstellationMgr.setFlagBoundaries(false);\rConstellationMgr.setFlagLabels(false);\r";
// The display options the tests store: art and boundaries.
const std::wstring IsolateWithArtAndBoundaries =
    L"ConstellationMgr.setFlagIsolateSelected(true);\rConstellationMgr.setFlagArt(true);\r"
    L"ConstellationMgr.setFlagBoundaries(true);\r";
const std::wstring Western = L"core.setSkyCulture(\"western\");\r";
const std::wstring DropConstellations = L"core.selectObjectByName(\"HIP 12200\", false);\r";
const std::wstring Selected = L"Currently selected object: ";
const std::wstring NoSelection = L"no object selected at the moment";
const std::wstring FlyByTip = L"Orbit around the selected planet (" + NoSelection + L")";

std::wstring Select(const std::wstring& name, bool pointer) {
  return L"core.selectObjectByName(\"" + name + (pointer ? L"\", true);\r" : L"\", false);\r");
}

class FindObjectTest : public ConsoleWithOrvennaTest {
 protected:
  void SetUp() override {
    ConsoleWithOrvennaTest::SetUp();
    Run([](TestConsoleDlg& dlg) {
      dlg.InitConstellationNames();
      dlg.CreateTooltips();
      SaveDisplayOpts(1 | 4);
    });
  }

  // The presenter clicks Find and picks the target on the search dialog.
  void Find(const std::wstring& name, int kind = 2, int extra = 0) {
    Run([name, kind, extra](TestConsoleDlg& dlg) {
      dlg.search = [name, kind, extra](CConsoleState& state) {
        state.SetSearchTarget(name, kind, extra);
        return INT_PTR{IDOK};
      };
    });
    Click();
  }

  static void ClickFind(TestConsoleDlg& dlg) {
    ::SendMessageW(dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(FindId, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dlg.GetSafeHwnd(), FindId)));
  }
  void Click() {
    RunToEnd(ClickFind);
    Wait(0);
  }

  std::vector<std::string> Isolated() const { return probe->state()->isolated_constellations(); }
  std::string Selection() const { return probe->state()->selection(); }
  std::wstring InformationBox() const { return DialogText(COrvennaConsoleDlg::InformationBoxId); }
  std::wstring GoToTip() const { return dialog->TooltipText(GoToId); }
};

struct TargetCase {
  const char* what;
  std::wstring name;
  int kind;
  int extra;
  std::wstring script;
  std::string selection;
  std::vector<std::string> isolated;
  std::wstring shownName;
  std::wstring information;
};

TEST_F(FindObjectTest, EachKindOfTargetBecomesItsScriptAndOrvennaSelectsIt) {
  const TargetCase cases[] = {
      {"typed text",
       L"m31",
       0,
       0,
       PartsOff + Western + Select(L"M31", true),
       "M31",
       {},
       L"M31",
       L"*****Common Name: Andromeda Galaxy\nNGC/IC: NGC 224\nObject Type: Spiral galaxy\n"
       L"Distance: 2,540,000 l.y.\nConstellation: Andromeda\nApparent Magnitude: 3.4\n"},
      {"catalogue designation: N and a digit is NGC",
       L"n224",
       1,
       0,
       PartsOff + Western + Select(L"NGC224", true),
       "NGC224",
       {},
       L"NGC224",
       L""},
      {"named star by its Hipparcos number",
       L"sirius",
       2,
       32349,
       L"core.selectObjectByName(\"HP32349\",true);\r",
       "HP32349",
       {},
       L"Sirius",
       L"*****Common Name: Sirius\nHipparcos: #32349\nDistance: 2.64 parsec\n    8.610712 l.y.\n"
       L"RA: 06h 45m 09s\nDEC: -16\u00b0 43'\nSpectrum: A1V\nApparent Magnitude: -1.46\n"
       L"Absolute Magnitude: 1.42\n"},
      {"a number not in the star names is an ordinary name",
       L"Vega",
       2,
       4294967,
       IsolateWithArtAndBoundaries + Western + Select(L"Vega", true),
       "Vega",
       {},
       L"Vega",
       L""},
      {"solar-system body",
       L"MARS",
       3,
       0,
       PartsOff + Western + Select(L"Mars", true),
       "Mars",
       {},
       L"Mars",
       L""},
      {"constellation",
       L"ursa MAJOR",
       2,
       0,
       IsolateWithArtAndBoundaries + Western + Select(L"Ursa major", true),
       "Ursa major",
       {"Ursa Major"},
       L"Ursa major",
       L""},
      {"argonavis is Carina",
       L"ArgoNavis",
       0,
       0,
       IsolateWithArtAndBoundaries + Western + Select(L"Carina", true),
       "Carina",
       {"Carina"},
       L"Carina",
       L""},
  };
  for (const TargetCase& target : cases) {
    Run([](TestConsoleDlg& dlg) {
      dlg.ConstellationNames.Fill();
      dlg.SelectedBodyCode = 4;
      dlg.goToStage = true;
      dlg.RunScript(DropConstellations, L"drop.ovs", false, 100);
    });
    Wait(1000);
    Find(target.name, target.kind, target.extra);
    EXPECT_EQ(StatusLine(), Selected + target.shownName) << target.what;
    EXPECT_EQ(InformationBox(), target.information) << target.what;
    EXPECT_EQ(dialog->CurrentObjectName, target.shownName) << target.what;
    EXPECT_EQ(GoToTip(), L"Center on selected object: (" + target.shownName + L")") << target.what;
    EXPECT_EQ(DialogText(GoToId), L"Center on Object") << target.what;
    EXPECT_EQ(dialog->TooltipText(COrvennaConsoleDlg::FlyByButtonId), FlyByTip) << target.what;
    EXPECT_EQ(dialog->SelectedBodyCode, -1) << target.what;
    EXPECT_FALSE(dialog->goToStage) << target.what;
    Wait(1000);
    EXPECT_TRUE(RanExactly(LastScriptRun(), target.script)) << target.what << "\n" << LastScriptRun();
    EXPECT_EQ(Selection(), target.selection) << target.what;
    EXPECT_EQ(Isolated(), target.isolated) << target.what;
    Wait(3000);
    EXPECT_EQ(StatusLine(), L"") << target.what;
  }
}

TEST_F(FindObjectTest, ConstellationsStayIsolatedTogetherAndAreTurnedOffOneByOne) {
  Find(L"Leo");
  Find(L"Orion");
  Wait(1000);
  EXPECT_TRUE(RanExactly(LastScriptRun(), IsolateWithArtAndBoundaries + Western + Select(L"Leo", false) +
                                              Select(L"Orion", true)));
  EXPECT_EQ(Isolated(), (std::vector<std::string>{"Leo", "Orion"}));
  EXPECT_EQ(dialog->IsolatedConstellationName, L"Orion");
  EXPECT_EQ(dialog->HasIsolatedConstellation, 1);

  Find(L"leo");
  EXPECT_EQ(StatusLine(), L"Turning off: Leo");
  EXPECT_EQ(dialog->CurrentObjectName, L"");
  EXPECT_EQ(GoToTip(), L"Center on selected object: (" + NoSelection + L")");
  Wait(1000);
  EXPECT_TRUE(RanExactly(
      LastScriptRun(), IsolateWithArtAndBoundaries + Western + DropConstellations + Select(L"Orion", false)));
  EXPECT_EQ(Isolated(), (std::vector<std::string>{"Orion"}));

  Find(L"Orion");
  EXPECT_EQ(StatusLine(), L"Turning off: Orion");
  Wait(1000);
  EXPECT_TRUE(
      RanExactly(LastScriptRun(), IsolateWithArtAndBoundaries + Western + PartsOff + DropConstellations));
  EXPECT_TRUE(Isolated().empty());
  const orvenna::SkyState sky = *probe->state();
  EXPECT_FALSE(sky.flag(orvenna::SkyFlag::constellation_art));
  EXPECT_FALSE(sky.flag(orvenna::SkyFlag::constellation_boundaries));
  for (std::uint8_t flag : dialog->ConstellationNames.isolated)
    EXPECT_EQ(flag, 0);
}

struct GuardCase {
  const char* what;
  void (*state)(TestConsoleDlg&);
  std::wstring status;
  bool searched;
};

TEST_F(FindObjectTest, TheGuardsAndACancelledSearchSendNothing) {
  const GuardCase cases[] = {
      {"recording paused", [](TestConsoleDlg& dlg) { dlg.RecorderState = RecorderPaused; },
       L"The recording is paused!", false},
      {"fly-by", [](TestConsoleDlg& dlg) { dlg.flyByRunning = true; },
       L"This function is not available during the fly-by", false},
      {"search cancelled",
       [](TestConsoleDlg& dlg) {
         dlg.search = [](CConsoleState& state) {
           state.SetSearchTarget(L"", 0, 0);
           return INT_PTR{0};
         };
       },
       L"", true},
  };
  for (const GuardCase& refused : cases) {
    Run([&refused](TestConsoleDlg& dlg) {
      dlg.RecorderState = RecorderIdle;
      dlg.flyByRunning = false;
      dlg.searchesShown = 0;
      dlg.ClearStatusLine();
      dlg.CurrentObjectName = L"Kept";
      dlg.SetDlgItemText(COrvennaConsoleDlg::InformationBoxId, L"old facts");
      dlg.search = [](CConsoleState& state) {
        state.SetSearchTarget(L"M31", 0, 0);
        return INT_PTR{IDOK};
      };
      refused.state(dlg);
    });
    const std::size_t scripts = probe->scripts().size();
    Click();
    EXPECT_EQ(StatusLine(), refused.status) << refused.what;
    EXPECT_EQ(dialog->searchesShown, refused.searched ? 1 : 0) << refused.what;
    EXPECT_EQ(InformationBox(), refused.searched ? L"" : L"old facts") << refused.what;
    EXPECT_EQ(dialog->CurrentObjectName, L"Kept") << refused.what;
    Wait(7000);
    EXPECT_EQ(probe->scripts().size(), scripts) << refused.what;
  }
}

TEST_F(FindObjectTest, AnotherSkyCultureIsSetByItsFolderName) {
  Run([](TestConsoleDlg&) { WriteIniValue(ConsoleIniFile, L"search", L"SkyCulture", L"inuit"); });
  Find(L"m31", 0);
  Wait(1000);
  EXPECT_TRUE(
      RanExactly(LastScriptRun(), PartsOff + L"core.setSkyCulture(\"inuit\");\r" + Select(L"M31", true)));
  EXPECT_EQ(probe->state()->sky_culture(), "inuit");
}

TEST_F(FindObjectTest, AMissingCatalogueIsReportedAndTheScriptStillRuns) {
  ASSERT_TRUE(DeleteFileW((orvenna::user_folder_of(machine) + L"\\messier_cat.csv").c_str()));
  Run([](TestConsoleDlg& dlg) {
    dlg.search = [](CConsoleState& state) {
      state.SetSearchTarget(L"M31", 0, 0);
      return INT_PTR{IDOK};
    };
  });
  Run(ClickFind);
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageBoxText(box).find(L"messier_cat.csv"), std::wstring::npos);
  Answer(box, IDOK);
  Wait(1000);
  EXPECT_EQ(InformationBox(), L"");
  EXPECT_EQ(Selection(), "M31");
  EXPECT_EQ(StatusLine(), Selected + L"M31");
}

TEST_F(FindObjectTest, WhenOrvennaIsGoneAfterTheSearchTheConsoleEnds) {
  const HWND orvenna = probe->windows().main;
  Run([orvenna](TestConsoleDlg& dlg) {
    dlg.search = [orvenna](CConsoleState& state) {
      state.SetSearchTarget(L"M31", 0, 0);
      ::PostMessageW(orvenna, WM_QUIT, 0, 0);
      Sleep(1000);
      return INT_PTR{IDOK};
    };
  });
  const std::size_t scripts = probe->scripts().size();
  Run(ClickFind);
  Wait(1000);
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageBoxText(box).find(L"Orvenna seems not to run."), std::wstring::npos);
  Answer(box, IDNO);
  EXPECT_EQ(ExitCode(), 1);
  EXPECT_EQ(probe->scripts().size(), scripts);
  EXPECT_TRUE(IsWindowVisible(FindWindowW(L"Shell_TrayWnd", L"")));
}

TEST_F(FindObjectTest, ARunningScriptDoesNotStopAFind) {
  Run([](TestConsoleDlg& dlg) { dlg.scriptRunning = true; });
  Find(L"m42", 0);
  Wait(1000);
  EXPECT_EQ(Selection(), "M42");
}

TEST_F(FindObjectTest, TheFindIsRecordedWithItsScript) {
  Run([](TestConsoleDlg& dlg) { dlg.StartRecording(); });
  Find(L"sirius", 2, 32349);
  EXPECT_TRUE(dialog->recordedShow.recordedScript.ends_with(L"core.selectObjectByName(\"HP32349\",true);\r"));
}

TEST_F(FindObjectTest, QuotesAndBackslashesInATypedNameReachOrvennaAsText) {
  const std::wstring typed = L"x\"); core.setTimeRate(0); //\\";
  const double rate = probe->state()->time_rate();
  Find(typed, 0);
  Wait(1000);
  EXPECT_TRUE(
      RanExactly(LastScriptRun(), PartsOff + Western +
                                      L"core.selectObjectByName(\"X\\\"); core.settimerate(0); //\\\\\", "
                                      L"true);\r"))
      << LastScriptRun();
  EXPECT_EQ(probe->state()->time_rate(), rate);
  bool noted = false;
  for (const orvenna::ScriptLogEntry& entry : probe->log())
    noted = noted ||
            entry.message.find("no object named \"X\"); core.settimerate(0); //\\\"") != std::string::npos;
  EXPECT_TRUE(noted);
}

struct FoundDistanceCase {
  const wchar_t* written;
  const wchar_t* starShown;
  const wchar_t* objectShown;
};

using FoundObjectBoxTest = ConsoleDialogTest;

TEST_F(FoundObjectBoxTest, ADistanceBeyondTheObservableUniverseIsShownAsNone) {
  for (const FoundDistanceCase& c : {
           FoundDistanceCase{L"2.64", L"    8.610712 l.y.\n", L": 2 l.y.\n"},
           FoundDistanceCase{L"1e300", L"    n/a l.y.\n", L": n/a l.y.\n"},
           FoundDistanceCase{L"-1e300", L"    n/a l.y.\n", L": n/a l.y.\n"},
           FoundDistanceCase{L"nan", L"    n/a l.y.\n", L": n/a l.y.\n"},
           FoundDistanceCase{L"99999999999999999999", L"    n/a l.y.\n", L": n/a l.y.\n"},
       }) {
    StarCatalogueRecord star;
    star.distancePc = c.written;
    star.distanceLy = std::wcstod(c.written, nullptr) * LightYearsPerParsec;
    EXPECT_NE(StarInformation(L"Sirius", star, 0).find(c.starShown), std::wstring::npos) << c.written;
    MessierCatalogueRecord object;
    object.distanceLy = c.written;
    EXPECT_NE(MessierInformation(object, 0).find(c.objectShown), std::wstring::npos) << c.written;
  }
}

}  // namespace
