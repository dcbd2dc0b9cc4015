#include "tests/platform/controls/controls_fixture.h"

namespace {

class ProgressBarTest : public ControlsTest {
 protected:
  HWND bar(DWORD style = PBS_SMOOTH) { return make(PROGRESS_CLASSW, L"", style, {20, 20, 222, 40}); }
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

TEST_F(ProgressBarTest, CreatedInCodeWithoutAParentItStillWorks) {
  HWND progress = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 100, 20, nullptr,
                                  nullptr, nullptr, nullptr);
  ASSERT_NE(progress, nullptr);
  SendMessageW(progress, PBM_SETPOS, 30, 0);
  EXPECT_EQ(SendMessageW(progress, PBM_GETPOS, 0, 0), 30);
  EXPECT_EQ(pixel(progress, 2, 10), GetSysColor(COLOR_HIGHLIGHT));
}

}  // namespace
