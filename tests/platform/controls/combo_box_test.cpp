#include "tests/platform/controls/controls_fixture.h"

namespace {

class ComboBoxTest : public ControlsTest {
 protected:
  HWND combo(DWORD style = CBS_DROPDOWNLIST, std::initializer_list<const wchar_t*> items = {
                                                 L"English", L"Italiano", L"Française", L"Español"}) {
    HWND made = make(WC_COMBOBOXW, L"", style | WS_VSCROLL, {20, 20, 220, 220});
    for (const wchar_t* item : items)
      SendMessageW(made, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    return made;
  }

  static HWND drop_down_of(HWND) { return FindWindowW(L"ComboLBox", nullptr); }

  // The middle of an item of the open list, in the list's client coordinates.
  static POINT item_point(HWND box, int index) {
    const auto height = static_cast<int>(SendMessageW(box, CB_GETITEMHEIGHT, 0, 0));
    return {30, index * height + height / 2};
  }

  static std::wstring item_text(HWND box, int index) {
    wchar_t buffer[64]{};
    SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    return buffer;
  }
};

TEST_F(ComboBoxTest, SetCurSelOutOfRangeLeavesNoSelectionAndNotifiesNobody) {
  HWND box = combo();
  forget_messages();
  struct Case {
    int index;
    LRESULT result;
    LRESULT selection;
  };
  const Case cases[] = {{2, 2, 2}, {-1, CB_ERR, -1}, {1, 1, 1}, {4, CB_ERR, -1}, {3, 3, 3}, {99, CB_ERR, -1}};
  for (const Case& test : cases) {
    EXPECT_EQ(SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(test.index), 0), test.result) << test.index;
    EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), test.selection) << test.index;
  }
  EXPECT_TRUE(notifications(box).empty());
}

TEST_F(ComboBoxTest, ClosedTheBoxIsAsHighAsItsField) {
  HWND box = combo();
  RECT window{};
  GetWindowRect(box, &window);
  EXPECT_LT(window.bottom - window.top, 40);
  EXPECT_EQ(window.right - window.left, 200);
}

TEST_F(ComboBoxTest, ChoosingInTheDropDownWithTheMouseTellsTheParent) {
  HWND box = combo();
  SendMessageW(box, CB_SETCURSEL, 0, 0);
  forget_messages();
  click_centre(box);
  EXPECT_EQ(notifications(box), (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN}));
  HWND list = drop_down_of(box);
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_TRUE(SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_NE(GetWindowLongPtrW(list, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  RECT box_rect{};
  RECT list_rect{};
  GetWindowRect(box, &box_rect);
  GetWindowRect(list, &list_rect);
  EXPECT_EQ(list_rect.top, box_rect.bottom);
  EXPECT_EQ(list_rect.left, box_rect.left);

  RECT item{};
  EXPECT_EQ(SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item)), LB_OKAY);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
  forget_messages();
  click(list, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  EXPECT_EQ(notifications(box), (std::vector<WORD>{CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
  EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), 2);
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(window_text(box), L"Française");
}

TEST_F(ComboBoxTest, PressDragAndReleaseChoosesInOneGesture) {
  HWND box = combo();
  click_centre(box);  // opens; the release over the box leaves it open
  HWND list = drop_down_of(box);
  ASSERT_TRUE(IsWindowVisible(list));
  forget_messages();
  click_centre(box);  // closes without a choice
  EXPECT_EQ(notifications(box), (std::vector<WORD>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
  EXPECT_FALSE(IsWindowVisible(list));

  move(box, {100, 10});
  press();
  ASSERT_TRUE(IsWindowVisible(list));
  move(list, item_point(box, 3));
  release();
  EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), 3);
  EXPECT_FALSE(IsWindowVisible(list));
}

TEST_F(ComboBoxTest, APressOutsideTheOpenListClosesItWithoutAChoice) {
  HWND box = combo();
  SendMessageW(box, CB_SETCURSEL, 1, 0);
  click_centre(box);
  forget_messages();
  click(host, {500, 350});
  EXPECT_EQ(notifications(box), (std::vector<WORD>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
  EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), 1);
  EXPECT_FALSE(SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0));
}

TEST_F(ComboBoxTest, AParentMayDestroyTheBoxWhileHearingOfTheChoice) {
  HWND box = combo();
  MessageLog::handler() = [&](HWND, UINT message, WPARAM wParam, LPARAM, LRESULT&) {
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELENDOK) DestroyWindow(box);
    return false;
  };
  click_centre(box);
  HWND list = drop_down_of(box);
  ASSERT_NE(list, nullptr);
  click(list, item_point(box, 1));
  EXPECT_FALSE(IsWindow(box));
  EXPECT_FALSE(IsWindow(list));
}

TEST_F(ComboBoxTest, ArrowKeysChooseTheNextItem) {
  HWND box = combo();
  SetFocus(box);
  forget_messages();
  key(VK_DOWN);  // from no selection to the first item
  key(VK_DOWN);
  key(VK_UP);
  EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(notifications(box), (std::vector<WORD>{CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELCHANGE}));
  key(VK_F4);
  EXPECT_TRUE(SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0));
  key(VK_DOWN);
  key(VK_RETURN);
  EXPECT_FALSE(SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), 1);
}

TEST_F(ComboBoxTest, ShowDropDownFromCodeOpensAndClosesTheList) {
  HWND box = combo();
  forget_messages();
  SendMessageW(box, CB_SHOWDROPDOWN, TRUE, 0);
  EXPECT_TRUE(IsWindowVisible(drop_down_of(box)));
  SendMessageW(box, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_FALSE(IsWindowVisible(drop_down_of(box)));
  EXPECT_EQ(notifications(box), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, ItemsAreFoundAddedAndRemovedAsTheListSays) {
  HWND box = combo(CBS_DROPDOWNLIST, {L"guereins", L"Moon", L"ocean"});
  EXPECT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"MOON")),
            1);
  EXPECT_EQ(SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Mo")),
            CB_ERR);
  EXPECT_EQ(SendMessageW(box, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Mo")), 1);
  // The search starts after the given index and wraps round.
  EXPECT_EQ(SendMessageW(box, CB_FINDSTRINGEXACT, 1, reinterpret_cast<LPARAM>(L"moon")), 1);
  EXPECT_EQ(SendMessageW(box, CB_INSERTSTRING, 1, reinterpret_cast<LPARAM>(L"Mars")), 1);
  EXPECT_EQ(SendMessageW(box, CB_INSERTSTRING, 9, reinterpret_cast<LPARAM>(L"Pluto")), CB_ERR);
  EXPECT_EQ(item_text(box, 1), L"Mars");
  EXPECT_EQ(SendMessageW(box, CB_GETLBTEXTLEN, 2, 0), 4);
  EXPECT_EQ(SendMessageW(box, CB_GETLBTEXT, 7, reinterpret_cast<LPARAM>(L"")), CB_ERR);
  SendMessageW(box, CB_SETITEMDATA, 3, 42);
  EXPECT_EQ(SendMessageW(box, CB_GETITEMDATA, 3, 0), 42);
  SendMessageW(box, CB_SETCURSEL, 3, 0);
  SendMessageW(box, CB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(ComboBoxTest, ASortedListKeepsItsItemsInOrder) {
  HWND box = combo(CBS_DROPDOWNLIST | CBS_SORT, {L"Venus", L"earth", L"Mars"});
  EXPECT_EQ(item_text(box, 0), L"earth");
  EXPECT_EQ(item_text(box, 1), L"Mars");
  EXPECT_EQ(item_text(box, 2), L"Venus");
}

TEST_F(ComboBoxTest, AnOwnerDrawnBoxIsMeasuredAndDrawnByItsParent) {
  OwnerDrawing owner;
  own_items(owner, 18);
  const std::vector<UINT>& measured = owner.measured;
  std::vector<DRAWITEMSTRUCT>& drawn = owner.drawn;
  HWND box = combo(CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, {});
  EXPECT_EQ(measured, (std::vector<UINT>{static_cast<UINT>(-1), 0}));
  EXPECT_EQ(SendMessageW(box, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 18);
  EXPECT_EQ(SendMessageW(box, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 15), CB_OKAY);
  RECT window{};
  GetWindowRect(box, &window);
  EXPECT_EQ(window.bottom - window.top, 15 + 6);
  // Without strings, an item is the value given.
  SendMessageW(box, CB_ADDSTRING, 0, 0xFF0000);
  SendMessageW(box, CB_SETCURSEL, 0, 0);
  drawn.clear();
  UpdateWindow(box);
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().CtlType, ODT_COMBOBOX);
  EXPECT_EQ(drawn.back().itemID, 0u);
  EXPECT_EQ(drawn.back().itemData, 0xFF0000u);
  EXPECT_NE(drawn.back().itemState & ODS_COMBOBOXEDIT, 0u);
  EXPECT_EQ(drawn.back().hwndItem, box);
}

}  // namespace
