#include "tests/platform/desktop_fixture.h"

namespace {

class WindowLifecycleTest : public DesktopTest {
 protected:
  WindowLifecycleTest() { MessageLog::register_class(L"Logged"); }
};

TEST_F(WindowLifecycleTest, CreationSendsItsMessagesInWindowsOrder) {
  HWND hwnd = create_logged_window(L"Logged", L"Main", WS_POPUP | WS_VISIBLE);
  std::vector<UINT> messages = MessageLog::messages_of(hwnd);
  // Shown, the first window of a program is activated before WM_WINDOWPOSCHANGED.
  std::vector<UINT> expected = {
      WM_NCCREATE,          WM_NCCALCSIZE,  WM_CREATE,     WM_SIZE,     WM_MOVE,     WM_SHOWWINDOW,
      WM_WINDOWPOSCHANGING, WM_ACTIVATEAPP, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_WINDOWPOSCHANGED};
  EXPECT_EQ(messages, expected);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  wchar_t title[16];
  EXPECT_EQ(GetWindowTextW(hwnd, title, 16), 4);
  EXPECT_STREQ(title, L"Main");
}

TEST_F(WindowLifecycleTest, CreateStructCarriesTheCallersArguments) {
  int marker = 0;
  MessageLog::handler() = [&](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT&) {
    if (message == WM_CREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      EXPECT_EQ(create->lpCreateParams, &marker);
      EXPECT_EQ(create->x, 5);
      EXPECT_EQ(create->cy, 40);
      EXPECT_STREQ(create->lpszName, L"Args");
    }
    return false;
  };
  EXPECT_NE(
      CreateWindowExW(0, L"Logged", L"Args", WS_POPUP, 5, 6, 30, 40, nullptr, nullptr, nullptr, &marker),
      nullptr);
}

TEST_F(WindowLifecycleTest, RefusedCreationsReturnNull) {
  MessageLog::handler() = [](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_CREATE) return false;
    result = -1;
    return true;
  };
  EXPECT_EQ(create_logged_window(L"Logged", L"Refused", WS_POPUP), nullptr);
  EXPECT_EQ(FindWindowW(L"Logged", L"Refused"), nullptr);

  EXPECT_EQ(create_logged_window(L"Unknown", L"x", WS_POPUP), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
  EXPECT_EQ(create_logged_window(L"Logged", L"x", WS_CHILD, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_TLW_WITH_WSCHILD);
}

TEST_F(WindowLifecycleTest, ChildCreationAndDestructionNotifyTheParent) {
  HWND parent = create_logged_window(L"Logged", L"Parent", WS_POPUP);
  HWND child = create_logged_window(L"Logged", L"Child", WS_CHILD, parent, 42);
  MessageLog::entries().clear();
  DestroyWindow(child);
  ASSERT_FALSE(MessageLog::entries().empty());
  const LoggedMessage& first = MessageLog::entries().front();
  EXPECT_EQ(first.hwnd, parent);
  EXPECT_EQ(first.message, WM_PARENTNOTIFY);
  EXPECT_EQ(first.wParam, MAKEWPARAM(WM_DESTROY, 42));
  EXPECT_EQ(first.lParam, reinterpret_cast<LPARAM>(child));
}

TEST_F(WindowLifecycleTest, DestroyingAParentDestroysChildrenAndOwnedWindowsFirst) {
  HWND parent = create_logged_window(L"Logged", L"Parent", WS_POPUP);
  HWND child =
      create_logged_window(L"Logged", L"Child", WS_CHILD, parent, 1, {0, 0, 10, 10}, WS_EX_NOPARENTNOTIFY);
  HWND grandchild =
      create_logged_window(L"Logged", L"Grandchild", WS_CHILD, child, 2, {0, 0, 5, 5}, WS_EX_NOPARENTNOTIFY);
  HWND owned = create_logged_window(L"Logged", L"Owned", WS_POPUP, parent);
  MessageLog::entries().clear();
  ASSERT_TRUE(DestroyWindow(parent));

  std::vector<std::pair<HWND, UINT>> order;
  for (const auto& entry : MessageLog::entries())
    if (entry.message == WM_DESTROY || entry.message == WM_NCDESTROY)
      order.emplace_back(entry.hwnd, entry.message);
  std::vector<std::pair<HWND, UINT>> expected = {
      {owned, WM_DESTROY},      {owned, WM_NCDESTROY},      {parent, WM_DESTROY},  {child, WM_DESTROY},
      {grandchild, WM_DESTROY}, {grandchild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {parent, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  for (HWND hwnd : {parent, child, grandchild, owned})
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WindowLifecycleTest, StaleHandlesAreRefusedEvenWhenTheirSlotIsReused) {
  HWND first = create_logged_window(L"Logged", L"First", WS_POPUP);
  ASSERT_TRUE(DestroyWindow(first));
  // Enough windows that the freed slot comes round again.
  for (int i = 0; i < 1100; ++i)
    DestroyWindow(create_logged_window(L"Logged", L"Churn", WS_POPUP));
  HWND reused = create_logged_window(L"Logged", L"Reused", WS_POPUP);
  ASSERT_NE(reused, first);

  RECT rect;
  SetLastError(0);
  EXPECT_FALSE(GetWindowRect(first, &rect));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(PostMessageW(first, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(SendMessageW(first, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_FALSE(SetWindowPos(first, nullptr, 0, 0, 1, 1, SWP_NOZORDER));
  EXPECT_FALSE(DestroyWindow(first));
  EXPECT_FALSE(SetWindowTextW(first, L"x"));
  EXPECT_EQ(GetWindowLongW(first, GWL_STYLE), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_TRUE(IsWindow(reused));
}

TEST_F(WindowLifecycleTest, AnotherThreadsWindowCannotBeDestroyed) {
  HWND foreign = start_peer(L"Logged", L"Foreign");
  ASSERT_NE(foreign, nullptr);
  EXPECT_FALSE(DestroyWindow(foreign));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_TRUE(IsWindow(foreign));
}

TEST_F(WindowLifecycleTest, WindowsDieWithTheThreadThatMadeThem) {
  HWND made = nullptr;
  start_program(L"brief.exe", [&] {
    MessageLog::register_class(L"Logged");
    made = create_logged_window(L"Logged", L"Brief", WS_POPUP);
    return DWORD{0};
  });
  machine.run_until_idle();
  ASSERT_NE(made, nullptr);
  EXPECT_FALSE(IsWindow(made));
  EXPECT_EQ(MessageLog::messages_of(made).back(), static_cast<UINT>(WM_NCDESTROY));
}

TEST_F(WindowLifecycleTest, ClassesAreRegisteredOncePerProcess) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.lpszClassName = L"Logged";
  EXPECT_EQ(RegisterClassExW(&window_class), 0);
  EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
  HWND hwnd = create_logged_window(L"Logged", L"x", WS_POPUP);
  EXPECT_FALSE(UnregisterClassW(L"Logged", nullptr));
  EXPECT_EQ(GetLastError(), ERROR_CLASS_HAS_WINDOWS);
  DestroyWindow(hwnd);
  EXPECT_TRUE(UnregisterClassW(L"Logged", nullptr));
  window_class.cbSize = 0;
  EXPECT_EQ(RegisterClassExW(&window_class), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

}  // namespace
