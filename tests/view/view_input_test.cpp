// What a person does in the view reaches the desktop as real input, through its inbox.
#include <algorithm>

#include "platform/view/null_backend.h"
#include "platform/view/view.h"
#include "tests/platform/desktop_fixture.h"

namespace {

class ViewInputTest : public DesktopTest {
 protected:
  ViewInputTest() {
    MessageLog::register_class(L"Shown");
    back = create_logged_window(L"Shown", L"back", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 400, 400});
    front = create_logged_window(L"Shown", L"front", WS_POPUP | WS_VISIBLE, nullptr, 0, {200, 200, 600, 600});
    EXPECT_TRUE(shown.open());
    deliver();
  }

  // The view takes what was queued; the desktop lets it in and the windows handle it.
  bool deliver() {
    const bool open = shown.refresh();
    machine.run_until_idle();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    return open;
  }

  void click(POINT at, DWORD down, DWORD up) {
    desktop::MouseEvent press;
    press.move_to = at;
    press.buttons = down;
    backend.queue(press);
    desktop::MouseEvent release;
    release.buttons = up;
    backend.queue(release);
  }

  std::vector<LoggedMessage> received(UINT first, UINT last) const {
    std::vector<LoggedMessage> found;
    std::copy_if(MessageLog::entries().begin(), MessageLog::entries().end(), std::back_inserter(found),
                 [&](const LoggedMessage& m) { return m.message >= first && m.message <= last; });
    return found;
  }

  view::NullBackend backend;
  view::View shown{machine, backend};
  HWND back = nullptr;
  HWND front = nullptr;
};

TEST_F(ViewInputTest, ClicksReachTheWindowUnderThePointerAtItsClientPoint) {
  struct Case {
    POINT at;
    DWORD down, up;
    bool to_front;
    UINT message;
  };
  const Case cases[] = {
      {{300, 310}, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, true, WM_RBUTTONDOWN},
      {{550, 590}, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, true, WM_MBUTTONDOWN},
      {{100, 120}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, false, WM_LBUTTONDOWN},
      // The click brought the back window to the top, where the windows overlap too.
      {{300, 310}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, false, WM_LBUTTONDOWN},
  };
  for (const Case& c : cases) {
    MessageLog::entries().clear();
    click(c.at, c.down, c.up);
    ASSERT_TRUE(deliver());
    const auto presses = received(WM_LBUTTONDOWN, WM_MBUTTONUP);
    ASSERT_EQ(presses.size(), 2u) << c.at.x;
    const HWND target = c.to_front ? front : back;
    const POINT origin = c.to_front ? POINT{200, 200} : POINT{0, 0};
    EXPECT_EQ(presses[0].hwnd, target);
    EXPECT_EQ(presses[0].message, c.message);
    EXPECT_EQ(presses[1].message, c.message + 1);
    EXPECT_EQ(presses[0].lParam, MAKELPARAM(c.at.x - origin.x, c.at.y - origin.y));
  }
}

TEST_F(ViewInputTest, KeysByPositionReachTheFocusWindowThroughItsLayout) {
  click({100, 100}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  deliver();
  ASSERT_EQ(GetFocus(), back);
  MessageLog::entries().clear();
  constexpr std::uint16_t kUsageA = 0x04, kUsageLeft = 0x50, kUsageLeftShift = 0xE1, kUsageUnknown = 0x72;
  for (auto [usage, released] : {std::pair{kUsageLeftShift, false},
                                 {kUsageA, false},
                                 {kUsageA, true},
                                 {kUsageLeftShift, true},
                                 {kUsageLeft, false},
                                 {kUsageUnknown, false}})
    backend.queue(view::KeyPress{usage, released});
  ASSERT_TRUE(deliver());
  const auto keys = received(WM_KEYDOWN, WM_CHAR);
  std::vector<std::pair<UINT, WPARAM>> seen;
  for (const LoggedMessage& m : keys) {
    EXPECT_EQ(m.hwnd, back);
    seen.emplace_back(m.message, m.wParam);
  }
  const std::vector<std::pair<UINT, WPARAM>> expected = {
      {WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, 'A'},    {WM_CHAR, L'A'},
      {WM_KEYUP, 'A'},        {WM_KEYUP, VK_SHIFT}, {WM_KEYDOWN, VK_LEFT},
  };
  EXPECT_EQ(seen, expected);
  EXPECT_NE(keys.back().lParam & (1 << 24), 0) << "an arrow key is an extended key";
}

TEST_F(ViewInputTest, ClosingTheViewEndsItsRefreshes) {
  backend.queue(view::CloseRequest{});
  EXPECT_FALSE(deliver());
}

}  // namespace
