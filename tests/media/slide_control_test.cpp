// The slide show's remote control on the desktop's clock: each picture for the delay, pause and
// resume keeping what was left of a picture's time, next, previous and stop, and the end of a
// show once through or looping.
#include "src/media/slide_control_dlg.h"

#include "platform/win/win32.h"
#include "tests/media/media_fixture.h"

namespace {

// The remote's result, kept apart from the step that runs it: the step's lambda must not be
// touched while the remote runs inside it.
INT_PTR remoteResult = -1;

// The console's thread held up past the end of a picture, then pause and resume pressed before
// the picture's timer could fire.
HWND heldUpRemote = nullptr;
constexpr DWORD HeldUpMs = 3000;
void CALLBACK HoldUpThenPauseAndResume(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  Sleep(HeldUpMs);
  for (int press = 0; press < 2; ++press)
    SendMessageW(heldUpRemote, WM_COMMAND, MAKEWPARAM(550, BN_CLICKED), 0);
}

class SlideControlTest : public MediaTest {
 protected:
  // The show of that many pictures with its first picture up, as the browser starts it, and its
  // remote running.
  // With holdUpAtMs, the console's thread is held up that long after the start.
  void StartShow(int pictures, bool loop, UINT holdUpAtMs = 0) {
    const std::vector<std::wstring> names = MakeSlideFolder(pictures);
    Run([&names](TestConsoleDlg& dlg) {
      dlg.slideFiles = names;
      dlg.slideCount = static_cast<int>(names.size());
      dlg.slideFolder = SlideFolder;
      dlg.slideButton = 4;
      dlg.ShowImageOverPlanetarium(4, dlg.slideFolder + L"\\" + names[0]);
      dlg.slideIndex = 1;
    });
    remoteResult = -1;
    dialog->step = [loop, holdUpAtMs](TestConsoleDlg& dlg) {
      if (holdUpAtMs != 0) SetTimer(nullptr, 0, holdUpAtMs, HoldUpThenPauseAndResume);
      CSlideControlDlg remote(5, &dlg, loop, 4, &dlg);
      remoteResult = remote.DoModal();
    };
    PostMessageW(dialog->GetSafeHwnd(), TestConsoleDlg::RunStepMessage, 0, 0);
    machine.run_until_idle();
    remote = ShownDialog(L"Slide show remote");
    ASSERT_NE(remote, nullptr);
    heldUpRemote = remote;
  }

  // A remote still open is closed before the dialog's last step runs.
  void TearDown() override {
    if (HWND open = ShownDialog(L"Slide show remote")) Press(open, IDCANCEL);
    MediaTest::TearDown();
  }

  // The clock goes on in small steps, so that every timer fires when it is due.
  void Pass(desktop::Tick ms) {
    constexpr desktop::Tick Slice = 50;
    for (desktop::Tick passed = 0; passed < ms; passed += Slice)
      Wait(std::min(Slice, ms - passed));
  }

  int NextSlide() const { return dialog->slideIndex; }
  bool PictureShown() const { return dialog->pictureOverlays[4].IsVisible() != FALSE; }

  HWND remote = nullptr;
};

TEST_F(SlideControlTest, EachPictureStaysForTheDelayAndAShowOnceThroughEndsAfterTheLast) {
  StartShow(3, false);
  Pass(4950);
  EXPECT_EQ(NextSlide(), 1);
  Pass(50);
  EXPECT_EQ(NextSlide(), 2);
  Pass(5000);
  EXPECT_EQ(NextSlide(), 3);
  EXPECT_EQ(remoteResult, -1);
  Pass(5000);
  EXPECT_EQ(remoteResult, SlideShowEnded);
  EXPECT_FALSE(dialog->pictureBackdrop.IsVisible());
  Pass(3000);
  EXPECT_FALSE(PictureShown()) << "faded out";
}

TEST_F(SlideControlTest, ALoopingShowStartsAgainWithTheFirstPicture) {
  StartShow(3, true);
  Pass(15000);
  EXPECT_EQ(NextSlide(), 1) << "the first picture again";
  EXPECT_EQ(remoteResult, -1);
  EXPECT_TRUE(PictureShown());
  Pass(5000);
  EXPECT_EQ(NextSlide(), 2);
}

TEST_F(SlideControlTest, AResumedPictureGetsWhatWasLeftOfItsTime) {
  StartShow(4, false);
  Pass(2000);
  Press(remote, 550);
  Pass(10000);
  EXPECT_EQ(NextSlide(), 1) << "paused";
  Press(remote, 550);
  Pass(2950);
  EXPECT_EQ(NextSlide(), 1);
  Pass(50);
  EXPECT_EQ(NextSlide(), 2) << "3 s after the resume";
  Pass(4950);
  EXPECT_EQ(NextSlide(), 2);
  Pass(50);
  EXPECT_EQ(NextSlide(), 3) << "then every 5 s";
}

TEST_F(SlideControlTest, ThePictureResumedLastEndsAShowOnceThroughAndTakesThePictureAway) {
  StartShow(2, false);
  Pass(5000);
  ASSERT_EQ(NextSlide(), 2);
  Pass(1000);
  Press(remote, 550);
  Press(remote, 550);
  Pass(4000);
  EXPECT_EQ(remoteResult, SlideShowEnded);
  EXPECT_FALSE(PictureShown());
}

TEST_F(SlideControlTest, APicturePausedAfterItsTimeRanOutGoesOnAtTheResume) {
  StartShow(3, false, 4000);
  Pass(4000 + HeldUpMs);
  Pass(100);
  EXPECT_EQ(NextSlide(), 2) << "the resumed picture has no time left, not a timer that never fires";
}

TEST_F(SlideControlTest, NextAndPreviousStepThroughTheListAndStartTheDelayAgain) {
  struct Case {
    std::vector<int> presses;
    int nextSlide;
  };
  const Case cases[] = {
      {{1741}, 2}, {{1741, 1741}, 3}, {{1741, 1741, 1741}, 1}, {{1741, 1742}, 1}, {{1742}, 1},
  };
  for (const Case& c : cases) {
    StartShow(3, false);
    Pass(1000);
    for (int id : c.presses)
      Press(remote, id);
    EXPECT_EQ(NextSlide(), c.nextSlide) << testing::PrintToString(c.presses);
    Pass(4950);
    EXPECT_EQ(NextSlide(), c.nextSlide) << "a full delay from the press";
    Press(remote, 560);
    ASSERT_EQ(remoteResult, SlideShowEnded);
  }
}

TEST_F(SlideControlTest, TheCountdownRunsDownOverThePicture) {
  StartShow(3, false);
  Pass(2500);
  const HWND bar = GetDlgItem(remote, 96);
  ASSERT_NE(bar, nullptr);
  const LRESULT position = SendMessageW(bar, PBM_GETPOS, 0, 0);
  EXPECT_GE(position, 40);
  EXPECT_LE(position, 55);
  Pass(2500);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 100) << "full for the next picture";
}

TEST_F(SlideControlTest, TheCountdownBarIsARedBarThatSlidesDown) {
  StartShow(3, false);
  const HWND bar = GetDlgItem(remote, 96);
  ASSERT_NE(bar, nullptr);
  EXPECT_NE(GetWindowLongPtrW(bar, GWL_STYLE) & PBS_SMOOTHREVERSE, 0);
  RECT client{};
  GetClientRect(bar, &client);
  HDC dc = GetDC(bar);
  const COLORREF middle = GetPixel(dc, client.right / 2, client.bottom / 2);
  ReleaseDC(bar, dc);
  EXPECT_EQ(middle, RGB(200, 0, 0)) << "the full bar's inside, between its edges";
}

TEST_F(SlideControlTest, StopEndsTheShowAndEscapeLeavesThePictureUp) {
  StartShow(3, false);
  Press(remote, 560);
  EXPECT_EQ(remoteResult, SlideShowEnded);
  StartShow(3, false);
  Press(remote, IDCANCEL);
  EXPECT_EQ(remoteResult, IDCANCEL);
  EXPECT_TRUE(PictureShown());
  Pass(10000);
  EXPECT_EQ(NextSlide(), 1) << "no timer outlives the remote";
}

}  // namespace
