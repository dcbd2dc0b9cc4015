#include "tests/platform/controls/controls_fixture.h"

namespace {

class ProgressBarTest : public ControlsTest {
 protected:
  HWND bar(DWORD style = PBS_SMOOTH) { return make(PROGRESS_CLASSW, L"", style, {20, 20, 222, 40}); }

  // How far the bar is drawn: the first column, from the left, that is not the bar's colour.
  static int drawn_to(HWND progress, COLORREF colour) {
    RECT client{};
    GetClientRect(progress, &client);
    int x = 2;
    while (x < client.right && pixel(progress, x, client.bottom / 2) == colour)
      ++x;
    return x;
  }
};

TEST_F(ProgressBarTest, PositionsStayInTheRangeAndEachCallGivesThePreviousValue) {
  HWND progress = bar();
  EXPECT_EQ(SendMessageW(progress, PBM_SETRANGE32, 10, 60), MAKELRESULT(0, 100));
  EXPECT_EQ(SendMessageW(progress, PBM_GETPOS, 0, 0), 10);
  EXPECT_EQ(SendMessageW(progress, PBM_SETPOS, 80, 0), 10);
  EXPECT_EQ(SendMessageW(progress, PBM_GETPOS, 0, 0), 60);
  EXPECT_EQ(SendMessageW(progress, PBM_SETPOS, 20, 0), 60);
  EXPECT_EQ(SendMessageW(progress, PBM_SETSTEP, 15, 0), 10);
  EXPECT_EQ(SendMessageW(progress, PBM_STEPIT, 0, 0), 20);
  EXPECT_EQ(SendMessageW(progress, PBM_STEPIT, 0, 0), 35);
  EXPECT_EQ(SendMessageW(progress, PBM_STEPIT, 0, 0), 50);
  EXPECT_EQ(SendMessageW(progress, PBM_GETPOS, 0, 0), 15);  // past the end it starts over
  PBRANGE range{};
  EXPECT_EQ(SendMessageW(progress, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)), 10);
  EXPECT_EQ(range.iHigh, 60);
  EXPECT_EQ(SendMessageW(progress, PBM_SETRANGE, 0, MAKELPARAM(0, 200)), MAKELRESULT(10, 60));
}

TEST_F(ProgressBarTest, TheBarFillsToThePositionInItsColour) {
  HWND progress = bar();
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(progress, PBM_SETBARCOLOR, 0, RGB(0, 160, 0))), CLR_DEFAULT);
  SendMessageW(progress, PBM_SETPOS, 50, 0);
  EXPECT_EQ(pixel(progress, 40, 10), RGB(0, 160, 0));
  EXPECT_NE(pixel(progress, 160, 10), RGB(0, 160, 0));
  SendMessageW(progress, PBM_SETPOS, 100, 0);
  EXPECT_EQ(pixel(progress, 160, 10), RGB(0, 160, 0));
}

TEST_F(ProgressBarTest, SmoothReverseSlidesBackOnTheClockAndJumpsForward) {
  // A countdown 202 pixels long inside its one-pixel edge, red.
  HWND countdown = make(PROGRESS_CLASSW, L"", PBS_SMOOTHREVERSE, {20, 20, 224, 40});
  const COLORREF red = RGB(200, 0, 0);
  SendMessageW(countdown, PBM_SETBARCOLOR, 0, red);
  SendMessageW(countdown, PBM_SETRANGE32, 1, 101);
  SendMessageW(countdown, PBM_SETPOS, 101, 0);
  EXPECT_EQ(drawn_to(countdown, red), 203);  // one run of colour, no blocks
  SendMessageW(countdown, PBM_SETPOS, 51, 0);
  EXPECT_EQ(SendMessageW(countdown, PBM_GETPOS, 0, 0), 51);
  EXPECT_EQ(drawn_to(countdown, red), 203);
  wait(100);
  const int halfway = drawn_to(countdown, red);
  EXPECT_GT(halfway, 102);
  EXPECT_LT(halfway, 203);
  wait(150);
  EXPECT_EQ(drawn_to(countdown, red), 102);
  SendMessageW(countdown, PBM_SETPOS, 91, 0);
  EXPECT_EQ(drawn_to(countdown, red), 182);

  HWND plain = make(PROGRESS_CLASSW, L"", PBS_SMOOTH, {20, 50, 224, 70});
  SendMessageW(plain, PBM_SETBARCOLOR, 0, red);
  SendMessageW(plain, PBM_SETPOS, 100, 0);
  SendMessageW(plain, PBM_SETPOS, 50, 0);
  EXPECT_EQ(drawn_to(plain, red), 102);
}

TEST_F(ProgressBarTest, AThinBarKeepsTheRowsInsideItsEdge) {
  HWND thin = make(PROGRESS_CLASSW, L"", PBS_SMOOTH, {20, 20, 250, 24});
  SendMessageW(thin, PBM_SETBARCOLOR, 0, RGB(200, 0, 0));
  SendMessageW(thin, PBM_SETPOS, 100, 0);
  EXPECT_EQ(pixel(thin, 100, 1), RGB(200, 0, 0));
  EXPECT_EQ(pixel(thin, 100, 2), RGB(200, 0, 0));
  EXPECT_NE(pixel(thin, 100, 0), RGB(200, 0, 0)) << "the edge";
}

TEST_F(ProgressBarTest, CreatedInCodeWithoutAParentItStillWorks) {
  HWND progress = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 100, 20, nullptr,
                                  nullptr, nullptr, nullptr);
  ASSERT_NE(progress, nullptr);
  SendMessageW(progress, PBM_SETPOS, 30, 0);
  EXPECT_EQ(SendMessageW(progress, PBM_GETPOS, 0, 0), 30);
  EXPECT_EQ(pixel(progress, 2, 10), GetSysColor(COLOR_HIGHLIGHT));
}

}  // namespace
