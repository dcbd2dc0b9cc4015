// CToolTipCtrl over the desktop's tooltip control: tools, their texts, and a tip shown by relay.
#include "platform/driver/desktop_user.h"
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

TEST_F(ToolTipTest, TheDumpListsEachToolOfATooltipWithItsText) {
  CButton other;
  other.Create(L"Stop", WS_VISIBLE | BS_PUSHBUTTON, CRect(100, 10, 180, 40), &owner, 1016);
  tip.AddTool(&button, L"Shows the Earth");
  tip.AddTool(&other, L"Stops the script");
  tip.UpdateTipText(L"Shows Mars", &button);
  TOOLINFOW second{};
  second.cbSize = sizeof(second);
  ASSERT_TRUE(tip.SendMessage(TTM_ENUMTOOLSW, 1, reinterpret_cast<LPARAM>(&second)));
  EXPECT_EQ(reinterpret_cast<HWND>(second.uId), other.m_hWnd);
  EXPECT_FALSE(tip.SendMessage(TTM_ENUMTOOLSW, 2, reinterpret_cast<LPARAM>(&second)));
  const std::string dump = driver::DesktopUser(machine).dump_json();
  const std::size_t tooltip = dump.find("\"class\": \"tooltips_class32\"");
  ASSERT_NE(tooltip, std::string::npos) << dump;
  const std::string line = dump.substr(tooltip, dump.find('\n', tooltip) - tooltip);
  EXPECT_NE(line.find(", \"id\": 1015, \"text\": \"Shows Mars\"}, {\"window\": "), std::string::npos) << line;
  EXPECT_NE(line.find(", \"id\": 1016, \"text\": \"Stops the script\"}]"), std::string::npos) << line;
}

}  // namespace
