// Taking messages out of the queue in Windows' order: sent messages first, then posted ones,
// the quit message, input, and only when nothing else is there, WM_PAINT and WM_TIMER.
#include <algorithm>

#include "platform/win/message_api.h"
#include "platform/win/mouse_internal.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"

using desktop::DesktopThread;

namespace {

const HWND kThreadMessagesOnly = reinterpret_cast<HWND>(-1);

struct Filter {
  HWND hwnd;
  UINT min;
  UINT max;

  bool admits(desktop::Desktop& machine, const MSG& msg) const {
    return admits(machine, msg.hwnd, msg.message);
  }

  bool admits(desktop::Desktop& machine, HWND target, UINT message) const {
    if (!(min == 0 && max == 0) && (message < min || message > max)) return false;
    if (hwnd == nullptr) return true;
    if (hwnd == kThreadMessagesOnly) return target == nullptr;
    // A window filter also takes the messages of the window's children.
    for (HWND at = target; at != nullptr;) {
      if (at == hwnd) return true;
      desktop::Window* window = machine.window(at);
      if (window == nullptr || !window->is_child()) return false;
      at = window->parent;
    }
    return false;
  }
};

UINT repeat_period(UINT period) {
  return std::max(period, USER_TIMER_MINIMUM);
}

bool take_from(std::deque<MSG>& messages, desktop::Desktop& machine, const Filter& filter, bool remove,
               MSG* out) {
  auto at = std::find_if(messages.begin(), messages.end(),
                         [&](const MSG& msg) { return filter.admits(machine, msg); });
  if (at == messages.end()) return false;
  *out = *at;
  if (remove) messages.erase(at);
  return true;
}

// Raw mouse input is not retrievable until its thread has cooked it.
bool take_input(std::deque<desktop::InputMessage>& messages, desktop::Desktop& machine, const Filter& filter,
                bool remove, MSG* out, ULONG_PTR* extra_info, bool* injected) {
  auto at = std::find_if(messages.begin(), messages.end(), [&](const desktop::InputMessage& entry) {
    return !entry.raw && filter.admits(machine, entry.msg);
  });
  if (at == messages.end()) return false;
  *out = at->msg;
  *extra_info = at->extra_info;
  *injected = at->injected;
  if (remove) messages.erase(at);
  return true;
}

// A parent that waits to be painted goes before its children, as on Windows, so that its erase
// does not cover what they draw.
HWND first_to_paint(DesktopThread& self, const Filter& filter, const desktop::Window& window) {
  desktop::Desktop& machine = self.desktop();
  HWND chosen = window.handle;
  for (const desktop::Window* at = &window; at->is_child();) {
    const desktop::Window* parent = machine.window(at->parent);
    if (parent == nullptr) break;
    if (parent->thread == &self && win_internal::needs_paint(*parent) &&
        filter.admits(machine, parent->handle, WM_PAINT))
      chosen = parent->handle;
    at = parent;
  }
  return chosen;
}

bool take_paint(DesktopThread& self, const Filter& filter, MSG* out) {
  desktop::Desktop& machine = self.desktop();
  auto& pending = self.queue.paint_pending;
  for (std::size_t i = 0; i < pending.size();) {
    desktop::Window* window = machine.window(pending[i]);
    if (window == nullptr || !win_internal::needs_paint(*window)) {
      pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    if (win_internal::is_visible_on_screen(*window) && filter.admits(machine, pending[i], WM_PAINT)) {
      *out = MSG{first_to_paint(self, filter, *window),     WM_PAINT,        0, 0,
                 static_cast<DWORD>(machine.clock().now()), machine.cursor()};
      return true;
    }
    ++i;
  }
  return false;
}

desktop::WindowTimer* due_timer(DesktopThread& self, const Filter& filter) {
  desktop::Desktop& machine = self.desktop();
  const desktop::Tick now = machine.clock().now();
  desktop::WindowTimer* best = nullptr;
  for (auto& timer : self.queue.timers)
    if (timer.due <= now && filter.admits(machine, timer.hwnd, WM_TIMER) && (!best || timer.due < best->due))
      best = &timer;
  return best;
}

bool take_timer(DesktopThread& self, const Filter& filter, bool remove, MSG* out) {
  desktop::WindowTimer* timer = due_timer(self, filter);
  if (timer == nullptr) return false;
  desktop::Desktop& machine = self.desktop();
  const desktop::Tick now = machine.clock().now();
  *out = MSG{
      timer->hwnd,     WM_TIMER, timer->id, reinterpret_cast<LPARAM>(timer->proc), static_cast<DWORD>(now),
      machine.cursor()};
  if (remove) timer->due = now + repeat_period(timer->period);
  return true;
}

bool peek(DesktopThread& self, MSG* out, const Filter& filter, bool remove) {
  win_internal::handle_sent_messages(self);
  win_internal::cook_mouse_input(self);
  desktop::Desktop& machine = self.desktop();
  desktop::MessageQueue& queue = self.queue;
  bool found = take_from(queue.posted, machine, filter, remove, out);
  if (!found && queue.quit_pending) {
    // WM_QUIT comes out whatever the filter says.
    *out = MSG{nullptr,
               WM_QUIT,
               static_cast<WPARAM>(queue.quit_code),
               0,
               static_cast<DWORD>(machine.clock().now()),
               machine.cursor()};
    if (remove) queue.quit_pending = false;
    found = true;
  }
  ULONG_PTR extra_info = 0;
  bool input = false;
  bool injected = false;
  if (!found) found = input = take_input(queue.input, machine, filter, remove, out, &extra_info, &injected);
  if (input && remove) {
    queue.extra_info = extra_info;
    win_internal::input_message_taken(self, *out);
  }
  found = found || take_paint(self, filter, out) || take_timer(self, filter, remove, out);
  if (found && remove) {
    queue.last_message_time = out->time;
    queue.last_message_pos = out->pt;
    win_internal::note_input_source(queue, *out, input, injected);
  }
  return found;
}

desktop::WaitSpec wait_for_messages(DesktopThread& self, const Filter& filter) {
  desktop::WaitSpec spec;
  spec.wake_on = desktop::kWakeOnPosted | desktop::kWakeOnSent;
  desktop::Desktop& machine = self.desktop();
  for (const auto& timer : self.queue.timers)
    if (filter.admits(machine, timer.hwnd, WM_TIMER) && (!spec.deadline || timer.due < *spec.deadline))
      spec.deadline = timer.due;
  return spec;
}

bool valid_filter(HWND hwnd) {
  return hwnd == nullptr || hwnd == kThreadMessagesOnly || win_internal::live_window(hwnd) != nullptr;
}

}  // namespace

BOOL WINAPI GetMessageW(LPMSG msg, HWND hwnd, UINT filter_min, UINT filter_max) {
  DesktopThread* self = win_internal::caller();
  if (self == nullptr || msg == nullptr) return -1;
  const Filter filter{hwnd, filter_min, filter_max};
  for (;;) {
    if (!valid_filter(hwnd)) return -1;
    if (peek(*self, msg, filter, true)) return msg->message == WM_QUIT ? FALSE : TRUE;
    win_internal::note_input_idle(*self);
    if (self->desktop().scheduler().block(*self, wait_for_messages(*self, filter)) ==
        desktop::WakeResult::Abandoned) {
      *msg = MSG{nullptr, WM_QUIT, 0, 0, 0, {}};
      return FALSE;
    }
  }
}

BOOL WINAPI PeekMessageW(LPMSG msg, HWND hwnd, UINT filter_min, UINT filter_max, UINT remove) {
  DesktopThread* self = win_internal::caller();
  if (self == nullptr || msg == nullptr || !valid_filter(hwnd)) return FALSE;
  if (peek(*self, msg, Filter{hwnd, filter_min, filter_max}, (remove & PM_REMOVE) != 0)) return TRUE;
  // Finding nothing lets the other runnable threads have their turn.
  win_internal::note_input_idle(*self);
  self->desktop().scheduler().yield(*self);
  return FALSE;
}

BOOL WINAPI WaitMessage() {
  DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  const Filter any{nullptr, 0, 0};
  MSG msg;
  while (!peek(*self, &msg, any, false)) {
    win_internal::note_input_idle(*self);
    if (self->desktop().scheduler().block(*self, wait_for_messages(*self, any)) ==
        desktop::WakeResult::Abandoned)
      return FALSE;
  }
  return TRUE;
}

DWORD WINAPI GetMessageTime() {
  DesktopThread* self = desktop::current_thread();
  return self ? self->queue.last_message_time : 0;
}

DWORD WINAPI GetMessagePos() {
  DesktopThread* self = desktop::current_thread();
  if (self == nullptr) return 0;
  return static_cast<DWORD>((self->queue.last_message_pos.x & 0xFFFF) |
                            ((self->queue.last_message_pos.y & 0xFFFF) << 16));
}
