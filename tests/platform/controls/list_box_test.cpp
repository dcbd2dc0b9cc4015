#include "tests/platform/controls/controls_fixture.h"

namespace {

class ListBoxTest : public ControlsTest {
 protected:
  HWND list(DWORD style, int items, RECT rect = {20, 20, 220, 120}) {
    HWND made = make(WC_LISTBOXW, L"", style | WS_VSCROLL | WS_BORDER, rect);
    for (int i = 0; i < items; ++i) {
      const std::wstring text = L"Object " + std::to_wstring(i);
      SendMessageW(made, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    return made;
  }

  static POINT item_point(HWND hwnd, int index) {
    RECT item{};
    SendMessageW(hwnd, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return {item.left + 20, (item.top + item.bottom) / 2};
  }
};

TEST_F(ListBoxTest, AClickSelectsAndANotifyingListTellsItsParent) {
  struct Case {
    DWORD style;
    std::vector<WORD> heard;
  };
  const Case cases[] = {{LBS_NOTIFY, {LBN_SETFOCUS, LBN_SELCHANGE}}, {0, {}}};
  for (const Case& test : cases) {
    HWND box = list(test.style, 4);
    forget_messages();
    click(box, item_point(box, 2));
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(notifications(box), test.heard);
    DestroyWindow(box);
  }
}

TEST_F(ListBoxTest, TextsAndSelectionFromCode) {
  HWND box = list(LBS_NOTIFY, 3);
  forget_messages();
  EXPECT_EQ(SendMessageW(box, LB_SETCURSEL, 1, 0), 1);
  EXPECT_EQ(SendMessageW(box, LB_SETCURSEL, 7, 0), LB_ERR);
  EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_TRUE(notifications(box).empty());
  wchar_t text[32]{};
  EXPECT_EQ(SendMessageW(box, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text)), 8);
  EXPECT_STREQ(text, L"Object 2");
  EXPECT_EQ(SendMessageW(box, LB_GETTEXT, 3, reinterpret_cast<LPARAM>(text)), LB_ERR);
  SendMessageW(box, LB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageW(box, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListBoxTest, ALongListScrollsToShowTheSelection) {
  HWND box = list(LBS_NOTIFY, 30);
  EXPECT_EQ(SendMessageW(box, LB_GETTOPINDEX, 0, 0), 0);
  SendMessageW(box, LB_SETCURSEL, 25, 0);
  const auto top = SendMessageW(box, LB_GETTOPINDEX, 0, 0);
  EXPECT_GT(top, 0);
  EXPECT_LE(top, 25);
  RECT item{};
  SendMessageW(box, LB_GETITEMRECT, 25, reinterpret_cast<LPARAM>(&item));
  RECT client{};
  GetClientRect(box, &client);
  EXPECT_LE(item.bottom, client.bottom);
  // The keys move the selection and the view with it.
  SetFocus(box);
  forget_messages();
  key(VK_HOME);
  EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(SendMessageW(box, LB_GETTOPINDEX, 0, 0), 0);
  EXPECT_EQ(notifications(box), std::vector<WORD>{LBN_SELCHANGE});
}

TEST_F(ListBoxTest, TheWheelAndTheStripScrollWithoutChangingTheSelection) {
  HWND box = list(0, 30);
  SendMessageW(box, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(SendMessageW(box, LB_GETTOPINDEX, 0, 0), 3);
  RECT client{};
  GetClientRect(box, &client);
  click(box, {client.right - 5, client.bottom - 5});  // the strip's down arrow
  EXPECT_EQ(SendMessageW(box, LB_GETTOPINDEX, 0, 0), 4);
  EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(ListBoxTest, AnOwnerDrawnListIsMeasuredAndDrawnByItsParent) {
  OwnerDrawing owner;
  own_items(owner, 24);
  std::vector<DRAWITEMSTRUCT>& drawn = owner.drawn;
  HWND box = list(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 3);
  EXPECT_EQ(SendMessageW(box, LB_GETITEMHEIGHT, 0, 0), 24);
  SendMessageW(box, LB_SETCURSEL, 1, 0);
  drawn.clear();
  UpdateWindow(box);
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[1].CtlType, ODT_LISTBOX);
  EXPECT_EQ(drawn[1].itemID, 1u);
  EXPECT_EQ(drawn[1].rcItem.top, 24);
  EXPECT_NE(drawn[1].itemState & ODS_SELECTED, 0u);
  EXPECT_EQ(drawn[0].itemState & ODS_SELECTED, 0u);
  wchar_t text[16]{};
  SendMessageW(box, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Object 2");
}

}  // namespace
