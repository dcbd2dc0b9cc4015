#include "tests/platform/controls/controls_fixture.h"

namespace {

// A notification the host heard from the list view: its code, the row and for state changes
// the new state.
struct Heard {
  UINT code;
  int item;
  UINT state;
};

bool operator==(const Heard& a, const Heard& b) {
  return a.code == b.code && a.item == b.item && a.state == b.state;
}

std::ostream& operator<<(std::ostream& out, const Heard& heard) {
  return out << "{" << static_cast<int>(heard.code) << "," << heard.item << "," << heard.state << "}";
}

constexpr UINT kChosen = LVIS_SELECTED | LVIS_FOCUSED;

class ListViewTest : public ControlsTest {
 protected:
  ListViewTest() {
    MessageLog::handler() = [this](HWND hwnd, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
      if (hwnd != host || message != WM_NOTIFY) return false;
      const auto* header = reinterpret_cast<NMHDR*>(lParam);
      const auto* change = reinterpret_cast<NMLISTVIEW*>(lParam);
      switch (header->code) {
        case LVN_ITEMCHANGING:
          heard.push_back({header->code, change->iItem, change->uNewState});
          result = refuse ? TRUE : FALSE;
          return true;
        case LVN_ITEMCHANGED:
          heard.push_back({header->code, change->iItem, change->uNewState});
          break;
        case NM_CLICK:
        case NM_DBLCLK:
          heard.push_back({header->code, reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem, 0});
          break;
        case LVN_COLUMNCLICK:
          heard.push_back({header->code, change->iSubItem, 0});
          break;
        default:
          break;
      }
      return false;
    };
  }

  // Folders and files with their sizes, as the PDF list shows them.
  HWND files(int rows = 3, DWORD extended = LVS_EX_FULLROWSELECT, int height = 200) {
    HWND made = make(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL | WS_BORDER, {10, 10, 410, 10 + height});
    SendMessageW(made, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    add_column(made, 0, L"File name", 240);
    add_column(made, 1, L"Size", 150);
    for (int row = 0; row < rows; ++row) {
      const std::wstring name = L"talk" + std::to_wstring(row) + L".pdf";
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = row;
      item.pszText = const_cast<wchar_t*>(name.c_str());
      EXPECT_EQ(SendMessageW(made, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)), row);
      const std::wstring size = std::to_wstring(row * 2) + L" KByte";
      item.iSubItem = 1;
      item.pszText = const_cast<wchar_t*>(size.c_str());
      SendMessageW(made, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    heard.clear();
    return made;
  }

  static void add_column(HWND list, int index, const wchar_t* caption, int width) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(caption);
    column.cx = width;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
  }

  static std::wstring text(HWND list, int row, int column) {
    wchar_t buffer[64]{};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return buffer;
  }

  static POINT row_point(HWND list, int row, int x = 40) {
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    return {x, (rect.top + rect.bottom) / 2};
  }

  static int selected(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }

  std::vector<Heard> heard;
  bool refuse = false;
};

TEST_F(ListViewTest, ColumnsHeadTheRowsAndEachRowKeepsItsSubItems) {
  HWND list = files();
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
  wchar_t caption[32]{};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_WIDTH;
  item.pszText = caption;
  item.cchTextMax = 32;
  SendMessageW(header, HDM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(caption, L"Size");
  EXPECT_EQ(item.cxy, 150);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(text(list, 2, 0), L"talk2.pdf");
  EXPECT_EQ(text(list, 2, 1), L"4 KByte");
  EXPECT_EQ(text(list, 7, 0), L"");
  SendMessageW(list, LVM_DELETEITEM, 0, 0);
  EXPECT_EQ(text(list, 0, 0), L"talk1.pdf");
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ListViewTest, TheHeaderKeepsToItsHeightInTheFontTheListIsGiven) {
  HWND list = files();
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  for (const int height : {-9, -20}) {
    HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                             L"MS Sans Serif");
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    RECT header_rect{};
    GetClientRect(header, &header_rect);
    RECT first{};
    first.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    EXPECT_EQ(header_rect.bottom, first.top) << height;
    SendMessageW(list, WM_SETFONT, 0, FALSE);
    DeleteObject(font);
  }
}

TEST_F(ListViewTest, AClickSelectsTheRowAndTheParentHearsTheChangesThenTheClick) {
  HWND list = files();
  click(list, row_point(list, 1, 300));  // on the size, with full-row selection
  EXPECT_EQ(heard, (std::vector<Heard>{
                       {LVN_ITEMCHANGING, 1, kChosen}, {LVN_ITEMCHANGED, 1, kChosen}, {NM_CLICK, 1, 0}}));
  EXPECT_EQ(GetFocus(), list);
  heard.clear();
  click(list, row_point(list, 2));
  EXPECT_EQ(heard, (std::vector<Heard>{{LVN_ITEMCHANGING, 1, 0},
                                       {LVN_ITEMCHANGED, 1, 0},
                                       {LVN_ITEMCHANGING, 2, kChosen},
                                       {LVN_ITEMCHANGED, 2, kChosen},
                                       {NM_CLICK, 2, 0}}));
  EXPECT_EQ(selected(list), 2);
  EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
  heard.clear();
  click(list, row_point(list, 2));  // the second click of a double-click
  EXPECT_EQ(heard, (std::vector<Heard>{{NM_DBLCLK, 2, 0}}));
}

TEST_F(ListViewTest, WithoutFullRowSelectionOnlyTheItemsTextSelects) {
  HWND list = files(3, 0);
  click(list, row_point(list, 0, 300));
  EXPECT_EQ(selected(list), -1);
  EXPECT_EQ(heard, (std::vector<Heard>{{NM_CLICK, -1, 0}}));
  click(list, row_point(list, 0, 20));
  EXPECT_EQ(selected(list), 0);
  wait(1000);
  click(list, row_point(list, 0, 300));  // a press beside every row clears the selection
  EXPECT_EQ(selected(list), -1);
}

TEST_F(ListViewTest, ArrowKeysMoveTheSelectionAndScrollToIt) {
  HWND list = files(30, LVS_EX_FULLROWSELECT, 120);
  SetFocus(list);
  const int page = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
  ASSERT_GT(page, 2);
  ASSERT_LT(page, 30);
  struct Case {
    WORD key;
    int selected;
    int top;
  };
  const Case cases[] = {
      {VK_DOWN, 0, 0},        {VK_DOWN, 1, 0}, {VK_END, 29, 30 - page},
      {VK_UP, 28, 30 - page}, {VK_HOME, 0, 0}, {VK_NEXT, page - 1, 0},
  };
  for (const Case& test : cases) {
    key(test.key);
    EXPECT_EQ(selected(list), test.selected) << test.key;
    EXPECT_EQ(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), test.top) << test.key;
  }
}

TEST_F(ListViewTest, TheStripAtTheRightScrollsTheRowsThatDoNotFit) {
  HWND list = files(30, LVS_EX_FULLROWSELECT, 120);
  RECT client{};
  GetClientRect(list, &client);
  click(list, {client.right - 8, client.bottom - 8});  // the down arrow
  EXPECT_EQ(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), 1);
  EXPECT_EQ(selected(list), -1);
  click(list, row_point(list, 1));
  EXPECT_EQ(selected(list), 1);
}

TEST_F(ListViewTest, AParentThatRefusesTheChangeKeepsTheRowUnselected) {
  HWND list = files();
  refuse = true;
  click(list, row_point(list, 1));
  EXPECT_EQ(selected(list), -1);
  EXPECT_EQ(heard.front(), (Heard{LVN_ITEMCHANGING, 1, kChosen}));
  EXPECT_EQ(heard.back(), (Heard{NM_CLICK, 1, 0}));
}

TEST_F(ListViewTest, TheBackgroundAndTextColoursAreTheListsOwn) {
  HWND list = files(1);
  SendMessageW(list, LVM_SETBKCOLOR, 0, RGB(0, 0, 0));
  SendMessageW(list, LVM_SETTEXTCOLOR, 0, RGB(93, 0, 0));
  EXPECT_EQ(SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0), RGB(93, 0, 0));
  EXPECT_EQ(pixel(list, 200, 150), RGB(0, 0, 0));
  const std::vector<COLORREF> shown = pixels(list);
  EXPECT_NE(std::find(shown.begin(), shown.end(), RGB(93, 0, 0)), shown.end());
}

TEST_F(ListViewTest, AClickOnAColumnCaptionTellsTheParentWhichColumn) {
  HWND list = files();
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  click(header, {300, 5});
  EXPECT_EQ(heard, (std::vector<Heard>{{LVN_COLUMNCLICK, 1, 0}}));
}

}  // namespace
