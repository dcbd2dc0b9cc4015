// The framework's wrappers of the standard controls, over the desktop's real controls.
#include <string>

#include "platform/afx/afx.h"
#include "tests/platform/controls/controls_fixture.h"

namespace {

class ControlWrappersTest : public ControlsTest {
 protected:
  ControlWrappersTest() {
    parent.CreateEx(0, nullptr, L"parent", WS_CHILD | WS_VISIBLE, {0, 0, 600, 400}, CWnd::FromHandle(host),
                    1);
  }
  ~ControlWrappersTest() override { parent.DestroyWindow(); }

  CWnd parent;
};

// Combo boxes and list boxes keep items the same way, through their own messages.
template <typename ListControl, typename TextOf>
void check_items(ListControl& control, TextOf text_of) {
  EXPECT_EQ(control.AddString(L"Mars"), 0);
  EXPECT_EQ(control.AddString(L"Venus"), 1);
  EXPECT_EQ(control.InsertString(0, L"Sun"), 0);
  EXPECT_EQ(control.GetCount(), 3);
  EXPECT_EQ(control.GetCurSel(), -1);
  EXPECT_EQ(control.SetCurSel(2), 2);
  EXPECT_EQ(control.GetCurSel(), 2);
  EXPECT_EQ(text_of(control, 2), L"Venus");
  EXPECT_EQ(text_of(control, 7), L"");
  EXPECT_EQ(control.FindStringExact(-1, L"mars"), 1);
  EXPECT_EQ(control.FindStringExact(-1, L"Pluto"), -1);
  EXPECT_EQ(control.SelectString(-1, L"Ma"), 1);
  control.SetItemData(1, 4242);
  EXPECT_EQ(control.GetItemData(1), 4242u);
  EXPECT_EQ(control.DeleteString(0), 2);
  EXPECT_EQ(text_of(control, 0), L"Mars");
  control.ResetContent();
  EXPECT_EQ(control.GetCount(), 0);
}

TEST_F(ControlWrappersTest, ComboBoxesAndListBoxesKeepTheirItems) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_HASSTRINGS, {10, 10, 200, 200}, &parent, 10));
  check_items(combo, [](CComboBox& c, int i) { return c.GetLBText(i); });
  CListBox list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY | LBS_HASSTRINGS, {210, 10, 400, 200}, &parent, 11));
  check_items(list, [](CListBox& l, int i) { return l.GetText(i); });
}

// An owner-drawn list control measures and draws its own items, through reflection from a
// parent that has a framework wrapper.
class MeasuredCombo : public CComboBox {
 public:
  void MeasureItem(LPMEASUREITEMSTRUCT measure) override {
    measure->itemHeight = 31;
    ++measured;
  }
  void DrawItem(LPDRAWITEMSTRUCT draw) override { drawn_ids.push_back(draw->itemID); }
  int measured = 0;
  std::vector<UINT> drawn_ids;
};

TEST_F(ControlWrappersTest, AnOwnerDrawnComboMeasuresAndDrawsItsOwnItems) {
  MeasuredCombo combo;
  ASSERT_TRUE(
      combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, {10, 10, 200, 200}, &parent, 10));
  combo.AddString(L"red");
  combo.SetCurSel(0);
  pump();
  EXPECT_GT(combo.measured, 0);
  EXPECT_EQ(combo.GetItemHeight(0), 31);
  EXPECT_FALSE(combo.drawn_ids.empty());
}

TEST_F(ControlWrappersTest, AnEditReplacesItsSelectionWithinItsLimit) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, {10, 10, 200, 40}, &parent, 12));
  edit.SetWindowText(L"Vega");
  edit.SetSel(1, 3);
  int start = 0;
  int end = 0;
  edit.GetSel(start, end);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 3);
  edit.ReplaceSel(L"x");
  EXPECT_EQ(edit.GetWindowText(), L"Vxa");
  edit.LimitText(5);
  EXPECT_EQ(edit.GetLimitText(), 5u);
  edit.SetSel(3, 3);
  edit.ReplaceSel(L"1234");
  EXPECT_EQ(edit.GetWindowText(), L"Vxa12");
  CRect format;
  edit.GetRect(&format);
  EXPECT_GT(format.Width(), 150);
  EXPECT_EQ(edit.GetLine(0), L"Vxa12");
  edit.SetReadOnly();
  EXPECT_NE(edit.GetStyle() & ES_READONLY, 0u);
}

TEST_F(ControlWrappersTest, ProgressBarsAndSlidersKeepTheirRangeAndPosition) {
  CProgressCtrl progress;
  ASSERT_TRUE(progress.Create(WS_VISIBLE | PBS_SMOOTH, {10, 10, 270, 35}, &parent, 4555));
  progress.SetRange32(0, 22500);
  progress.SetStep(1);
  EXPECT_EQ(progress.SetPos(2000), 0);
  EXPECT_EQ(progress.StepIt(), 2000);
  EXPECT_EQ(progress.GetPos(), 2001);
  int lower = -1;
  int upper = -1;
  progress.GetRange(lower, upper);
  EXPECT_EQ(lower, 0);
  EXPECT_EQ(upper, 22500);

  CSliderCtrl slider;
  ASSERT_TRUE(slider.Create(WS_VISIBLE, {10, 50, 260, 100}, &parent, 13));
  slider.SetRange(1, 12, TRUE);
  slider.SetPos(20);
  EXPECT_EQ(slider.GetPos(), 12);
  slider.SetPos(-3);
  EXPECT_EQ(slider.GetPos(), 1);
  slider.GetRange(lower, upper);
  EXPECT_EQ(lower, 1);
  EXPECT_EQ(upper, 12);
  slider.SetPageSize(3);
  EXPECT_EQ(slider.SetPageSize(4), 3);
}

TEST_F(ControlWrappersTest, ASpinButtonKeepsItsRangeAndShowsItsPositionInItsBuddy) {
  CEdit field;
  ASSERT_TRUE(field.Create(WS_VISIBLE | WS_BORDER, {10, 10, 90, 34}, &parent, 20));
  CSpinButtonCtrl spin;
  ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, {0, 0, 16, 10}, &parent, 21));
  EXPECT_EQ(spin.SetBuddy(&field), nullptr);
  EXPECT_EQ(spin.GetBuddy()->GetSafeHwnd(), field.GetSafeHwnd());
  spin.SetRange32(0, 355);
  int lower = -1;
  int upper = -1;
  spin.GetRange32(lower, upper);
  EXPECT_EQ(lower, 0);
  EXPECT_EQ(upper, 355);
  spin.SetRange(1, 15);
  spin.GetRange(lower, upper);
  EXPECT_EQ(lower, 1);
  EXPECT_EQ(upper, 15);
  EXPECT_EQ(spin.SetPos32(12), 1);
  EXPECT_EQ(window_text(field), L"12");
  EXPECT_EQ(spin.SetPos(40), 12);
  EXPECT_EQ(spin.GetPos32(), 15);
  UDACCEL steady{0, 5};
  EXPECT_TRUE(spin.SetAccel(1, &steady));
  UDACCEL read{};
  EXPECT_EQ(spin.GetAccel(1, &read), 1u);
  EXPECT_EQ(read.nInc, 5u);
  EXPECT_EQ(spin.SetBase(16), 10);
  EXPECT_EQ(spin.GetBase(), 16u);
}

TEST_F(ControlWrappersTest, ATimePickerShowsAndReturnsItsTime) {
  CDateTimeCtrl picker;
  ASSERT_TRUE(picker.Create(WS_VISIBLE | DTS_TIMEFORMAT, {10, 10, 130, 34}, &parent, 22));
  ASSERT_TRUE(picker.SetFormat(L"HH:mm:ss"));
  SYSTEMTIME noon{2024, 6, 0, 21, 12, 0, 7, 0};
  ASSERT_TRUE(picker.SetTime(&noon));
  EXPECT_EQ(window_text(picker), L"12:00:07");
  SYSTEMTIME read{};
  EXPECT_EQ(picker.GetTime(&read), GDT_VALID);
  EXPECT_EQ(read.wSecond, 7);
  EXPECT_EQ(read.wDay, 21);
}

TEST_F(ControlWrappersTest, AMonthCalendarKeepsItsSelectedDayColoursAndToday) {
  CMonthCalCtrl calendar;
  ASSERT_TRUE(calendar.Create(WS_VISIBLE, {10, 10, 250, 210}, &parent, 1706));
  SYSTEMTIME chosen{2031, 5, 0, 17, 0, 0, 0, 0};
  ASSERT_TRUE(calendar.SetCurSel(&chosen));
  SYSTEMTIME impossible{2031, 2, 0, 30, 0, 0, 0, 0};
  EXPECT_FALSE(calendar.SetCurSel(&impossible));
  SYSTEMTIME read{};
  ASSERT_TRUE(calendar.GetCurSel(&read));
  EXPECT_EQ(read.wYear, 2031);
  EXPECT_EQ(read.wMonth, 5);
  EXPECT_EQ(read.wDay, 17);
  EXPECT_EQ(read.wDayOfWeek, 6);  // a Saturday
  EXPECT_EQ(calendar.SetColor(MCSC_TEXT, RGB(20, 0, 255)), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(calendar.GetColor(MCSC_TEXT), RGB(20, 0, 255));
  SYSTEMTIME eve{2030, 12, 0, 31, 0, 0, 0, 0};
  calendar.SetToday(&eve);
  ASSERT_TRUE(calendar.GetToday(&read));
  EXPECT_EQ(read.wYear, 2030);
  calendar.SetToday(nullptr);
  ASSERT_TRUE(calendar.GetToday(&read));
  EXPECT_EQ(read.wYear, 2026);  // the desktop's clock
  RECT least{};
  ASSERT_TRUE(calendar.GetMinReqRect(&least));
  EXPECT_GT(least.right - least.left, 100);
  MCHITTESTINFO hit{};
  hit.cbSize = sizeof(hit);
  hit.pt = {(least.left + least.right) / 2, 5};
  EXPECT_EQ(calendar.HitTest(&hit), MCHT_TITLEBK);
}

TEST_F(ControlWrappersTest, AListControlKeepsRowsOfTextsAndWalksItsSelection) {
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, {10, 10, 410, 210}, &parent, 41125));
  EXPECT_EQ(list.InsertColumn(0, L"File name", LVCFMT_LEFT, 240), 0);
  EXPECT_EQ(list.InsertColumn(1, L"Size"), 1);
  EXPECT_TRUE(list.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER));
  EXPECT_EQ(list.GetColumnWidth(1), 400 - 240);  // the last column takes the rest
  ASSERT_NE(list.GetHeaderCtrl(), nullptr);
  EXPECT_EQ(list.InsertItem(0, L".."), 0);
  EXPECT_TRUE(list.SetItemText(0, 1, L"prev. folder"));
  EXPECT_EQ(list.InsertItem(1, L"(DIR) talks"), 1);
  EXPECT_EQ(list.GetItemText(0, 1), L"prev. folder");
  EXPECT_EQ(list.GetItemCount(), 2);
  list.SetItemData(1, 77);
  EXPECT_EQ(list.GetItemData(1), 77u);
  EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  POSITION position = list.GetFirstSelectedItemPosition();
  ASSERT_NE(position, nullptr);
  EXPECT_EQ(list.GetNextSelectedItem(position), 1);
  EXPECT_EQ(position, nullptr);
  list.SetBkColor(RGB(0, 0, 0));
  EXPECT_EQ(list.GetBkColor(), RGB(0, 0, 0));
  list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  EXPECT_EQ(list.GetExtendedStyle(), LVS_EX_FULLROWSELECT);
  EXPECT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ControlWrappersTest, AStaticHoldsItsBitmap) {
  CStatic picture;
  ASSERT_TRUE(picture.Create(L"", WS_VISIBLE | SS_BITMAP, {10, 10, 50, 50}, &parent, 14));
  HBITMAP bitmap = solid_bitmap(8, 8, RGB(1, 2, 3));
  EXPECT_EQ(picture.SetBitmap(bitmap), nullptr);
  EXPECT_EQ(picture.GetBitmap(), bitmap);
  EXPECT_EQ(pixel(picture, 2, 2), RGB(1, 2, 3));
  picture.DestroyWindow();
  DeleteObject(bitmap);
}

TEST_F(ControlWrappersTest, ATooltipShowsItsToolsTextForRelayedMessages) {
  CButton button;
  ASSERT_TRUE(button.Create(L"Sun", WS_VISIBLE | BS_PUSHBUTTON, {20, 20, 120, 60}, &parent, 15));
  CToolTipCtrl tip;
  ASSERT_TRUE(tip.Create(&parent));
  ASSERT_TRUE(tip.AddTool(&button, L"Find the Sun"));
  EXPECT_EQ(tip.GetToolCount(), 1);
  tip.UpdateTipText(L"Orbit around the Sun", &button);
  EXPECT_EQ(tip.GetText(&button), L"Orbit around the Sun");
  tip.SetDelayTime(TTDT_INITIAL, 300);
  EXPECT_EQ(tip.GetDelayTime(TTDT_INITIAL), 300);
  tip.Activate(TRUE);
  watcher() = [&tip](const MSG& msg) {
    MSG copy = msg;
    tip.RelayEvent(&copy);
  };
  move(button, {50, 20});
  wait(290);
  EXPECT_FALSE(tip.IsWindowVisible());
  wait(20);
  EXPECT_TRUE(tip.IsWindowVisible());
  tip.Activate(FALSE);
  EXPECT_FALSE(tip.IsWindowVisible());
  watcher() = nullptr;
  tip.DestroyWindow();
}

}  // namespace
