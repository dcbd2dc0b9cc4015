// SetFocus and GetFocus. The focus is a window of the calling thread's input context: another
// thread's window can take it only while the two threads are attached.
#include "platform/win/focus_api.h"
#include "platform/win/message_api.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

using desktop::Desktop;
using desktop::DesktopThread;
using desktop::InputContext;
using desktop::Window;

namespace {

HWND live_or_null(Desktop& machine, HWND hwnd) {
  return hwnd != nullptr && machine.window(hwnd) != nullptr ? hwnd : nullptr;
}

// A disabled or minimised window, or one inside such a window, cannot take the focus.
bool can_take_focus(Desktop& machine, const Window& window) {
  for (const Window* at = &window; at != nullptr; at = at->is_child() ? machine.window(at->parent) : nullptr)
    if ((at->style & WS_DISABLED) || at->minimized) return false;
  return true;
}

}  // namespace

namespace win_internal {

void drop_focus(InputContext& context) {
  HWND old = context.focus;
  context.focus = nullptr;
  if (old != nullptr && IsWindow(old)) SendMessageW(old, WM_KILLFOCUS, 0, 0);
}

HWND set_focus(DesktopThread& self, HWND hwnd) {
  Desktop& machine = self.desktop();
  InputContext& context = input_context(self);
  const HWND old = live_or_null(machine, context.focus);
  if (hwnd == nullptr) {
    drop_focus(context);
    return old;
  }
  auto window = live_window(hwnd);
  if (!window || window->thread == nullptr ||
      !machine.focus().shares_context(window->thread_id, self.thread_id()) ||
      !can_take_focus(machine, *window))
    return nullptr;
  if (hwnd == old) return old;
  // The focus comes with the activation of its top-level window.
  HWND root = GetAncestor(hwnd, GA_ROOT);
  if (live_or_null(machine, context.active) != root) {
    activate(self, root, WA_ACTIVE, true, false);
    if (live_or_null(machine, context.active) != root) return nullptr;
  }
  HWND previous = live_or_null(machine, context.focus);
  if (previous == hwnd) return old;
  context.focus = hwnd;
  if (previous != nullptr) SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (context.focus == hwnd && IsWindow(hwnd))
    SendMessageW(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return old;
}

}  // namespace win_internal

HWND WINAPI SetFocus(HWND hwnd) {
  DesktopThread* self = win_internal::caller();
  return self == nullptr ? nullptr : win_internal::set_focus(*self, hwnd);
}

HWND WINAPI GetFocus() {
  DesktopThread* self = desktop::current_thread();
  if (self == nullptr) return nullptr;
  return live_or_null(self->desktop(), win_internal::input_context(*self).focus);
}
