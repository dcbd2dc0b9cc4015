// Activation: the active window of each input context and the desktop's foreground window,
// with the messages Windows sends when they move, in its order.
#include <algorithm>

#include "platform/win/focus_api.h"
#include "platform/win/message_api.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

using desktop::Desktop;
using desktop::DesktopThread;
using desktop::InputContext;
using desktop::Window;

namespace {

constexpr DWORD kNoActivateStyle = 0x08000000;  // WS_EX_NOACTIVATE

HWND live_or_null(Desktop& machine, HWND hwnd) {
  return hwnd != nullptr && machine.window(hwnd) != nullptr ? hwnd : nullptr;
}

WPARAM activate_wparam(WORD state, HWND hwnd) {
  return MAKEWPARAM(state, IsIconic(hwnd) ? 1 : 0);
}

void send_to_top_levels(DesktopThread& thread, UINT message, WPARAM wParam, LPARAM lParam) {
  Desktop& machine = thread.desktop();
  for (HWND top : std::vector<HWND>(machine.window(machine.desktop_window())->children))
    if (Window* window = machine.window(top); window != nullptr && window->thread == &thread)
      SendMessageW(top, message, wParam, lParam);
}

bool is_foreground_context(Desktop& machine, const InputContext& context) {
  Window* foreground = machine.window(machine.focus().foreground());
  return foreground != nullptr && foreground->thread != nullptr &&
         &machine.focus().context_of(foreground->thread_id) == &context;
}

void run_on_thread(DesktopThread& thread, std::function<void()> work) {
  if (&thread == desktop::current_thread()) {
    work();
    return;
  }
  if (thread.terminating()) return;
  auto call = std::make_shared<desktop::SentMessage>();
  call->notify_only = true;
  call->call = [work = std::move(work)] {
    work();
    return LRESULT{0};
  };
  thread.queue.sent.push_back(call);
  thread.desktop().scheduler().notify(thread, desktop::kWakeOnSent);
}

// The context's active window goes inactive; when the whole program loses the foreground, its
// top-level windows hear so and the focus goes too.
void deactivate_here(DesktopThread& self, HWND gaining, DWORD gaining_thread, bool program_loses) {
  Desktop& machine = self.desktop();
  InputContext& context = win_internal::input_context(self);
  if (HWND active = live_or_null(machine, context.active)) {
    context.active = nullptr;
    SendMessageW(active, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(active, WM_ACTIVATE, activate_wparam(WA_INACTIVE, active),
                 reinterpret_cast<LPARAM>(gaining));
  }
  if (program_loses) send_to_top_levels(self, WM_ACTIVATEAPP, FALSE, gaining_thread);
  win_internal::drop_focus(context);
  context.active = nullptr;
}

struct Previous {
  DWORD thread = 0;
  HWND window = nullptr;
};

// Makes hwnd the foreground window; the context that held the foreground deactivates on its
// own thread, at once when that is the caller.
Previous take_foreground(Desktop& machine, HWND hwnd, DesktopThread& gaining) {
  Window* old = machine.window(machine.focus().foreground());
  machine.focus().set_foreground(hwnd, gaining.process().id);
  if (old == nullptr || old->thread == nullptr) return {};
  DesktopThread& loser = *old->thread;
  const DWORD gaining_id = gaining.thread_id();
  run_on_thread(loser, [&loser, hwnd, gaining_id] {
    // It may have come back to the foreground before this thread got round to it.
    if (!is_foreground_context(loser.desktop(), win_internal::input_context(loser)))
      deactivate_here(loser, hwnd, gaining_id, true);
  });
  return {loser.thread_id(), old->handle};
}

// True when only topmost windows (for a plain one) and the window's own owned windows are above it.
bool at_top(Desktop& machine, const Window& window) {
  for (HWND above : machine.window(window.parent)->children) {
    if (above == window.handle) return true;
    const Window* other = machine.window(above);
    if (other == nullptr || (other->topmost() && !window.topmost())) continue;
    bool owned = false;
    for (const Window* at = other; at != nullptr && !owned; at = machine.window(at->owner))
      owned = at->owner == window.handle;
    if (!owned) return false;
  }
  return true;
}

void bring_to_top(Desktop& machine, HWND hwnd) {
  Window* window = machine.window(hwnd);
  if (window != nullptr && !at_top(machine, *window))
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void activate_here(DesktopThread& self, HWND hwnd, WORD how, bool program_gains, Previous previous) {
  Desktop& machine = self.desktop();
  InputContext& context = win_internal::input_context(self);
  HWND old = live_or_null(machine, context.active);
  if (old == hwnd && !program_gains) return;
  context.active = hwnd;
  if (old != nullptr && old != hwnd) {
    SendMessageW(old, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(old, WM_ACTIVATE, activate_wparam(WA_INACTIVE, old), reinterpret_cast<LPARAM>(hwnd));
  }
  if (program_gains) send_to_top_levels(self, WM_ACTIVATEAPP, TRUE, previous.thread);
  if (!IsWindow(hwnd) || context.active != hwnd) return;
  if (HWND root_owner = GetAncestor(hwnd, GA_ROOTOWNER))
    machine.focus().set_last_active_popup(root_owner, hwnd);
  SendMessageW(hwnd, WM_NCACTIVATE, is_foreground_context(machine, context) ? TRUE : FALSE, 0);
  HWND other = program_gains ? previous.window : old;
  SendMessageW(hwnd, WM_ACTIVATE, activate_wparam(how, hwnd), reinterpret_cast<LPARAM>(other));
  // A minimised active window has no focus: its keys come as system keys.
  if (IsIconic(hwnd) && context.active == hwnd) win_internal::drop_focus(context);
}

bool owned_by(Desktop& machine, const Window& window, HWND owner) {
  for (const Window* at = &window; at != nullptr; at = machine.window(at->owner))
    if (at->owner == owner) return true;
  return false;
}

bool can_be_active(Desktop& machine, const Window* window, const Window& leaving) {
  return window != nullptr && window->handle != leaving.handle && window->thread != nullptr &&
         window->visible_flag() && !(window->style & WS_DISABLED) && !window->minimized &&
         !(window->ex_style & kNoActivateStyle) && !owned_by(machine, *window, leaving.handle);
}

struct Successor {
  HWND window = nullptr;
  // The owner cannot be active yet: its program keeps the foreground until it shows or is enabled.
  bool held = false;
};

// The window that takes over when the active one goes: its owner, or the owner's dialog in front
// of it, or, while the owner is hidden or disabled, nothing yet; else the first window in z-order
// that can be active.
Successor successor_of(DesktopThread& self, const Window& leaving) {
  Desktop& machine = self.desktop();
  Window* owner = machine.window(leaving.owner);
  if (can_be_active(machine, owner, leaving)) return {owner->handle};
  if (owner != nullptr && owner->phase != Window::Phase::Destroying && owner->thread != nullptr &&
      machine.focus().shares_context(owner->thread_id, self.thread_id())) {
    HWND root = GetAncestor(owner->handle, GA_ROOTOWNER);
    Window* popup = machine.window(machine.focus().last_active_popup(root != nullptr ? root : owner->handle));
    if (popup != owner && can_be_active(machine, popup, leaving)) return {popup->handle};
    return {owner->handle, true};
  }
  for (HWND top : machine.window(machine.desktop_window())->children)
    if (can_be_active(machine, machine.window(top), leaving)) return {top};
  return {};
}

void activate_other(DesktopThread& self, const Window& leaving) {
  Desktop& machine = self.desktop();
  const Successor next = successor_of(self, leaving);
  Window* next_window = machine.window(next.window);
  if (next.held) {
    if (is_foreground_context(machine, win_internal::input_context(self)))
      machine.focus().set_foreground(next.window, next_window->process_id);
    deactivate_here(self, nullptr, 0, false);
    return;
  }
  if (next_window != nullptr && machine.focus().shares_context(next_window->thread_id, self.thread_id())) {
    win_internal::activate(self, next.window, WA_ACTIVE, false, false);
    return;
  }
  // The foreground, when this context had it, passes to the next window's program.
  if (!is_foreground_context(machine, win_internal::input_context(self))) {
    deactivate_here(self, next.window, 0, false);
  } else if (next_window != nullptr) {
    win_internal::move_foreground(machine, next.window);
  } else {
    machine.focus().set_foreground(nullptr, 0);
    deactivate_here(self, nullptr, 0, true);
  }
}

// A hidden or dying window gives up the activation, then the focus (to its parent).
void release(Window& window) {
  DesktopThread& self = *window.thread;
  Desktop& machine = self.desktop();
  InputContext& context = win_internal::input_context(self);
  const HWND hwnd = window.handle;
  // A window that holds the foreground for its program without being active passes it on too.
  if (live_or_null(machine, context.active) == hwnd || machine.focus().foreground() == hwnd)
    activate_other(self, window);
  HWND focus = live_or_null(machine, context.focus);
  if (focus != nullptr && (focus == hwnd || IsChild(hwnd, focus))) {
    HWND parent = window.is_child() ? window.parent : nullptr;
    if (parent == nullptr || win_internal::set_focus(self, parent) == nullptr || context.focus != parent)
      win_internal::drop_focus(context);
  }
}

}  // namespace

namespace win_internal {

InputContext& input_context(DesktopThread& thread) {
  return thread.desktop().focus().context_of(thread.thread_id());
}

void activate(DesktopThread& self, HWND hwnd, WORD how, bool raise, bool force) {
  Desktop& machine = self.desktop();
  Window* window = machine.window(hwnd);
  if (window == nullptr) return;
  bool program_gains = false;
  Previous previous;
  if (is_foreground_context(machine, input_context(self))) {
    machine.focus().set_foreground(hwnd, window->process_id);
  } else if (force || live_or_null(machine, machine.focus().foreground()) == nullptr ||
             !machine.focus().has_had_foreground(self.process().id)) {
    previous = take_foreground(machine, hwnd, self);
    program_gains = true;
  }
  if (raise) bring_to_top(machine, hwnd);
  activate_here(self, hwnd, how, program_gains, previous);
}

void move_foreground(Desktop& machine, HWND root) {
  Window* window = machine.window(root);
  if (window == nullptr || window->thread == nullptr) return;
  DesktopThread& owner = *window->thread;
  Window* old = machine.window(machine.focus().foreground());
  const bool same_program = old != nullptr && old->thread != nullptr &&
                            machine.focus().shares_context(old->thread_id, window->thread_id);
  const Previous previous = take_foreground(machine, root, owner);
  run_on_thread(owner, [&owner, root, same_program, previous] {
    Desktop& desktop = owner.desktop();
    if (desktop.focus().foreground() != root || desktop.window(root) == nullptr) return;
    bring_to_top(desktop, root);
    activate_here(owner, root, WA_ACTIVE, !same_program, previous);
  });
}

void activation_after_position(Window& window, UINT flags, bool was_visible) {
  if (window.thread == nullptr) return;
  if (was_visible && !window.visible_flag()) {
    release(window);
    return;
  }
  Desktop& machine = window.thread->desktop();
  if ((flags & SWP_NOACTIVATE) || window.parent != machine.desktop_window() || !window.visible_flag()) return;
  activate(*window.thread, window.handle, WA_ACTIVE, false, false);
}

void activation_after_show(HWND hwnd, int command) {
  Window* window = desktop::current_thread()->desktop().window(hwnd);
  if (window == nullptr || window->thread == nullptr || window->is_child()) return;
  InputContext& context = input_context(*window->thread);
  switch (command) {
    case SW_SHOWMINIMIZED:
      activate(*window->thread, hwnd, WA_ACTIVE, false, false);
      if (context.active == hwnd) drop_focus(context);
      break;
    case SW_MINIMIZE:
    case SW_FORCEMINIMIZE:
      if (context.active == hwnd) activate_other(*window->thread, *window);
      break;
    default:
      break;
  }
}

void activation_before_destroy(Window& window) {
  if (window.thread != nullptr) release(window);
}

void activation_after_enable(Window& window) {
  if (window.thread == nullptr || window.thread != desktop::current_thread() || !window.visible_flag())
    return;
  Desktop& machine = window.thread->desktop();
  if (machine.focus().foreground() == window.handle && input_context(*window.thread).active != window.handle)
    activate(*window.thread, window.handle, WA_ACTIVE, false, false);
}

void focus_before_disable(Window& window) {
  if (window.thread == nullptr) return;
  InputContext& context = input_context(*window.thread);
  Desktop& machine = window.thread->desktop();
  HWND focus = live_or_null(machine, context.focus);
  if (focus != nullptr && (focus == window.handle || IsChild(window.handle, focus))) drop_focus(context);
}

void forget_focus(const Window& window) {
  if (window.thread != nullptr) window.thread->desktop().focus().forget_window(window.handle);
}

}  // namespace win_internal

HWND WINAPI SetActiveWindow(HWND hwnd) {
  DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  Desktop& machine = self->desktop();
  InputContext& context = win_internal::input_context(*self);
  HWND old = live_or_null(machine, context.active);
  if (hwnd == nullptr) {
    const bool had_foreground = is_foreground_context(machine, context);
    if (had_foreground) machine.focus().set_foreground(nullptr, 0);
    deactivate_here(*self, nullptr, 0, had_foreground);
    return old;
  }
  auto window = win_internal::live_window(hwnd);
  if (!window || window->thread == nullptr ||
      !machine.focus().shares_context(window->thread_id, self->thread_id()))
    return nullptr;
  if (window->parent != machine.desktop_window()) return old;
  win_internal::activate(*self, hwnd, WA_ACTIVE, true, false);
  return old;
}

HWND WINAPI GetActiveWindow() {
  DesktopThread* self = desktop::current_thread();
  if (self == nullptr) return nullptr;
  return live_or_null(self->desktop(), win_internal::input_context(*self).active);
}
