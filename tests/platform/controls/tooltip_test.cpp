#include "tests/platform/controls/controls_fixture.h"

namespace {

class TooltipTest : public ControlsTest {
 protected:
  TooltipTest() {
    target = make(WC_BUTTONW, L"Sun", BS_PUSHBUTTON, {20, 20, 120, 60});
    other = make(WC_BUTTONW, L"Moon", BS_PUSHBUTTON, {300, 20, 400, 60}, 101);
    tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, host, nullptr, nullptr, nullptr);
    add_tool(target, L"Find and select the Sun");
    SendMessageW(tip, TTM_ACTIVATE, TRUE, 0);
    // The host relays every message to its tooltip, as a dialog's PreTranslateMessage does.
    watcher() = [this](const MSG& msg) {
      MSG copy = msg;
      SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
    };
  }

  void add_tool(HWND tool, const wchar_t* text, UINT flags = TTF_IDISHWND) {
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = flags;
    info.hwnd = host;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<LPWSTR>(text);
    ASSERT_TRUE(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
  }

  std::wstring tip_text(HWND tool) const {
    wchar_t buffer[128]{};
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = host;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = buffer;
    SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&info));
    return buffer;
  }

  bool shown() const { return IsWindowVisible(tip) != 0; }

  HWND target = nullptr;
  HWND other = nullptr;
  HWND tip = nullptr;
};

TEST_F(TooltipTest, TheTipShowsAfterTheInitialDelayAndHidesWhenThePointerLeaves) {
  move(target, {50, 20});
  wait(GetDoubleClickTime() - 10);
  EXPECT_FALSE(shown());
  wait(20);
  ASSERT_TRUE(shown());
  EXPECT_NE(GetWindowLongPtrW(tip, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  RECT tip_rect{};
  GetWindowRect(tip, &tip_rect);
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_GT(tip_rect.top, cursor.y);
  EXPECT_GT(tip_rect.right - tip_rect.left, 20);
  move(host, {250, 200});
  wait(150);
  EXPECT_FALSE(shown());
}

TEST_F(TooltipTest, TheTipGoesAwayByItselfAndOnAClick) {
  move(target, {50, 20});
  wait(GetDoubleClickTime() + 10);
  ASSERT_TRUE(shown());
  wait(10 * GetDoubleClickTime());
  EXPECT_FALSE(shown());
  move(target, {60, 20});
  move(other, {50, 20});
  move(target, {50, 20});
  wait(GetDoubleClickTime() + 10);
  ASSERT_TRUE(shown());
  press();
  EXPECT_FALSE(shown());
  release();
}

TEST_F(TooltipTest, DelayTextAndActivationAreTheOwnersToSet) {
  SendMessageW(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 1200);
  EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 1200);
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.hwnd = host;
  info.uId = reinterpret_cast<UINT_PTR>(target);
  info.lpszText = const_cast<LPWSTR>(L"Center on selected object");
  SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(tip_text(target), L"Center on selected object");
  EXPECT_EQ(SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 300), -1);
  move(target, {50, 20});
  wait(1100);
  EXPECT_FALSE(shown());
  wait(200);
  EXPECT_TRUE(shown());

  SendMessageW(tip, TTM_ACTIVATE, FALSE, 0);
  EXPECT_FALSE(shown());
  move(other, {50, 20});
  move(target, {50, 20});
  wait(3000);
  EXPECT_FALSE(shown());
}

TEST_F(TooltipTest, ASubclassedToolFeedsTheTipWithoutRelaying) {
  watcher() = nullptr;
  move(other, {50, 20});
  wait(2 * GetDoubleClickTime());
  EXPECT_FALSE(shown());
  add_tool(other, L"Find and select the Moon", TTF_IDISHWND | TTF_SUBCLASS);
  move(other, {40, 20});
  wait(GetDoubleClickTime() + 10);
  ASSERT_TRUE(shown());
  EXPECT_EQ(tip_text(other), L"Find and select the Moon");
  // The button still works as before.
  forget_messages();
  click_centre(other);
  EXPECT_EQ(notifications(other), std::vector<WORD>{BN_CLICKED});
  DestroyWindow(tip);
  move(other, {30, 20});
  EXPECT_TRUE(IsWindow(other));
}

TEST_F(TooltipTest, AToolsTextMayComeFromTheStringTable) {
  static constexpr StringResource kStrings[] = {{19210, L"Find and select Mercury"}};
  static const ResourceTable kTable{kStrings, 1, nullptr, 0, nullptr, 0};
  SetModuleResources(&kTable);
  add_tool(other, MAKEINTRESOURCEW(19210));
  EXPECT_EQ(tip_text(other), L"Find and select Mercury");
  move(other, {50, 20});
  wait(GetDoubleClickTime() + 10);
  EXPECT_TRUE(shown());
}

TEST_F(TooltipTest, AToolWithoutTextShowsNothing) {
  add_tool(other, L"");
  move(other, {50, 20});
  wait(2 * GetDoubleClickTime());
  EXPECT_FALSE(shown());
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
}

}  // namespace
