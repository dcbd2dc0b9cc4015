// The "msctls_progress32" class: a bar that fills as its position goes from the low end of its
// range to the high end, in blocks or, with PBS_SMOOTH, continuously. With PBS_SMOOTHREVERSE the
// bar is continuous and a move back slides down to the new position on the desktop's clock
// instead of jumping there; the position itself is the new one at once.
#include <algorithm>
#include <utility>

#include "platform/win/controls/control_procedures.h"
#include "platform/win/controls/control_support.h"

namespace controls {

namespace {

constexpr int kBlockGap = 2;
constexpr UINT_PTR kSlideTimer = 1;
constexpr UINT kSlideStep = 15;
constexpr DWORD kSlideDuration = 200;

class ProgressBar {
 public:
  explicit ProgressBar(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        paint();
        return 0;
      case WM_STYLECHANGED:
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_TIMER:
        if (wParam == kSlideTimer) slide();
        return 0;
      case PBM_SETRANGE:
        return set_range(LOWORD(lParam), HIWORD(lParam));
      case PBM_SETRANGE32:
        return set_range(static_cast<int>(wParam), static_cast<int>(lParam));
      case PBM_GETRANGE:
        if (lParam != 0) *reinterpret_cast<PBRANGE*>(lParam) = {low_, high_};
        return wParam ? low_ : high_;
      case PBM_SETPOS:
        return set_position(static_cast<int>(wParam));
      case PBM_DELTAPOS:
        return set_position(position_ + static_cast<int>(wParam));
      case PBM_GETPOS:
        return position_;
      case PBM_SETSTEP:
        return std::exchange(step_, static_cast<int>(wParam));
      case PBM_STEPIT:
        return step_it();
      case PBM_SETBARCOLOR:
        return static_cast<LRESULT>(set_colour(bar_colour_, static_cast<COLORREF>(lParam)));
      case PBM_SETBKCOLOR:
        return static_cast<LRESULT>(set_colour(background_colour_, static_cast<COLORREF>(lParam)));
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  DWORD style() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }

  // Returns the former range, the low end in the low word.
  LRESULT set_range(int low, int high) {
    const LRESULT previous = MAKELRESULT(static_cast<WORD>(low_), static_cast<WORD>(high_));
    low_ = low;
    high_ = high;
    position_ = std::clamp(position_, std::min(low_, high_), std::max(low_, high_));
    show(position_);
    return previous;
  }

  LRESULT set_position(int position) {
    const int previous = position_;
    position_ = std::clamp(position, std::min(low_, high_), std::max(low_, high_));
    if (position_ == previous) return previous;
    if ((style() & PBS_SMOOTHREVERSE) && position_ < drawn_) {
      slide_from_ = drawn_;
      slide_start_ = GetTickCount();
      SetTimer(hwnd_, kSlideTimer, kSlideStep, nullptr);
    } else {
      show(position_);
    }
    return previous;
  }

  void show(int drawn) {
    drawn_ = drawn;
    if (drawn_ == position_) KillTimer(hwnd_, kSlideTimer);
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
  }

  // The drawn bar a step further down towards the position.
  void slide() {
    const DWORD elapsed = std::min(GetTickCount() - slide_start_, kSlideDuration);
    show(slide_from_ +
         static_cast<int>(static_cast<long long>(position_ - slide_from_) * elapsed / kSlideDuration));
  }

  // Past the high end, the bar starts over from the low end.
  LRESULT step_it() {
    int next = position_ + step_;
    const int span = high_ - low_;
    if (span > 0 && next > high_) next = low_ + (next - high_) % span;
    if (span > 0 && next < low_) next = high_ - (low_ - next) % span;
    return set_position(next);
  }

  COLORREF set_colour(COLORREF& slot, COLORREF colour) {
    const COLORREF previous = slot;
    slot = colour;
    InvalidateRect(hwnd_, nullptr, FALSE);
    return previous;
  }

  void paint() {
    PaintScope paint(hwnd_);
    RECT client = client_rect(hwnd_);
    BufferedPaint buffer(paint.dc(), client);
    HDC dc = buffer.dc();
    fill(dc, client, background_colour_ == CLR_DEFAULT ? GetSysColor(COLOR_BTNFACE) : background_colour_);
    // The edge's adjustment leaves the inside the bar fills: a thin bar keeps its middle rows.
    DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    const bool vertical = (style() & PBS_VERTICAL) != 0;
    const int length = vertical ? client.bottom - client.top : client.right - client.left;
    const int span = high_ - low_;
    const int filled =
        span == 0 ? 0 : static_cast<int>(static_cast<long long>(length) * (drawn_ - low_) / span);
    const COLORREF colour = bar_colour_ == CLR_DEFAULT ? GetSysColor(COLOR_HIGHLIGHT) : bar_colour_;
    if (style() & (PBS_SMOOTH | PBS_SMOOTHREVERSE)) {
      RECT bar = client;
      if (vertical) {
        bar.top = bar.bottom - filled;
      } else {
        bar.right = bar.left + filled;
      }
      fill(dc, bar, colour);
      return;
    }
    const int thickness = vertical ? client.right - client.left : client.bottom - client.top;
    const int block = std::max(2, thickness * 2 / 3);
    for (int start = 0; start < filled; start += block + kBlockGap) {
      const int end = std::min(start + block, length);
      RECT piece = vertical ? RECT{client.left, client.bottom - end, client.right, client.bottom - start}
                            : RECT{client.left + start, client.top, client.left + end, client.bottom};
      fill(dc, piece, colour);
    }
  }

  HWND hwnd_;
  int low_ = 0;
  int high_ = 100;
  int position_ = 0;
  int drawn_ = 0;  // where the bar is drawn to: the position, or on its way down to it
  int slide_from_ = 0;
  DWORD slide_start_ = 0;
  int step_ = 10;
  COLORREF bar_colour_ = CLR_DEFAULT;
  COLORREF background_colour_ = CLR_DEFAULT;
};

}  // namespace

LRESULT CALLBACK progress_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<ProgressBar>(hwnd, message, wParam, lParam);
}

}  // namespace controls
