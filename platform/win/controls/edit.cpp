// The "Edit" class: single and multi-line text fields with a caret, a selection, a limit,
// digits-only and read-only modes. Every change of the text, typed or set by code, tells the
// parent with EN_UPDATE and EN_CHANGE.
#include <algorithm>
#include <cwctype>

#include "platform/win/controls/control_procedures.h"
#include "platform/win/controls/control_support.h"
#include "platform/win/controls/edit_buffer.h"
#include "platform/win/controls/edit_layout.h"

namespace controls {

namespace {

constexpr UINT_PTR kCaretTimer = 1;
constexpr UINT kCaretBlink = 530;
constexpr int kMargin = 2;

class Edit {
 public:
  explicit Edit(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (font_.handle(hwnd_, message, wParam, lParam, result)) {
      if (message == WM_SETFONT) format_rect_set_ = false;
      return result;
    }
    switch (message) {
      case WM_NCCREATE: {
        result = DefWindowProcW(hwnd_, message, wParam, lParam);
        buffer_.set_text(window_text(hwnd_));
        if (multiline()) buffer_.set_limit(EditBuffer::kNoLimit);
        return result;
      }
      case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | (multiline() ? DLGC_WANTALLKEYS : 0);
      case WM_SETTEXT:
        buffer_.set_text(lParam != 0 ? reinterpret_cast<LPCWSTR>(lParam) : L"");
        text_changed();
        return TRUE;
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        paint();
        return 0;
      case WM_SIZE:
        format_rect_set_ = false;
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_ENABLE:
      case WM_STYLECHANGED:
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_SETFOCUS:
        focused_ = true;
        caret_on_ = true;
        SetTimer(hwnd_, kCaretTimer, kCaretBlink, nullptr);
        InvalidateRect(hwnd_, nullptr, FALSE);
        notify_parent(hwnd_, EN_SETFOCUS);
        return 0;
      case WM_KILLFOCUS:
        focused_ = false;
        KillTimer(hwnd_, kCaretTimer);
        if (selecting_) ReleaseCapture();
        InvalidateRect(hwnd_, nullptr, FALSE);
        notify_parent(hwnd_, EN_KILLFOCUS);
        return 0;
      case WM_TIMER:
        if (wParam == kCaretTimer) {
          caret_on_ = !caret_on_;
          InvalidateRect(hwnd_, nullptr, FALSE);
        }
        return 0;
      case WM_CHAR:
        type_character(static_cast<wchar_t>(wParam));
        return 0;
      case WM_KEYDOWN:
        key_down(static_cast<UINT>(wParam));
        return 0;
      case WM_LBUTTONDOWN:
        press(point_of(lParam), (wParam & MK_SHIFT) != 0);
        return 0;
      case WM_LBUTTONDBLCLK:
        buffer_.select(0, buffer_.text().size());
        show_caret();
        return 0;
      case WM_MOUSEMOVE:
        if (selecting_) {
          buffer_.move_caret(position_at_point(point_of(lParam)), true);
          show_caret();
        }
        return 0;
      case WM_LBUTTONUP:
        if (selecting_) ReleaseCapture();
        return 0;
      case WM_CAPTURECHANGED:
        selecting_ = false;
        return 0;
      case EM_GETSEL:
        return get_selection(reinterpret_cast<DWORD*>(wParam), reinterpret_cast<DWORD*>(lParam));
      case EM_SETSEL:
        set_selection(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
      case EM_GETRECT:
        if (lParam != 0) *reinterpret_cast<RECT*>(lParam) = format_rect();
        return 0;
      case EM_SETRECT:
      case EM_SETRECTNP:
        set_format_rect(reinterpret_cast<const RECT*>(lParam), message == EM_SETRECT);
        return 0;
      case EM_REPLACESEL:
        replace_selection(lParam != 0 ? reinterpret_cast<LPCWSTR>(lParam) : L"");
        return 0;
      case EM_LIMITTEXT:
        buffer_.set_limit(static_cast<std::size_t>(wParam));
        return 0;
      case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(buffer_.limit());
      case EM_SETREADONLY:
        set_style_bit(ES_READONLY, wParam != 0);
        return TRUE;
      case EM_GETMODIFY:
        return modified_ ? TRUE : FALSE;
      case EM_SETMODIFY:
        modified_ = wParam != 0;
        return 0;
      case EM_CANUNDO:
        return buffer_.can_undo() ? TRUE : FALSE;
      case EM_UNDO:
        if (!buffer_.undo()) return FALSE;
        text_changed();
        return TRUE;
      case EM_EMPTYUNDOBUFFER:
        buffer_.forget_undo();
        return 0;
      case EM_SETPASSWORDCHAR:
        password_char_ = static_cast<wchar_t>(wParam);
        set_style_bit(ES_PASSWORD, password_char_ != 0);
        return 0;
      case EM_GETPASSWORDCHAR:
        return (style() & ES_PASSWORD) ? password_char_ : 0;
      case EM_GETLINECOUNT:
        return static_cast<LRESULT>(lines().size());
      case EM_LINEINDEX:
        return line_index(static_cast<int>(wParam));
      case EM_LINELENGTH:
        return line_length(static_cast<int>(wParam));
      case EM_LINEFROMCHAR:
        return static_cast<LRESULT>(line_of(lines(), static_cast<int>(wParam) < 0
                                                         ? buffer_.selection_start()
                                                         : static_cast<std::size_t>(wParam)));
      case EM_GETLINE:
        return copy_line(static_cast<int>(wParam), reinterpret_cast<wchar_t*>(lParam));
      case EM_GETFIRSTVISIBLELINE:
        return static_cast<LRESULT>(multiline() ? first_line_ : 0);
      case EM_SCROLLCARET:
        show_caret();
        return TRUE;
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  DWORD style() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
  bool multiline() const { return (style() & ES_MULTILINE) != 0; }
  bool read_only() const { return (style() & ES_READONLY) != 0; }

  void set_style_bit(DWORD bit, bool on) {
    SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(on ? (style() | bit) : (style() & ~bit)));
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  // The text as it shows: a password's characters are all the password character.
  std::wstring shown_text() const {
    if ((style() & ES_PASSWORD) == 0) return buffer_.text();
    return std::wstring(buffer_.text().size(), password_char_);
  }

  RECT format_rect() const {
    if (format_rect_set_) return format_rect_;
    RECT rect = client_rect(hwnd_);
    rect.left += kMargin;
    rect.right = std::max(rect.left, rect.right - kMargin);
    if (!multiline()) {
      // A single line sits in the middle of the field.
      const int height = line_height_of(hwnd_, font_.font());
      rect.top = std::max<LONG>(0, (rect.bottom - height) / 2);
      rect.bottom = rect.top + height;
    }
    return rect;
  }

  void set_format_rect(const RECT* rect, bool repaint) {
    if (rect == nullptr) {
      format_rect_set_ = false;
    } else {
      format_rect_ = *rect;
      format_rect_set_ = true;
    }
    if (repaint) InvalidateRect(hwnd_, nullptr, FALSE);
  }

  int wrap_width() const {
    if (!multiline() || (style() & ES_AUTOHSCROLL) != 0) return 0;
    const RECT rect = format_rect();
    return std::max<LONG>(1, rect.right - rect.left);
  }

  std::vector<EditLine> lines() const {
    HDC dc = GetDC(hwnd_);
    std::vector<EditLine> laid_out;
    {
      FontScope font(dc, font_.font());
      laid_out = layout_lines(dc, shown_text(), multiline(), wrap_width());
    }
    ReleaseDC(hwnd_, dc);
    return laid_out;
  }

  LRESULT line_index(int line) const {
    const auto laid_out = lines();
    const std::size_t index = line < 0 ? line_of(laid_out, buffer_.caret()) : static_cast<std::size_t>(line);
    return index < laid_out.size() ? static_cast<LRESULT>(laid_out[index].start) : -1;
  }

  LRESULT line_length(int position) const {
    const auto laid_out = lines();
    if (position < 0) return static_cast<LRESULT>(laid_out[line_of(laid_out, buffer_.caret())].length);
    return static_cast<LRESULT>(laid_out[line_of(laid_out, static_cast<std::size_t>(position))].length);
  }

  // EM_GETLINE: the buffer's first word holds its capacity; the line is copied without a terminator.
  LRESULT copy_line(int line, wchar_t* buffer) const {
    const auto laid_out = lines();
    if (buffer == nullptr || line < 0 || static_cast<std::size_t>(line) >= laid_out.size()) return 0;
    const std::size_t capacity = *reinterpret_cast<const WORD*>(buffer);
    const EditLine& chosen = laid_out[static_cast<std::size_t>(line)];
    const std::size_t count = std::min(capacity, chosen.length);
    buffer_.text().copy(buffer, count, chosen.start);
    return static_cast<LRESULT>(count);
  }

  LRESULT get_selection(DWORD* start, DWORD* end) const {
    const auto first = static_cast<DWORD>(buffer_.selection_start());
    const auto last = static_cast<DWORD>(buffer_.selection_end());
    if (start != nullptr) *start = first;
    if (end != nullptr) *end = last;
    return static_cast<LRESULT>(MAKELONG(std::min<DWORD>(first, 0xFFFF), std::min<DWORD>(last, 0xFFFF)));
  }

  // EM_SETSEL: a start of -1 takes the selection away; an end of -1 means the end of the text.
  void set_selection(int start, int end) {
    const std::size_t size = buffer_.text().size();
    if (start == -1) {
      buffer_.move_caret(buffer_.caret(), false);
    } else {
      buffer_.select(static_cast<std::size_t>(start), end < 0 ? size : static_cast<std::size_t>(end));
    }
    show_caret();
  }

  void replace_selection(const std::wstring& insertion) {
    bool truncated = false;
    const bool changed = buffer_.replace_selection(insertion, truncated);
    if (truncated) notify_parent(hwnd_, EN_MAXTEXT);
    if (changed) {
      modified_ = true;
      text_changed();
    }
  }

  bool accepts(wchar_t character) const {
    if ((style() & ES_NUMBER) != 0 && !(character >= L'0' && character <= L'9')) return false;
    return character >= L' ' || character == L'\t';
  }

  void type_character(wchar_t character) {
    if (read_only()) return;
    if (character == L'\b') {
      if (buffer_.erase_backward()) edited();
      return;
    }
    if (character == L'\r' || character == L'\n') {
      if (multiline()) replace_selection(L"\r\n");
      return;
    }
    if (character == L'\t' && !multiline()) return;
    if (!accepts(character)) return;
    if (style() & ES_UPPERCASE) character = static_cast<wchar_t>(std::towupper(character));
    if (style() & ES_LOWERCASE) character = static_cast<wchar_t>(std::towlower(character));
    replace_selection(std::wstring(1, character));
  }

  void key_down(UINT key) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const std::size_t caret = buffer_.caret();
    const auto laid_out = lines();
    const EditLine& line = laid_out[line_of(laid_out, caret)];
    switch (key) {
      case VK_LEFT:
        if (buffer_.has_selection() && !shift) {
          buffer_.move_caret(buffer_.selection_start(), false);
        } else {
          buffer_.move_caret(caret == 0 ? 0 : caret - (caret >= 2 && is_break(caret - 2) ? 2 : 1), shift);
        }
        break;
      case VK_RIGHT:
        if (buffer_.has_selection() && !shift) {
          buffer_.move_caret(buffer_.selection_end(), false);
        } else {
          buffer_.move_caret(caret + (is_break(caret) ? 2 : 1), shift);
        }
        break;
      case VK_HOME:
        buffer_.move_caret(GetKeyState(VK_CONTROL) < 0 ? 0 : line.start, shift);
        break;
      case VK_END:
        buffer_.move_caret(GetKeyState(VK_CONTROL) < 0 ? buffer_.text().size() : line.start + line.length,
                           shift);
        break;
      case VK_UP:
      case VK_DOWN:
        move_vertically(laid_out, key == VK_UP ? -1 : 1, shift);
        break;
      case VK_DELETE:
        if (!read_only() && buffer_.erase_forward()) edited();
        return;
      default:
        return;
    }
    show_caret();
  }

  bool is_break(std::size_t position) const { return buffer_.text().compare(position, 2, L"\r\n") == 0; }

  void move_vertically(const std::vector<EditLine>& laid_out, int direction, bool extend) {
    const std::size_t current = line_of(laid_out, buffer_.caret());
    if ((direction < 0 && current == 0) || (direction > 0 && current + 1 >= laid_out.size())) return;
    HDC dc = GetDC(hwnd_);
    {
      FontScope font(dc, font_.font());
      const std::wstring text = shown_text();
      const int x = x_in_line(dc, text, laid_out[current], buffer_.caret());
      buffer_.move_caret(position_at(dc, text, laid_out[current + direction], x), extend);
    }
    ReleaseDC(hwnd_, dc);
  }

  std::size_t position_at_point(POINT point) const {
    const RECT rect = format_rect();
    const auto laid_out = lines();
    const int height = line_height_of(hwnd_, font_.font());
    const int row =
        multiline() ? static_cast<int>(first_line_) + (point.y - rect.top) / std::max(1, height) : 0;
    const std::size_t index =
        static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(laid_out.size()) - 1));
    HDC dc = GetDC(hwnd_);
    std::size_t position = 0;
    {
      FontScope font(dc, font_.font());
      position = controls::position_at(dc, shown_text(), laid_out[index], point.x - rect.left + scroll_x_);
    }
    ReleaseDC(hwnd_, dc);
    return position;
  }

  void press(POINT point, bool extend) {
    if (!has_focus(hwnd_)) SetFocus(hwnd_);
    buffer_.move_caret(position_at_point(point), extend);
    SetCapture(hwnd_);
    selecting_ = true;
    show_caret();
  }

  void edited() {
    modified_ = true;
    text_changed();
  }

  void text_changed() {
    DefWindowProcW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(buffer_.text().c_str()));
    show_caret();
    notify_parent(hwnd_, EN_UPDATE);
    notify_parent(hwnd_, EN_CHANGE);
  }

  // Scrolls so that the caret shows, and repaints with the caret lit.
  void show_caret() {
    caret_on_ = true;
    const RECT rect = format_rect();
    const auto laid_out = lines();
    const std::size_t line = line_of(laid_out, buffer_.caret());
    if (multiline()) {
      const int height = std::max(1, line_height_of(hwnd_, font_.font()));
      const std::size_t visible =
          static_cast<std::size_t>(std::max<LONG>(1, (rect.bottom - rect.top) / height));
      if (line < first_line_) first_line_ = line;
      if (line >= first_line_ + visible) first_line_ = line + 1 - visible;
    }
    HDC dc = GetDC(hwnd_);
    {
      FontScope font(dc, font_.font());
      const int x = x_in_line(dc, shown_text(), laid_out[line], buffer_.caret());
      const int width = rect.right - rect.left;
      if (x < scroll_x_) scroll_x_ = std::max(0, x - width / 3);
      if (x > scroll_x_ + width - 1) scroll_x_ = x - width + 1 + width / 3;
    }
    ReleaseDC(hwnd_, dc);
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  void paint() {
    PaintScope paint(hwnd_);
    const RECT client = client_rect(hwnd_);
    {
      BufferedPaint buffer(paint.dc(), client);
      HDC dc = buffer.dc();
      FontScope font(dc, font_.font());
      const bool plain = IsWindowEnabled(hwnd_) && !read_only();
      FillRect(dc, &client, ask_colours(hwnd_, dc, plain ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC));
      if (!IsWindowEnabled(hwnd_)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
      draw_lines(dc);
    }
    draw_frame(hwnd_);
  }

  void draw_lines(HDC dc) {
    const RECT rect = format_rect();
    const std::wstring text = shown_text();
    const auto laid_out = layout_lines(dc, text, multiline(), wrap_width());
    const int height = line_height(dc);
    const bool show_selection = focused_ || (style() & ES_NOHIDESEL) != 0;
    HRGN clip = CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
    SelectClipRgn(dc, clip);
    for (std::size_t i = multiline() ? first_line_ : 0; i < laid_out.size(); ++i) {
      const int top = rect.top + static_cast<int>(i - (multiline() ? first_line_ : 0)) * height;
      if (top >= rect.bottom) break;
      const EditLine& line = laid_out[i];
      const int left = line_left(dc, text, line, rect) - scroll_x_;
      TextOutW(dc, left, top, text.c_str() + line.start, static_cast<int>(line.length));
      if (show_selection && buffer_.has_selection()) draw_selection(dc, text, line, left, top, height);
      if (focused_ && caret_on_ && line_of(laid_out, buffer_.caret()) == i) {
        const int x = left + x_in_line(dc, text, line, buffer_.caret());
        RECT caret{x, top, x + 1, top + height};
        InvertRect(dc, &caret);
      }
    }
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
  }

  int line_left(HDC dc, const std::wstring& text, const EditLine& line, const RECT& rect) const {
    const DWORD align = style() & (ES_CENTER | ES_RIGHT);
    if (align == ES_LEFT) return rect.left;
    const int width = x_in_line(dc, text, line, line.start + line.length);
    return align == ES_RIGHT ? rect.right - width : (rect.left + rect.right - width) / 2;
  }

  void draw_selection(HDC dc, const std::wstring& text, const EditLine& line, int left, int top, int height) {
    const std::size_t start = std::max(buffer_.selection_start(), line.start);
    const std::size_t end = std::min(buffer_.selection_end(), line.start + line.length);
    if (start >= end) return;
    const int from = left + x_in_line(dc, text, line, start);
    const int to = left + x_in_line(dc, text, line, end);
    RECT band{from, top, to, top + height};
    fill(dc, band, GetSysColor(COLOR_HIGHLIGHT));
    const COLORREF previous_colour = SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    const int previous_mode = SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, from, top, text.c_str() + start, static_cast<int>(end - start));
    SetBkMode(dc, previous_mode);
    SetTextColor(dc, previous_colour);
  }

  HWND hwnd_;
  ControlFont font_;
  EditBuffer buffer_;
  bool focused_ = false;
  bool caret_on_ = false;
  bool selecting_ = false;
  bool modified_ = false;
  wchar_t password_char_ = L'*';
  int scroll_x_ = 0;
  std::size_t first_line_ = 0;
  RECT format_rect_{};
  bool format_rect_set_ = false;
};

}  // namespace

LRESULT CALLBACK edit_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<Edit>(hwnd, message, wParam, lParam);
}

}  // namespace controls
