#include "tests/platform/controls/controls_fixture.h"

namespace {

// What the host heard from an up-down, in order: a proposed step, or a scroll code.
struct Heard {
  UINT message;  // WM_NOTIFY, WM_VSCROLL or WM_HSCROLL
  int first;     // the position before the step, or the scroll code
  int second;    // the step proposed, or the position a scroll names
};

bool operator==(const Heard& a, const Heard& b) {
  return a.message == b.message && a.first == b.first && a.second == b.second;
}

std::ostream& operator<<(std::ostream& out, const Heard& heard) {
  return out << "{" << heard.message << "," << heard.first << "," << heard.second << "}";
}

class UpDownTest : public ControlsTest {
 protected:
  UpDownTest() {
    MessageLog::handler() = [this](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
      if (hwnd != host) return false;
      if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == UDN_DELTAPOS) {
        const auto* change = reinterpret_cast<NMUPDOWN*>(lParam);
        heard.push_back({WM_NOTIFY, change->iPos, change->iDelta});
        result = refuse ? 1 : 0;
        return true;
      }
      if (message == WM_VSCROLL || message == WM_HSCROLL)
        heard.push_back({message, LOWORD(wParam), static_cast<short>(HIWORD(wParam))});
      return false;
    };
  }

  // A number field with an up-down at its right that keeps the field's number.
  void field_with_spin(DWORD spin_style = 0) {
    field = make(WC_EDITW, L"", WS_BORDER | ES_NUMBER, {20, 20, 120, 44}, 1);
    spin = make(UPDOWN_CLASSW, L"",
                UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | spin_style, {0, 0, 16, 10},
                2);
    SendMessageW(spin, UDM_SETRANGE32, 1, 5);
    SendMessageW(spin, UDM_SETPOS32, 0, 3);
    heard.clear();
  }

  POINT up_arrow() const { return {8, 5}; }
  POINT down_arrow() const {
    RECT client{};
    GetClientRect(spin, &client);
    return {8, client.bottom - 5};
  }

  int position() const { return static_cast<int>(SendMessageW(spin, UDM_GETPOS32, 0, 0)); }

  HWND field = nullptr;
  HWND spin = nullptr;
  std::vector<Heard> heard;
  bool refuse = false;
};

TEST_F(UpDownTest, TheSpinSitsInsideTheRightOfItsBuddyAndShowsThePosition) {
  field_with_spin();
  RECT edit{};
  GetWindowRect(field, &edit);
  RECT arrows{};
  GetWindowRect(spin, &arrows);
  EXPECT_EQ(edit.right - edit.left, 84);
  EXPECT_EQ(arrows.left, edit.right);
  EXPECT_EQ(arrows.right - arrows.left, 16);
  EXPECT_EQ(arrows.top, edit.top);
  EXPECT_EQ(arrows.bottom, edit.bottom);
  EXPECT_EQ(SendMessageW(spin, UDM_GETBUDDY, 0, 0), reinterpret_cast<LRESULT>(field));
  EXPECT_EQ(window_text(field), L"3");
}

TEST_F(UpDownTest, ClicksStepWithinTheRangeAndTheParentHearsEachInOrder) {
  field_with_spin();
  struct Case {
    bool up;
    const wchar_t* shown;
  };
  const Case cases[] = {{true, L"4"}, {true, L"5"}, {true, L"5"}, {false, L"4"}, {false, L"3"}};
  for (const Case& test : cases) {
    const int before = position();
    heard.clear();
    click(spin, test.up ? up_arrow() : down_arrow());
    EXPECT_EQ(window_text(field), test.shown);
    const int after = position();
    EXPECT_EQ(heard, (std::vector<Heard>{{WM_NOTIFY, before, test.up ? 1 : -1},
                                         {WM_VSCROLL, SB_THUMBPOSITION, after},
                                         {WM_VSCROLL, SB_ENDSCROLL, 0}}));
  }
  EXPECT_EQ(GetFocus(), field);
}

TEST_F(UpDownTest, AParentThatRefusesTheStepKeepsThePosition) {
  field_with_spin();
  refuse = true;
  click(spin, up_arrow());
  EXPECT_EQ(position(), 3);
  EXPECT_EQ(window_text(field), L"3");
  ASSERT_EQ(heard.size(), 3u);
  EXPECT_EQ(heard[0], (Heard{WM_NOTIFY, 3, 1}));
}

TEST_F(UpDownTest, WrappingGoesRoundFromOneEndToTheOther) {
  field_with_spin(UDS_WRAP);
  SendMessageW(spin, UDM_SETPOS32, 0, 5);
  click(spin, up_arrow());
  EXPECT_EQ(position(), 1);
  click(spin, down_arrow());
  EXPECT_EQ(position(), 5);
}

TEST_F(UpDownTest, ArrowKeysInTheBuddyStepAndOtherKeysStillType) {
  field_with_spin();
  SetFocus(field);
  struct Case {
    WORD key;
    const wchar_t* shown;
  };
  const Case cases[] = {{VK_UP, L"4"}, {VK_UP, L"5"}, {VK_DOWN, L"4"}, {VK_DOWN, L"3"}, {VK_DOWN, L"2"}};
  for (const Case& test : cases) {
    heard.clear();
    key(test.key);
    EXPECT_EQ(window_text(field), test.shown) << test.key;
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard.back(), (Heard{WM_VSCROLL, SB_ENDSCROLL, 0}));
  }
  SendMessageW(field, EM_SETSEL, 0, -1);
  type(L"4");
  EXPECT_EQ(window_text(field), L"4");
  EXPECT_EQ(position(), 4);  // read back from the buddy
}

TEST_F(UpDownTest, HoldingAnArrowRepeatsOnTheClockAndSpeedsUp) {
  field = make(WC_EDITW, L"", WS_BORDER, {20, 20, 120, 44}, 1);
  spin = make(UPDOWN_CLASSW, L"", UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_NOTHOUSANDS,
              {0, 0, 16, 10}, 2);
  SendMessageW(spin, UDM_SETRANGE32, 0, 10000);
  move(spin, up_arrow());
  press();
  EXPECT_EQ(position(), 1);
  wait(1000);
  const int after_a_second = position();
  EXPECT_GT(after_a_second, 3);
  EXPECT_LT(after_a_second, 10);
  wait(2000);
  release();
  EXPECT_GT(position(), after_a_second + 30);  // steps of five after two seconds
  const int let_go = position();
  wait(1000);
  EXPECT_EQ(position(), let_go);
  EXPECT_EQ(window_text(field), std::to_wstring(let_go));
}

TEST_F(UpDownTest, TheDefaultRangeRunsDownSoTheUpArrowLowersAndAHorizontalOneScrollsSideways) {
  spin = make(UPDOWN_CLASSW, L"", UDS_HORZ, {20, 20, 52, 40}, 2);
  SendMessageW(spin, UDM_SETPOS32, 0, 50);
  click(spin, {24, 10});  // the right arrow steps towards the maximum, 0
  EXPECT_EQ(position(), 49);
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.front(), (Heard{WM_NOTIFY, 50, -1}));
  EXPECT_EQ(heard.back(), (Heard{WM_HSCROLL, SB_ENDSCROLL, 0}));
}

TEST_F(UpDownTest, ThousandsAreSeparatedUnlessTheStyleSaysNot) {
  field = make(WC_EDITW, L"", WS_BORDER, {20, 20, 120, 44}, 1);
  spin = make(UPDOWN_CLASSW, L"", UDS_AUTOBUDDY | UDS_SETBUDDYINT, {130, 20, 146, 44}, 2);
  SendMessageW(spin, UDM_SETRANGE32, 0, 20000);
  SendMessageW(spin, UDM_SETPOS32, 0, 12345);
  EXPECT_EQ(window_text(field), L"12,345");
  EXPECT_EQ(position(), 12345);
  SetWindowTextW(field, L"abc");
  BOOL failed = FALSE;
  EXPECT_EQ(SendMessageW(spin, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)), 12345);
  EXPECT_TRUE(failed);
}

}  // namespace
