#include "tests/platform/desktop_fixture.h"

namespace {

class WindowPositionTest : public DesktopTest {
 protected:
  WindowPositionTest() { MessageLog::register_class(L"Placed"); }

  std::vector<HWND> top_level_order() {
    std::vector<HWND> order;
    for (HWND at = GetTopWindow(nullptr); at != nullptr; at = GetWindow(at, GW_HWNDNEXT))
      order.push_back(at);
    return order;
  }
};

TEST_F(WindowPositionTest, ZOrderFollowsSetWindowPos) {
  HWND a = create_logged_window(L"Placed", L"a", WS_POPUP);
  HWND b = create_logged_window(L"Placed", L"b", WS_POPUP);
  HWND c = create_logged_window(L"Placed", L"c", WS_POPUP);
  EXPECT_EQ(top_level_order(), (std::vector<HWND>{c, b, a}));

  const UINT keep = SWP_NOMOVE | SWP_NOSIZE;
  SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, keep);
  EXPECT_EQ(top_level_order(), (std::vector<HWND>{a, c, b}));
  SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, keep);
  EXPECT_EQ(top_level_order(), (std::vector<HWND>{c, b, a}));
  SetWindowPos(c, b, 0, 0, 0, 0, keep);
  EXPECT_EQ(top_level_order(), (std::vector<HWND>{b, c, a}));

  SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, keep);
  EXPECT_TRUE(GetWindowLongW(a, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, keep);
  EXPECT_EQ(top_level_order(), (std::vector<HWND>{a, c, b}));  // a plain window stays below topmost ones
  SetWindowPos(a, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
  EXPECT_FALSE(GetWindowLongW(a, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(top_level_order(), (std::vector<HWND>{a, c, b}));
  SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, keep | SWP_NOZORDER);
  EXPECT_EQ(top_level_order(), (std::vector<HWND>{a, c, b}));
}

TEST_F(WindowPositionTest, OwnedWindowsStayAboveTheirOwner) {
  HWND owner = create_logged_window(L"Placed", L"owner", WS_POPUP);
  HWND owned = create_logged_window(L"Placed", L"owned", WS_POPUP, owner);
  HWND other = create_logged_window(L"Placed", L"other", WS_POPUP);
  SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(top_level_order(), (std::vector<HWND>{owned, owner, other}));
}

bool is_topmost(HWND hwnd) {
  return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST_F(WindowPositionTest, TheOwnedWindowOfATopmostWindowIsMadeTopmostAboveItWhateverIsInFront) {
  const UINT keep = SWP_NOMOVE | SWP_NOSIZE;
  HWND owner = create_logged_window(L"Placed", L"owner", WS_POPUP | WS_VISIBLE);
  SetWindowPos(owner, HWND_TOPMOST, 0, 0, 0, 0, keep);
  HWND other_program = start_peer(L"Peer", L"peer");
  SetWindowPos(other_program, HWND_TOP, 0, 0, 0, 0, keep | SWP_SHOWWINDOW);
  SetForegroundWindow(other_program);
  HWND owned = create_logged_window(L"Placed", L"owned", WS_POPUP | WS_VISIBLE, owner);
  EXPECT_TRUE(is_topmost(owned));
  EXPECT_EQ(top_level_order(), (std::vector<HWND>{owned, owner, other_program}));

  // Neither the owner's activation, nor its move to the top, nor a move of the owned window
  // below it takes the owned window under its owner.
  SetActiveWindow(owner);
  EXPECT_EQ(top_level_order(), (std::vector<HWND>{owned, owner, other_program}));
  SetWindowPos(owner, HWND_TOPMOST, 0, 0, 0, 0, keep);
  SetWindowPos(owned, HWND_BOTTOM, 0, 0, 0, 0, keep);
  SetWindowPos(owned, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
  EXPECT_TRUE(is_topmost(owned));
  EXPECT_EQ(top_level_order(), (std::vector<HWND>{owned, owner, other_program}));
}

TEST_F(WindowPositionTest, OwnedWindowsFollowTheirOwnerInAndOutOfTheTopmostBand) {
  const UINT keep = SWP_NOMOVE | SWP_NOSIZE;
  HWND owner = create_logged_window(L"Placed", L"owner", WS_POPUP);
  HWND owned = create_logged_window(L"Placed", L"owned", WS_POPUP, owner);
  HWND owned_by_owned = create_logged_window(L"Placed", L"owned by owned", WS_POPUP, owned);
  HWND banner = create_logged_window(L"Placed", L"banner", WS_POPUP);
  SetWindowPos(banner, HWND_TOPMOST, 0, 0, 0, 0, keep);

  SetWindowPos(owner, HWND_TOPMOST, 0, 0, 0, 0, keep);
  EXPECT_TRUE(is_topmost(owned));
  EXPECT_TRUE(is_topmost(owned_by_owned));
  EXPECT_EQ(top_level_order(), (std::vector<HWND>{owned_by_owned, owned, owner, banner}));

  SetWindowPos(owner, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
  EXPECT_FALSE(is_topmost(owned));
  EXPECT_FALSE(is_topmost(owned_by_owned));
  EXPECT_EQ(top_level_order(), (std::vector<HWND>{banner, owned_by_owned, owned, owner}));
}

TEST_F(WindowPositionTest, MoveAndSizeReachTheWindowAsMessages) {
  HWND hwnd = create_logged_window(L"Placed", L"moved", WS_POPUP, nullptr, 0, {0, 0, 100, 100});
  MessageLog::entries().clear();
  ASSERT_TRUE(SetWindowPos(hwnd, nullptr, 40, 50, 200, 150, SWP_NOZORDER));
  std::vector<UINT> expected = {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE};
  EXPECT_EQ(MessageLog::messages_of(hwnd), expected);
  const LoggedMessage& size = MessageLog::entries().back();
  EXPECT_EQ(LOWORD(size.lParam), 200);
  EXPECT_EQ(HIWORD(size.lParam), 150);

  MessageLog::entries().clear();
  MoveWindow(hwnd, 40, 50, 200, 150, TRUE);  // nothing changes: no WM_MOVE, no WM_SIZE
  EXPECT_EQ(MessageLog::messages_of(hwnd), (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}));
}

TEST_F(WindowPositionTest, WindowPosChangingMayAlterThePlacement) {
  HWND hwnd = create_logged_window(L"Placed", L"clamped", WS_POPUP, nullptr, 0, {0, 0, 100, 100});
  MessageLog::handler() = [](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT&) {
    if (message == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS*>(lParam)->cx = 64;
    return false;
  };
  SetWindowPos(hwnd, nullptr, 0, 0, 500, 500, SWP_NOZORDER | SWP_NOMOVE);
  RECT rect;
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect.right - rect.left, 64);
  EXPECT_EQ(rect.bottom - rect.top, 500);
}

TEST_F(WindowPositionTest, MinimiseMaximiseAndRestore) {
  HWND hwnd =
      create_logged_window(L"Placed", L"sized", WS_OVERLAPPEDWINDOW, nullptr, 0, {100, 100, 500, 400});
  EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
  EXPECT_TRUE(IsWindowVisible(hwnd));

  EXPECT_TRUE(ShowWindow(hwnd, SW_MINIMIZE));
  EXPECT_TRUE(IsIconic(hwnd));
  RECT rect;
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect.left, -32000);

  ShowWindow(hwnd, SW_RESTORE);
  EXPECT_FALSE(IsIconic(hwnd));
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect.left, 100);
  EXPECT_EQ(rect.right, 500);

  MessageLog::entries().clear();
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  EXPECT_TRUE(IsZoomed(hwnd));
  bool maximised_size = false;
  for (const auto& entry : MessageLog::entries())
    maximised_size = maximised_size || (entry.message == WM_SIZE && entry.wParam == SIZE_MAXIMIZED);
  EXPECT_TRUE(maximised_size);
  ShowWindow(hwnd, SW_MINIMIZE);
  ShowWindow(hwnd, SW_RESTORE);
  EXPECT_TRUE(IsZoomed(hwnd));  // a maximised window minimised comes back maximised

  EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_FALSE(ShowWindow(hwnd, SW_HIDE));
}

TEST_F(WindowPositionTest, ChildVisibilityDependsOnItsParent) {
  HWND parent = create_logged_window(L"Placed", L"p", WS_POPUP);
  HWND child = create_logged_window(L"Placed", L"c", WS_CHILD | WS_VISIBLE, parent, 1);
  EXPECT_FALSE(IsWindowVisible(child));
  ShowWindow(parent, SW_SHOWNA);
  EXPECT_TRUE(IsWindowVisible(child));
}

TEST_F(WindowPositionTest, EnablingSendsWmEnableAndReportsThePreviousState) {
  HWND hwnd = create_logged_window(L"Placed", L"e", WS_POPUP);
  EXPECT_FALSE(EnableWindow(hwnd, FALSE));
  EXPECT_FALSE(IsWindowEnabled(hwnd));
  EXPECT_TRUE(EnableWindow(hwnd, FALSE));
  EXPECT_TRUE(EnableWindow(hwnd, TRUE));
  EXPECT_TRUE(IsWindowEnabled(hwnd));
  int enables = 0;
  for (const auto& entry : MessageLog::entries())
    enables += entry.message == WM_ENABLE;
  EXPECT_EQ(enables, 2);
}

TEST_F(WindowPositionTest, AnotherThreadsWindowIsPlacedOnItsOwnThread) {
  DWORD changing_thread = 0;
  HWND foreign = start_peer(L"Placed", L"Peer", [&](HWND, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_WINDOWPOSCHANGING) changing_thread = GetCurrentThreadId();
    return false;
  });
  const DWORD owner_thread = GetWindowThreadProcessId(foreign, nullptr);
  ASSERT_NE(owner_thread, GetCurrentThreadId());
  changing_thread = 0;
  ASSERT_TRUE(SetWindowPos(foreign, HWND_TOP, 7, 8, 90, 60, 0));
  EXPECT_EQ(changing_thread, owner_thread);
  RECT rect;
  GetWindowRect(foreign, &rect);
  EXPECT_EQ(rect.left, 7);
  EXPECT_EQ(rect.bottom, 68);
  EXPECT_FALSE(ShowWindow(foreign, SW_SHOWNA));
  EXPECT_TRUE(IsWindowVisible(foreign));
}

}  // namespace

namespace {

TEST_F(WindowPositionTest, ShowingAChildKeepsItsPlaceAmongItsSiblings) {
  HWND parent = create_logged_window(L"Placed", L"p", WS_POPUP | WS_VISIBLE);
  HWND first = create_logged_window(L"Placed", L"first", WS_CHILD | WS_VISIBLE, parent, 1);
  HWND second = create_logged_window(L"Placed", L"second", WS_CHILD | WS_VISIBLE, parent, 2);
  EXPECT_EQ(GetWindow(parent, GW_CHILD), first);  // created first, so first in the z-order
  EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
  ShowWindow(second, SW_HIDE);
  ShowWindow(second, SW_SHOW);
  EXPECT_EQ(GetWindow(parent, GW_CHILD), first);
}

}  // namespace
