#include "tests/platform/desktop_fixture.h"

namespace {

class WindowDataTest : public DesktopTest {
 protected:
  WindowDataTest() { MessageLog::register_class(L"Data"); }
};

WNDPROC g_previous = nullptr;
int g_subclassed_calls = 0;

LRESULT CALLBACK subclass_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ++g_subclassed_calls;
  if (message == WM_USER + 1) return 99;
  return CallWindowProcW(g_previous, hwnd, message, wParam, lParam);
}

TEST_F(WindowDataTest, StyleChangesAreAnnouncedAndMayBeAltered) {
  HWND hwnd = create_logged_window(L"Data", L"s", WS_POPUP);
  MessageLog::handler() = [](HWND, UINT message, WPARAM which, LPARAM lParam, LRESULT&) {
    if (message == WM_STYLECHANGING && which == static_cast<WPARAM>(GWL_EXSTYLE))
      reinterpret_cast<STYLESTRUCT*>(lParam)->styleNew |= WS_EX_TOOLWINDOW;
    return false;
  };
  LONG old = SetWindowLongW(hwnd, GWL_EXSTYLE, WS_EX_LAYERED);
  EXPECT_EQ(old, 0);
  EXPECT_EQ(GetWindowLongW(hwnd, GWL_EXSTYLE), static_cast<LONG>(WS_EX_LAYERED | WS_EX_TOOLWINDOW));
  std::vector<UINT> messages = MessageLog::messages_of(hwnd);
  EXPECT_EQ(std::count(messages.begin(), messages.end(), WM_STYLECHANGED), 1);
}

TEST_F(WindowDataTest, IdUserDataAndExtraBytes) {
  HWND parent = create_logged_window(L"Data", L"p", WS_POPUP);
  HWND hwnd = create_logged_window(L"Data", L"c", WS_CHILD, parent, 1042);
  EXPECT_EQ(GetWindowLongW(hwnd, GWL_ID), 1042);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0x1234567890);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_USERDATA), 0x1234567890);
  EXPECT_EQ(SetWindowLongW(hwnd, 4, 77), 0);
  EXPECT_EQ(GetWindowLongW(hwnd, 4), 77);
  EXPECT_EQ(SetWindowLongPtrW(hwnd, 8, 5), 0);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, 8), 5);
  // The class gives 16 extra bytes: a LONG at 13 runs past them.
  SetLastError(0);
  EXPECT_EQ(GetWindowLongW(hwnd, 13), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
  EXPECT_EQ(GetWindowLongW(hwnd, GWLP_WNDPROC), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
}

TEST_F(WindowDataTest, SubclassingChainsToThePreviousProcedure) {
  HWND hwnd = create_logged_window(L"Data", L"sub", WS_POPUP);
  g_subclassed_calls = 0;
  g_previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&subclass_proc)));
  EXPECT_EQ(g_previous, &MessageLog::procedure);
  EXPECT_EQ(SendMessageW(hwnd, WM_USER + 1, 0, 0), 99);
  SetWindowTextW(hwnd, L"changed");
  EXPECT_EQ(g_subclassed_calls, 2);
  EXPECT_EQ(MessageLog::messages_of(hwnd).back(), static_cast<UINT>(WM_SETTEXT));
}

TEST_F(WindowDataTest, PropertiesHoldTheirAtomsUntilRemoved) {
  HWND hwnd = create_logged_window(L"Data", L"props", WS_POPUP);
  int tag = 0;
  ASSERT_TRUE(SetPropW(hwnd, L"###tranparentctrl_tag###", &tag));
  EXPECT_EQ(GetPropW(hwnd, L"###TRANPARENTCTRL_TAG###"), &tag);
  ATOM atom = GlobalFindAtomW(L"###tranparentctrl_tag###");
  ASSERT_NE(atom, 0);
  EXPECT_EQ(GetPropW(hwnd, MAKEINTATOM(atom)), &tag);
  EXPECT_EQ(GetPropW(hwnd, L"missing"), nullptr);
  EXPECT_EQ(RemovePropW(hwnd, L"###tranparentctrl_tag###"), &tag);
  EXPECT_EQ(GetPropW(hwnd, L"###tranparentctrl_tag###"), nullptr);
  EXPECT_EQ(GlobalFindAtomW(L"###tranparentctrl_tag###"), 0);

  SetPropW(hwnd, L"kept", &tag);
  DestroyWindow(hwnd);
  EXPECT_EQ(GlobalFindAtomW(L"kept"), 0);  // a destroyed window gives its atoms back
}

TEST_F(WindowDataTest, GlobalAtomsAreCountedAndIntegerAtomsAreNot) {
  ATOM first = GlobalAddAtomW(L"Shared");
  EXPECT_EQ(GlobalAddAtomW(L"SHARED"), first);
  EXPECT_GE(first, 0xC000);
  EXPECT_EQ(GlobalDeleteAtom(first), 0);
  EXPECT_EQ(GlobalFindAtomW(L"shared"), first);
  EXPECT_EQ(GlobalDeleteAtom(first), 0);
  EXPECT_EQ(GlobalFindAtomW(L"shared"), 0);
  EXPECT_EQ(GlobalDeleteAtom(first), first);
  EXPECT_EQ(GlobalAddAtomW(L"#123"), 123);
  wchar_t name[16];
  EXPECT_EQ(GlobalGetAtomNameW(123, name, 16), 4u);
  EXPECT_STREQ(name, L"#123");
}

TEST_F(WindowDataTest, TextIsTruncatedToTheBuffer) {
  HWND hwnd = create_logged_window(L"Data", L"Orvenna 0.18.2", WS_POPUP);
  wchar_t buffer[8];
  EXPECT_EQ(GetWindowTextW(hwnd, buffer, 8), 7);
  EXPECT_STREQ(buffer, L"Orvenna");
  EXPECT_EQ(GetWindowTextLengthW(hwnd), 14);
  EXPECT_EQ(GetWindowTextW(hwnd, buffer, 0), 0);
}

TEST_F(WindowDataTest, AnotherProcessesWindowGivesItsTextWithoutAMessage) {
  int text_requests = 0;
  HWND foreign = start_peer(L"Data", L"Orvenna 0.18.0", [&](HWND, UINT message, WPARAM, LPARAM, LRESULT&) {
    text_requests += message == WM_GETTEXT || message == WM_GETTEXTLENGTH;
    return false;
  });
  wchar_t buffer[32];
  EXPECT_EQ(GetWindowTextW(foreign, buffer, 32), 14);
  EXPECT_STREQ(buffer, L"Orvenna 0.18.0");
  EXPECT_EQ(GetWindowTextLengthW(foreign), 14);
  EXPECT_EQ(text_requests, 0);
  EXPECT_TRUE(SetWindowTextW(foreign, L"Renamed"));  // setting goes through WM_SETTEXT on its thread
  EXPECT_EQ(FindWindowW(L"Data", L"Renamed"), foreign);
}

}  // namespace
