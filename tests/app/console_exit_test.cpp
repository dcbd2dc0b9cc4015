// The Exit button against the stand-in Orvenna: the questions, closing Orvenna or leaving it at
// rest, the taskbar shown again and the console ended.
#include <algorithm>

#include "peers/orvenna/program_probe.h"
#include "platform/win/win32.h"
#include "tests/app/console_dialog_fixture.h"

namespace {

class ConsoleExitTest : public ConsoleDialogTest {
 protected:
  void SetUp() override {
    StartDialog([](TestConsoleDlg& dlg) {
      dlg.ConsoleLayout = TwoMonitorLayout;
      dlg.ConsoleScreen = 0;
    });
  }

  // Presses Exit and answers the confirmation.
  void ExitAnswering(int answer) {
    Run([](TestConsoleDlg& dlg) {
      dlg.HideTaskbar(true);
      dlg.OnExit();
    });
    HWND box = MessageBoxShown();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Are you sure you want to exit?");
    Answer(box, answer);
  }

  bool TaskbarShown() const { return IsWindowVisible(FindWindowW(L"Shell_TrayWnd", L"")) != FALSE; }
};

TEST_F(ConsoleExitTest, AnsweringNoChangesNothing) {
  ExitAnswering(IDNO);
  Wait(3000);
  EXPECT_EQ(MessageBoxShown(), nullptr);
  EXPECT_EQ(ExitCode(), -1);
  EXPECT_NE(MainDialog(), nullptr);
}

TEST_F(ConsoleExitTest, WithoutOrvennaOnlyTheFirstQuestionIsAsked) {
  ExitAnswering(IDYES);
  EXPECT_EQ(MessageBoxShown(), nullptr);
  EXPECT_EQ(ExitCode(), 1);
  EXPECT_TRUE(TaskbarShown());
}

TEST_F(ConsoleExitTest, ClosingOrvennaTooPostsItsQuitHalfASecondAfterBringingItForward) {
  LaunchPlanetarium();
  const HWND main = probe->windows().main;
  ExitAnswering(IDYES);
  HWND second = MessageBoxShown();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(MessageBoxText(second), L"Do you want to close Orvenna too?");
  Answer(second, IDYES);
  Wait(400);
  EXPECT_TRUE(IsWindow(main));
  EXPECT_EQ(GetForegroundWindow(), main);
  Wait(200);
  EXPECT_FALSE(IsWindow(main));
  Wait(1000);
  EXPECT_EQ(ExitCode(), 1);
  EXPECT_TRUE(TaskbarShown());
}

TEST_F(ConsoleExitTest, ThePicturesOverOrvennaGoBeforeTheSecondQuestionButTheLaterOverlaysStay) {
  LaunchPlanetarium();
  constexpr std::size_t Overlays[] = {0, 5, 6, 9};
  Run([&Overlays](TestConsoleDlg& dlg) {
    const auto showOver = [&dlg](CExternalImage& picture) {
      picture.Create(dlg.GetSafeHwnd(), nullptr, 0, 0, 40, 40);
      ShowWindow(picture.GetSafeHwnd(), SW_SHOWNA);
    };
    for (std::size_t k : Overlays)
      showOver(dlg.pictureOverlays[k]);
    showOver(dlg.emergencyPicture);
    showOver(dlg.pictureBackdrop);
    dlg.emergencyShown = true;
  });
  ExitAnswering(IDYES);
  ASSERT_NE(MessageBoxShown(), nullptr);
  const auto shown = [](const CExternalImage& picture) {
    return IsWindowVisible(picture.GetSafeHwnd()) != FALSE;
  };
  EXPECT_FALSE(shown(dialog->pictureOverlays[0]));
  EXPECT_FALSE(shown(dialog->pictureOverlays[5]));
  // Multimedia button 10's picture stays until the process ends.
  EXPECT_TRUE(shown(dialog->pictureOverlays[6]));
  EXPECT_TRUE(shown(dialog->pictureOverlays[9]));
  EXPECT_FALSE(shown(dialog->emergencyPicture));
  EXPECT_FALSE(shown(dialog->pictureBackdrop));
  EXPECT_FALSE(dialog->emergencyShown);
  Answer(MessageBoxShown(), IDNO);
  Wait(2500);
  EXPECT_EQ(ExitCode(), 1);
}

TEST_F(ConsoleExitTest, LeavingOrvennaStopsItsScriptAndKeepsItRunning) {
  LaunchPlanetarium();
  const HWND main = probe->windows().main;
  ExitAnswering(IDYES);
  const std::size_t mark = probe->messages().size();
  Answer(MessageBoxShown(), IDNO);
  Wait(2500);
  EXPECT_EQ(ExitCode(), 1);
  EXPECT_TRUE(IsWindow(main));
  EXPECT_TRUE(TaskbarShown());
  const auto received = probe->messages();
  EXPECT_TRUE(std::any_of(
      received.begin() + static_cast<std::ptrdiff_t>(mark), received.end(),
      [](const orvenna::ReceivedMessage& m) { return m.message == WM_KEYDOWN && m.wParam == '3'; }));
}

TEST_F(ConsoleExitTest, LeavingOrvennaAfterAPauseReturnsItToTheNormalRate) {
  LaunchPlanetarium();
  RunToEnd([](TestConsoleDlg& dlg) { dlg.OnPause(); });
  Wait(1000);
  ASSERT_EQ(probe->state()->time_rate(), 0);
  ExitAnswering(IDYES);
  Answer(MessageBoxShown(), IDNO);
  Wait(2500);
  EXPECT_EQ(ExitCode(), 1);
  EXPECT_EQ(probe->state()->time_rate(), 1);
  // The normal rate's key is released before the console goes, not left held in Orvenna.
  const auto received = probe->messages();
  const auto keyDown = std::find_if(received.begin(), received.end(), [](const orvenna::ReceivedMessage& m) {
    return m.message == WM_KEYDOWN && m.wParam == 'K';
  });
  ASSERT_NE(keyDown, received.end());
  EXPECT_TRUE(std::any_of(keyDown, received.end(), [](const orvenna::ReceivedMessage& m) {
    return m.message == WM_KEYUP && m.wParam == 'K';
  }));
}

// Orvenna left running after the console has gone holds no key and keeps the normal rate, whatever
// the console was doing when Exit was pressed.
TEST_F(ConsoleExitTest, LeavingOrvennaEndsAReplayAndItsHeldZoomAsTheReplaysStopDoes) {
  LaunchPlanetarium();
  Run([](TestConsoleDlg& dlg) {
    dlg.recordedShow = {L"core.wait(60);\r",
                        L"version|5.2.1|0\rorvenna|0.18.2|0\rzoomIn_Start|1.000000\ratmo|20.000000\r"};
    dlg.recordingAvailable = true;
    dlg.planetariumVersion = L"0.18.2";
  });
  RunToEnd([](TestConsoleDlg& dlg) { dlg.PlayOrStopRecording(); });
  Wait(11000);
  ASSERT_TRUE(dialog->zoomHeld) << "the replay holds its recorded zoom";
  const std::size_t mark = probe->messages().size();
  ExitAnswering(IDYES);
  Answer(MessageBoxShown(), IDNO);
  Wait(2500);
  EXPECT_EQ(ExitCode(), 1);
  const auto received = probe->messages();
  EXPECT_TRUE(std::any_of(received.begin() + static_cast<std::ptrdiff_t>(mark), received.end(),
                          [](const orvenna::ReceivedMessage& m) {
                            return m.message == WM_KEYUP && m.wParam == VK_PRIOR &&
                                   m.origin == orvenna::MessageOrigin::posted;
                          }))
      << "the recorded zoom is let go";
  EXPECT_TRUE(std::none_of(
      received.begin() + static_cast<std::ptrdiff_t>(mark), received.end(),
      [](const orvenna::ReceivedMessage& m) { return m.message == WM_KEYDOWN && m.wParam == 'A'; }))
      << "no later step of the show";
  EXPECT_EQ(probe->state()->time_rate(), 1);
}

TEST_F(ConsoleExitTest, LeavingOrvennaDuringAFlyByReturnsItToTheNormalRate) {
  LaunchPlanetarium();
  RunToEnd([](TestConsoleDlg& dlg) { dlg.OnPlanetButton(1014 + 2); });
  Wait(6000);
  RunToEnd([](TestConsoleDlg& dlg) { dlg.OnFlyOver(); });
  Wait(8000);
  ASSERT_TRUE(dialog->flyByRunning);
  ASSERT_NE(probe->state()->time_rate(), 1) << "the fly-by runs Orvenna fast";
  ExitAnswering(IDYES);
  Answer(MessageBoxShown(), IDNO);
  Wait(6000);
  EXPECT_EQ(ExitCode(), 1);
  EXPECT_EQ(probe->state()->time_rate(), 1);
}

}  // namespace
