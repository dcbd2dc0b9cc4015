// The "ComboBox" class as a drop-down list: a field that shows the selected item and a button
// that opens the list. CBN_SELCHANGE tells the parent of the user's choices only; code that
// sets the selection hears nothing.
#include "platform/win/controls/combo_box.h"

#include <algorithm>

#include "platform/win/controls/control_glyphs.h"
#include "platform/win/controls/control_procedures.h"

namespace controls {

namespace {

constexpr int kFieldBorder = 3;  // the sunken edge and a pixel of padding, on each side
constexpr int kButtonWidth = 17;

}  // namespace

LRESULT ComboBox::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (font_.handle(hwnd_, message, wParam, lParam, result)) {
    if (message == WM_SETFONT && !owner_draw()) {
      const int height = line_height_of(hwnd_, font_.font()) + 2;
      body_.item_height = height;
      set_field_height(height);
    }
    return result;
  }
  switch (message) {
    case WM_CREATE:
      create();
      return 0;
    case WM_DESTROY:
      if (list_ != nullptr) DestroyWindow(list_);
      list_ = nullptr;
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS | (dropped_ ? DLGC_WANTMESSAGE : 0);
    case WM_SETTEXT: {
      // A drop-down list shows only its items: the text selects the item that holds it.
      const int found = body_.find(-1, lParam != 0 ? reinterpret_cast<LPCWSTR>(lParam) : L"", true);
      if (found < 0) return CB_ERR;
      set_selection(found);
      return TRUE;
    }
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT:
      paint();
      return 0;
    case WM_ENABLE:
      if (!wParam && dropped_) close_up(false);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_SETFOCUS:
      focused_ = true;
      InvalidateRect(hwnd_, nullptr, FALSE);
      notify_parent(hwnd_, CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      focused_ = false;
      if (dropped_) close_up(false);
      InvalidateRect(hwnd_, nullptr, FALSE);
      notify_parent(hwnd_, CBN_KILLFOCUS);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!has_focus(hwnd_)) SetFocus(hwnd_);
      if (dropped_) {
        close_up(false);
      } else {
        drop_down();
      }
      return 0;
    case WM_MOUSEWHEEL:
      if (!dropped_) key_down(GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? VK_UP : VK_DOWN);
      return 0;
    case WM_KEYDOWN:
      key_down(static_cast<UINT>(wParam));
      return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_DOWN || wParam == VK_UP) {
        if (dropped_) {
          close_up(true);
        } else {
          drop_down();
        }
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam >= L' ')
        choose(body_.find(dropped_ ? hot_ : body_.selection, std::wstring(1, static_cast<wchar_t>(wParam)),
                          false));
      return 0;
    case CB_ADDSTRING: {
      const int index = body_.add(ListBody::item_from(lParam, keeps_strings()), (style() & CBS_SORT) != 0);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return index;
    }
    case CB_INSERTSTRING: {
      const int index = body_.insert(static_cast<int>(wParam), ListBody::item_from(lParam, keeps_strings()));
      return index < 0 ? CB_ERR : index;
    }
    case CB_DELETESTRING:
      if (!body_.remove(static_cast<int>(wParam))) return CB_ERR;
      selection_shown();
      return body_.count();
    case CB_RESETCONTENT:
      body_.clear();
      hot_ = -1;
      selection_shown();
      return CB_OKAY;
    case CB_GETCOUNT:
      return body_.count();
    case CB_SETCURSEL:
      return set_selection(static_cast<int>(wParam));
    case CB_GETCURSEL:
      return body_.selection;
    case CB_GETLBTEXT:
      return body_.copy_text(static_cast<int>(wParam), reinterpret_cast<wchar_t*>(lParam), keeps_strings());
    case CB_GETLBTEXTLEN:
      if (!body_.valid(static_cast<int>(wParam))) return CB_ERR;
      return keeps_strings() ? static_cast<LRESULT>(body_.items[wParam].text.size()) : sizeof(ULONG_PTR);
    case CB_GETITEMDATA:
      if (!body_.valid(static_cast<int>(wParam))) return CB_ERR;
      return static_cast<LRESULT>(body_.items[wParam].data);
    case CB_SETITEMDATA:
      if (!body_.valid(static_cast<int>(wParam))) return CB_ERR;
      body_.items[wParam].data = static_cast<ULONG_PTR>(lParam);
      return CB_OKAY;
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
      return body_.find_item(static_cast<int>(wParam), lParam, message == CB_FINDSTRINGEXACT,
                             keeps_strings());
    case CB_SELECTSTRING: {
      const int found = body_.find_item(static_cast<int>(wParam), lParam, false, keeps_strings());
      if (found >= 0) set_selection(found);
      return found;
    }
    case CB_SETITEMHEIGHT:
      return set_item_height(static_cast<int>(wParam), static_cast<int>(lParam));
    case CB_GETITEMHEIGHT:
      return static_cast<int>(wParam) == -1 ? field_item_height_ : body_.item_height;
    case CB_SHOWDROPDOWN:
      show_drop_down(wParam != 0);
      return TRUE;
    case CB_GETDROPPEDSTATE:
      return dropped_ ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT:
      if (lParam != 0) *reinterpret_cast<RECT*>(lParam) = drop_down_rect();
      return TRUE;
    case CB_GETTOPINDEX:
      return body_.top;
    case CB_SETTOPINDEX:
      if (!body_.valid(static_cast<int>(wParam))) return CB_ERR;
      body_.top = static_cast<int>(wParam);
      return CB_OKAY;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// The height a combo box is created with is its height when open; closed, it is as high as its
// field, which the owner may measure.
void ComboBox::create() {
  RECT window{};
  GetWindowRect(hwnd_, &window);
  dropped_height_ = window.bottom - window.top;
  const int text_height = line_height_of(hwnd_, font_.font()) + 2;
  body_.item_height = text_height;
  int field_height = text_height;
  if (owner_draw()) {
    field_height = measure(static_cast<UINT>(-1), text_height);
    body_.item_height = measure(0, text_height);
  }
  set_field_height(field_height);
}

int ComboBox::measure(UINT item_id, int height) {
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_COMBOBOX;
  measure.CtlID = static_cast<UINT>(control_id(hwnd_));
  measure.itemID = item_id;
  measure.itemHeight = static_cast<UINT>(height);
  measure.itemWidth = static_cast<UINT>(client_rect(hwnd_).right);
  SendMessageW(GetParent(hwnd_), WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
  return static_cast<int>(std::max(1u, measure.itemHeight));
}

void ComboBox::set_field_height(int item_height) {
  field_item_height_ = item_height;
  RECT window{};
  GetWindowRect(hwnd_, &window);
  SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left, item_height + 2 * kFieldBorder,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT ComboBox::set_item_height(int which, int height) {
  if (height <= 0 || height > 255) return CB_ERR;
  if (which == -1) {
    set_field_height(height);
  } else {
    body_.item_height = height;
  }
  return CB_OKAY;
}

// CB_SETCURSEL: -1 or an index out of range leaves no item selected.
LRESULT ComboBox::set_selection(int index) {
  body_.selection = body_.valid(index) ? index : -1;
  hot_ = body_.selection;
  selection_shown();
  return body_.selection >= 0 ? body_.selection : CB_ERR;
}

// The field shows the selection, and the window's text is the selected item's, for whoever
// reads it from outside.
void ComboBox::selection_shown() {
  const std::wstring text = keeps_strings() && body_.valid(body_.selection)
                                ? body_.items[static_cast<std::size_t>(body_.selection)].text
                                : std::wstring();
  DefWindowProcW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  InvalidateRect(hwnd_, nullptr, FALSE);
  if (list_ != nullptr && dropped_) InvalidateRect(list_, nullptr, FALSE);
}

void ComboBox::set_hot(int index) {
  if (index == hot_ || !body_.valid(index)) return;
  hot_ = index;
  body_.ensure_visible(index, client_rect(list_));
  InvalidateRect(list_, nullptr, FALSE);
}

// A choice by the keyboard or in the list: the selection moves and the parent hears of it.
void ComboBox::choose(int index) {
  if (!body_.valid(index) || index == body_.selection) return;
  body_.selection = index;
  hot_ = index;
  if (dropped_) body_.ensure_visible(index, client_rect(list_));
  selection_shown();
  UpdateWindow(hwnd_);
  notify_parent(hwnd_, CBN_SELCHANGE);
}

RECT ComboBox::drop_down_rect() const {
  RECT window{};
  GetWindowRect(hwnd_, &window);
  const int field_height = window.bottom - window.top;
  const int wanted = std::max(1, body_.count()) * body_.item_height + 2;
  const int room = std::max(body_.item_height + 2, dropped_height_ - field_height);
  return {window.left, window.bottom, window.right, window.bottom + std::min(wanted, room)};
}

void ComboBox::drop_down() {
  if (dropped_ || !IsWindowEnabled(hwnd_)) return;
  // The parent may destroy the box while it hears of it: then this object is gone too.
  const HWND self = hwnd_;
  notify_parent(self, CBN_DROPDOWN);
  if (!IsWindow(self) || dropped_) return;
  if (list_ == nullptr)
    list_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"ComboLBox", L"", WS_POPUP | WS_BORDER, 0, 0,
                            0, 0, hwnd_, nullptr, nullptr, reinterpret_cast<LPVOID>(hwnd_));
  if (list_ == nullptr) return;
  dropped_ = true;
  hot_ = body_.selection;
  const RECT rect = drop_down_rect();
  SetWindowPos(list_, HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  body_.top = 0;
  body_.ensure_visible(hot_, client_rect(list_));
  SendMessageW(list_, kStartTracking, 0, 0);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void ComboBox::close_up(bool chosen) {
  if (!dropped_) return;
  dropped_ = false;
  const HWND self = hwnd_;
  const HWND list = list_;
  if (GetCapture() == list) ReleaseCapture();
  ShowWindow(list, SW_HIDE);
  notify_parent(self, chosen ? CBN_SELENDOK : CBN_SELENDCANCEL);
  if (!IsWindow(self)) return;
  InvalidateRect(self, nullptr, FALSE);
  notify_parent(self, CBN_CLOSEUP);
  if (chosen && IsWindow(self)) choose(hot_);
}

void ComboBox::show_drop_down(bool show) {
  if (show) {
    drop_down();
  } else {
    close_up(false);
  }
}

void ComboBox::key_down(UINT key) {
  const int current = dropped_ ? hot_ : body_.selection;
  switch (key) {
    case VK_F4:
      if (dropped_) {
        close_up(true);
      } else {
        drop_down();
      }
      return;
    case VK_RETURN:
      if (dropped_) close_up(true);
      return;
    case VK_ESCAPE:
      if (dropped_) close_up(false);
      return;
    case VK_UP:
    case VK_LEFT:
      choose(std::max(0, current - 1));
      return;
    case VK_DOWN:
    case VK_RIGHT:
      choose(current < 0 ? 0 : std::min(body_.count() - 1, current + 1));
      return;
    case VK_HOME:
      choose(0);
      return;
    case VK_END:
      choose(body_.count() - 1);
      return;
    default:
      return;
  }
}

void ComboBox::paint() {
  PaintScope paint(hwnd_);
  const RECT client = client_rect(hwnd_);
  BufferedPaint buffer(paint.dc(), client);
  HDC dc = buffer.dc();
  FontScope font(dc, font_.font());
  RECT frame = client;
  DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  RECT button{std::max(frame.left, frame.right - kButtonWidth), frame.top, frame.right, frame.bottom};
  fill(dc, button, GetSysColor(COLOR_BTNFACE));
  RECT button_edge = button;
  DrawEdge(dc, &button_edge, dropped_ ? BDR_SUNKENOUTER : EDGE_RAISED, BF_RECT);
  draw_down_arrow(dc, button, GetSysColor(IsWindowEnabled(hwnd_) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  RECT field{frame.left, frame.top, button.left, frame.bottom};
  HBRUSH background = ask_colours(hwnd_, dc, IsWindowEnabled(hwnd_) ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
  FillRect(dc, &field, background);
  InflateRect(&field, -1, -1);
  draw_field(dc, field);
}

void ComboBox::draw_field(HDC dc, const RECT& area) {
  const bool enabled = IsWindowEnabled(hwnd_) != 0;
  const bool shows_focus = focused_ && !dropped_ && (owner_draw() || body_.valid(body_.selection));
  const UINT state =
      ODS_COMBOBOXEDIT | (shows_focus ? ODS_SELECTED | ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
  HBRUSH background = ask_colours(hwnd_, dc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
  body_.draw_item(dc, drawing(), body_.selection, area, state, background);
}

LRESULT CALLBACK combo_box_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<ComboBox>(hwnd, message, wParam, lParam);
}

}  // namespace controls
