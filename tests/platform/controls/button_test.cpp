#include <array>

#include "tests/platform/controls/controls_fixture.h"

namespace {

class ButtonTest : public ControlsTest {
 protected:
  HWND button(const wchar_t* text, DWORD style, RECT rect = {20, 20, 120, 50}, int id = kId) {
    return make(WC_BUTTONW, text, style, rect, id);
  }
};

struct ClickCase {
  const char* name;
  POINT release_at;  // in the button's client area
  bool clicked;
};

TEST_F(ButtonTest, AClickIsAPressAndAReleaseInsideTheButton) {
  const ClickCase cases[] = {
      {"released inside", {50, 15}, true},
      {"released outside", {150, 15}, false},
      {"released on the edge inside", {99, 29}, true},
  };
  for (const ClickCase& test : cases) {
    SCOPED_TRACE(test.name);
    HWND pushed = button(L"OK", BS_PUSHBUTTON);
    forget_messages();
    move(pushed, {50, 15});
    press();
    move(pushed, test.release_at);
    release();
    EXPECT_EQ(notifications(pushed), test.clicked ? std::vector<WORD>{BN_CLICKED} : std::vector<WORD>{});
    EXPECT_EQ(SendMessageW(pushed, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    DestroyWindow(pushed);
  }
}

TEST_F(ButtonTest, TheClickNamesTheButtonsIdAndWindow) {
  HWND ok = button(L"OK", BS_DEFPUSHBUTTON, {20, 20, 120, 50}, 1);
  forget_messages();
  click_centre(ok);
  const auto commands = host_messages(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(1, BN_CLICKED));
  EXPECT_EQ(reinterpret_cast<HWND>(commands[0].lParam), ok);
  EXPECT_EQ(GetFocus(), ok);
}

TEST_F(ButtonTest, SpaceClicksTheFocusedButtonWhenReleased) {
  HWND ok = button(L"OK", BS_PUSHBUTTON);
  SetFocus(ok);
  forget_messages();
  INPUT down{};
  down.type = INPUT_KEYBOARD;
  down.ki.wVk = VK_SPACE;
  SendInput(1, &down, sizeof(INPUT));
  pump();
  EXPECT_NE(SendMessageW(ok, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  EXPECT_TRUE(notifications(ok).empty());
  INPUT up = down;
  up.ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &up, sizeof(INPUT));
  pump();
  EXPECT_EQ(notifications(ok), std::vector<WORD>{BN_CLICKED});
}

TEST_F(ButtonTest, ADisabledButtonIsNotClicked) {
  HWND ok = button(L"OK", BS_PUSHBUTTON | WS_DISABLED);
  forget_messages();
  click_centre(ok);
  EXPECT_TRUE(notifications(ok).empty());
}

TEST_F(ButtonTest, AutoCheckBoxesToggleAndThreeStateOnesCycle) {
  HWND check = button(L"Fog", BS_AUTOCHECKBOX);
  HWND three = button(L"Mixed", BS_AUTO3STATE, {20, 60, 120, 90}, 101);
  const std::array<LRESULT, 3> two_states{BST_CHECKED, BST_UNCHECKED, BST_CHECKED};
  const std::array<LRESULT, 3> three_states{BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED};
  for (std::size_t i = 0; i < 3; ++i) {
    click_centre(check);
    click_centre(three);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), two_states[i]);
    EXPECT_EQ(SendMessageW(three, BM_GETCHECK, 0, 0), three_states[i]);
  }
  EXPECT_EQ(notifications(check).size(), 3u);
}

TEST_F(ButtonTest, PlainCheckBoxesLeaveTheirCheckToTheParent) {
  HWND check = button(L"Fog", BS_CHECKBOX);
  click_centre(check);
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(notifications(check), std::vector<WORD>{BN_CLICKED});
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
  HWND push = button(L"OK", BS_PUSHBUTTON, {20, 60, 120, 90}, 101);
  SendMessageW(push, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageW(push, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ButtonTest, AnAutoRadioButtonUnchecksTheOthersOfItsGroupOnly) {
  HWND first = button(L"System date", BS_AUTORADIOBUTTON | WS_GROUP, {20, 20, 200, 40}, 1);
  HWND second = button(L"Specific date", BS_AUTORADIOBUTTON, {20, 40, 200, 60}, 2);
  HWND third = button(L"Specific time", BS_AUTORADIOBUTTON | WS_GROUP, {20, 80, 200, 100}, 3);
  SendMessageW(first, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(third, BM_SETCHECK, BST_CHECKED, 0);
  click_centre(second);
  EXPECT_EQ(SendMessageW(first, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(second, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(third, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(notifications(second), std::vector<WORD>{BN_CLICKED});
  // Tab stops at the checked button of the group.
  EXPECT_NE(GetWindowLongPtrW(second, GWL_STYLE) & WS_TABSTOP, 0);
  EXPECT_EQ(GetWindowLongPtrW(first, GWL_STYLE) & WS_TABSTOP, 0);
}

TEST_F(ButtonTest, DialogCodesFollowTheKindOfButton) {
  struct Case {
    DWORD style;
    LRESULT code;
  };
  const Case cases[] = {
      {BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
      {BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
      {BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
      {BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
      {BS_AUTOCHECKBOX, DLGC_BUTTON},
      {BS_OWNERDRAW, DLGC_BUTTON},
      {BS_GROUPBOX, DLGC_STATIC},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.style);
    HWND made = button(L"b", test.style);
    EXPECT_EQ(SendMessageW(made, WM_GETDLGCODE, 0, 0), test.code);
    DestroyWindow(made);
  }
}

TEST_F(ButtonTest, SetStyleMovesTheDefaultAndKeepsOtherStyleBits) {
  HWND ok = button(L"OK", BS_PUSHBUTTON | BS_MULTILINE);
  SendMessageW(ok, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_EQ(SendMessageW(ok, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongPtrW(ok, GWL_STYLE) & (BS_TYPEMASK | BS_MULTILINE), BS_DEFPUSHBUTTON | BS_MULTILINE);
  SendMessageW(ok, BM_SETSTYLE, BS_OWNERDRAW, TRUE);
  EXPECT_EQ(GetWindowLongPtrW(ok, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(ButtonTest, OwnerDrawnButtonsAskTheParentToDrawEachState) {
  OwnerDrawing owner;
  own_items(owner, 0);
  std::vector<DRAWITEMSTRUCT>& drawn = owner.drawn;
  HWND owned = button(L"Go", BS_OWNERDRAW, {20, 20, 120, 50}, 7);
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().CtlType, ODT_BUTTON);
  EXPECT_EQ(drawn.back().CtlID, 7u);
  EXPECT_EQ(drawn.back().hwndItem, owned);
  EXPECT_EQ(drawn.back().rcItem.right, 100);
  EXPECT_EQ(drawn.back().itemState & ODS_SELECTED, 0u);

  move(owned, {50, 15});
  drawn.clear();
  press();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().itemState & (ODS_SELECTED | ODS_FOCUS), ODS_SELECTED | ODS_FOCUS);
  drawn.clear();
  release();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().itemState & ODS_SELECTED, 0u);
  EXPECT_EQ(notifications(owned), std::vector<WORD>{BN_CLICKED});

  drawn.clear();
  EnableWindow(owned, FALSE);
  ASSERT_FALSE(drawn.empty());
  EXPECT_NE(drawn.back().itemState & ODS_DISABLED, 0u);
}

TEST_F(ButtonTest, APressedButtonLooksPressedUntilThePointerLeavesIt) {
  HWND ok = button(L"OK", BS_PUSHBUTTON);
  const auto released = pixels(ok);
  move(ok, {50, 15});
  press();
  const auto held = pixels(ok);
  EXPECT_NE(held, released);
  move(ok, {150, 15});
  EXPECT_EQ(SendMessageW(ok, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  move(ok, {50, 15});
  EXPECT_EQ(pixels(ok), held);
  release();
}

TEST_F(ButtonTest, AMultiLineCaptionWrapsOntoASecondLine) {
  // The rows of the face that hold ink of the caption, top to bottom.
  auto inked_rows = [this](DWORD style) {
    HWND made = button(L"Planet Orbits", style, {20, 20, 80, 80});
    RECT client{};
    GetClientRect(made, &client);
    const auto seen = pixels(made);
    std::vector<int> rows;
    for (int y = 4; y < client.bottom - 4; ++y)
      for (int x = 4; x < client.right - 4; ++x)
        if (seen[static_cast<std::size_t>(y * client.right + x)] == GetSysColor(COLOR_BTNTEXT)) {
          rows.push_back(y);
          break;
        }
    DestroyWindow(made);
    return rows;
  };
  const auto single = inked_rows(BS_PUSHBUTTON);
  const auto wrapped = inked_rows(BS_PUSHBUTTON | BS_MULTILINE);
  ASSERT_FALSE(single.empty());
  ASSERT_FALSE(wrapped.empty());
  EXPECT_GT(wrapped.back() - wrapped.front(), 2 * (single.back() - single.front()));
}

TEST_F(ButtonTest, ABitmapButtonShowsItsPictureInPlaceOfItsCaption) {
  HWND pictured = button(L"", BS_PUSHBUTTON | BS_BITMAP);
  HBITMAP red = solid_bitmap(10, 10, RGB(255, 0, 0));
  EXPECT_EQ(SendMessageW(pictured, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(red)), 0);
  EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageW(pictured, BM_GETIMAGE, IMAGE_BITMAP, 0)), red);
  EXPECT_EQ(pixel(pictured, 50, 15), RGB(255, 0, 0));
  EXPECT_NE(pixel(pictured, 30, 15), RGB(255, 0, 0));
  DestroyWindow(pictured);
  DeleteObject(red);
}

TEST_F(ButtonTest, AGroupBoxWhoseCaptionChangesHasTheWindowBeneathPaintAgainFirst) {
  HWND group = button(L"Startup Options", BS_GROUPBOX, {10, 10, 300, 200});
  forget_messages();
  SetWindowTextW(group, L"Fly-by duration");
  EXPECT_FALSE(host_messages(WM_ERASEBKGND).empty());
  EXPECT_EQ(window_text(group), L"Fly-by duration");
}

TEST_F(ButtonTest, AGroupBoxLetsClicksThroughToTheWindowBeneath) {
  HWND group = button(L"Startup Options", BS_GROUPBOX, {10, 10, 300, 200});
  forget_messages();
  click(group, {150, 100});
  EXPECT_TRUE(notifications(group).empty());
  EXPECT_FALSE(host_messages(WM_LBUTTONDOWN).empty());
}

}  // namespace
