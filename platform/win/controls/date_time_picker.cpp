// The "SysDateTimePick32" class: a date or a time shown as fields of its format, one of them
// selected. The arrow keys and the up-down at the right step the selected field, digits type
// it (moving on to the next field once it is full), Left and Right and the mouse choose the
// field. Each change reaches the parent as DTN_DATETIMECHANGE; the window text is the shown
// text.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/win/controls/control_procedures.h"
#include "platform/win/controls/control_support.h"
#include "platform/win/controls/date_time_fields.h"
#include "platform/win/locale_api.h"

namespace controls {

namespace {

constexpr int kTextInset = 3;
constexpr int kUpDownWidth = 16;

std::wstring locale_text(DWORD type, const wchar_t* fallback) {
  wchar_t text[80]{};
  return GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 80) > 0 ? std::wstring(text)
                                                                 : std::wstring(fallback);
}

class DateTimePicker {
 public:
  explicit DateTimePicker(HWND hwnd) : hwnd_(hwnd) { GetLocalTime(&time_); }

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT font_result = 0;
    if (font_.handle(hwnd_, message, wParam, lParam, font_result)) return font_result;
    switch (message) {
      case WM_CREATE:
        use_format(nullptr);
        if (style() & DTS_UPDOWN) make_up_down();
        return 0;
      case WM_SIZE:
        place_up_down();
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_ENABLE:
        if (up_down_ != nullptr) EnableWindow(up_down_, static_cast<BOOL>(wParam));
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        paint();
        return 0;
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        focus_changed(message == WM_SETFOCUS);
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        press(point_of(lParam));
        return 0;
      case WM_KEYDOWN:
        key_down(static_cast<UINT>(wParam));
        return 0;
      case WM_CHAR:
        if (wParam >= L'0' && wParam <= L'9') type_digit(static_cast<int>(wParam - L'0'));
        return 0;
      case WM_NOTIFY:
        return up_down_notice(*reinterpret_cast<NMHDR*>(lParam));
      case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(shown_text().size());
      case WM_GETTEXT:
        return copy_text(reinterpret_cast<wchar_t*>(lParam), static_cast<int>(wParam));
      case DTM_GETSYSTEMTIME:
        if (lParam != 0) *reinterpret_cast<SYSTEMTIME*>(lParam) = time_;
        return static_cast<LRESULT>(GDT_VALID);
      case DTM_SETSYSTEMTIME:
        return set_time(wParam, reinterpret_cast<const SYSTEMTIME*>(lParam));
      case DTM_SETFORMATW:
        use_format(reinterpret_cast<const wchar_t*>(lParam));
        return TRUE;
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  DWORD style() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }

  std::wstring default_format() const {
    if ((style() & DTS_TIMEFORMAT) == DTS_TIMEFORMAT) return locale_text(LOCALE_STIMEFORMAT, L"HH:mm:ss");
    return locale_text(LOCALE_SSHORTDATE, L"dd/MM/yyyy");
  }

  // A null format goes back to the style's own.
  void use_format(const wchar_t* format) {
    fields_ = parse_date_time_format(format != nullptr ? std::wstring(format) : default_format());
    selected_ = first_editable();
    typed_count_ = 0;
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  int first_editable() const {
    for (int index = 0; index < static_cast<int>(fields_.size()); ++index)
      if (is_editable(fields_[static_cast<std::size_t>(index)])) return index;
    return -1;
  }

  std::wstring shown_text() const { return date_time_text(fields_, time_); }

  LRESULT copy_text(wchar_t* buffer, int size) const {
    if (buffer == nullptr || size <= 0) return 0;
    const std::wstring text = shown_text();
    const auto copied = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
    std::copy_n(text.begin(), copied, buffer);
    buffer[copied] = L'\0';
    return static_cast<LRESULT>(copied);
  }

  LRESULT set_time(WPARAM flag, const SYSTEMTIME* time) {
    if (flag != GDT_VALID || time == nullptr || !is_valid_time(*time)) return FALSE;
    time_ = *time;
    time_.wDayOfWeek = static_cast<WORD>(day_of_week(time_.wYear, time_.wMonth, time_.wDay));
    typed_count_ = 0;
    InvalidateRect(hwnd_, nullptr, FALSE);
    return TRUE;
  }

  void make_up_down() {
    up_down_ = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 0, 0, kUpDownWidth, 1, hwnd_,
                               nullptr, nullptr, nullptr);
    SendMessageW(up_down_, UDM_SETRANGE32, 0, 1);
    place_up_down();
  }

  void place_up_down() {
    if (up_down_ == nullptr) return;
    const RECT client = client_rect(hwnd_);
    MoveWindow(up_down_, client.right - kUpDownWidth, 0, kUpDownWidth, client.bottom, TRUE);
  }

  // The up-down's arrows step the selected field; its own position never moves.
  LRESULT up_down_notice(const NMHDR& header) {
    if (header.hwndFrom != up_down_ || header.code != UDN_DELTAPOS) return 0;
    if (!has_focus(hwnd_)) SetFocus(hwnd_);
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    step_selected(change.iDelta > 0 ? 1 : -1);
    return 1;
  }

  void focus_changed(bool focused) {
    typed_count_ = 0;
    InvalidateRect(hwnd_, nullptr, FALSE);
    NMHDR header{};
    notify_parent(hwnd_, header, focused ? NM_SETFOCUS : NM_KILLFOCUS);
  }

  DateTimeField* selected_field() {
    if (selected_ < 0 || selected_ >= static_cast<int>(fields_.size())) return nullptr;
    return &fields_[static_cast<std::size_t>(selected_)];
  }

  void changed() {
    InvalidateRect(hwnd_, nullptr, FALSE);
    NMDATETIMECHANGE change{};
    change.dwFlags = GDT_VALID;
    change.st = time_;
    notify_parent(hwnd_, change.nmhdr, DTN_DATETIMECHANGE);
  }

  void step_selected(int delta) {
    DateTimeField* field = selected_field();
    if (field == nullptr) return;
    typed_count_ = 0;
    step_field(*field, time_, delta);
    changed();
  }

  void set_selected(int value) {
    DateTimeField* field = selected_field();
    if (field == nullptr) return;
    typed_count_ = 0;
    set_field_value(*field, time_, value);
    changed();
  }

  // The next (or previous) editable field; stays put at either end.
  void select_next(int direction) {
    for (int index = selected_ + direction; index >= 0 && index < static_cast<int>(fields_.size());
         index += direction) {
      if (is_editable(fields_[static_cast<std::size_t>(index)])) {
        selected_ = index;
        break;
      }
    }
    typed_count_ = 0;
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  void key_down(UINT key) {
    DateTimeField* field = selected_field();
    if (field == nullptr) return;
    switch (key) {
      case VK_UP:
        step_selected(1);
        break;
      case VK_DOWN:
        step_selected(-1);
        break;
      case VK_LEFT:
        select_next(-1);
        break;
      case VK_RIGHT:
        select_next(1);
        break;
      case VK_HOME:
        set_selected(field_minimum(*field));
        break;
      case VK_END:
        set_selected(field_maximum(*field, time_));
        break;
      default:
        break;
    }
  }

  // Digits fill the field from the left: "0" "7" makes 07; the field is done when it holds
  // all its digits or no further digit could follow, and the next field is selected.
  void type_digit(int digit) {
    DateTimeField* field = selected_field();
    if (field == nullptr || field->kind == FieldKind::AmPm) return;
    const int maximum = field_maximum(*field, time_);
    int typed = typed_count_ == 0 ? digit : typed_value_ * 10 + digit;
    int count = typed_count_ + 1;
    if (typed > maximum && field->kind != FieldKind::Year) {
      typed = digit;
      count = 1;
    }
    typed_value_ = typed;
    typed_count_ = count;
    const bool full =
        count >= field_digits(*field) || (field->kind != FieldKind::Year && typed * 10 > maximum);
    if (field->kind == FieldKind::Year) {
      if (!full) return;
      const int year = field_digits(*field) == 2 ? 2000 + typed : typed;
      set_field_value(*field, time_, year);
    } else if (typed >= field_minimum(*field)) {
      set_field_value(*field, time_, typed);
    }
    changed();
    if (full) select_next(1);
    typed_count_ = full ? 0 : count;
  }

  int text_right() const {
    const RECT client = client_rect(hwnd_);
    return up_down_ != nullptr ? client.right - kUpDownWidth : client.right;
  }

  // Each field's left and right edge, measured in the control's font.
  std::vector<std::pair<int, int>> field_extents(HDC dc) const {
    std::vector<std::pair<int, int>> extents;
    int x = kTextInset;
    for (const DateTimeField& field : fields_) {
      const std::wstring text = field_text(field, time_);
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
      extents.emplace_back(x, x + size.cx);
      x += size.cx;
    }
    return extents;
  }

  void press(POINT point) {
    if (!has_focus(hwnd_)) SetFocus(hwnd_);
    HDC dc = GetDC(hwnd_);
    std::vector<std::pair<int, int>> extents;
    {
      FontScope scope(dc, font_.font());
      extents = field_extents(dc);
    }
    ReleaseDC(hwnd_, dc);
    // The editable field under the point, or the nearest one before it.
    for (int index = 0; index < static_cast<int>(fields_.size()); ++index) {
      if (!is_editable(fields_[static_cast<std::size_t>(index)])) continue;
      if (extents[static_cast<std::size_t>(index)].first <= point.x || index == first_editable())
        selected_ = index;
    }
    typed_count_ = 0;
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  void paint() {
    PaintScope paint(hwnd_);
    RECT client = client_rect(hwnd_);
    BufferedPaint buffer(paint.dc(), client);
    HDC dc = buffer.dc();
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    FillRect(dc, &client, ask_colours(hwnd_, dc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC));
    if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
    FontScope scope(dc, font_.font());
    SetBkMode(dc, TRANSPARENT);
    const auto extents = field_extents(dc);
    const int top = (client.bottom - line_height(dc)) / 2;
    const bool focused = has_focus(hwnd_);
    for (std::size_t index = 0; index < fields_.size(); ++index) {
      const std::wstring text = field_text(fields_[index], time_);
      RECT cell{extents[index].first, top, extents[index].second, top + line_height(dc)};
      cell.right = std::min(cell.right, static_cast<LONG>(text_right()));
      const bool highlighted = focused && static_cast<int>(index) == selected_;
      const COLORREF previous = GetTextColor(dc);
      if (highlighted) {
        fill(dc, cell, GetSysColor(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
      }
      ExtTextOutW(dc, cell.left, cell.top, ETO_CLIPPED, &cell, text.c_str(), static_cast<UINT>(text.size()),
                  nullptr);
      SetTextColor(dc, previous);
    }
  }

  HWND hwnd_;
  HWND up_down_ = nullptr;
  ControlFont font_;
  SYSTEMTIME time_{};
  std::vector<DateTimeField> fields_;
  int selected_ = -1;
  int typed_value_ = 0;
  int typed_count_ = 0;
};

}  // namespace

LRESULT CALLBACK date_time_picker_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<DateTimePicker>(hwnd, message, wParam, lParam);
}

}  // namespace controls
