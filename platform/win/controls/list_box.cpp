// The "ListBox" class: a single-selection list of strings (or owner-drawn items) that scrolls
// when it holds more than it shows. With LBS_NOTIFY the parent hears of the user's choices.
#include <algorithm>

#include "platform/win/controls/control_procedures.h"
#include "platform/win/controls/control_support.h"
#include "platform/win/controls/list_body.h"

namespace controls {

namespace {

constexpr int kWheelLines = 3;

class ListBox {
 public:
  explicit ListBox(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (font_.handle(hwnd_, message, wParam, lParam, result)) {
      if (message == WM_SETFONT && !owner_draw()) body_.item_height = line_height_of(hwnd_, font_.font());
      return result;
    }
    switch (message) {
      case WM_CREATE:
        body_.item_height = owner_draw() ? measure_item() : line_height_of(hwnd_, font_.font());
        return 0;
      case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        paint();
        return 0;
      case WM_ENABLE:
      case WM_SIZE:
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        focused_ = message == WM_SETFOCUS;
        InvalidateRect(hwnd_, nullptr, FALSE);
        notify(focused_ ? LBN_SETFOCUS : LBN_KILLFOCUS);
        return 0;
      case WM_LBUTTONDOWN:
        press(point_of(lParam));
        return 0;
      case WM_MOUSEMOVE:
        if (tracking_) choose(body_.item_at(point_of(lParam), client_rect(hwnd_)));
        return 0;
      case WM_LBUTTONUP:
        if (tracking_) ReleaseCapture();
        return 0;
      case WM_CAPTURECHANGED:
        tracking_ = false;
        return 0;
      case WM_LBUTTONDBLCLK:
        if (body_.item_at(point_of(lParam), client_rect(hwnd_)) >= 0) notify(LBN_DBLCLK);
        return 0;
      case WM_MOUSEWHEEL:
        scroll_to(body_.top - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * kWheelLines);
        return 0;
      case WM_KEYDOWN:
        key_down(static_cast<UINT>(wParam));
        return 0;
      case WM_CHAR:
        choose(body_.find(body_.selection, std::wstring(1, static_cast<wchar_t>(wParam)), false));
        return 0;
      case LB_ADDSTRING:
        return changed(body_.add(ListBody::item_from(lParam, keeps_strings()), (style() & LBS_SORT) != 0));
      case LB_INSERTSTRING:
        return changed(body_.insert(static_cast<int>(wParam), ListBody::item_from(lParam, keeps_strings())));
      case LB_DELETESTRING:
        if (!body_.remove(static_cast<int>(wParam))) return LB_ERR;
        InvalidateRect(hwnd_, nullptr, FALSE);
        return body_.count();
      case LB_RESETCONTENT:
        body_.clear();
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case LB_GETCOUNT:
        return body_.count();
      case LB_SETCURSEL:
        return set_selection(static_cast<int>(wParam));
      case LB_GETCURSEL:
        return body_.selection;
      case LB_GETSEL:
        if (!body_.valid(static_cast<int>(wParam))) return LB_ERR;
        return static_cast<int>(wParam) == body_.selection ? 1 : 0;
      case LB_GETTEXT:
        return body_.copy_text(static_cast<int>(wParam), reinterpret_cast<wchar_t*>(lParam), keeps_strings());
      case LB_GETTEXTLEN:
        if (!body_.valid(static_cast<int>(wParam))) return LB_ERR;
        return static_cast<LRESULT>(body_.items[wParam].text.size());
      case LB_GETITEMDATA:
        if (!body_.valid(static_cast<int>(wParam))) return LB_ERR;
        return static_cast<LRESULT>(body_.items[wParam].data);
      case LB_SETITEMDATA:
        if (!body_.valid(static_cast<int>(wParam))) return LB_ERR;
        body_.items[wParam].data = static_cast<ULONG_PTR>(lParam);
        return LB_OKAY;
      case LB_FINDSTRING:
      case LB_FINDSTRINGEXACT:
        return body_.find_item(static_cast<int>(wParam), lParam, message == LB_FINDSTRINGEXACT,
                               keeps_strings());
      case LB_SELECTSTRING: {
        const int found = body_.find_item(static_cast<int>(wParam), lParam, false, keeps_strings());
        if (found >= 0) set_selection(found);
        return found;
      }
      case LB_GETTOPINDEX:
        return body_.top;
      case LB_SETTOPINDEX:
        if (!body_.valid(static_cast<int>(wParam)) && wParam != 0) return LB_ERR;
        scroll_to(static_cast<int>(wParam));
        return LB_OKAY;
      case LB_GETITEMRECT:
        if (!body_.valid(static_cast<int>(wParam)) || lParam == 0) return LB_ERR;
        *reinterpret_cast<RECT*>(lParam) = body_.item_rect(static_cast<int>(wParam), client_rect(hwnd_));
        return LB_OKAY;
      case LB_ITEMFROMPOINT: {
        const int index = body_.item_at(point_of(lParam), client_rect(hwnd_));
        return index >= 0 ? index : MAKELRESULT(std::max(0, body_.count() - 1), 1);
      }
      case LB_SETITEMHEIGHT:
        if (LOWORD(lParam) == 0 || LOWORD(lParam) > 255) return LB_ERR;
        body_.item_height = LOWORD(lParam);
        InvalidateRect(hwnd_, nullptr, FALSE);
        return LB_OKAY;
      case LB_GETITEMHEIGHT:
        return body_.item_height;
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  DWORD style() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
  bool owner_draw() const { return (style() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }
  bool keeps_strings() const { return !owner_draw() || (style() & LBS_HASSTRINGS) != 0; }

  void notify(WORD code) {
    if (style() & LBS_NOTIFY) notify_parent(hwnd_, code);
  }

  LRESULT changed(int index) {
    if (index < 0) return LB_ERR;
    InvalidateRect(hwnd_, nullptr, FALSE);
    return index;
  }

  int measure_item() {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_LISTBOX;
    measure.CtlID = static_cast<UINT>(control_id(hwnd_));
    measure.itemHeight = static_cast<UINT>(line_height_of(hwnd_, font_.font()));
    measure.itemWidth = static_cast<UINT>(client_rect(hwnd_).right);
    SendMessageW(GetParent(hwnd_), WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
    return static_cast<int>(std::max(1u, measure.itemHeight));
  }

  // LB_SETCURSEL: -1 or an index out of range leaves no item selected.
  LRESULT set_selection(int index) {
    body_.selection = body_.valid(index) ? index : -1;
    body_.ensure_visible(body_.selection, client_rect(hwnd_));
    InvalidateRect(hwnd_, nullptr, FALSE);
    return body_.selection >= 0 ? body_.selection : LB_ERR;
  }

  // The user's choice: selects, shows and tells the parent when the selection moved.
  void choose(int index) {
    if (!body_.valid(index) || index == body_.selection) return;
    body_.selection = index;
    body_.ensure_visible(index, client_rect(hwnd_));
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
    notify(LBN_SELCHANGE);
  }

  void scroll_to(int first) {
    body_.scroll_to(first, client_rect(hwnd_));
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  void press(POINT point) {
    if (!has_focus(hwnd_)) SetFocus(hwnd_);
    const RECT client = client_rect(hwnd_);
    const ListBody::StripPart part = body_.strip_part(point, client);
    if (part != ListBody::StripPart::None) {
      body_.scroll_by_strip(part, client);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return;
    }
    SetCapture(hwnd_);
    tracking_ = true;
    choose(body_.item_at(point, client));
  }

  void key_down(UINT key) {
    const int page = body_.visible_rows(client_rect(hwnd_));
    const int last = body_.count() - 1;
    const int current = body_.selection;
    switch (key) {
      case VK_UP:
        choose(std::max(0, current - 1));
        break;
      case VK_DOWN:
        choose(std::min(last, current + 1));
        break;
      case VK_PRIOR:
        choose(std::max(0, current - page + 1));
        break;
      case VK_NEXT:
        choose(std::min(last, current + page - 1));
        break;
      case VK_HOME:
        choose(0);
        break;
      case VK_END:
        choose(last);
        break;
      default:
        break;
    }
  }

  void paint() {
    PaintScope paint(hwnd_);
    const RECT client = client_rect(hwnd_);
    {
      BufferedPaint buffer(paint.dc(), client);
      FontScope font(buffer.dc(), font_.font());
      HBRUSH background = ask_colours(hwnd_, buffer.dc(), WM_CTLCOLORLISTBOX);
      body_.draw(buffer.dc(), client, {hwnd_, ODT_LISTBOX, owner_draw()}, background, body_.selection,
                 focused_);
    }
    draw_frame(hwnd_);
  }

  HWND hwnd_;
  ControlFont font_;
  ListBody body_;
  bool focused_ = false;
  bool tracking_ = false;
};

}  // namespace

LRESULT CALLBACK list_box_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<ListBox>(hwnd, message, wParam, lParam);
}

}  // namespace controls
