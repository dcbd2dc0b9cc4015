// Raw mouse input becomes messages when its thread looks at its queue: the thread finds the
// window under the point (asking its own windows WM_NCHITTEST), hands the input to another
// thread when the window is that thread's, turns a second click into a double click, and
// sends WM_SETCURSOR before the message is retrieved.
#include <algorithm>
#include <cstdlib>

#include "platform/win/focus_api.h"
#include "platform/win/message_api.h"
#include "platform/win/mouse_internal.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

using desktop::Desktop;
using desktop::DesktopThread;
using desktop::RawMouse;
using desktop::Window;

namespace {

// WM_NCMOUSEMOVE ... WM_NCMBUTTONDBLCLK lie this far below their client-area messages.
constexpr UINT kNonClientOffset = WM_MOUSEMOVE - WM_NCMOUSEMOVE;
// A double-click message follows its button's down and up messages.
constexpr UINT kDoubleClickOffset = WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;

bool is_button_down(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

bool is_wheel(UINT message) {
  return message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL;
}

LPARAM point_lparam(LONG x, LONG y) {
  return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

struct Aim {
  HWND window = nullptr;
  LRESULT hit = HTNOWHERE;
  bool captured = false;
  DesktopThread* owner = nullptr;
};

Aim aim_at(DesktopThread& self, const RawMouse& raw) {
  Desktop& machine = self.desktop();
  if (Window* capture = win_internal::capture_window(machine))
    return {capture->handle, HTCLIENT, true, capture->thread};
  win_internal::MouseTarget target = win_internal::find_mouse_target(machine, raw.pt, &self);
  const Window* window = machine.window(target.window);
  if (window == nullptr) return {};
  return {target.window, target.hit.value_or(HTNOWHERE), false, window->thread};
}

bool near_enough(POINT a, POINT b) {
  return std::abs(a.x - b.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
         std::abs(a.y - b.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

// The button-down message as it is delivered: a double click when it is the second press of
// the same button on the same window, soon enough and close enough; in the client area only
// for classes with CS_DBLCLKS.
UINT with_double_click(desktop::MouseState& mouse, const RawMouse& raw, const Window& window, bool client) {
  if (!is_button_down(raw.message)) return raw.message;
  const bool wanted = !client || (window.window_class && (window.window_class->style & CS_DBLCLKS));
  const auto& last = mouse.last_click;
  if (wanted && last && last->message == raw.message && last->client == client &&
      last->hwnd == window.handle && raw.time - last->time <= mouse.double_click_time &&
      near_enough(last->pt, raw.pt)) {
    mouse.last_click.reset();
    return raw.message + kDoubleClickOffset;
  }
  mouse.last_click = desktop::LastClick{raw.message, client, window.handle, raw.pt, raw.time};
  return raw.message;
}

MSG message_for(Desktop& machine, const RawMouse& raw, const Window& window, UINT message, const Aim& aim,
                bool client) {
  MSG msg{window.handle, message, raw.keys, point_lparam(raw.pt.x, raw.pt.y), raw.time, raw.pt};
  if (is_wheel(message)) {
    msg.wParam = MAKEWPARAM(raw.keys, static_cast<WORD>(raw.wheel_delta));
  } else if (client) {
    RECT area = win_internal::client_rect_on_screen(machine, window);
    msg.lParam = point_lparam(raw.pt.x - area.left, raw.pt.y - area.top);
  } else {
    msg.message = message - kNonClientOffset;
    msg.wParam = static_cast<WPARAM>(aim.hit);
  }
  return msg;
}

auto first_raw(desktop::MessageQueue& queue) {
  return std::find_if(queue.input.begin(), queue.input.end(),
                      [](const desktop::InputMessage& entry) { return entry.raw.has_value(); });
}

auto raw_with_serial(desktop::MessageQueue& queue, std::uint64_t serial) {
  return std::find_if(queue.input.begin(), queue.input.end(), [serial](const desktop::InputMessage& entry) {
    return entry.raw && entry.raw->serial == serial;
  });
}

// A press in a window whose top-level window is not the active one asks it whether to activate
// it and whether to eat the click. Returns false when the click is eaten.
bool activate_on_click(DesktopThread& self, HWND hwnd, LRESULT hit, UINT message) {
  HWND top = GetAncestor(hwnd, GA_ROOT);
  if (top == GetActiveWindow() && top == GetForegroundWindow()) return true;
  LRESULT answer = SendMessageW(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                MAKELPARAM(static_cast<WORD>(hit), message));
  if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && IsWindow(top))
    win_internal::activate(self, top, WA_CLICKACTIVE, true, true);
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

bool has_cooked_mouse(const desktop::MessageQueue& queue) {
  return std::any_of(queue.input.begin(), queue.input.end(), [](const desktop::InputMessage& entry) {
    const UINT message = entry.msg.message;
    return !entry.raw && ((message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
                          (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK));
  });
}

void send_set_cursor(HWND hwnd, LRESULT hit, UINT message) {
  SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
               MAKELPARAM(static_cast<WORD>(hit), message));
}

}  // namespace

namespace win_internal {

void cook_mouse_input(DesktopThread& self) {
  desktop::MessageQueue& queue = self.queue;
  // A window procedure that peeks while its thread cooks sees the input not yet cooked as absent.
  if (queue.cooking_mouse || has_cooked_mouse(queue)) return;
  queue.cooking_mouse = true;
  struct Cooking {
    bool& flag;
    ~Cooking() { flag = false; }
  } cooking{queue.cooking_mouse};
  Desktop& machine = self.desktop();
  for (auto at = first_raw(queue); at != queue.input.end(); at = first_raw(queue)) {
    const RawMouse raw = *at->raw;
    const Aim aim = aim_at(self, raw);
    // Asking windows where the point is runs their procedures, which may change the queue.
    at = raw_with_serial(queue, raw.serial);
    if (at == queue.input.end()) continue;
    if (aim.owner != &self) {
      queue.input.erase(at);
      if (aim.owner != nullptr) {
        aim.owner->queue.input.emplace_back(raw);
        machine.scheduler().notify(*aim.owner, desktop::kWakeOnPosted);
      } else {
        note_cursor_over(machine, nullptr, std::nullopt);
      }
      continue;
    }
    if (aim.hit == HTERROR) {
      // A disabled window gets only WM_SETCURSOR; the input is thrown away.
      queue.input.erase(at);
      note_cursor_over(machine, aim.window, aim.hit);
      send_set_cursor(aim.window, aim.hit, raw.message);
      continue;
    }
    if (is_button_down(raw.message) && !aim.captured) {
      const bool keep = activate_on_click(self, aim.window, aim.hit, raw.message);
      at = raw_with_serial(queue, raw.serial);
      if (at == queue.input.end()) continue;
      if (!keep) {
        queue.input.erase(at);
        continue;
      }
    }
    const Window* window = machine.window(aim.window);
    if (window == nullptr) {  // destroyed while it was asked
      queue.input.erase(at);
      continue;
    }
    const bool client = aim.captured || aim.hit == HTCLIENT || is_wheel(raw.message);
    const UINT message = with_double_click(machine.mouse(), raw, *window, client);
    at->msg = message_for(machine, raw, *window, message, aim, client);
    at->raw.reset();
    if (!aim.captured && !is_wheel(message)) {
      note_cursor_over(machine, aim.window, aim.hit);
      send_set_cursor(aim.window, aim.hit, message);
    }
    // One message at a time, as Windows takes it out: what its handler does (a capture, a
    // pop-up) decides where the next press goes.
    return;
  }
}

}  // namespace win_internal
