// The information button: Orvenna's answer in output.txt shown a second later, and what is
// shown when the answer is short, missing or old.
#include <string>

#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/link/planetarium_output.h"
#include "src/util/user_folder.h"
#include "tests/app/console_dialog_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

constexpr wchar_t InformationScript[] =
    L"core.resetOutput(); core.output(\"[main]\");\r"
    L"core.output(\"getTimeRate = \"+core.getTimeRate()); core.output(\"getTime = "
    L"\"+core.getDate(\"utc\"));\r"
    L" core.output(\"getTimeL = \"+core.getDate(\"local\"));\r var position = "
    L"core.getObserverLocationInfo();\r"
    L"core.output(\"position_pl = \"+position['planet']);\rcore.output(\"position_lo = "
    L"\"+position['longitude']);\r"
    L"core.output(\"position_la = \"+position['latitude']);\r"
    L"core.output(\"position_al = \"+position['altitude']);\r";

using SimulationDataTest = ConsoleWithOrvennaTest;

TEST_F(SimulationDataTest, OrvennaWritesItsRateTimeAndPlaceWhichShowASecondLater) {
  RunToEnd([](TestConsoleDlg& dlg) {
    dlg.RunScript(
        L"core.setTimeRate(0);\rcore.setDate(\"2025-03-14T21:30:00\");\r"
        L"core.setObserverLocation(-12.5, -33.8688, 58, 0, \"Here\", \"Mars\");\r",
        L"Place.ovs", false, 100);
  });
  machine.advance(500);
  RunToEnd([](TestConsoleDlg& dlg) {
    dlg.firedTimers.clear();
    dlg.OnGetSimulationData();
  });
  EXPECT_TRUE(RanExactly(LastScriptRun(), InformationScript)) << LastScriptRun();
  EXPECT_TRUE(dialog->scriptRunning);
  machine.advance(999 - 600);
  EXPECT_EQ(DialogText(COrvennaConsoleDlg::InformationBoxId), L"");
  machine.advance(700);
  EXPECT_EQ(dialog->firedTimers, std::vector<UINT_PTR>{SimulationDataTimer});
  EXPECT_FALSE(dialog->scriptRunning);
  EXPECT_EQ(DialogText(COrvennaConsoleDlg::InformationBoxId),
            L"Simulation rate: 0x\nUTC time: 2025-03-14 21:30:00\nlocal time: 2025-03-14T22:30:00\n"
            L"Longitude: 12\u00B030'0\" W\nLatitude: 33\u00B052'7\" S\nPlanet: Mars\n");
}

struct ReadBackCase {
  const char* what;
  const char* output;  // null: no output.txt
  bool writtenAfterTheRequest;
  const wchar_t* shown;
};

TEST_F(ConsoleDialogTest, TheReadBackOfAFullAShortAMissingAnOldAndADamagedAnswer) {
  const std::string oversized = "[main]\ngetTimeRate = 1\n" + std::string(LargestPlanetariumOutput, ' ');
  const ReadBackCase cases[] = {
      {"a full answer",
       "[main]\ngetTimeRate = 1\ngetTime = 2025-03-14T21:30:00\ngetTimeL = 2025-03-14T22:30:00\n"
       "position_pl = Earth\nposition_lo = 12.4964\nposition_la = 41.9028\nposition_al = 21\n",
       true,
       L"Simulation rate: 1x\nUTC time: 2025-03-14 21:30:00\nlocal time: 2025-03-14T22:30:00\n"
       L"Longitude: 12\u00B029'47\" E\nLatitude: 41\u00B054'10\" N\nPlanet: Earth\n"},
      {"a short answer", "[main]\ngetTimeRate = 2\ngetTime = 2025-03", true,
       L"Simulation rate: 2x\nUTC time: 2025-03 \nlocal time: \nLongitude: 0\u00B00'0\" E\n"
       L"Latitude: 0\u00B00'0\" N\nPlanet: \n"},
      {"no answer", nullptr, true,
       L"Simulation rate: x\nUTC time:  \nlocal time: \nLongitude: 0\u00B00'0\" E\n"
       L"Latitude: 0\u00B00'0\" N\nPlanet: \n"},
      {"the answer to an earlier question", "[main]\ngetTimeRate = 1\nposition_pl = Earth\n", false,
       L"Not updated: Orvenna did not answer in time.\nSimulation rate: 1x\nUTC time:  \nlocal time: \n"
       L"Longitude: 0\u00B00'0\" E\nLatitude: 0\u00B00'0\" N\nPlanet: Earth\n"},
      {"an answer too large to be one", oversized.c_str(), true,
       L"Not updated: Orvenna did not answer in time.\nSimulation rate: x\nUTC time:  \nlocal time: \n"
       L"Longitude: 0\u00B00'0\" E\nLatitude: 0\u00B00'0\" N\nPlanet: \n"},
  };
  StartDialog();
  const std::wstring output = PlanetariumUserFile(L"output.txt");
  for (const ReadBackCase& answer : cases) {
    DeleteFileW(output.c_str());
    if (!answer.writtenAfterTheRequest) {
      ASSERT_TRUE(write_file(output.c_str(), answer.output));
    }
    machine.advance(10);
    Run([](TestConsoleDlg& dlg) { GetSystemTimeAsFileTime(&dlg.simulationDataRequested); });
    machine.advance(10);
    if (answer.writtenAfterTheRequest && answer.output != nullptr) {
      ASSERT_TRUE(write_file(output.c_str(), answer.output));
    }
    Run([](TestConsoleDlg& dlg) { dlg.ShowSimulationData(); });
    EXPECT_EQ(DialogText(COrvennaConsoleDlg::InformationBoxId), answer.shown) << answer.what;
  }
}

struct RefusalCase {
  const char* what;
  bool scriptRunning;
  bool flyByRunning;
  const wchar_t* status;
};

TEST_F(ConsoleDialogTest, TheInformationButtonRefusesWhileAScriptOrAFlyByRuns) {
  const RefusalCase cases[] = {
      {"a script before a fly-by", true, true,
       L"Another simulation script is currently running. You can stop it or wait for it to complete, "
       L"depending on "
       L"the script..."},
      {"a fly-by", false, true, L"This function is not available during the fly-by"},
  };
  StartDialog();
  for (const RefusalCase& refusal : cases) {
    Run([&refusal](TestConsoleDlg& dlg) {
      dlg.scriptRunning = refusal.scriptRunning;
      dlg.flyByRunning = refusal.flyByRunning;
      dlg.firedTimers.clear();
      dlg.OnGetSimulationData();
    });
    EXPECT_EQ(StatusLine(), refusal.status) << refusal.what;
    machine.advance(6000);
    EXPECT_EQ(std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), SimulationDataTimer), 0)
        << refusal.what;
  }
  EXPECT_EQ(probe->starts(), 0);
}

}  // namespace
