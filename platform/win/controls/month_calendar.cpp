// The "SysMonthCal32" class: one month as a grid of weeks that begin on the locale's first day of
// the week, under a title with the previous and next arrows, and today's date in the footer.
// A click or the keyboard selects a day; every change of the selection reaches the parent as
// MCN_SELCHANGE, and a day the user chose as MCN_SELECT after it. The arrows turn the page and
// take the selection along (MCS_NOSELCHANGEONNAV leaves it). Colours come from MCM_SETCOLOR.
#include <algorithm>
#include <array>
#include <cwchar>
#include <optional>
#include <string>
#include <utility>

#include "platform/win/controls/calendar_dates.h"
#include "platform/win/controls/control_glyphs.h"
#include "platform/win/controls/control_procedures.h"
#include "platform/win/controls/control_support.h"
#include "platform/win/controls/date_time_fields.h"
#include "platform/win/locale_api.h"
#include "platform/win/mouse_api.h"

namespace controls {

namespace {

constexpr int kWeeks = 6;
constexpr int kDaysInWeek = 7;
constexpr int kMargin = 4;
constexpr int kCellPadding = 10;
constexpr COLORREF kTodayColour = RGB(255, 0, 0);

std::wstring locale_text(DWORD type, const wchar_t* fallback) {
  wchar_t text[80]{};
  return GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 80) > 0 ? std::wstring(text)
                                                                 : std::wstring(fallback);
}

// Where everything is, from the font's measures.
struct Layout {
  RECT title{};
  RECT prev{};
  RECT next{};
  RECT names{};
  RECT body{};
  RECT footer{};
  RECT whole{};
  int cell_width = 0;
  int cell_height = 0;

  RECT cell(int row, int column) const {
    const int left = body.left + column * cell_width;
    const int top = body.top + row * cell_height;
    return {left, top, left + cell_width, top + cell_height};
  }
};

struct Hit {
  UINT what = MCHT_NOWHERE;
  std::optional<CalendarDate> date;
  int row = -1;
  int column = -1;
};

bool inside(const RECT& rect, POINT point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

class MonthCalendar {
 public:
  explicit MonthCalendar(HWND hwnd) : hwnd_(hwnd) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    today_ = within_calendar(date_of(now));
    selected_ = today_;
    shown_ = {today_.year, today_.month, 1};
    // The locale counts 0 Monday to 6 Sunday; the calendar's weekdays count from Sunday.
    const long monday_based = std::wcstol(locale_text(LOCALE_IFIRSTDAYOFWEEK, L"0").c_str(), nullptr, 10);
    first_weekday_ = static_cast<int>((std::clamp(monday_based, 0L, 6L) + 1) % kDaysInWeek);
    colours_ = {GetSysColor(COLOR_WINDOW),        GetSysColor(COLOR_WINDOWTEXT),
                GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_CAPTIONTEXT),
                GetSysColor(COLOR_WINDOW),        GetSysColor(COLOR_GRAYTEXT)};
  }

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT font_result = 0;
    if (font_.handle(hwnd_, message, wParam, lParam, font_result)) return font_result;
    switch (message) {
      case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        paint();
        return 0;
      case WM_SIZE:
      case WM_ENABLE:
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        press(point_of(lParam));
        return 0;
      case WM_MOUSEMOVE:
        if (choosing_) drag(point_of(lParam));
        return 0;
      case WM_LBUTTONUP:
        lift();
        return 0;
      case WM_CAPTURECHANGED:
        choosing_ = false;
        return 0;
      case WM_KEYDOWN:
        key_down(static_cast<UINT>(wParam));
        return 0;
      case MCM_GETCURSEL:
        if (lParam == 0) return FALSE;
        *reinterpret_cast<SYSTEMTIME*>(lParam) = system_time_of(selected_);
        return TRUE;
      case MCM_SETCURSEL:
        return set_selection(reinterpret_cast<const SYSTEMTIME*>(lParam));
      case MCM_SETCOLOR:
        return set_colour(static_cast<int>(wParam), static_cast<COLORREF>(lParam));
      case MCM_GETCOLOR:
        return wParam < colours_.size() ? static_cast<LRESULT>(colours_[wParam]) : static_cast<LRESULT>(-1);
      case MCM_SETTODAY:
        set_today(reinterpret_cast<const SYSTEMTIME*>(lParam));
        return 0;
      case MCM_GETTODAY:
        if (lParam == 0) return FALSE;
        *reinterpret_cast<SYSTEMTIME*>(lParam) = system_time_of(today_);
        return TRUE;
      case MCM_HITTEST:
        return hit_test_message(reinterpret_cast<MCHITTESTINFO*>(lParam));
      case MCM_GETMINREQRECT:
        if (lParam == 0) return FALSE;
        *reinterpret_cast<RECT*>(lParam) = minimum_rect();
        return TRUE;
      case MCM_GETFIRSTDAYOFWEEK:
        return (first_weekday_ + kDaysInWeek - 1) % kDaysInWeek;
      case MCM_GETCALENDARGRIDINFO:
        return grid_info(reinterpret_cast<MCGRIDINFO*>(lParam));
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  DWORD style() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
  bool enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

  Layout layout() const {
    HDC dc = GetDC(hwnd_);
    Layout made;
    {
      FontScope scope(dc, font_.font());
      made = layout_in(dc);
    }
    ReleaseDC(hwnd_, dc);
    return made;
  }

  Layout layout_in(HDC dc) const {
    Layout made;
    int widest = 0;
    for (int day = 0; day < kDaysInWeek; ++day)
      widest = std::max(widest, text_width(dc, day_name(day)));
    made.cell_width = std::max(widest, text_width(dc, L"00")) + kCellPadding;
    made.cell_height = line_height(dc) + 4;
    const int block_width = kDaysInWeek * made.cell_width + 2 * kMargin;
    const RECT client = client_rect(hwnd_);
    const int left = std::max(0, (static_cast<int>(client.right) - block_width) / 2);
    const int title_height = made.cell_height + 6;
    made.title = {left, 0, left + block_width, title_height};
    made.prev = {made.title.left, 0, made.title.left + title_height, title_height};
    made.next = {made.title.right - title_height, 0, made.title.right, title_height};
    made.names = {left + kMargin, made.title.bottom + 2, left + block_width - kMargin,
                  made.title.bottom + 2 + made.cell_height};
    made.body = {made.names.left, made.names.bottom + 2, made.names.right,
                 made.names.bottom + 2 + kWeeks * made.cell_height};
    const int footer_height = (style() & MCS_NOTODAY) ? 0 : made.cell_height;
    made.footer = {made.names.left, made.body.bottom + 2, made.names.right,
                   made.body.bottom + 2 + footer_height};
    made.whole = {left, 0, left + block_width, made.footer.bottom + kMargin};
    return made;
  }

  static int text_width(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
  }

  // The name over a column, its weekday counted from Sunday.
  std::wstring day_name(int column) const {
    const int weekday = (first_weekday_ + column) % kDaysInWeek;
    return locale_text(LOCALE_SSHORTESTDAYNAME1 + static_cast<DWORD>((weekday + 6) % kDaysInWeek), L"");
  }

  std::wstring title_text() const {
    return locale_text(LOCALE_SMONTHNAME1 + static_cast<DWORD>(shown_.month - 1), L"") + L" " +
           std::to_wstring(shown_.year);
  }

  std::wstring footer_text() const {
    const auto fields = parse_date_time_format(locale_text(LOCALE_SSHORTDATE, L"dd/MM/yyyy"));
    return L"Today: " + date_time_text(fields, system_time_of(today_));
  }

  CalendarDate day_at(int row, int column) const {
    return add_days(first_shown_day(shown_.year, shown_.month, first_weekday_), row * kDaysInWeek + column);
  }

  bool in_shown_month(const CalendarDate& date) const {
    return date.year == shown_.year && date.month == shown_.month;
  }

  Hit hit_test(POINT point) const {
    const Layout at = layout();
    Hit hit;
    if (inside(at.prev, point)) {
      hit.what = MCHT_TITLEBTNPREV;
    } else if (inside(at.next, point)) {
      hit.what = MCHT_TITLEBTNNEXT;
    } else if (inside(at.title, point)) {
      hit.what = MCHT_TITLEBK;
    } else if (inside(at.names, point)) {
      hit.what = MCHT_CALENDARDAY;
    } else if (inside(at.body, point)) {
      hit.row = (point.y - at.body.top) / at.cell_height;
      hit.column = (point.x - at.body.left) / at.cell_width;
      const CalendarDate date = day_at(hit.row, hit.column);
      const bool trailing = !in_shown_month(date);
      if (!trailing || !(style() & MCS_NOTRAILINGDATES)) hit.date = date;
      hit.what = !trailing       ? MCHT_CALENDARDATE
                 : date < shown_ ? MCHT_CALENDARDATEPREV
                                 : MCHT_CALENDARDATENEXT;
    } else if (inside(at.footer, point)) {
      hit.what = MCHT_TODAYLINK;
    } else if (inside(at.whole, point)) {
      hit.what = MCHT_CALENDARBK;
    }
    return hit;
  }

  LRESULT hit_test_message(MCHITTESTINFO* info) const {
    if (info == nullptr) return -1;
    const Hit hit = hit_test(info->pt);
    info->uHit = hit.what;
    info->st = hit.date ? system_time_of(*hit.date) : SYSTEMTIME{};
    if (info->cbSize >= sizeof(MCHITTESTINFO)) {
      info->iOffset = 0;
      info->iRow = hit.row;
      info->iCol = hit.column;
      info->rc = hit.row >= 0 ? layout().cell(hit.row, hit.column) : RECT{};
    }
    return static_cast<LRESULT>(hit.what);
  }

  // The size one month needs, at the origin.
  RECT minimum_rect() const {
    const RECT whole = layout().whole;
    return {0, 0, whole.right - whole.left, whole.bottom - whole.top};
  }

  // The rectangle and dates of a part of the one calendar shown.
  LRESULT grid_info(MCGRIDINFO* info) const {
    if (info == nullptr || info->cbSize < sizeof(MCGRIDINFO) || info->iCalendar != 0) return FALSE;
    const Layout at = layout();
    const CalendarDate first = day_at(0, 0);
    const CalendarDate month_end{shown_.year, shown_.month, days_in_month(shown_.year, shown_.month)};
    RECT rect{};
    CalendarDate start = shown_;
    CalendarDate end = month_end;
    switch (info->dwPart) {
      case MCGIP_CALENDARCONTROL:
        rect = client_rect(hwnd_);
        start = first;
        end = day_at(kWeeks - 1, kDaysInWeek - 1);
        break;
      case MCGIP_NEXT:
        rect = at.next;
        break;
      case MCGIP_PREV:
        rect = at.prev;
        break;
      case MCGIP_FOOTER:
        rect = at.footer;
        break;
      case MCGIP_CALENDAR:
        rect = at.whole;
        break;
      case MCGIP_CALENDARHEADER:
        rect = at.title;
        break;
      case MCGIP_CALENDARBODY:
        rect = at.body;
        break;
      case MCGIP_CALENDARROW:
        if (info->iRow < 0 || info->iRow >= kWeeks) return FALSE;
        rect = {at.body.left, at.cell(info->iRow, 0).top, at.body.right, at.cell(info->iRow, 0).bottom};
        start = day_at(info->iRow, 0);
        end = day_at(info->iRow, kDaysInWeek - 1);
        break;
      case MCGIP_CALENDARCELL:
        if (info->iRow < 0 || info->iRow >= kWeeks || info->iCol < 0 || info->iCol >= kDaysInWeek)
          return FALSE;
        rect = at.cell(info->iRow, info->iCol);
        start = end = day_at(info->iRow, info->iCol);
        break;
      default:
        return FALSE;
    }
    if (info->dwFlags & MCGIF_RECT) info->rc = rect;
    if (info->dwFlags & MCGIF_DATE) {
      info->stStart = system_time_of(start);
      info->stEnd = system_time_of(end);
    }
    if ((info->dwFlags & MCGIF_NAME) && info->pszName != nullptr && info->cchName > 0) {
      const std::wstring name =
          info->dwPart == MCGIP_CALENDARCELL ? std::to_wstring(start.day) : title_text();
      const std::size_t count = std::min(name.size(), info->cchName - 1);
      name.copy(info->pszName, count);
      info->pszName[count] = L'\0';
    }
    info->bSelected = info->dwPart == MCGIP_CALENDARCELL && start == selected_;
    return TRUE;
  }

  LRESULT set_selection(const SYSTEMTIME* time) {
    if (time == nullptr || !is_calendar_date(*time)) return FALSE;
    selected_ = date_of(*time);
    show_month_of(selected_);
    InvalidateRect(hwnd_, nullptr, FALSE);
    return TRUE;
  }

  void set_today(const SYSTEMTIME* time) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    today_ = within_calendar(time != nullptr && is_calendar_date(*time) ? date_of(*time) : date_of(now));
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  LRESULT set_colour(int which, COLORREF colour) {
    if (which < 0 || which >= static_cast<int>(colours_.size())) return static_cast<LRESULT>(-1);
    const COLORREF previous = std::exchange(colours_[static_cast<std::size_t>(which)], colour);
    InvalidateRect(hwnd_, nullptr, FALSE);
    return static_cast<LRESULT>(previous);
  }

  void show_month_of(const CalendarDate& date) { shown_ = {date.year, date.month, 1}; }

  void notify(UINT code) {
    NMSELCHANGE change{};
    change.stSelStart = change.stSelEnd = system_time_of(selected_);
    notify_parent(hwnd_, change.nmhdr, code);
  }

  // A new selection, shown; the parent hears of it when it changed.
  void select(const CalendarDate& date) {
    const CalendarDate chosen = within_calendar(date);
    show_month_of(chosen);
    InvalidateRect(hwnd_, nullptr, FALSE);
    if (chosen == selected_) return;
    selected_ = chosen;
    notify(MCN_SELCHANGE);
  }

  // The page months before or after; the selection moves as far unless the style keeps it.
  void turn_page(int months) {
    const CalendarDate target = add_months(shown_, months);
    if (target < kFirstCalendarDate || target > kLastCalendarDate) return;
    shown_ = target;
    InvalidateRect(hwnd_, nullptr, FALSE);
    if (style() & MCS_NOSELCHANGEONNAV) return;
    const CalendarDate moved = within_calendar(add_months(selected_, months));
    if (moved == selected_) return;
    selected_ = moved;
    notify(MCN_SELCHANGE);
  }

  void press(POINT point) {
    if (!has_focus(hwnd_)) SetFocus(hwnd_);
    const Hit hit = hit_test(point);
    if (hit.what == MCHT_TITLEBTNPREV || hit.what == MCHT_TITLEBTNNEXT) {
      turn_page(hit.what == MCHT_TITLEBTNPREV ? -1 : 1);
      return;
    }
    if (hit.what == MCHT_TODAYLINK) {
      select(today_);
      notify(MCN_SELECT);
      return;
    }
    if (!hit.date) return;
    choosing_ = true;
    SetCapture(hwnd_);
    select_on_page(*hit.date);
  }

  // A day of the page chosen with the mouse: a day of the months around turns the page to it.
  void select_on_page(const CalendarDate& date) {
    if (in_shown_month(date)) {
      if (date != selected_) {
        selected_ = date;
        notify(MCN_SELCHANGE);
      }
      InvalidateRect(hwnd_, nullptr, FALSE);
      return;
    }
    select(date);
  }

  void drag(POINT point) {
    const Hit hit = hit_test(point);
    if (hit.date && in_shown_month(*hit.date)) select_on_page(*hit.date);
  }

  void lift() {
    if (!choosing_) return;
    choosing_ = false;
    ReleaseCapture();
    notify(MCN_SELECT);
  }

  void key_down(UINT key) {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    std::optional<CalendarDate> next;
    switch (key) {
      case VK_LEFT:
        next = add_days(selected_, -1);
        break;
      case VK_RIGHT:
        next = add_days(selected_, 1);
        break;
      case VK_UP:
        next = add_days(selected_, -kDaysInWeek);
        break;
      case VK_DOWN:
        next = add_days(selected_, kDaysInWeek);
        break;
      case VK_PRIOR:
        next = add_months(selected_, control ? -12 : -1);
        break;
      case VK_NEXT:
        next = add_months(selected_, control ? 12 : 1);
        break;
      case VK_HOME:
        next = CalendarDate{selected_.year, selected_.month, 1};
        break;
      case VK_END:
        next = CalendarDate{selected_.year, selected_.month, days_in_month(selected_.year, selected_.month)};
        break;
      default:
        return;
    }
    select(*next);
    notify(MCN_SELECT);
  }

  void paint() {
    PaintScope paint(hwnd_);
    const RECT client = client_rect(hwnd_);
    BufferedPaint buffer(paint.dc(), client);
    HDC dc = buffer.dc();
    FontScope scope(dc, font_.font());
    SetBkMode(dc, TRANSPARENT);
    const Layout at = layout_in(dc);
    fill(dc, client, colours_[MCSC_BACKGROUND]);
    fill(dc, {at.whole.left, at.title.bottom, at.whole.right, at.whole.bottom}, colours_[MCSC_MONTHBK]);
    paint_title(dc, at);
    paint_names(dc, at);
    for (int row = 0; row < kWeeks; ++row)
      for (int column = 0; column < kDaysInWeek; ++column)
        paint_day(dc, at, row, column);
    if (!(style() & MCS_NOTODAY)) paint_footer(dc, at);
  }

  COLORREF shown(COLORREF colour) const { return enabled() ? colour : GetSysColor(COLOR_GRAYTEXT); }

  void draw_text(HDC dc, const std::wstring& text, RECT rect, COLORREF colour, UINT align = DT_CENTER) const {
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, align | DT_VCENTER | DT_SINGLELINE);
  }

  void paint_title(HDC dc, const Layout& at) const {
    fill(dc, at.title, enabled() ? colours_[MCSC_TITLEBK] : GetSysColor(COLOR_BTNFACE));
    const COLORREF text = shown(colours_[MCSC_TITLETEXT]);
    draw_text(dc, title_text(), at.title, text);
    draw_arrow(dc, at.prev, text, ArrowDirection::Left);
    draw_arrow(dc, at.next, text, ArrowDirection::Right);
  }

  void paint_names(HDC dc, const Layout& at) const {
    const COLORREF colour = shown(colours_[MCSC_TITLEBK]);
    for (int column = 0; column < kDaysInWeek; ++column) {
      const RECT cell = at.cell(0, column);
      draw_text(dc, day_name(column), {cell.left, at.names.top, cell.right, at.names.bottom}, colour);
    }
    fill(dc, {at.names.left, at.names.bottom, at.names.right, at.names.bottom + 1}, colour);
  }

  void paint_day(HDC dc, const Layout& at, int row, int column) const {
    const CalendarDate date = day_at(row, column);
    const bool trailing = !in_shown_month(date);
    if (trailing && (style() & MCS_NOTRAILINGDATES)) return;
    const RECT cell = at.cell(row, column);
    RECT mark = cell;
    InflateRect(&mark, -1, -1);
    COLORREF text = shown(colours_[trailing ? MCSC_TRAILINGTEXT : MCSC_TEXT]);
    if (date == selected_ && !trailing) {
      if (enabled()) {
        fill(dc, mark, GetSysColor(COLOR_HIGHLIGHT));
        text = GetSysColor(COLOR_HIGHLIGHTTEXT);
      } else {
        frame(dc, mark, GetSysColor(COLOR_GRAYTEXT));
      }
    }
    if (date == today_ && !(style() & MCS_NOTODAYCIRCLE)) frame(dc, mark, shown(kTodayColour));
    draw_text(dc, std::to_wstring(date.day), cell, text);
    if (date == selected_ && !trailing && has_focus(hwnd_)) {
      RECT focus = mark;
      InflateRect(&focus, -1, -1);
      DrawFocusRect(dc, &focus);
    }
  }

  void paint_footer(HDC dc, const Layout& at) const {
    draw_text(dc, footer_text(), at.footer, shown(colours_[MCSC_TEXT]), DT_LEFT);
  }

  static void frame(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &rect, brush);
    DeleteObject(brush);
  }

  HWND hwnd_;
  ControlFont font_;
  CalendarDate today_;
  CalendarDate selected_;
  CalendarDate shown_;  // the first of the month on the page
  int first_weekday_ = 1;
  std::array<COLORREF, 6> colours_{};
  bool choosing_ = false;  // the button went down on a day and is held
};

}  // namespace

LRESULT CALLBACK month_calendar_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<MonthCalendar>(hwnd, message, wParam, lParam);
}

}  // namespace controls
