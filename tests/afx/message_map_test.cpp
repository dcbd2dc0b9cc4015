// Message maps: which entry handles a message, what the handler receives, and reflection.
#include <string>

#include "platform/desktop/mouse_input.h"
#include "tests/afx/afx_fixture.h"

namespace {

std::wstring calls;

class BaseWindow : public CWnd {
 public:
  void OnFirst() { calls += L"base-first;"; }
  void OnBaseOnly() { calls += L"base-only;"; }

 protected:
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWindow, CWnd)
ON_COMMAND(1000, &BaseWindow::OnFirst)
ON_COMMAND(1001, &BaseWindow::OnBaseOnly)
END_MESSAGE_MAP()

class MappedWindow : public BaseWindow {
 public:
  void OnFirst() { calls += L"first;"; }
  void OnSecond() { calls += L"second;"; }
  void OnSpeedButton(UINT id) { calls += L"speed " + std::to_wstring(id) + L";"; }
  void OnEventButton(UINT id) { calls += L"event " + std::to_wstring(id) + L";"; }
  void OnListClick(NMHDR* header, LRESULT* result) {
    calls += L"notify " + std::to_wstring(header->idFrom) + L";";
    *result = 17;
  }
  LRESULT OnBackground(WPARAM wParam, LPARAM) {
    calls += L"background;";
    return static_cast<LRESULT>(wParam) + 1;
  }
  void OnTimer(UINT_PTR id) { calls += L"timer " + std::to_wstring(id) + L";"; }
  void OnEditChange() { calls += L"changed;"; }

 protected:
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MappedWindow, BaseWindow)
ON_COMMAND(1000, &MappedWindow::OnFirst)
ON_COMMAND(1000, &MappedWindow::OnSecond)
ON_COMMAND_RANGE(1106, 1109, &MappedWindow::OnSpeedButton)
ON_CONTROL_RANGE(BN_CLICKED, 1060, 1064, &MappedWindow::OnEventButton)
ON_EN_CHANGE(1062, &MappedWindow::OnEditChange)
ON_NOTIFY(NM_CLICK, 41125, &MappedWindow::OnListClick)
ON_MESSAGE(WM_USER + 1021, &MappedWindow::OnBackground)
ON_WM_TIMER()
END_MESSAGE_MAP()

class MessageMapTest : public AfxTest {
 protected:
  MessageMapTest() {
    calls.clear();
    window.CreateEx(0, nullptr, L"Mapped", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr);
  }
  void command(WORD id, WORD code = 0) { window.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), 0); }
  MappedWindow window;
};

TEST_F(MessageMapTest, TheFirstMatchingEntryWinsAndBaseMapsComeLast) {
  command(1000);
  command(1001);
  EXPECT_EQ(calls, L"first;base-only;");
}

TEST_F(MessageMapTest, RangesGiveTheHandlerTheIdAndMatchOnlyTheirCode) {
  for (WORD id : {1105, 1106, 1109, 1110})
    command(id);
  command(1060, BN_CLICKED);
  command(1062, EN_CHANGE);
  command(1064, BN_CLICKED);
  EXPECT_EQ(calls, L"speed 1106;speed 1109;event 1060;changed;event 1064;");
}

TEST_F(MessageMapTest, NotificationsAndPrivateMessagesGiveTheirResults) {
  NMHDR header{nullptr, 41125, NM_CLICK};
  EXPECT_EQ(window.SendMessage(WM_NOTIFY, 41125, reinterpret_cast<LPARAM>(&header)), 17);
  header.code = NM_DBLCLK;
  EXPECT_EQ(window.SendMessage(WM_NOTIFY, 41125, reinterpret_cast<LPARAM>(&header)), 0);
  EXPECT_EQ(window.SendMessage(WM_USER + 1021, 4, 0), 5);
  EXPECT_EQ(calls, L"notify 41125;background;");
}

TEST_F(MessageMapTest, OnTimerGetsTheTimersIdOnTheVirtualClock) {
  window.SetTimer(104, 6000);
  MSG msg;
  while (calls.empty() && GetMessageW(&msg, nullptr, 0, 0))
    DispatchMessageW(&msg);
  window.KillTimer(104);
  EXPECT_EQ(calls, L"timer 104;");
}

class ReflectingButton : public CButton {
 public:
  void OnClickedHere() { calls += L"reflected click;"; }
  void DrawItem(LPDRAWITEMSTRUCT draw) override {
    calls +=
        L"draw " + std::to_wstring(draw->CtlID) + (draw->itemState & ODS_SELECTED ? L" selected;" : L";");
  }

 protected:
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingButton, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, &ReflectingButton::OnClickedHere)
END_MESSAGE_MAP()

class ParentWindow : public CWnd {
 public:
  void OnChildClicked() { calls += L"parent click;"; }
  void OnOtherClicked() { calls += L"other click;"; }

 protected:
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWindow, CWnd)
ON_BN_CLICKED(1015, &ParentWindow::OnChildClicked)
ON_BN_CLICKED(1016, &ParentWindow::OnOtherClicked)
END_MESSAGE_MAP()

TEST_F(MessageMapTest, AControlHandlesItsOwnReflectedClickAndOwnerDrawing) {
  ParentWindow parent;
  parent.CreateEx(0, nullptr, L"Parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr);
  MessageLog::register_class(L"Plain");
  HWND child = create_logged_window(L"Plain", L"", WS_CHILD, parent.m_hWnd, 1015);
  HWND other = create_logged_window(L"Plain", L"", WS_CHILD, parent.m_hWnd, 1016);
  ReflectingButton button;
  ASSERT_TRUE(button.SubclassDlgItem(1015, &parent));

  parent.SendMessage(WM_COMMAND, MAKEWPARAM(1015, BN_CLICKED), reinterpret_cast<LPARAM>(child));
  parent.SendMessage(WM_COMMAND, MAKEWPARAM(1016, BN_CLICKED), reinterpret_cast<LPARAM>(other));
  DRAWITEMSTRUCT draw{ODT_BUTTON, 1015, 0, ODA_DRAWENTIRE, ODS_SELECTED, child, nullptr, {0, 0, 10, 10}, 0};
  EXPECT_EQ(parent.SendMessage(WM_DRAWITEM, 1015, reinterpret_cast<LPARAM>(&draw)), TRUE);
  EXPECT_EQ(calls, L"reflected click;other click;draw 1015 selected;");
}

class Subclassed : public CWnd {
 public:
  void PreSubclassWindow() override { style_seen = GetStyle(); }
  DWORD style_seen = 0;
};

TEST_F(MessageMapTest, SubclassingAnExistingWindowCallsPreSubclassWindowAndUnsubclassingGivesItBack) {
  MessageLog::register_class(L"Plain");
  HWND plain = create_logged_window(L"Plain", L"", WS_CHILD | WS_TABSTOP, window.m_hWnd, 7);
  auto original = GetWindowLongPtrW(plain, GWLP_WNDPROC);
  Subclassed wrapper;
  ASSERT_TRUE(wrapper.SubclassDlgItem(7, &window));
  EXPECT_EQ(wrapper.style_seen & WS_TABSTOP, static_cast<DWORD>(WS_TABSTOP));
  EXPECT_EQ(CWnd::FromHandlePermanent(plain), &wrapper);
  EXPECT_FALSE(Subclassed().SubclassWindow(plain));
  EXPECT_EQ(wrapper.UnsubclassWindow(), plain);
  EXPECT_EQ(GetWindowLongPtrW(plain, GWLP_WNDPROC), original);
  EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
}

TEST_F(MessageMapTest, FromHandleWrapsForeignWindowsTemporarily) {
  HWND foreign = start_peer(L"ForeignClass", L"Foreign");
  CWnd* wrapper = CWnd::FromHandle(foreign);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->m_hWnd, foreign);
  EXPECT_EQ(wrapper->GetWindowText(), L"Foreign");
  EXPECT_EQ(CWnd::FromHandle(foreign), wrapper);
  EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
  EXPECT_EQ(CWnd::FromHandle(window.m_hWnd), &window);
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
  EXPECT_STREQ(window.GetRuntimeClass()->m_lpszClassName, "CWnd");
  EXPECT_TRUE(ReflectingButton().IsKindOf(RUNTIME_CLASS(CWnd)));
  EXPECT_STREQ(ReflectingButton().GetRuntimeClass()->m_lpszClassName, "CButton");
}

TEST_F(MessageMapTest, ModifyStyleReportsAChangeAndCenterWindowCentresOnTheOwner) {
  EXPECT_TRUE(window.ModifyStyle(0, WS_BORDER));
  EXPECT_FALSE(window.ModifyStyle(0, WS_BORDER));
  EXPECT_TRUE(window.GetStyle() & WS_BORDER);
  EXPECT_TRUE(window.ModifyStyleEx(0, WS_EX_TOPMOST, SWP_NOACTIVATE));

  CWnd owner;
  owner.CreateEx(0, nullptr, L"Owner", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr);
  CWnd owned;
  owned.CreateEx(0, nullptr, L"Owned", WS_POPUP, 0, 0, 100, 50, owner.m_hWnd, nullptr);
  owned.CenterWindow();
  CRect rect;
  owned.GetWindowRect(&rect);
  EXPECT_EQ(rect, CRect(250, 225, 350, 275));
}

}  // namespace

namespace {

class TouchedWindow : public CWnd {
 public:
  BOOL OnTouchInput(CPoint point, int index, int count, PTOUCHINPUT input) override {
    touches.push_back({point.x, point.y, index, count, static_cast<int>(input->dwFlags & TOUCHEVENTF_DOWN)});
    return TRUE;
  }
  std::vector<std::vector<int>> touches;
};

using TouchWindowTest = AfxTest;

TEST_F(TouchWindowTest, ATouchRegisteredWindowGetsEachRecordAtItsClientPoint) {
  TouchedWindow window;
  window.CreateEx(0, nullptr, L"Touched", WS_POPUP | WS_VISIBLE, 100, 50, 300, 200, nullptr, nullptr);
  ASSERT_TRUE(RegisterTouchWindow(window.m_hWnd, 0));
  for (DWORD buttons : {0u, static_cast<unsigned>(MOUSEEVENTF_LEFTDOWN)}) {
    desktop::MouseEvent event;
    if (buttons == 0) event.move_to = POINT{130, 70};
    event.buttons = buttons;
    event.extra_info = desktop::kTouchExtraInfo;
    desktop::inject_mouse(machine, event);
  }
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageW(&msg);
  ASSERT_FALSE(window.touches.empty());
  EXPECT_EQ(window.touches.front(), (std::vector<int>{30, 20, 0, 1, static_cast<int>(TOUCHEVENTF_DOWN)}));
}

}  // namespace
