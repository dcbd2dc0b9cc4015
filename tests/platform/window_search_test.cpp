#include "tests/platform/desktop_fixture.h"

namespace {

class WindowSearchTest : public DesktopTest {
 protected:
  WindowSearchTest() { MessageLog::register_class(L"Searched"); }
};

TEST_F(WindowSearchTest, FindWindowMatchesWholeClassAndTitleWithoutRegardToCase) {
  HWND named = create_logged_window(L"Searched", L"Orvenna 0.18.1", WS_POPUP);
  HWND untitled = create_logged_window(L"Searched", L"", WS_POPUP);

  EXPECT_EQ(FindWindowW(L"Searched", L"Orvenna 0.18.1"), named);
  EXPECT_EQ(FindWindowW(L"searched", L"ORVENNA 0.18.1"), named);
  EXPECT_EQ(FindWindowW(L"Searched", L"Orvenna 0.18"), nullptr);
  EXPECT_EQ(FindWindowW(L"Search", L"Orvenna 0.18.1"), nullptr);
  EXPECT_EQ(FindWindowW(L"Searched", L""), untitled);
  EXPECT_EQ(FindWindowW(nullptr, L"Orvenna 0.18.1"), named);
  // The newest top-level window is in front, so it is found first.
  EXPECT_EQ(FindWindowW(L"Searched", nullptr), untitled);
}

TEST_F(WindowSearchTest, EmptyTitleMatchesOnlyEmptyTitles) {
  create_logged_window(L"Searched", L"Main", WS_POPUP);
  EXPECT_EQ(FindWindowW(L"Searched", L""), nullptr);
}

TEST_F(WindowSearchTest, FindWindowExLooksAtDirectChildrenOnly) {
  HWND top = create_logged_window(L"Searched", L"Main", WS_POPUP);
  HWND child = create_logged_window(L"Searched", L"View", WS_CHILD, top, 1);
  HWND grandchild = create_logged_window(L"Searched", L"Deep", WS_CHILD, child, 2);
  HWND second = create_logged_window(L"Searched", L"View", WS_CHILD, top, 3);

  EXPECT_EQ(FindWindowExW(top, nullptr, L"Searched", L"View"), child);
  EXPECT_EQ(FindWindowExW(top, child, L"Searched", L"View"), second);
  EXPECT_EQ(FindWindowExW(top, nullptr, L"Searched", L"Deep"), nullptr);
  EXPECT_EQ(FindWindowExW(child, nullptr, nullptr, nullptr), grandchild);
  EXPECT_EQ(FindWindowW(L"Searched", L"View"), nullptr);
}

TEST_F(WindowSearchTest, FindWindowTakesAClassAtom) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.lpszClassName = L"ByAtom";
  ATOM atom = RegisterClassExW(&window_class);
  ASSERT_NE(atom, 0);
  HWND hwnd = CreateWindowExW(0, L"ByAtom", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(FindWindowW(MAKEINTATOM(atom), nullptr), hwnd);
}

TEST_F(WindowSearchTest, EnumChildWindowsWalksDescendantsDepthFirst) {
  HWND top = create_logged_window(L"Searched", L"Main", WS_POPUP);
  HWND a = create_logged_window(L"Searched", L"a", WS_CHILD, top, 1);
  HWND a1 = create_logged_window(L"Searched", L"a1", WS_CHILD, a, 2);
  HWND b = create_logged_window(L"Searched", L"b", WS_CHILD, top, 3);
  std::vector<HWND> seen;
  EnumChildWindows(
      top,
      [](HWND hwnd, LPARAM out) {
        reinterpret_cast<std::vector<HWND>*>(out)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&seen));
  EXPECT_EQ(seen, (std::vector<HWND>{a, a1, b}));
}

TEST_F(WindowSearchTest, RelationsBetweenWindows) {
  HWND owner = create_logged_window(L"Searched", L"Owner", WS_POPUP);
  HWND popup = create_logged_window(L"Searched", L"Popup", WS_POPUP, owner);
  HWND child = create_logged_window(L"Searched", L"Child", WS_CHILD, owner, 7);
  HWND grandchild = create_logged_window(L"Searched", L"Deep", WS_CHILD, child, 8);

  EXPECT_EQ(GetParent(child), owner);
  EXPECT_EQ(GetParent(popup), owner);  // a popup's parent is its owner
  EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
  EXPECT_EQ(GetAncestor(grandchild, GA_ROOT), owner);
  EXPECT_EQ(GetAncestor(grandchild, GA_PARENT), child);
  EXPECT_EQ(GetAncestor(owner, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetAncestor(popup, GA_ROOTOWNER), owner);
  EXPECT_TRUE(IsChild(owner, grandchild));
  EXPECT_FALSE(IsChild(owner, popup));
  EXPECT_EQ(GetDlgItem(owner, 7), child);
  EXPECT_EQ(GetDlgItem(owner, 8), nullptr);
  EXPECT_EQ(GetDlgCtrlID(grandchild), 8);
  EXPECT_EQ(GetWindow(owner, GW_CHILD), child);
  EXPECT_EQ(GetTopWindow(nullptr), popup);

  DWORD process = 0;
  EXPECT_EQ(GetWindowThreadProcessId(child, &process), GetCurrentThreadId());
  EXPECT_EQ(process, GetCurrentProcessId());
}

TEST_F(WindowSearchTest, HiddenWindowsAreFoundButMessageOnlyOnesAreNot) {
  HWND hidden = create_logged_window(L"Searched", L"Hidden", WS_POPUP);
  HWND message_only = create_logged_window(L"Searched", L"Quiet", 0, HWND_MESSAGE);
  ASSERT_NE(message_only, nullptr);
  EXPECT_EQ(FindWindowW(L"Searched", L"Hidden"), hidden);
  EXPECT_EQ(FindWindowW(L"Searched", L"Quiet"), nullptr);
  EXPECT_EQ(FindWindowExW(HWND_MESSAGE, nullptr, L"Searched", L"Quiet"), message_only);
}

}  // namespace
