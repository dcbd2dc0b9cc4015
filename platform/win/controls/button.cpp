// The "Button" class: push buttons, default push buttons, owner-drawn buttons, check boxes,
// radio buttons and group boxes.
#include <algorithm>

#include "platform/win/controls/control_glyphs.h"
#include "platform/win/controls/control_procedures.h"
#include "platform/win/controls/control_support.h"

namespace controls {

namespace {

constexpr int kTextGap = 4;  // between a check box's box and its text

bool is_checkable(DWORD type) {
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_3STATE ||
         type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}

bool is_radio(DWORD type) {
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

// The first and the one-past-last sibling of the radio group that holds hwnd: a group starts at
// a window with WS_GROUP and runs up to the next one.
HWND group_start(HWND hwnd) {
  HWND start = hwnd;
  while ((GetWindowLongPtrW(start, GWL_STYLE) & WS_GROUP) == 0) {
    HWND previous = GetWindow(start, GW_HWNDPREV);
    if (previous == nullptr) break;
    start = previous;
  }
  return start;
}

class Button {
 public:
  explicit Button(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (font_.handle(hwnd_, message, wParam, lParam, result)) {
      if (message == WM_SETFONT && LOWORD(lParam) != 0) redraw(ODA_DRAWENTIRE);
      return result;
    }
    switch (message) {
      case WM_GETDLGCODE:
        return dialog_code();
      case WM_NCHITTEST:
        // A group box lets the pointer through to what it frames.
        if (type() == BS_GROUPBOX) return HTTRANSPARENT;
        break;
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        paint();
        return 0;
      case WM_SETTEXT:
        result = DefWindowProcW(hwnd_, message, wParam, lParam);
        redraw(ODA_DRAWENTIRE);
        return result;
      case WM_ENABLE:
      case WM_STYLECHANGED:
        redraw(ODA_DRAWENTIRE);
        return 0;
      case WM_SETFOCUS:
        focused_ = true;
        redraw(ODA_FOCUS);
        if (notifies()) notify_parent(hwnd_, BN_SETFOCUS);
        return 0;
      case WM_KILLFOCUS:
        focused_ = false;
        space_down_ = false;
        if (tracking_) ReleaseCapture();
        set_pushed(false);
        redraw(ODA_FOCUS);
        if (notifies()) notify_parent(hwnd_, BN_KILLFOCUS);
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        press_with_mouse();
        return 0;
      case WM_MOUSEMOVE:
        if (tracking_) set_pushed(inside(point_of(lParam)));
        return 0;
      case WM_LBUTTONUP:
        release_mouse(point_of(lParam));
        return 0;
      case WM_CAPTURECHANGED:
        if (tracking_) {
          tracking_ = false;
          set_pushed(false);
        }
        return 0;
      case WM_KEYDOWN:
        if (wParam == VK_SPACE && !tracking_ && (lParam & (1 << 30)) == 0) {
          space_down_ = true;
          set_pushed(true);
        }
        return 0;
      case WM_KEYUP:
        if (wParam == VK_SPACE && space_down_) {
          space_down_ = false;
          set_pushed(false);
          click();
        }
        return 0;
      case WM_CHAR:
        return 0;
      case BM_GETCHECK:
        return is_checkable(type()) ? check_ : BST_UNCHECKED;
      case BM_SETCHECK:
        set_check(static_cast<LRESULT>(wParam));
        return 0;
      case BM_GETSTATE:
        return (is_checkable(type()) ? check_ : 0) | (pushed_ ? BST_PUSHED : 0) | (focused_ ? BST_FOCUS : 0);
      case BM_SETSTATE:
        set_pushed(wParam != 0);
        return 0;
      case BM_SETSTYLE:
        set_type(static_cast<DWORD>(wParam) & BS_TYPEMASK, LOWORD(lParam) != 0);
        return 0;
      case BM_CLICK:
        if (IsWindowEnabled(hwnd_)) click();
        return 0;
      case BM_SETIMAGE: {
        HANDLE previous = image_;
        image_ = reinterpret_cast<HANDLE>(lParam);
        redraw(ODA_DRAWENTIRE);
        return reinterpret_cast<LRESULT>(previous);
      }
      case BM_GETIMAGE:
        return reinterpret_cast<LRESULT>(image_);
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  DWORD style() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
  DWORD type() const { return style() & BS_TYPEMASK; }
  bool notifies() const { return (style() & BS_NOTIFY) != 0; }
  bool inside(POINT point) const {
    RECT client = client_rect(hwnd_);
    return PtInRect(&client, point) != 0;
  }

  LRESULT dialog_code() const {
    switch (type()) {
      case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
      case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
      case BS_GROUPBOX:
        return DLGC_STATIC;
      default:
        return DLGC_BUTTON;
    }
  }

  void set_type(DWORD new_type, bool repaint) {
    SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>((style() & ~BS_TYPEMASK) | new_type));
    if (repaint) redraw(ODA_DRAWENTIRE);
  }

  void set_check(LRESULT check) {
    const DWORD kind = type();
    if (!is_checkable(kind)) return;
    check = std::clamp<LRESULT>(check, BST_UNCHECKED, BST_INDETERMINATE);
    if (check == BST_INDETERMINATE && kind != BS_3STATE && kind != BS_AUTO3STATE) check = BST_CHECKED;
    // The checked radio button of a group is the one Tab stops at.
    if (is_radio(kind)) {
      const LONG_PTR with_tab = check != BST_UNCHECKED ? (style() | WS_TABSTOP) : (style() & ~WS_TABSTOP);
      SetWindowLongPtrW(hwnd_, GWL_STYLE, with_tab);
    }
    if (check == check_) return;
    check_ = check;
    redraw(ODA_SELECT);
  }

  void set_pushed(bool pushed) {
    if (pushed == pushed_) return;
    pushed_ = pushed;
    redraw(ODA_SELECT);
    if (notifies()) notify_parent(hwnd_, pushed ? BN_HILITE : BN_UNHILITE);
  }

  void press_with_mouse() {
    if (type() == BS_GROUPBOX) return;
    SetCapture(hwnd_);
    tracking_ = true;
    if (!has_focus(hwnd_)) SetFocus(hwnd_);
    set_pushed(true);
  }

  void release_mouse(POINT point) {
    if (!tracking_) return;
    tracking_ = false;
    ReleaseCapture();
    const bool was_pushed = pushed_;
    set_pushed(false);
    if (was_pushed && inside(point)) click();
  }

  // A completed click: the automatic kinds change their check, then the parent hears of it.
  void click() {
    switch (type()) {
      case BS_AUTOCHECKBOX:
        set_check(check_ == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED);
        break;
      case BS_AUTO3STATE:
        set_check((check_ + 1) % 3);
        break;
      case BS_AUTORADIOBUTTON:
        check_in_group();
        break;
      default:
        break;
    }
    notify_parent(hwnd_, BN_CLICKED);
  }

  void check_in_group() {
    HWND sibling = group_start(hwnd_);
    do {
      if (sibling != hwnd_ && (SendMessageW(sibling, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0)
        SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
      sibling = GetWindow(sibling, GW_HWNDNEXT);
    } while (sibling != nullptr && (GetWindowLongPtrW(sibling, GWL_STYLE) & WS_GROUP) == 0);
    set_check(BST_CHECKED);
  }

  // Redraws at once, as the state changes, so that a press shows while the button is held. A
  // group box leaves its inside to the window beneath, which paints again under it first.
  void redraw(UINT action) {
    if (type() == BS_GROUPBOX) {
      HWND parent = GetParent(hwnd_);
      RECT area{};
      GetWindowRect(hwnd_, &area);
      MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
      RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      return;
    }
    pending_action_ = action;
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
  }

  void paint() {
    PaintScope paint(hwnd_);
    const UINT action = pending_action_;
    pending_action_ = ODA_DRAWENTIRE;
    if (type() == BS_OWNERDRAW) {
      draw_owner(paint.dc(), action);
      return;
    }
    RECT client = client_rect(hwnd_);
    if (type() == BS_GROUPBOX) {
      // Only the frame and the caption: what the group box frames shows through.
      FontScope font(paint.dc(), font_.font());
      draw_group(paint.dc(), client);
      return;
    }
    BufferedPaint buffer(paint.dc(), client);
    FontScope font(buffer.dc(), font_.font());
    if (is_checkable(type())) {
      draw_checkable(buffer.dc(), client);
    } else {
      draw_push(buffer.dc(), client);
    }
  }

  void draw_owner(HDC dc, UINT action) {
    const UINT state = (pushed_ ? ODS_SELECTED : 0) | (focused_ ? ODS_FOCUS : 0) |
                       (IsWindowEnabled(hwnd_) ? 0 : ODS_DISABLED) |
                       (check_ == BST_CHECKED ? ODS_CHECKED : 0);
    FontScope font(dc, font_.font());
    draw_by_owner(hwnd_, ODT_BUTTON, dc, client_rect(hwnd_), 0, state, action);
  }

  UINT text_format() const {
    const DWORD bits = style();
    UINT format = DT_CENTER;
    if ((bits & BS_CENTER) == BS_LEFT) format = DT_LEFT;
    if ((bits & BS_CENTER) == BS_RIGHT) format = DT_RIGHT;
    return format | ((bits & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE);
  }

  // Draws the caption in the rectangle, centred vertically whether it wraps or not.
  void draw_caption(HDC dc, RECT rect, UINT format) const {
    const std::wstring text = window_text(hwnd_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd_) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    RECT measured = rect;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    rect.top += std::max(0, ((rect.bottom - rect.top) - height) / 2);
    rect.bottom = rect.top + height;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
  }

  void draw_push(HDC dc, RECT rect) {
    HBRUSH background = ask_colours(hwnd_, dc, WM_CTLCOLORBTN);
    FillRect(dc, &rect, background);
    if (type() == BS_DEFPUSHBUTTON) {
      FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      InflateRect(&rect, -1, -1);
    }
    fill(dc, rect, GetSysColor(COLOR_BTNFACE));
    if (pushed_) {
      FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
      DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT);
    }
    RECT text_rect = rect;
    InflateRect(&text_rect, -4, -2);
    if (pushed_) OffsetRect(&text_rect, 1, 1);
    if ((style() & BS_BITMAP) != 0 && image_ != nullptr) {
      const SIZE size = bitmap_size(image_);
      draw_bitmap(dc, image_, (text_rect.left + text_rect.right - size.cx) / 2,
                  (text_rect.top + text_rect.bottom - size.cy) / 2);
    } else {
      draw_caption(dc, text_rect, text_format());
    }
    if (focused_) {
      RECT focus = rect;
      InflateRect(&focus, -3, -3);
      DrawFocusRect(dc, &focus);
    }
  }

  void draw_checkable(HDC dc, const RECT& rect) {
    HBRUSH background = ask_colours(hwnd_, dc, WM_CTLCOLORSTATIC);
    FillRect(dc, &rect, background);
    const bool left_text = (style() & BS_LEFTTEXT) != 0;
    const int box_left = left_text ? rect.right - kCheckBoxSize : rect.left;
    const int box_top = (rect.top + rect.bottom - kCheckBoxSize) / 2;
    const bool enabled = IsWindowEnabled(hwnd_) != 0;
    if (is_radio(type())) {
      draw_radio(dc, box_left, box_top, check_ == BST_CHECKED, enabled);
    } else {
      draw_check_box(dc, box_left, box_top, check_, enabled);
    }
    RECT text_rect = rect;
    if (left_text) {
      text_rect.right -= kCheckBoxSize + kTextGap;
    } else {
      text_rect.left += kCheckBoxSize + kTextGap;
    }
    UINT format = text_format();
    if ((style() & BS_CENTER) == 0) format = (format & ~DT_CENTER) | DT_LEFT;
    draw_caption(dc, text_rect, format);
    if (focused_) DrawFocusRect(dc, &text_rect);
  }

  void draw_group(HDC dc, const RECT& rect) {
    HBRUSH background = ask_colours(hwnd_, dc, WM_CTLCOLORSTATIC);
    const std::wstring text = window_text(hwnd_);
    const int half_line = line_height(dc) / 2;
    RECT frame{rect.left, rect.top + half_line, rect.right, rect.bottom};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (text.empty()) return;
    RECT caption{rect.left + 8, rect.top, rect.right - 8, rect.top + 2 * half_line};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption, DT_SINGLELINE | DT_CALCRECT);
    InflateRect(&caption, 2, 0);
    FillRect(dc, &caption, background);
    InflateRect(&caption, -2, 0);
    draw_caption(dc, caption, DT_SINGLELINE | DT_LEFT);
  }

  HWND hwnd_;
  ControlFont font_;
  LRESULT check_ = BST_UNCHECKED;
  bool pushed_ = false;
  bool focused_ = false;
  bool tracking_ = false;
  bool space_down_ = false;
  HANDLE image_ = nullptr;
  UINT pending_action_ = ODA_DRAWENTIRE;
};

}  // namespace

LRESULT CALLBACK button_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<Button>(hwnd, message, wParam, lParam);
}

}  // namespace controls
