// CToolTipCtrl over the desktop's tooltip control: tools, their texts, and a tip shown by relay.
#include "tests/afx/afx_fixture.h"

namespace {

class ToolTipTest : public AfxTest {
 protected:
  ToolTipTest() {
    owner.CreateEx(0, nullptr, L"Owner", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr);
    button.Create(L"Go", WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 90, 40), &owner, 1015);
    tip.Create(&owner);
  }
  CWnd owner;
  CButton button;
  CToolTipCtrl tip;
};

TEST_F(ToolTipTest, ToolsKeepTheirTextsUntilUpdated) {
  ASSERT_TRUE(tip.AddTool(&button, L"Shows the Earth"));
  EXPECT_EQ(tip.GetToolCount(), 1);
  EXPECT_EQ(tip.GetText(&button), L"Shows the Earth");
  tip.UpdateTipText(L"Shows Mars", &button);
  EXPECT_EQ(tip.GetText(&button), L"Shows Mars");
  EXPECT_EQ(tip.GetText(&owner, 7), L"");
  tip.DelTool(&button);
  EXPECT_EQ(tip.GetToolCount(), 0);
  EXPECT_FALSE(tip.AddTool(nullptr, L"none"));
}

TEST_F(ToolTipTest, ATipShowsWhenThePointerRestsOnARelayedTool) {
  tip.AddTool(&button, L"Shows the Earth");
  tip.Activate(TRUE);
  CRect rect;
  button.GetWindowRect(&rect);
  MSG move{button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, 15), GetTickCount(), rect.CenterPoint()};
  SetCursorPos(rect.CenterPoint().x, rect.CenterPoint().y);
  tip.RelayEvent(&move);
  EXPECT_FALSE(tip.IsWindowVisible());
  // The tip's timers are this thread's: its loop runs them.
  for (int step = 0; step < 20 && !tip.IsWindowVisible(); ++step) {
    machine.advance(100);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageW(&msg);
  }
  EXPECT_TRUE(tip.IsWindowVisible());
}

}  // namespace
