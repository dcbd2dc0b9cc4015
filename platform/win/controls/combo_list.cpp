// The "ComboLBox" pop-up: a combo box's open list. It holds the mouse while open, so that a
// press on the combo box, a drag onto an item and a release there choose in one gesture, and a
// press anywhere outside closes it.
#include "platform/win/controls/combo_box.h"
#include "platform/win/controls/control_procedures.h"

namespace controls {

namespace {

class ComboList {
 public:
  explicit ComboList(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_NCCREATE:
        combo_ = static_cast<HWND>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        break;
      case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        paint();
        return 0;
      case kStartTracking:
        pressed_in_list_ = false;
        moved_into_list_ = false;
        SetCapture(hwnd_);
        return 0;
      case WM_MOUSEMOVE:
        move(point_of(lParam));
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        press(point_of(lParam));
        return 0;
      case WM_LBUTTONUP:
        release(point_of(lParam));
        return 0;
      case WM_MOUSEWHEEL:
        if (ComboBox* box = combo()) {
          box->body().scroll_to(box->body().top - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA,
                                client_rect(hwnd_));
          InvalidateRect(hwnd_, nullptr, FALSE);
        }
        return 0;
      case LB_GETCOUNT:
      case LB_GETCURSEL:
      case LB_GETTOPINDEX:
      case LB_GETITEMRECT:
        return answer_list_query(message, wParam, lParam);
      case WM_CAPTURECHANGED:
        // Anyone else taking the mouse closes the list.
        if (reinterpret_cast<HWND>(lParam) != hwnd_)
          if (ComboBox* box = combo()) box->close_up(false);
        return 0;
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  ComboBox* combo() const {
    return IsWindow(combo_) ? reinterpret_cast<ComboBox*>(GetWindowLongPtrW(combo_, 0)) : nullptr;
  }

  bool inside(POINT point) const {
    const RECT client = client_rect(hwnd_);
    return PtInRect(&client, point) != 0;
  }

  // The list answers what a list box is asked, so that whoever drives the mouse can aim at an
  // item: the highlighted item stands for the selection while the list is open.
  LRESULT answer_list_query(UINT message, WPARAM wParam, LPARAM lParam) const {
    const ComboBox* box = combo();
    if (box == nullptr) return LB_ERR;
    const ListBody& body = box->body();
    switch (message) {
      case LB_GETCOUNT:
        return body.count();
      case LB_GETCURSEL:
        return body.valid(box->hot()) ? box->hot() : LB_ERR;
      case LB_GETTOPINDEX:
        return body.top;
      default:
        if (!body.valid(static_cast<int>(wParam)) || lParam == 0) return LB_ERR;
        *reinterpret_cast<RECT*>(lParam) = body.item_rect(static_cast<int>(wParam), client_rect(hwnd_));
        return LB_OKAY;
    }
  }

  void move(POINT point) {
    ComboBox* box = combo();
    if (box == nullptr) return;
    const int index = box->body().item_at(point, client_rect(hwnd_));
    if (index < 0) return;
    moved_into_list_ = true;
    box->set_hot(index);
  }

  void press(POINT point) {
    ComboBox* box = combo();
    if (box == nullptr) return;
    if (!inside(point)) {
      box->close_up(false);
      return;
    }
    const RECT client = client_rect(hwnd_);
    const ListBody::StripPart part = box->body().strip_part(point, client);
    if (part != ListBody::StripPart::None) {
      box->body().scroll_by_strip(part, client);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return;
    }
    pressed_in_list_ = true;
    box->set_hot(box->body().item_at(point, client));
  }

  // The release of the press that opened the list, over the combo box, leaves it open.
  void release(POINT point) {
    ComboBox* box = combo();
    if (box == nullptr || !inside(point) || !(pressed_in_list_ || moved_into_list_)) return;
    const int index = box->body().item_at(point, client_rect(hwnd_));
    if (index < 0) return;
    box->set_hot(index);
    box->close_up(true);
  }

  void paint() {
    PaintScope paint(hwnd_);
    ComboBox* box = combo();
    if (box == nullptr) return;
    const RECT client = client_rect(hwnd_);
    {
      BufferedPaint buffer(paint.dc(), client);
      FontScope font(buffer.dc(), box->font());
      HBRUSH background = ask_colours(combo_, buffer.dc(), WM_CTLCOLORLISTBOX);
      box->body().draw(buffer.dc(), client, box->drawing(), background, box->hot(), false);
    }
    draw_frame(hwnd_);
  }

  HWND hwnd_;
  HWND combo_ = nullptr;
  bool pressed_in_list_ = false;
  bool moved_into_list_ = false;
};

}  // namespace

LRESULT CALLBACK combo_list_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<ComboList>(hwnd, message, wParam, lParam);
}

}  // namespace controls
