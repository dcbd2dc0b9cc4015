// The "msctls_trackbar32" class: a thumb on a channel that the user drags, pages with clicks on
// the channel or moves with the keys. The parent hears every move through WM_HSCROLL (or
// WM_VSCROLL for TBS_VERT) with the TB_ code, and TB_ENDTRACK when the gesture ends.
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/win/controls/control_procedures.h"
#include "platform/win/controls/control_support.h"

namespace controls {

namespace {

constexpr int kThumbBreadth = 11;  // across the channel's direction
constexpr int kMargin = 8;         // from the ends of the control to the channel's ends
constexpr int kChannelThickness = 4;
constexpr int kTicLength = 3;
constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeat = 400;
constexpr UINT kRepeat = 100;

class Trackbar {
 public:
  explicit Trackbar(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
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
      case WM_STYLECHANGED:
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        focused_ = message == WM_SETFOCUS;
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_LBUTTONDOWN:
        press(point_of(lParam));
        return 0;
      case WM_MOUSEMOVE:
        if (dragging_) drag(point_of(lParam));
        return 0;
      case WM_LBUTTONUP:
        release();
        return 0;
      case WM_CAPTURECHANGED:
        if (dragging_ || paging_) end_gesture(false);
        return 0;
      case WM_TIMER:
        if (wParam == kRepeatTimer) repeat_page();
        return 0;
      case WM_KEYDOWN:
        key_down(static_cast<UINT>(wParam));
        return 0;
      case WM_KEYUP:
        if (key_code(static_cast<UINT>(wParam)) >= 0) notify(TB_ENDTRACK);
        return 0;
      case TBM_GETPOS:
        return position_;
      case TBM_SETPOS:
        set_position(static_cast<int>(lParam), wParam != 0);
        return 0;
      case TBM_SETRANGE:
        set_range(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), wParam != 0);
        return 0;
      case TBM_SETRANGEMIN:
        set_range(static_cast<int>(lParam), max_, wParam != 0);
        return 0;
      case TBM_SETRANGEMAX:
        set_range(min_, static_cast<int>(lParam), wParam != 0);
        return 0;
      case TBM_GETRANGEMIN:
        return min_;
      case TBM_GETRANGEMAX:
        return max_;
      case TBM_SETTICFREQ:
        tic_frequency_ = std::max(1, static_cast<int>(wParam));
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case TBM_SETTIC:
        if (static_cast<int>(lParam) < min_ || static_cast<int>(lParam) > max_) return FALSE;
        tics_.push_back(static_cast<int>(lParam));
        InvalidateRect(hwnd_, nullptr, FALSE);
        return TRUE;
      case TBM_CLEARTICS:
        tics_.clear();
        if (wParam) InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case TBM_GETNUMTICS:
        return static_cast<LRESULT>(tic_positions().size()) + 2;
      case TBM_GETTIC:
        return wParam < tics_.size() ? tics_[wParam] : -1;
      case TBM_SETPAGESIZE: {
        const int previous = page_;
        page_ = static_cast<int>(lParam);
        page_set_ = true;
        return previous;
      }
      case TBM_GETPAGESIZE:
        return page_;
      case TBM_SETLINESIZE:
        return std::exchange(line_, static_cast<int>(lParam));
      case TBM_GETLINESIZE:
        return line_;
      case TBM_GETTHUMBRECT:
        if (lParam != 0) *reinterpret_cast<RECT*>(lParam) = thumb_rect();
        return 0;
      case TBM_GETCHANNELRECT:
        if (lParam != 0) *reinterpret_cast<RECT*>(lParam) = channel_rect();
        return 0;
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  DWORD style() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
  bool vertical() const { return (style() & TBS_VERT) != 0; }

  void notify(WORD code) {
    const WORD shown = (code == TB_THUMBTRACK || code == TB_THUMBPOSITION) ? static_cast<WORD>(position_) : 0;
    SendMessageW(GetParent(hwnd_), vertical() ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, shown),
                 reinterpret_cast<LPARAM>(hwnd_));
  }

  void set_range(int minimum, int maximum, bool repaint) {
    min_ = minimum;
    max_ = std::max(minimum, maximum);
    if (!page_set_) page_ = std::max(1, (max_ - min_) / 5);
    position_ = std::clamp(position_, min_, max_);
    if (repaint) InvalidateRect(hwnd_, nullptr, FALSE);
  }

  void set_position(int position, bool repaint) {
    position_ = std::clamp(position, min_, max_);
    if (repaint) InvalidateRect(hwnd_, nullptr, FALSE);
  }

  // Moves by the user: the thumb moves at once and the parent hears the code.
  void move_to(int position, WORD code) {
    set_position(position, true);
    UpdateWindow(hwnd_);
    notify(code);
  }

  // Along the channel: the length axis and the breadth axis, whichever way the bar lies.
  int length() const {
    const RECT client = client_rect(hwnd_);
    return vertical() ? client.bottom : client.right;
  }
  int breadth() const {
    const RECT client = client_rect(hwnd_);
    return vertical() ? client.right : client.bottom;
  }
  int along(POINT point) const { return vertical() ? point.y : point.x; }

  int offset_of(int position) const {
    const int span = std::max(1, max_ - min_);
    const int room = std::max(0, length() - 2 * kMargin);
    return kMargin + static_cast<int>(static_cast<long long>(room) * (position - min_) / span);
  }

  int position_at(int offset) const {
    const int room = std::max(1, length() - 2 * kMargin);
    const int span = max_ - min_;
    const long long scaled = static_cast<long long>(offset - kMargin) * span;
    const int position = min_ + static_cast<int>((scaled + (scaled >= 0 ? room / 2 : -room / 2)) / room);
    return std::clamp(position, min_, max_);
  }

  RECT oriented(int along_start, int along_end, int across_start, int across_end) const {
    return vertical() ? RECT{across_start, along_start, across_end, along_end}
                      : RECT{along_start, across_start, along_end, across_end};
  }

  int thumb_length() const { return std::max(8, std::min(breadth() - 8, 21)); }

  RECT thumb_rect() const {
    const int centre = offset_of(position_);
    const int across = (breadth() - thumb_length()) / 2;
    return oriented(centre - kThumbBreadth / 2, centre + kThumbBreadth / 2 + 1, across,
                    across + thumb_length());
  }

  RECT channel_rect() const {
    const int across = (breadth() - kChannelThickness) / 2;
    return oriented(kMargin - 2, length() - kMargin + 2, across, across + kChannelThickness);
  }

  void press(POINT point) {
    if (!has_focus(hwnd_)) SetFocus(hwnd_);
    const RECT thumb = thumb_rect();
    SetCapture(hwnd_);
    if (PtInRect(&thumb, point)) {
      dragging_ = true;
      grab_offset_ = along(point) - offset_of(position_);
      return;
    }
    paging_ = true;
    page_target_ = along(point);
    page_once();
    SetTimer(hwnd_, kRepeatTimer, kFirstRepeat, nullptr);
  }

  // One page towards the point held on the channel, until the thumb reaches it.
  bool page_once() {
    const int thumb = offset_of(position_);
    if (page_target_ < thumb - kThumbBreadth / 2) {
      move_to(position_ - page_, TB_PAGEUP);
      return true;
    }
    if (page_target_ > thumb + kThumbBreadth / 2) {
      move_to(position_ + page_, TB_PAGEDOWN);
      return true;
    }
    return false;
  }

  void repeat_page() {
    if (!paging_ || !page_once()) {
      KillTimer(hwnd_, kRepeatTimer);
      return;
    }
    SetTimer(hwnd_, kRepeatTimer, kRepeat, nullptr);
  }

  void drag(POINT point) {
    const int position = position_at(along(point) - grab_offset_);
    if (position != position_) move_to(position, TB_THUMBTRACK);
  }

  void release() {
    if (!dragging_ && !paging_) return;
    end_gesture(true);
  }

  // A drag ends with TB_THUMBPOSITION, every gesture with TB_ENDTRACK.
  void end_gesture(bool release_capture) {
    const bool was_dragging = dragging_;
    dragging_ = false;
    paging_ = false;
    KillTimer(hwnd_, kRepeatTimer);
    if (release_capture && GetCapture() == hwnd_) ReleaseCapture();
    const HWND self = hwnd_;
    if (was_dragging) notify(TB_THUMBPOSITION);
    // The parent may have destroyed the trackbar, and this object with it.
    if (IsWindow(self)) notify(TB_ENDTRACK);
  }

  // The code a key moves the thumb with, or -1 for keys a trackbar leaves alone.
  static int key_code(UINT key) {
    switch (key) {
      case VK_LEFT:
      case VK_UP:
        return TB_LINEUP;
      case VK_RIGHT:
      case VK_DOWN:
        return TB_LINEDOWN;
      case VK_PRIOR:
        return TB_PAGEUP;
      case VK_NEXT:
        return TB_PAGEDOWN;
      case VK_HOME:
        return TB_TOP;
      case VK_END:
        return TB_BOTTOM;
      default:
        return -1;
    }
  }

  void key_down(UINT key) {
    const int code = key_code(key);
    switch (code) {
      case TB_LINEUP:
        move_to(position_ - line_, TB_LINEUP);
        break;
      case TB_LINEDOWN:
        move_to(position_ + line_, TB_LINEDOWN);
        break;
      case TB_PAGEUP:
        move_to(position_ - page_, TB_PAGEUP);
        break;
      case TB_PAGEDOWN:
        move_to(position_ + page_, TB_PAGEDOWN);
        break;
      case TB_TOP:
        move_to(min_, TB_TOP);
        break;
      case TB_BOTTOM:
        move_to(max_, TB_BOTTOM);
        break;
      default:
        break;
    }
  }

  // The tic marks between the ends: every tic_frequency_ positions with TBS_AUTOTICKS, else
  // the ones set one by one.
  std::vector<int> tic_positions() const {
    if ((style() & TBS_AUTOTICKS) == 0) return tics_;
    std::vector<int> positions;
    for (int position = min_ + tic_frequency_; position < max_; position += tic_frequency_)
      positions.push_back(position);
    return positions;
  }

  void paint() {
    PaintScope paint(hwnd_);
    const RECT client = client_rect(hwnd_);
    BufferedPaint buffer(paint.dc(), client);
    HDC dc = buffer.dc();
    FillRect(dc, &client, ask_colours(hwnd_, dc, WM_CTLCOLORSTATIC));
    RECT channel = channel_rect();
    DrawEdge(dc, &channel, EDGE_SUNKEN, BF_RECT);
    if ((style() & TBS_NOTICKS) == 0) draw_tics(dc);
    if ((style() & TBS_NOTHUMB) == 0) {
      RECT thumb = thumb_rect();
      fill(dc, thumb, GetSysColor(dragging_ ? COLOR_3DLIGHT : COLOR_BTNFACE));
      DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT);
    }
    if (focused_) {
      RECT focus = client;
      DrawFocusRect(dc, &focus);
    }
  }

  void draw_tics(HDC dc) {
    const int across = (breadth() + thumb_length()) / 2 + 1;
    std::vector<int> positions = tic_positions();
    positions.push_back(min_);
    positions.push_back(max_);
    for (int position : positions) {
      const int at = offset_of(position);
      const RECT tic = oriented(at, at + 1, across, across + kTicLength);
      fill(dc, tic, GetSysColor(COLOR_BTNTEXT));
    }
  }

  HWND hwnd_;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int line_ = 1;
  int page_ = 20;
  bool page_set_ = false;
  int tic_frequency_ = 1;
  std::vector<int> tics_;
  bool focused_ = false;
  bool dragging_ = false;
  bool paging_ = false;
  int grab_offset_ = 0;
  int page_target_ = 0;
};

}  // namespace

LRESULT CALLBACK trackbar_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<Trackbar>(hwnd, message, wParam, lParam);
}

}  // namespace controls
