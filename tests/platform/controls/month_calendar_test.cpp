#include <gtest/gtest.h>

#include "platform/win/controls/calendar_dates.h"
#include "tests/platform/controls/controls_fixture.h"

namespace {

using controls::CalendarDate;

TEST(CalendarDatesTest, APageOpensWithDaysOfTheMonthBeforeInWeeksOfTheFirstWeekday) {
  struct Case {
    int year;
    int month;
    int first_weekday;
    CalendarDate first_shown;
  };
  const Case cases[] = {
      {2026, 1, 1, {2025, 12, 29}},  // the 1st is a Thursday; weeks from Monday
      {2026, 1, 0, {2025, 12, 28}},  // from Sunday
      {2026, 6, 1, {2026, 5, 25}},   // the 1st is a Monday: a whole week of May first
      {2024, 3, 5, {2024, 2, 23}},   // from Friday, the 1st itself a Friday
  };
  for (const Case& c : cases)
    EXPECT_EQ(controls::first_shown_day(c.year, c.month, c.first_weekday), c.first_shown)
        << c.year << "-" << c.month << " from " << c.first_weekday;
}

TEST(CalendarDatesTest, MonthsAddedKeepTheDayWithinTheMonthAndDaysCrossYears) {
  EXPECT_EQ(controls::add_months({2026, 1, 31}, 1), (CalendarDate{2026, 2, 28}));
  EXPECT_EQ(controls::add_months({2024, 2, 29}, 12), (CalendarDate{2025, 2, 28}));
  EXPECT_EQ(controls::add_months({2026, 1, 15}, -13), (CalendarDate{2024, 12, 15}));
  EXPECT_EQ(controls::add_days({2025, 12, 31}, 1), (CalendarDate{2026, 1, 1}));
  EXPECT_EQ(controls::add_days({2024, 3, 1}, -1), (CalendarDate{2024, 2, 29}));
  EXPECT_EQ(controls::day_serial({1601, 1, 1}), 0);
  EXPECT_EQ(controls::date_of_serial(controls::day_serial({9999, 12, 31})), (CalendarDate{9999, 12, 31}));
  EXPECT_EQ(controls::within_calendar({1500, 6, 1}), controls::kFirstCalendarDate);
}

class MonthCalendarTest : public ControlsTest {
 protected:
  explicit MonthCalendarTest(desktop::DesktopConfig config = {}) : ControlsTest(std::move(config)) {
    MessageLog::handler() = [this](HWND hwnd, UINT message, WPARAM, LPARAM lParam, LRESULT&) {
      if (hwnd != host || message != WM_NOTIFY) return false;
      const auto* change = reinterpret_cast<NMSELCHANGE*>(lParam);
      if (change->nmhdr.code == MCN_SELCHANGE || change->nmhdr.code == MCN_SELECT)
        heard.push_back({change->nmhdr.code, controls::date_of(change->stSelStart)});
      return false;
    };
  }

  HWND calendar(DWORD style = WS_TABSTOP) { return make(MONTHCAL_CLASSW, L"", style, {10, 10, 250, 210}); }

  static MCGRIDINFO part(HWND calendar, DWORD which, int row = 0, int column = 0) {
    MCGRIDINFO info{};
    info.cbSize = sizeof(info);
    info.dwPart = which;
    info.dwFlags = MCGIF_RECT | MCGIF_DATE;
    info.iRow = row;
    info.iCol = column;
    EXPECT_TRUE(SendMessageW(calendar, MCM_GETCALENDARGRIDINFO, 0, reinterpret_cast<LPARAM>(&info)));
    return info;
  }

  void click_part(HWND calendar, DWORD which, int row = 0, int column = 0) {
    const RECT rect = part(calendar, which, row, column).rc;
    click(calendar, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
  }

  static CalendarDate selection(HWND calendar) {
    SYSTEMTIME time{};
    EXPECT_TRUE(SendMessageW(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&time)));
    return controls::date_of(time);
  }

  static void select(HWND calendar, CalendarDate date) {
    SYSTEMTIME time = controls::system_time_of(date);
    ASSERT_TRUE(SendMessageW(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&time)));
  }

  // The month on the page, as its first day.
  static CalendarDate page(HWND calendar) {
    return controls::date_of(part(calendar, MCGIP_CALENDAR).stStart);
  }

  // How many pixels of a colour a rectangle of the calendar holds.
  static int count_of(HWND calendar, const RECT& rect, COLORREF colour) {
    int found = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x)
        found += pixel(calendar, x, y) == colour ? 1 : 0;
    return found;
  }

  struct Heard {
    UINT code;
    CalendarDate date;
    bool operator==(const Heard&) const = default;
  };
  std::vector<Heard> heard;
};

TEST_F(MonthCalendarTest, TodaysMonthOpensSelectedInWeeksFromTheLocalesFirstDay) {
  HWND shown = calendar();
  // The desktop's clock starts on 1 January 2026, a Thursday; its locale's weeks begin on Monday.
  EXPECT_EQ(selection(shown), (CalendarDate{2026, 1, 1}));
  SYSTEMTIME today{};
  ASSERT_TRUE(SendMessageW(shown, MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(&today)));
  EXPECT_EQ(controls::date_of(today), (CalendarDate{2026, 1, 1}));
  EXPECT_EQ(SendMessageW(shown, MCM_GETFIRSTDAYOFWEEK, 0, 0), 0);
  EXPECT_EQ(controls::date_of(part(shown, MCGIP_CALENDARCELL, 0, 0).stStart), (CalendarDate{2025, 12, 29}));
  EXPECT_EQ(controls::date_of(part(shown, MCGIP_CALENDARCELL, 0, 3).stStart), (CalendarDate{2026, 1, 1}));
  EXPECT_EQ(controls::date_of(part(shown, MCGIP_CALENDARCELL, 5, 6).stStart), (CalendarDate{2026, 2, 8}));
  EXPECT_TRUE(part(shown, MCGIP_CALENDARCELL, 0, 3).bSelected);
  wchar_t title[32]{};
  MCGRIDINFO header{};
  header.cbSize = sizeof(header);
  header.dwPart = MCGIP_CALENDAR;
  header.dwFlags = MCGIF_NAME;
  header.pszName = title;
  header.cchName = 32;
  SendMessageW(shown, MCM_GETCALENDARGRIDINFO, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_STREQ(title, L"January 2026");
  EXPECT_TRUE(heard.empty());
}

desktop::DesktopConfig weeks_from_sunday() {
  desktop::DesktopConfig config;
  config.locale.first_day_of_week = 6;
  return config;
}

class SundayFirstCalendarTest : public MonthCalendarTest {
 protected:
  SundayFirstCalendarTest() : MonthCalendarTest(weeks_from_sunday()) {}
};

TEST_F(SundayFirstCalendarTest, WeeksBeginOnSundayWhenTheLocaleSaysSo) {
  HWND shown = calendar();
  EXPECT_EQ(SendMessageW(shown, MCM_GETFIRSTDAYOFWEEK, 0, 0), 6);
  EXPECT_EQ(controls::date_of(part(shown, MCGIP_CALENDARCELL, 0, 0).stStart), (CalendarDate{2025, 12, 28}));
  EXPECT_EQ(controls::date_of(part(shown, MCGIP_CALENDARCELL, 0, 4).stStart), (CalendarDate{2026, 1, 1}));
}

TEST_F(MonthCalendarTest, AClickSelectsADayAndTellsTheParentSelchangeThenSelect) {
  HWND shown = calendar();
  click_part(shown, MCGIP_CALENDARCELL, 2, 3);  // Thursday 15 January
  EXPECT_EQ(GetFocus(), shown);
  EXPECT_EQ(selection(shown), (CalendarDate{2026, 1, 15}));
  EXPECT_EQ(heard, (std::vector<Heard>{{MCN_SELCHANGE, {2026, 1, 15}}, {MCN_SELECT, {2026, 1, 15}}}));
  heard.clear();
  click_part(shown, MCGIP_CALENDARCELL, 2, 3);  // the same day again: chosen, not changed
  EXPECT_EQ(heard, (std::vector<Heard>{{MCN_SELECT, {2026, 1, 15}}}));
  heard.clear();
  click_part(shown, MCGIP_CALENDARCELL, 5, 0);  // Monday 2 February, after the month
  EXPECT_EQ(selection(shown), (CalendarDate{2026, 2, 2}));
  EXPECT_EQ(page(shown), (CalendarDate{2026, 2, 1}));
  EXPECT_EQ(heard, (std::vector<Heard>{{MCN_SELCHANGE, {2026, 2, 2}}, {MCN_SELECT, {2026, 2, 2}}}));
}

TEST_F(MonthCalendarTest, ADragAcrossTheDaysFollowsTheButtonAndTheLiftChooses) {
  HWND shown = calendar();
  const RECT first = part(shown, MCGIP_CALENDARCELL, 1, 0).rc;   // Monday 5 January
  const RECT second = part(shown, MCGIP_CALENDARCELL, 1, 2).rc;  // Wednesday 7 January
  move(shown, {(first.left + first.right) / 2, (first.top + first.bottom) / 2});
  press();
  move(shown, {(second.left + second.right) / 2, (second.top + second.bottom) / 2});
  release();
  EXPECT_EQ(heard,
            (std::vector<Heard>{
                {MCN_SELCHANGE, {2026, 1, 5}}, {MCN_SELCHANGE, {2026, 1, 7}}, {MCN_SELECT, {2026, 1, 7}}}));
}

TEST_F(MonthCalendarTest, PreviousAndNextTurnThePageAndTakeTheSelectionAlong) {
  HWND shown = calendar();
  select(shown, {2026, 1, 31});
  EXPECT_TRUE(heard.empty());  // code setting the selection is not a change the parent hears of
  struct Case {
    DWORD arrow;
    CalendarDate selected;
  };
  const Case cases[] = {
      {MCGIP_NEXT, {2026, 2, 28}},
      {MCGIP_PREV, {2026, 1, 28}},
      {MCGIP_PREV, {2025, 12, 28}},
  };
  for (const Case& c : cases) {
    heard.clear();
    click_part(shown, c.arrow);
    EXPECT_EQ(selection(shown), c.selected);
    EXPECT_EQ(page(shown), (CalendarDate{c.selected.year, c.selected.month, 1}));
    EXPECT_EQ(heard, (std::vector<Heard>{{MCN_SELCHANGE, c.selected}}));
  }
}

TEST_F(MonthCalendarTest, WithNoSelChangeOnNavTheArrowsTurnOnlyThePage) {
  HWND shown = calendar(MCS_NOSELCHANGEONNAV);
  click_part(shown, MCGIP_NEXT);
  click_part(shown, MCGIP_NEXT);
  EXPECT_EQ(page(shown), (CalendarDate{2026, 3, 1}));
  EXPECT_EQ(selection(shown), (CalendarDate{2026, 1, 1}));
  EXPECT_TRUE(heard.empty());
}

TEST_F(MonthCalendarTest, KeysMoveTheSelectionByDaysWeeksAndMonths) {
  HWND shown = calendar();
  click_part(shown, MCGIP_CALENDARCELL, 0, 3);  // 1 January, already selected
  struct Case {
    WORD key;
    CalendarDate selected;
  };
  const Case cases[] = {
      {VK_RIGHT, {2026, 1, 2}}, {VK_DOWN, {2026, 1, 9}}, {VK_LEFT, {2026, 1, 8}},
      {VK_UP, {2026, 1, 1}},    {VK_UP, {2025, 12, 25}}, {VK_NEXT, {2026, 1, 25}},
      {VK_END, {2026, 1, 31}},  {VK_HOME, {2026, 1, 1}}, {VK_PRIOR, {2025, 12, 1}},
  };
  for (const Case& c : cases) {
    heard.clear();
    key(c.key);
    EXPECT_EQ(selection(shown), c.selected) << c.key;
    EXPECT_EQ(page(shown), (CalendarDate{c.selected.year, c.selected.month, 1})) << c.key;
    EXPECT_EQ(heard, (std::vector<Heard>{{MCN_SELCHANGE, c.selected}, {MCN_SELECT, c.selected}})) << c.key;
  }
}

TEST_F(MonthCalendarTest, TheTextColourTodaysMarkAndTheDisabledLook) {
  HWND shown = calendar();
  const COLORREF blue = RGB(20, 0, 255);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(shown, MCM_SETCOLOR, MCSC_TEXT, blue)),
            GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(shown, MCM_GETCOLOR, MCSC_TEXT, 0)), blue);
  select(shown, {2026, 1, 20});
  const RECT today = part(shown, MCGIP_CALENDARCELL, 0, 3).rc;
  const RECT selected = part(shown, MCGIP_CALENDARCELL, 3, 1).rc;
  const RECT ninth = part(shown, MCGIP_CALENDARCELL, 1, 4).rc;
  EXPECT_GT(count_of(shown, today, RGB(255, 0, 0)), 10);
  EXPECT_GT(count_of(shown, ninth, blue), 0);
  EXPECT_GT(count_of(shown, selected, GetSysColor(COLOR_HIGHLIGHT)), 100);
  const RECT title = part(shown, MCGIP_CALENDARHEADER).rc;
  EXPECT_EQ(pixel(shown, title.left + 30, title.top + 2), GetSysColor(COLOR_ACTIVECAPTION));

  EnableWindow(shown, FALSE);
  pump();
  EXPECT_EQ(count_of(shown, ninth, blue), 0);
  EXPECT_GT(count_of(shown, ninth, GetSysColor(COLOR_GRAYTEXT)), 0);
  EXPECT_EQ(count_of(shown, selected, GetSysColor(COLOR_HIGHLIGHT)), 0);
  EXPECT_EQ(count_of(shown, today, RGB(255, 0, 0)), 0);
  EXPECT_EQ(pixel(shown, title.left + 30, title.top + 2), GetSysColor(COLOR_BTNFACE));
}

TEST_F(MonthCalendarTest, WithoutTodayNeitherTheMarkNorTheFooterShows) {
  HWND plain = calendar(MCS_NOTODAY | MCS_NOTODAYCIRCLE);
  select(plain, {2026, 1, 20});
  EXPECT_EQ(count_of(plain, part(plain, MCGIP_CALENDARCELL, 0, 3).rc, RGB(255, 0, 0)), 0);
  EXPECT_EQ(part(plain, MCGIP_FOOTER).rc.bottom - part(plain, MCGIP_FOOTER).rc.top, 0);
}

TEST_F(MonthCalendarTest, TheTodayFooterSelectsTodayAndHitTestingNamesTheParts) {
  HWND shown = calendar();
  select(shown, {2026, 3, 10});
  click_part(shown, MCGIP_FOOTER);
  EXPECT_EQ(selection(shown), (CalendarDate{2026, 1, 1}));
  EXPECT_EQ(heard, (std::vector<Heard>{{MCN_SELCHANGE, {2026, 1, 1}}, {MCN_SELECT, {2026, 1, 1}}}));
  const auto hit_at = [shown](const RECT& rect) {
    MCHITTESTINFO info{};
    info.cbSize = sizeof(info);
    info.pt = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    SendMessageW(shown, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    return info;
  };
  EXPECT_EQ(hit_at(part(shown, MCGIP_PREV).rc).uHit, MCHT_TITLEBTNPREV);
  EXPECT_EQ(hit_at(part(shown, MCGIP_NEXT).rc).uHit, MCHT_TITLEBTNNEXT);
  const MCHITTESTINFO day = hit_at(part(shown, MCGIP_CALENDARCELL, 2, 4).rc);
  EXPECT_EQ(day.uHit, MCHT_CALENDARDATE);
  EXPECT_EQ(controls::date_of(day.st), (CalendarDate{2026, 1, 16}));
  EXPECT_EQ(hit_at(part(shown, MCGIP_CALENDARCELL, 0, 0).rc).uHit, MCHT_CALENDARDATEPREV);
}

}  // namespace
