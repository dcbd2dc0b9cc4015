#include "tests/platform/controls/controls_fixture.h"

namespace {

struct Scroll {
  WORD code;
  WORD position;
};

bool operator==(const Scroll& a, const Scroll& b) {
  return a.code == b.code && a.position == b.position;
}

class TrackbarTest : public ControlsTest {
 protected:
  HWND slider(DWORD style = 0) {
    HWND made = make(TRACKBAR_CLASSW, L"", style, {20, 20, 270, 60});
    SendMessageW(made, TBM_SETRANGE, FALSE, MAKELPARAM(1, 12));
    SendMessageW(made, TBM_SETPOS, TRUE, 1);
    return made;
  }

  std::vector<Scroll> scrolls(UINT message = WM_HSCROLL) const {
    std::vector<Scroll> seen;
    for (const LoggedMessage& entry : host_messages(message))
      seen.push_back({LOWORD(entry.wParam), HIWORD(entry.wParam)});
    return seen;
  }

  static POINT thumb_centre(HWND hwnd) {
    RECT thumb{};
    SendMessageW(hwnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    return {(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
  }

  static LRESULT position(HWND hwnd) { return SendMessageW(hwnd, TBM_GETPOS, 0, 0); }
};

TEST_F(TrackbarTest, DraggingTheThumbTracksThenEnds) {
  HWND speed = slider();
  const POINT start = thumb_centre(speed);
  forget_messages();
  move(speed, start);
  press();
  move(speed, {start.x + 60, start.y});
  move(speed, {start.x + 120, start.y});
  release();
  const LRESULT end = position(speed);
  EXPECT_GT(end, 5);
  const auto seen = scrolls();
  ASSERT_GE(seen.size(), 4u);
  EXPECT_EQ(seen[0].code, TB_THUMBTRACK);
  EXPECT_EQ(seen[seen.size() - 3], (Scroll{TB_THUMBTRACK, static_cast<WORD>(end)}));
  EXPECT_EQ(seen[seen.size() - 2], (Scroll{TB_THUMBPOSITION, static_cast<WORD>(end)}));
  EXPECT_EQ(seen.back(), (Scroll{TB_ENDTRACK, 0}));
  // Dragging past the end stops at the maximum.
  move(speed, thumb_centre(speed));
  press();
  move(speed, {400, start.y});
  release();
  EXPECT_EQ(position(speed), 12);
}

TEST_F(TrackbarTest, KeysMoveByLinesPagesAndToTheEnds) {
  HWND speed = slider();
  SendMessageW(speed, TBM_SETPAGESIZE, 0, 3);
  SetFocus(speed);
  struct Case {
    WORD key;
    WORD code;
    LRESULT position;
  };
  const Case cases[] = {
      {VK_RIGHT, TB_LINEDOWN, 2}, {VK_NEXT, TB_PAGEDOWN, 5}, {VK_LEFT, TB_LINEUP, 4},
      {VK_END, TB_BOTTOM, 12},    {VK_PRIOR, TB_PAGEUP, 9},  {VK_HOME, TB_TOP, 1},
  };
  for (const Case& test : cases) {
    forget_messages();
    key(test.key);
    EXPECT_EQ(position(speed), test.position) << test.key;
    EXPECT_EQ(scrolls(), (std::vector<Scroll>{{test.code, 0}, {TB_ENDTRACK, 0}})) << test.key;
  }
}

TEST_F(TrackbarTest, HoldingThePointerOnTheChannelPagesTowardsIt) {
  HWND speed = slider();
  SendMessageW(speed, TBM_SETPAGESIZE, 0, 2);
  forget_messages();
  move(speed, {240, thumb_centre(speed).y});
  press();
  EXPECT_EQ(position(speed), 3);
  wait(1000);
  EXPECT_GT(position(speed), 9);
  release();
  const auto seen = scrolls();
  EXPECT_EQ(seen.front(), (Scroll{TB_PAGEDOWN, 0}));
  EXPECT_EQ(seen.back(), (Scroll{TB_ENDTRACK, 0}));
}

TEST_F(TrackbarTest, CodeSetsRangeAndPositionSilentlyWithinBounds) {
  HWND speed = slider();
  forget_messages();
  EXPECT_EQ(SendMessageW(speed, TBM_GETRANGEMIN, 0, 0), 1);
  EXPECT_EQ(SendMessageW(speed, TBM_GETRANGEMAX, 0, 0), 12);
  SendMessageW(speed, TBM_SETPOS, TRUE, 40);
  EXPECT_EQ(position(speed), 12);
  SendMessageW(speed, TBM_SETRANGEMAX, TRUE, 8);
  EXPECT_EQ(position(speed), 8);
  SendMessageW(speed, TBM_SETRANGEMIN, TRUE, 10);
  EXPECT_EQ(position(speed), 10);
  EXPECT_EQ(SendMessageW(speed, TBM_SETPAGESIZE, 0, 4), 1);
  EXPECT_EQ(SendMessageW(speed, TBM_GETPAGESIZE, 0, 0), 4);
  EXPECT_TRUE(scrolls().empty());
}

TEST_F(TrackbarTest, AVerticalTrackbarReportsThroughWmVscroll) {
  HWND upright = make(TRACKBAR_CLASSW, L"", TBS_VERT, {20, 20, 60, 220});
  SetFocus(upright);
  forget_messages();
  key(VK_DOWN);
  EXPECT_EQ(scrolls(WM_VSCROLL), (std::vector<Scroll>{{TB_LINEDOWN, 0}, {TB_ENDTRACK, 0}}));
  EXPECT_TRUE(scrolls(WM_HSCROLL).empty());
}

}  // namespace
