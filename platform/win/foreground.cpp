// The foreground window, and the calls that bring a window to the front. This desktop has no
// foreground lock: any program may bring any window to the foreground.
#include "platform/win/focus_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

using desktop::Desktop;
using desktop::DesktopThread;
using desktop::Window;

BOOL WINAPI SetForegroundWindow(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  DesktopThread* self = desktop::current_thread();
  Desktop& machine = self->desktop();
  // A child brings its top-level window to the front.
  HWND root = GetAncestor(hwnd, GA_ROOT);
  Window* top = machine.window(root);
  if (top == nullptr || top->thread == nullptr || top->parent != machine.desktop_window()) return FALSE;
  if (machine.focus().shares_context(top->thread_id, self->thread_id())) {
    win_internal::activate(*self, root, WA_ACTIVE, true, true);
    return TRUE;
  }
  if (machine.focus().foreground() != root) win_internal::move_foreground(machine, root);
  return TRUE;
}

HWND WINAPI GetForegroundWindow() {
  DesktopThread* self = desktop::current_thread();
  if (self == nullptr) return nullptr;
  HWND foreground = self->desktop().focus().foreground();
  return self->desktop().window(foreground) != nullptr ? foreground : nullptr;
}

BOOL WINAPI BringWindowToTop(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  if (!SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE)) return FALSE;
  // A child's top-level window comes up and is activated with it.
  if (window->is_child())
    return SetWindowPos(GetAncestor(hwnd, GA_ROOT), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  return TRUE;
}

void WINAPI SwitchToThisWindow(HWND hwnd, BOOL alt_tab) {
  if (!win_internal::live_window(hwnd)) return;
  HWND root = GetAncestor(hwnd, GA_ROOT);
  if (alt_tab && IsIconic(root)) ShowWindow(root, SW_RESTORE);
  SetForegroundWindow(root);
}

HWND WINAPI GetLastActivePopup(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return nullptr;
  Desktop& machine = desktop::current_thread()->desktop();
  if (window->is_child() || window->owner != nullptr) return hwnd;
  HWND popup = machine.focus().last_active_popup(hwnd);
  Window* last = machine.window(popup);
  if (last == nullptr || !last->visible_flag() || GetAncestor(popup, GA_ROOTOWNER) != hwnd) return hwnd;
  return popup;
}

BOOL WINAPI AttachThreadInput(DWORD attach, DWORD attach_to, BOOL do_attach) {
  DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  Desktop& machine = self->desktop();
  if (attach == attach_to || machine.find_thread(attach) == nullptr ||
      machine.find_thread(attach_to) == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (do_attach) {
    machine.focus().attach(attach, attach_to);
    return TRUE;
  }
  auto thread_of = [&](HWND hwnd) {
    Window* window = machine.window(hwnd);
    return window != nullptr ? window->thread_id : DWORD{0};
  };
  if (machine.focus().detach(attach, attach_to, thread_of)) return TRUE;
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}
