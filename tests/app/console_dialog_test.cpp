// The main dialog: its construction, what does not end it, the guards of the presenter's actions
// and its side of the link with the message boxes the presenter answers.
#include <algorithm>

#include "platform/afx/message_map_entries.h"
#include "platform/win/win32.h"
#include "res/console_resources.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_app.h"
#include "src/app/window/which_edition.h"
#include "src/link/keyboard_layout.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

constexpr UINT_PTR StatusTimer = 104;
constexpr UINT_PTR FlyByNoticeTimer = 108;

TEST_F(ConsoleDialogTest, TheApplicationRunsTheMainDialogWhichEscapeAndTheCloseBoxDoNotEnd) {
  WriteConsoleOptions();
  StartOrvenna();
  StartApplication();
  ChooseLayout(984);
  machine.advance(20000);
  HWND main = MainDialog();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(IsWindowVisible(main));
  PostMessageW(main, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  PostMessageW(main, WM_CLOSE, 0, 0);
  machine.run_until_idle();
  EXPECT_EQ(MainDialog(), main);
  EXPECT_EQ(ExitCode(), -1);
}

// A modal dialog of the console that raises a message box when asked.
class AskingDialog : public CDialog {
 public:
  static constexpr UINT AskMessage = WM_APP + 2;
  AskingDialog() : CDialog(CWhichEdition::IDD) {}
  LRESULT OnAsk(WPARAM, LPARAM) {
    AfxMessageBox(L"Asked while a dialog is open", MB_OK);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(AskingDialog, CDialog)
ON_MESSAGE(AskingDialog::AskMessage, &AskingDialog::OnAsk)
END_MESSAGE_MAP()

TEST_F(ConsoleDialogTest, AMessageBoxRaisedWhileADialogIsOpenBelongsToThatDialog) {
  console = &machine.create_process(L"orvenna-console.exe");
  machine.start_thread(*console, [] {
    SetModuleResources(&console_resources());
    COrvennaConsoleApp app;
    AskingDialog asking;
    return static_cast<DWORD>(asking.DoModal());
  });
  machine.run_until_idle();
  HWND asking = Chooser();
  ASSERT_NE(asking, nullptr);
  PostMessageW(asking, AskingDialog::AskMessage, 0, 0);
  machine.run_until_idle();
  HWND box = nullptr;
  for (HWND window = FindWindowExW(nullptr, nullptr, WC_DIALOG, nullptr); window != nullptr;
       window = FindWindowExW(nullptr, window, WC_DIALOG, nullptr))
    if (window != asking && IsWindowVisible(window)) box = window;
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"Asked while a dialog is open");
  EXPECT_EQ(GetWindow(box, GW_OWNER), asking);
  EXPECT_FALSE(IsWindowEnabled(asking));
}

struct GuardCase {
  const char* what;
  WORD recorderState;
  bool flyByRunning;
  bool scriptRunning;
  ActionGuards guards;
  bool passes;
  const wchar_t* status;
  UINT_PTR timer;
  desktop::Tick firesAfter;
};

ActionGuards AllButOrvenna(UINT pausedMs = 6000, UINT scriptMs = 5000) {
  ActionGuards guards;
  guards.pausedNoticeMs = pausedMs;
  guards.refuseDuringFlyBy = true;
  guards.refuseWhileScriptRuns = true;
  guards.scriptNoticeMs = scriptMs;
  return guards;
}

TEST_F(ConsoleDialogTest, GuardsRefuseInTheirOrderWithTheirNotices) {
  ActionGuards keyToggle;
  keyToggle.refuseWhileScriptRuns = true;
  const GuardCase cases[] = {
      {"nothing running", RecorderIdle, false, false, AllButOrvenna(), true, L"", 0, 0},
      {"recording paused first", RecorderPaused, true, true, AllButOrvenna(), false,
       L"The recording is paused!", StatusTimer, 6000},
      {"fly-by before a script", RecorderRecording, true, true, AllButOrvenna(), false,
       L"This function is not available during the fly-by", FlyByNoticeTimer, 4000},
      {"script running", RecorderIdle, false, true, AllButOrvenna(6000, 4000), false,
       L"Another simulation script is currently running. You can stop it or wait for it to complete, "
       L"depending on "
       L"the script...",
       StatusTimer, 4000},
      {"a key toggle ignores the fly-by", RecorderIdle, true, false, keyToggle, true, L"", 0, 0},
  };
  StartDialog();
  for (const GuardCase& guard : cases) {
    bool passed = false;
    Run([&](TestConsoleDlg& dlg) {
      dlg.SetDlgItemText(COrvennaConsoleDlg::StatusLineId, L"");
      dlg.RecorderState = guard.recorderState;
      dlg.flyByRunning = guard.flyByRunning;
      dlg.scriptRunning = guard.scriptRunning;
      dlg.flyByNoticeShown = false;
      dlg.firedTimers.clear();
      passed = dlg.PassActionGuards(guard.guards);
    });
    EXPECT_EQ(passed, guard.passes) << guard.what;
    EXPECT_EQ(StatusLine(), guard.status) << guard.what;
    EXPECT_EQ(dialog->flyByNoticeShown, guard.timer == FlyByNoticeTimer) << guard.what;
    if (guard.timer == 0) continue;
    machine.advance(guard.firesAfter - 1);
    EXPECT_TRUE(dialog->firedTimers.empty()) << guard.what;
    machine.advance(1);
    machine.run_until_idle();
    EXPECT_EQ(dialog->firedTimers, std::vector<UINT_PTR>{guard.timer}) << guard.what;
  }
}

TEST_F(ConsoleDialogTest, AnOrvennaThatCannotBeMadeAvailableEndsTheConsoleWithTheTaskbarShown) {
  StartDialog([](TestConsoleDlg& dlg) {
    dlg.ConsoleLayout = TwoMonitorLayout;
    dlg.ConsoleScreen = 0;
  });
  Run([](TestConsoleDlg& dlg) { dlg.HideTaskbar(true); });
  ASSERT_FALSE(IsWindowVisible(FindWindowW(L"Shell_TrayWnd", L"")));
  bool passed = true;
  Run([&passed](TestConsoleDlg& dlg) {
    ActionGuards guards;
    guards.ensurePlanetarium = true;
    passed = dlg.PassActionGuards(guards);
  });
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageBoxText(box).find(L"Orvenna seems not to run."), std::wstring::npos);
  Answer(box, IDNO);
  EXPECT_FALSE(passed);
  EXPECT_EQ(ExitCode(), 1);
  EXPECT_TRUE(IsWindowVisible(FindWindowW(L"Shell_TrayWnd", L"")));
  EXPECT_EQ(probe->starts(), 0);
}

TEST_F(ConsoleDialogTest, ThePresenterAgreesAndOrvennaStartsAndRunsAScript) {
  StartDialog([](TestConsoleDlg& dlg) {
    dlg.ConsoleLayout = TwoMonitorLayout;
    dlg.ConsoleScreen = 1;
  });
  Run([](TestConsoleDlg& dlg) { dlg.RunScript(L"core.setTimeRate(0);\r", L"MilkyWay.ovs", true, 4500); });
  machine.advance(400);
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  Answer(box, IDYES);
  machine.advance(20000);
  EXPECT_EQ(probe->starts(), 1);
  ASSERT_EQ(probe->scripts().size(), 1u);
  EXPECT_EQ(probe->state()->time_rate(), 0);
  EXPECT_EQ(dialog->planetariumVersion, L"0.18.2");
  // The end of the script zooms Orvenna out, and the zoom-out key is released.
  EXPECT_EQ(dialog->firedTimers, (std::vector<UINT_PTR>{ScriptEndTimer, ResetKeyTimer}));
  EXPECT_EQ(ExitCode(), -1);
}

TEST_F(ConsoleDialogTest, AFileErrorIsReportedInAMessageBoxNamingTheFile) {
  StartDialog([](TestConsoleDlg& dlg) { dlg.ConsoleLayout = TrainingLayout; });
  Run([](TestConsoleDlg& dlg) {
    dlg.RunScript(L"core.wait(1);\r", L"no\\such\\folder\\x.ovs", false, 1000);
  });
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageBoxText(box).find(L"x.ovs"), std::wstring::npos) << MessageBoxText(box);
  Answer(box, IDOK);
  EXPECT_EQ(probe->starts(), 0) << "nothing was run";
}

TEST_F(ConsoleDialogTest, WithoutOrvennaTheLayoutLookupWarnsAndGivesTheUsLayout) {
  StartDialog();
  HKL layout = nullptr;
  Run([&layout](TestConsoleDlg&) { layout = SyncKeyboardLayoutWithPlanetarium(); });
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"Orvenna is not running. Please start Orvenna using the related button.");
  Answer(box, IDOK);
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(layout), 0x04090409u);
}

class TwoMonitorsLeftOfPrimaryTest : public ConsoleDialogTest {
 protected:
  TwoMonitorsLeftOfPrimaryTest() : ConsoleDialogTest({{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}}) {}
};

TEST_F(TwoMonitorsLeftOfPrimaryTest, ConstructionKeepsThePrimaryAsSecondaryAndListsTheArt) {
  StartDialog();
  const RECT rect = dialog->secondaryMonitorRect;
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.right, 1920);
  EXPECT_EQ(dialog->ConsoleLayout, LayoutNotChosen);
  EXPECT_EQ(dialog->ConsoleScreen, 1);
  EXPECT_EQ(dialog->SelectedBodyCode, -1);
  EXPECT_EQ(dialog->RecorderState, RecorderIdle);
  EXPECT_TRUE(dialog->planetariumPlacementPending);
  EXPECT_EQ(dialog->loaderScriptPath,
            L"C:\\Users\\presenter\\AppData\\Roaming\\Orvenna\\orvenna-console.ovs");
  EXPECT_EQ(dialog->liveMonitorRefreshRate, 3);
  // Installed without pictures: the figures without a picture of their own.
  EXPECT_EQ(dialog->ConstellationArtNames,
            (std::vector<std::wstring>{L"puppis", L"serpens", L"carina", L"vela", L"horologium"}));
}

TEST_F(TwoMonitorsLeftOfPrimaryTest, ConstructionFillsTheConstellationsWithNoneIsolated) {
  StartDialog();
  EXPECT_EQ(dialog->ConstellationNames.names[41], L"Hya");
  EXPECT_EQ(dialog->FindConstellationIndex(L"hya"), 41);
  EXPECT_EQ(dialog->FindConstellationIndex(L"Hydra"), NoConstellation);
  EXPECT_EQ(dialog->FindConstellationIndex(L"ARGONAVIS"), 88);
  for (std::uint8_t flag : dialog->ConstellationNames.isolated)
    EXPECT_EQ(flag, 0);
  // Installed without pictures: only the figures drawn without one have art.
  EXPECT_TRUE(dialog->IsConstellationArtName(L"Vela"));
  EXPECT_FALSE(dialog->IsConstellationArtName(L"Hya"));
}

}  // namespace

namespace {

class ConstellationArtTest : public DesktopTest {};

TEST_F(ConstellationArtTest, PictureTitlesWithDashesAsBlanksAndHydraAsHya) {
  for (const wchar_t* folder : {L"C:\\Orv", L"C:\\Orv\\skycultures", L"C:\\Orv\\skycultures\\western"})
    ASSERT_TRUE(CreateDirectoryW(folder, nullptr));
  for (const wchar_t* file : {L"HYDRA.png", L"canes-venatici.png", L"orion.txt"}) {
    HANDLE created = CreateFileW((std::wstring(L"C:\\Orv\\skycultures\\western\\") + file).c_str(),
                                 GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    CloseHandle(created);
  }
  std::vector<std::wstring> names = ListConstellationArtNames(L"C:\\Orv\\");
  std::sort(names.begin(), names.begin() + 2);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Hya", L"canes venatici", L"puppis", L"serpens", L"carina",
                                              L"vela", L"horologium"}));
}

}  // namespace
