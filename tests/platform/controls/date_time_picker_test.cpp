#include "tests/platform/controls/controls_fixture.h"

#include "platform/win/controls/date_time_fields.h"

namespace {

class DateTimePickerTest : public ControlsTest {
 protected:
  DateTimePickerTest() {
    MessageLog::handler() = [this](HWND hwnd, UINT message, WPARAM, LPARAM lParam, LRESULT&) {
      if (hwnd != host || message != WM_NOTIFY) return false;
      const auto* header = reinterpret_cast<NMHDR*>(lParam);
      codes.push_back(header->code);
      if (header->code == DTN_DATETIMECHANGE)
        changes.push_back(reinterpret_cast<NMDATETIMECHANGE*>(lParam)->st);
      return false;
    };
  }

  HWND time_picker(WORD hour = 9, WORD minute = 5, WORD second = 0) {
    HWND made = make(DATETIMEPICK_CLASSW, L"", DTS_TIMEFORMAT | WS_TABSTOP, {20, 20, 140, 44});
    set(made, hour, minute, second);
    return made;
  }

  static void set(HWND picker, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME time{2024, 3, 0, 30, hour, minute, second, 0};
    ASSERT_TRUE(SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)));
  }

  static SYSTEMTIME time_of(HWND picker) {
    SYSTEMTIME time{};
    EXPECT_EQ(SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)),
              static_cast<LRESULT>(GDT_VALID));
    return time;
  }

  // The middle of the field that follows a shown prefix such as "09:".
  static POINT field_after(HWND picker, const wchar_t* prefix) {
    HDC dc = GetDC(picker);
    SIZE before{};
    GetTextExtentPoint32W(dc, prefix, static_cast<int>(wcslen(prefix)), &before);
    SIZE field{};
    GetTextExtentPoint32W(dc, L"00", 2, &field);
    ReleaseDC(picker, dc);
    return {3 + before.cx + field.cx / 2, 12};
  }

  std::vector<UINT> codes;
  std::vector<SYSTEMTIME> changes;
};

TEST_F(DateTimePickerTest, TheTimeFormatShowsHoursMinutesAndSecondsAsItsText) {
  HWND picker = time_picker(7, 3, 9);
  EXPECT_EQ(window_text(picker), L"07:03:09");
  EXPECT_EQ(GetWindowTextLengthW(picker), 8);
  SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"H' h 'mm"));
  EXPECT_EQ(window_text(picker), L"7 h 03");
  SYSTEMTIME impossible{2024, 3, 0, 30, 25, 0, 0, 0};
  EXPECT_FALSE(SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&impossible)));
  EXPECT_EQ(time_of(picker).wHour, 7);
  EXPECT_TRUE(changes.empty());  // code setting the time is not a change the parent hears of
}

TEST_F(DateTimePickerTest, KeysStepAndChooseFieldsAndTellTheParentEachChange) {
  HWND picker = time_picker(23, 0, 59);
  click(picker, field_after(picker, L""));
  ASSERT_EQ(GetFocus(), picker);
  struct Case {
    WORD key;
    const wchar_t* shown;
    bool change;
  };
  const Case cases[] = {
      {VK_UP, L"00:00:59", true},    {VK_DOWN, L"23:00:59", true},   {VK_RIGHT, L"23:00:59", false},
      {VK_DOWN, L"23:59:59", true},  {VK_HOME, L"23:00:59", true},   {VK_RIGHT, L"23:00:59", false},
      {VK_UP, L"23:00:00", true},    {VK_RIGHT, L"23:00:00", false}, {VK_UP, L"23:00:01", true},
      {VK_LEFT, L"23:00:01", false}, {VK_END, L"23:59:01", true},
  };
  for (const Case& test : cases) {
    changes.clear();
    key(test.key);
    EXPECT_EQ(window_text(picker), test.shown) << test.key;
    ASSERT_EQ(changes.size(), test.change ? 1u : 0u) << test.key;
    if (test.change)
      EXPECT_EQ(controls::date_time_text(controls::parse_date_time_format(L"HH:mm:ss"), changes[0]),
                test.shown);
  }
}

TEST_F(DateTimePickerTest, TypedDigitsFillEachFieldAndMoveOn) {
  HWND picker = time_picker();
  click(picker, field_after(picker, L""));
  type(L"123045");
  EXPECT_EQ(window_text(picker), L"12:30:45");
  EXPECT_EQ(changes.size(), 6u);
  click(picker, field_after(picker, L""));
  type(L"7");  // no hour begins with 7 and a second digit: the minutes come next
  type(L"8");  // nor with 8 among the minutes
  EXPECT_EQ(window_text(picker), L"07:08:45");
  type(L"99");  // each 9 fills the seconds alone, since no second begins with 9
  EXPECT_EQ(window_text(picker), L"07:08:09");
}

TEST_F(DateTimePickerTest, TheMouseChoosesAFieldAndTheArrowsStepIt) {
  HWND picker = time_picker(9, 5, 0);
  click(picker, field_after(picker, L"09:"));
  EXPECT_EQ(codes.front(), NM_SETFOCUS);
  RECT client{};
  GetClientRect(picker, &client);
  changes.clear();
  click(picker, {client.right - 8, 4});  // the up arrow
  click(picker, {client.right - 8, 4});
  click(picker, {client.right - 8, client.bottom - 4});  // the down arrow
  EXPECT_EQ(window_text(picker), L"09:06:00");
  EXPECT_EQ(changes.size(), 3u);
  EXPECT_EQ(GetFocus(), picker);
}

TEST_F(DateTimePickerTest, ADisabledPickerIsGreyAndTheParentColoursAnEnabledOne) {
  HWND picker = time_picker();
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 200));
  MessageLog::handler() = [&](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_CTLCOLOREDIT) return false;
    result = reinterpret_cast<LRESULT>(blue);
    return true;
  };
  InvalidateRect(picker, nullptr, TRUE);
  EXPECT_EQ(pixel(picker, 60, 4), RGB(0, 0, 200));
  EnableWindow(picker, FALSE);
  EXPECT_EQ(pixel(picker, 60, 4), GetSysColor(COLOR_BTNFACE));
  MessageLog::handler() = nullptr;
  DeleteObject(blue);
}

TEST_F(DateTimePickerTest, DateFieldsKeepTheDayWithinTheMonth) {
  HWND picker = make(DATETIMEPICK_CLASSW, L"", DTS_SHORTDATEFORMAT | DTS_UPDOWN, {20, 20, 160, 44});
  SYSTEMTIME time{2024, 1, 0, 31, 0, 0, 0, 0};
  SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
  EXPECT_EQ(window_text(picker), L"31/01/2024");
  click(picker, field_after(picker, L"31/"));
  key(VK_UP);
  EXPECT_EQ(window_text(picker), L"29/02/2024");
  key(VK_LEFT);
  key(VK_UP);  // past the 29th of February comes the 1st
  EXPECT_EQ(window_text(picker), L"01/02/2024");
  EXPECT_EQ(time_of(picker).wDayOfWeek, 4);  // a Thursday
}

}  // namespace
