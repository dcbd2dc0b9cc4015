// The "msctls_updown32" class: a pair of arrow buttons that step a position within a range,
// once per click and again and again while an arrow is held, faster the longer it is held.
// Before each step the parent hears UDN_DELTAPOS and may refuse it; after it, WM_VSCROLL (or
// WM_HSCROLL for UDS_HORZ) with SB_THUMBPOSITION, and SB_ENDSCROLL when the arrow is let go.
// A buddy window beside it can show the position (UDS_SETBUDDYINT) and pass its arrow keys on
// (UDS_ARROWKEYS).
#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/win/controls/control_glyphs.h"
#include "platform/win/controls/control_procedures.h"
#include "platform/win/controls/control_support.h"

namespace controls {

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeat = 500;
constexpr UINT kRepeat = 100;
constexpr const wchar_t* kBuddyProperty = L"OrvennaConsole.UpDownBuddy";

// The buddy's procedure is wrapped to pass its up and down keys to the up-down.
struct BuddyLink {
  WNDPROC previous;
  HWND up_down;
};

BuddyLink* link_of(HWND buddy) {
  return static_cast<BuddyLink*>(GetPropW(buddy, kBuddyProperty));
}

LRESULT CALLBACK buddy_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

class UpDown {
 public:
  explicit UpDown(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_CREATE:
        if (style() & UDS_AUTOBUDDY) set_buddy(GetWindow(hwnd_, GW_HWNDPREV));
        return 0;
      case WM_DESTROY:
        set_buddy(nullptr);
        return 0;
      case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
      case WM_ERASEBKGND:
        return TRUE;
      case WM_PAINT:
        paint();
        return 0;
      case WM_SIZE:
      case WM_ENABLE:
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        press(point_of(lParam));
        return 0;
      case WM_MOUSEMOVE:
        if (held_ != Arrow::None) hover(point_of(lParam));
        return 0;
      case WM_LBUTTONUP:
        if (held_ != Arrow::None) end_hold(true);
        return 0;
      case WM_CAPTURECHANGED:
        if (held_ != Arrow::None) end_hold(false);
        return 0;
      case WM_TIMER:
        if (wParam == kRepeatTimer) repeat();
        return 0;
      case WM_KEYDOWN:
        return key_down(static_cast<UINT>(wParam)) ? 0 : 1;
      case WM_KEYUP:
        if (arrow_of_key(static_cast<UINT>(wParam)) != Arrow::None) scroll(SB_ENDSCROLL);
        return 0;
      case UDM_SETRANGE:
        set_range(static_cast<short>(HIWORD(lParam)), static_cast<short>(LOWORD(lParam)));
        return 0;
      case UDM_SETRANGE32:
        set_range(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
      case UDM_GETRANGE:
        return MAKELRESULT(static_cast<WORD>(max_), static_cast<WORD>(min_));
      case UDM_GETRANGE32:
        if (wParam != 0) *reinterpret_cast<int*>(wParam) = min_;
        if (lParam != 0) *reinterpret_cast<int*>(lParam) = max_;
        return 0;
      case UDM_SETPOS:
        return set_position(static_cast<short>(LOWORD(lParam)));
      case UDM_SETPOS32:
        return set_position(static_cast<int>(lParam));
      case UDM_GETPOS: {
        const bool valid = read_buddy();
        return MAKELRESULT(static_cast<WORD>(position_), valid ? 0 : 1);
      }
      case UDM_GETPOS32: {
        const bool valid = read_buddy();
        if (lParam != 0) *reinterpret_cast<BOOL*>(lParam) = valid ? FALSE : TRUE;
        return position_;
      }
      case UDM_SETBUDDY: {
        const HWND previous = buddy_;
        set_buddy(reinterpret_cast<HWND>(wParam));
        return reinterpret_cast<LRESULT>(previous);
      }
      case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(buddy_);
      case UDM_SETACCEL:
        return set_accelerations(static_cast<UINT>(wParam), reinterpret_cast<const UDACCEL*>(lParam));
      case UDM_GETACCEL:
        return copy_accelerations(static_cast<UINT>(wParam), reinterpret_cast<UDACCEL*>(lParam));
      case UDM_SETBASE: {
        if (wParam != 10 && wParam != 16) return 0;
        const int previous = base_;
        base_ = static_cast<int>(wParam);
        show_in_buddy();
        return previous;
      }
      case UDM_GETBASE:
        return base_;
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

  // From the buddy's wrapped procedure: true when the key was the up-down's.
  bool buddy_key(UINT message, UINT key) {
    if ((style() & UDS_ARROWKEYS) == 0 || arrow_of_key(key) == Arrow::None) return false;
    if (message == WM_KEYDOWN) key_down(key);
    if (message == WM_KEYUP) scroll(SB_ENDSCROLL);
    return true;
  }

  void forget_buddy() { buddy_ = nullptr; }

 private:
  enum class Arrow { None, Up, Down };

  DWORD style() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
  bool horizontal() const { return (style() & UDS_HORZ) != 0; }
  int lowest() const { return std::min(min_, max_); }
  int highest() const { return std::max(min_, max_); }

  static Arrow arrow_of_key(UINT key) {
    if (key == VK_UP || key == VK_RIGHT) return Arrow::Up;
    if (key == VK_DOWN || key == VK_LEFT) return Arrow::Down;
    return Arrow::None;
  }

  void set_range(int minimum, int maximum) {
    min_ = minimum;
    max_ = maximum;
    position_ = std::clamp(position_, lowest(), highest());
  }

  LRESULT set_position(int position) {
    const int previous = position_;
    position_ = std::clamp(position, lowest(), highest());
    show_in_buddy();
    return previous;
  }

  LRESULT set_accelerations(UINT count, const UDACCEL* table) {
    if (count == 0 || table == nullptr) return FALSE;
    accelerations_.assign(table, table + count);
    return TRUE;
  }

  LRESULT copy_accelerations(UINT count, UDACCEL* table) const {
    const auto copied = std::min<std::size_t>(count, accelerations_.size());
    if (table != nullptr) std::copy_n(accelerations_.begin(), copied, table);
    return static_cast<LRESULT>(accelerations_.size());
  }

  // The buddy: placed beside it for UDS_ALIGNRIGHT and UDS_ALIGNLEFT, its keys wrapped for
  // UDS_ARROWKEYS.
  void set_buddy(HWND buddy) {
    if (buddy_ != nullptr && IsWindow(buddy_)) {
      if (BuddyLink* link = link_of(buddy_)) link->up_down = nullptr;
    }
    buddy_ = buddy != nullptr && IsWindow(buddy) ? buddy : nullptr;
    if (buddy_ == nullptr) return;
    if (BuddyLink* link = link_of(buddy_)) {
      link->up_down = hwnd_;
    } else {
      auto* made = new BuddyLink{reinterpret_cast<WNDPROC>(GetWindowLongPtrW(buddy_, GWLP_WNDPROC)), hwnd_};
      SetPropW(buddy_, kBuddyProperty, made);
      SetWindowLongPtrW(buddy_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&buddy_procedure));
    }
    align_to_buddy();
    show_in_buddy();
  }

  void align_to_buddy() {
    const DWORD alignment = style() & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT);
    if (alignment == 0) return;
    RECT own{};
    GetWindowRect(hwnd_, &own);
    RECT buddy{};
    GetWindowRect(buddy_, &buddy);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&buddy), 2);
    const int width = own.right - own.left;
    const int height = buddy.bottom - buddy.top;
    const int buddy_width = std::max(0, static_cast<int>(buddy.right - buddy.left) - width);
    const bool right = (alignment & UDS_ALIGNRIGHT) != 0;
    SetWindowPos(buddy_, nullptr, right ? buddy.left : buddy.left + width, buddy.top, buddy_width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(hwnd_, nullptr, right ? buddy.left + buddy_width : buddy.left, buddy.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

  std::wstring position_text() const {
    wchar_t digits[16]{};
    if (base_ == 16) {
      std::swprintf(digits, 16, L"0x%04X", static_cast<unsigned>(position_) & 0xFFFFu);
      return digits;
    }
    std::swprintf(digits, 16, L"%d", std::abs(position_));
    std::wstring text = digits;
    if ((style() & UDS_NOTHOUSANDS) == 0)
      for (int at = static_cast<int>(text.size()) - 3; at > 0; at -= 3)
        text.insert(static_cast<std::size_t>(at), 1, L',');
    return position_ < 0 ? L"-" + text : text;
  }

  void show_in_buddy() {
    if (buddy_ != nullptr && (style() & UDS_SETBUDDYINT) != 0)
      SetWindowTextW(buddy_, position_text().c_str());
  }

  // UDS_SETBUDDYINT: the buddy's number becomes the position when it is one within the range.
  bool read_buddy() {
    if (buddy_ == nullptr || (style() & UDS_SETBUDDYINT) == 0) return true;
    std::wstring text = window_text(buddy_);
    std::erase(text, L',');
    if (text.empty()) return false;
    wchar_t* end = nullptr;
    const long value = std::wcstol(text.c_str(), &end, base_ == 16 ? 16 : 10);
    if (end == nullptr || *end != L'\0' || value < lowest() || value > highest()) return false;
    position_ = static_cast<int>(value);
    return true;
  }

  int increment() const {
    const DWORD held_for = GetTickCount() - held_since_;
    UINT step = accelerations_.front().nInc;
    for (const UDACCEL& entry : accelerations_)
      if (held_for >= entry.nSec * 1000u) step = entry.nInc;
    return static_cast<int>(step);
  }

  // One step towards the maximum (Up) or the minimum (Down), if the parent lets it happen.
  void step(Arrow arrow) {
    read_buddy();
    const int towards_max = max_ >= min_ ? 1 : -1;
    const int delta = increment() * (arrow == Arrow::Up ? towards_max : -towards_max);
    NMUPDOWN change{};
    change.iPos = position_;
    change.iDelta = delta;
    const HWND self = hwnd_;
    const bool refused = notify_parent(hwnd_, change.hdr, UDN_DELTAPOS) != 0;
    if (!IsWindow(self)) return;
    if (!refused) move_to(position_ + change.iDelta);
    scroll(SB_THUMBPOSITION);
  }

  void move_to(int target) {
    if (target > highest() || target < lowest()) {
      const bool wrap = (style() & UDS_WRAP) != 0;
      if (wrap) target = target > highest() ? lowest() : highest();
      target = std::clamp(target, lowest(), highest());
    }
    position_ = target;
    show_in_buddy();
  }

  void scroll(WORD code) {
    const WORD shown = code == SB_THUMBPOSITION ? static_cast<WORD>(position_) : 0;
    SendMessageW(GetParent(hwnd_), horizontal() ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(code, shown),
                 reinterpret_cast<LPARAM>(hwnd_));
  }

  bool key_down(UINT key) {
    const Arrow arrow = arrow_of_key(key);
    if (arrow == Arrow::None) return false;
    held_since_ = GetTickCount();
    step(arrow);
    return true;
  }

  RECT arrow_rect(Arrow arrow) const {
    RECT client = client_rect(hwnd_);
    if (horizontal()) {
      const int middle = client.right / 2;
      return arrow == Arrow::Down ? RECT{0, 0, middle, client.bottom}
                                  : RECT{middle, 0, client.right, client.bottom};
    }
    const int middle = client.bottom / 2;
    return arrow == Arrow::Up ? RECT{0, 0, client.right, middle}
                              : RECT{0, middle, client.right, client.bottom};
  }

  Arrow arrow_at(POINT point) const {
    for (Arrow arrow : {Arrow::Up, Arrow::Down}) {
      const RECT rect = arrow_rect(arrow);
      if (PtInRect(&rect, point)) return arrow;
    }
    return Arrow::None;
  }

  void press(POINT point) {
    const Arrow arrow = arrow_at(point);
    if (arrow == Arrow::None) return;
    if (buddy_ != nullptr && GetFocus() != buddy_) SetFocus(buddy_);
    held_ = arrow;
    pressed_ = true;
    held_since_ = GetTickCount();
    SetCapture(hwnd_);
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
    step(arrow);
    SetTimer(hwnd_, kRepeatTimer, kFirstRepeat, nullptr);
  }

  // The held arrow pops up while the pointer is off it, and steps only while it is down.
  void hover(POINT point) {
    const bool over = arrow_at(point) == held_;
    if (over == pressed_) return;
    pressed_ = over;
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  void repeat() {
    if (held_ == Arrow::None) {
      KillTimer(hwnd_, kRepeatTimer);
      return;
    }
    SetTimer(hwnd_, kRepeatTimer, kRepeat, nullptr);
    if (pressed_) step(held_);
  }

  void end_hold(bool release_capture) {
    held_ = Arrow::None;
    pressed_ = false;
    KillTimer(hwnd_, kRepeatTimer);
    if (release_capture && GetCapture() == hwnd_) ReleaseCapture();
    InvalidateRect(hwnd_, nullptr, FALSE);
    scroll(SB_ENDSCROLL);
  }

  void paint() {
    PaintScope paint(hwnd_);
    const RECT client = client_rect(hwnd_);
    BufferedPaint buffer(paint.dc(), client);
    HDC dc = buffer.dc();
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    for (Arrow arrow : {Arrow::Up, Arrow::Down}) {
      RECT rect = arrow_rect(arrow);
      fill(dc, rect, GetSysColor(COLOR_BTNFACE));
      const bool down = pressed_ && held_ == arrow;
      DrawEdge(dc, &rect, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
      if (down) OffsetRect(&rect, 1, 1);
      const ArrowDirection direction =
          horizontal() ? (arrow == Arrow::Up ? ArrowDirection::Right : ArrowDirection::Left)
                       : (arrow == Arrow::Up ? ArrowDirection::Up : ArrowDirection::Down);
      draw_arrow(dc, rect, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT), direction);
    }
  }

  HWND hwnd_;
  HWND buddy_ = nullptr;
  int min_ = 100;  // Windows' default range runs from 100 down to 0
  int max_ = 0;
  int position_ = 0;
  int base_ = 10;
  std::vector<UDACCEL> accelerations_{{0, 1}, {2, 5}, {5, 20}};
  Arrow held_ = Arrow::None;
  bool pressed_ = false;
  DWORD held_since_ = 0;
};

UpDown* up_down_of(HWND hwnd) {
  return hwnd == nullptr || !IsWindow(hwnd) ? nullptr : reinterpret_cast<UpDown*>(GetWindowLongPtrW(hwnd, 0));
}

LRESULT CALLBACK buddy_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  BuddyLink* link = link_of(hwnd);
  if (link == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  const WNDPROC previous = link->previous;
  if (message == WM_KEYDOWN || message == WM_KEYUP) {
    if (UpDown* up_down = up_down_of(link->up_down);
        up_down != nullptr && up_down->buddy_key(message, static_cast<UINT>(wParam)))
      return 0;
  }
  if (message == WM_NCDESTROY) {
    if (UpDown* up_down = up_down_of(link->up_down)) up_down->forget_buddy();
    RemovePropW(hwnd, kBuddyProperty);
    delete link;
  }
  return CallWindowProcW(previous, hwnd, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK up_down_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure_of<UpDown>(hwnd, message, wParam, lParam);
}

}  // namespace controls
