// Finding the window under a point as Windows does for mouse input.
#include <algorithm>

#include "platform/win/message_api.h"
#include "platform/win/mouse_internal.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"

using desktop::Desktop;
using desktop::DesktopThread;
using desktop::Window;

namespace {

bool contains(const RECT& rect, POINT point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

RECT offset(RECT rect, POINT by) {
  return {rect.left + by.x, rect.top + by.y, rect.right + by.x, rect.bottom + by.y};
}

// A layered window with WS_EX_TRANSPARENT lets the pointer through to whatever is below it.
bool click_through(const Window& window) {
  return (window.ex_style & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) == (WS_EX_LAYERED | WS_EX_TRANSPARENT);
}

class Search {
 public:
  Search(Desktop& machine, POINT point, DesktopThread* tester)
      : machine_(machine), point_(point), tester_(tester) {}

  std::optional<win_internal::MouseTarget> visit(HWND hwnd) {
    std::shared_ptr<Window> window = machine_.find_window(hwnd);
    if (!window || !window->visible_flag() || click_through(*window)) return std::nullopt;
    if (!contains(win_internal::window_rect_on_screen(machine_, *window), point_)) return std::nullopt;
    const bool own = window->thread == tester_;
    // Past a transparent window the search stays with the windows of the asking thread.
    const bool reachable = own || !past_transparent_;
    if (window->style & WS_DISABLED) {
      if (window->is_child() || !reachable) return std::nullopt;
      return win_internal::MouseTarget{hwnd, HTERROR};
    }
    if (contains(win_internal::client_rect_on_screen(machine_, *window), point_))
      for (HWND child : std::vector<HWND>(window->children))
        if (auto found = visit(child)) return found;
    if (!reachable) return std::nullopt;
    if (!own) return win_internal::MouseTarget{hwnd, std::nullopt};
    LRESULT hit = SendMessageW(hwnd, WM_NCHITTEST, 0,
                               MAKELPARAM(static_cast<WORD>(point_.x), static_cast<WORD>(point_.y)));
    if (hit == HTTRANSPARENT) {
      past_transparent_ = true;
      return std::nullopt;
    }
    return win_internal::MouseTarget{hwnd, hit};
  }

 private:
  Desktop& machine_;
  POINT point_;
  DesktopThread* tester_;
  bool past_transparent_ = false;
};

}  // namespace

namespace win_internal {

RECT window_rect_on_screen(Desktop& machine, const Window& window) {
  if (!window.is_child()) return window.rect;
  const Window* parent = machine.window(window.parent);
  if (parent == nullptr) return window.rect;
  RECT parent_client = client_rect_on_screen(machine, *parent);
  return offset(window.rect, {parent_client.left, parent_client.top});
}

RECT client_rect_on_screen(Desktop& machine, const Window& window) {
  RECT rect = window_rect_on_screen(machine, window);
  return offset(window.client, {rect.left, rect.top});
}

MouseTarget find_mouse_target(Desktop& machine, POINT point, DesktopThread* tester) {
  Search search(machine, point, tester);
  const Window* root = machine.window(machine.desktop_window());
  for (HWND top : std::vector<HWND>(root->children))
    if (auto found = search.visit(top)) return *found;
  return {};
}

}  // namespace win_internal

HWND WINAPI WindowFromPoint(POINT point) {
  DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  const win_internal::MouseTarget target = win_internal::find_mouse_target(self->desktop(), point, self);
  return target.hit == HTERROR ? nullptr : target.window;
}
