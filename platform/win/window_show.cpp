// ShowWindow with minimised, maximised and restored states, visibility and enabling.
#include "platform/win/message_api.h"
#include "platform/win/monitor_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

using desktop::Window;

namespace {

constexpr LONG kMinimizedPosition = -32000;

struct Change {
  RECT rect{};
  UINT flags = 0;
};

void remember_normal_rect(Window& window) {
  if (!window.minimized && !window.maximized) window.normal_rect = window.rect;
}

Change minimize(Window& window) {
  remember_normal_rect(window);
  window.restore_to_maximized = window.maximized;
  window.minimized = true;
  window.maximized = false;
  window.style = (window.style | WS_MINIMIZE) & ~WS_MAXIMIZE;
  const int width = GetSystemMetrics(SM_CXMINIMIZED);
  const int height = GetSystemMetrics(SM_CYMINIMIZED);
  RECT rect{kMinimizedPosition, kMinimizedPosition, kMinimizedPosition + width, kMinimizedPosition + height};
  if (window.is_child()) {
    RECT parent_client;
    GetClientRect(window.parent, &parent_client);
    rect = {0, parent_client.bottom - height, width, parent_client.bottom};
  }
  return {rect, SWP_FRAMECHANGED | SWP_STATECHANGED | SWP_NOACTIVATE};
}

Change maximize(Window& window) {
  remember_normal_rect(window);
  window.minimized = false;
  window.maximized = true;
  window.restore_to_maximized = false;
  window.style = (window.style | WS_MAXIMIZE) & ~WS_MINIMIZE;
  RECT rect;
  if (window.is_child()) {
    GetClientRect(window.parent, &rect);
  } else {
    // A maximised sizable window's frame hangs outside the work area.
    HMONITOR monitor = MonitorFromWindow(window.handle, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(monitor, &info);
    rect = info.rcWork;
    if (window.style & WS_THICKFRAME) {
      const int frame = static_cast<int>(win_internal::frame_width(window.style, window.ex_style));
      rect = {rect.left - frame, rect.top - frame, rect.right + frame, rect.bottom + frame};
    }
  }
  return {rect, SWP_FRAMECHANGED | SWP_STATECHANGED};
}

Change restore(Window& window) {
  if (window.minimized && window.restore_to_maximized) return maximize(window);
  if (!window.minimized && !window.maximized) return {window.rect, SWP_NOMOVE | SWP_NOSIZE};
  window.minimized = false;
  window.maximized = false;
  window.style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
  return {window.normal_rect, SWP_FRAMECHANGED | SWP_STATECHANGED};
}

BOOL show_window_here(HWND hwnd, int command) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  const bool was_visible = window->visible_flag();
  Change change;
  switch (command) {
    case SW_HIDE:
      if (!was_visible) return FALSE;
      change.flags = SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
      break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
      change = minimize(*window);
      change.flags |= SWP_SHOWWINDOW | SWP_NOZORDER;
      break;
    case SW_SHOWMAXIMIZED:
      change = maximize(*window);
      change.flags |= SWP_SHOWWINDOW;
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
      change = restore(*window);
      change.flags |= SWP_SHOWWINDOW;
      break;
    case SW_SHOWNOACTIVATE:
      change = restore(*window);
      change.flags |= SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOACTIVATE;
      break;
    case SW_SHOW:
      change.flags = SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE;
      break;
    case SW_SHOWNA:
      change.flags = SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
      break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
  }
  const bool show = command != SW_HIDE;
  if (show != was_visible) SendMessageW(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
  if (!IsWindow(hwnd)) return was_visible;
  // Showing a child neither activates it nor moves it among its siblings.
  if (window->is_child()) change.flags |= SWP_NOZORDER | SWP_NOACTIVATE;
  const RECT& rect = change.rect;
  SetWindowPos(hwnd, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               change.flags);
  win_internal::activation_after_show(hwnd, command);
  return was_visible;
}

}  // namespace

BOOL WINAPI ShowWindow(HWND hwnd, int command) {
  auto window = win_internal::live_window(hwnd);
  if (!window || window->thread == nullptr) return FALSE;
  LRESULT result = FALSE;
  if (!win_internal::run_on_owner_thread(
          *window, [=] { return static_cast<LRESULT>(show_window_here(hwnd, command)); }, &result))
    return FALSE;
  return static_cast<BOOL>(result);
}

BOOL WINAPI ShowWindowAsync(HWND hwnd, int command) {
  auto window = win_internal::live_window(hwnd);
  if (!window || window->thread == nullptr) return FALSE;
  if (window->thread == desktop::current_thread()) return ShowWindow(hwnd, command);
  auto call = std::make_shared<desktop::SentMessage>();
  call->hwnd = hwnd;
  call->notify_only = true;
  call->call = [=] { return static_cast<LRESULT>(show_window_here(hwnd, command)); };
  window->thread->queue.sent.push_back(call);
  window->thread->desktop().scheduler().notify(*window->thread, desktop::kWakeOnSent);
  return TRUE;
}

BOOL WINAPI IsWindowVisible(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  return window && win_internal::is_visible_on_screen(*window);
}

BOOL WINAPI IsIconic(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  return window && window->minimized;
}

BOOL WINAPI IsZoomed(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  return window && window->maximized;
}

BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  const bool was_disabled = (window->style & WS_DISABLED) != 0;
  if (enable && was_disabled) {
    window->style &= ~WS_DISABLED;
    SendMessageW(hwnd, WM_ENABLE, TRUE, 0);
    if (auto enabled = win_internal::live_window(hwnd)) win_internal::activation_after_enable(*enabled);
  } else if (!enable && !was_disabled) {
    window->style |= WS_DISABLED;
    win_internal::focus_before_disable(*window);
    SendMessageW(hwnd, WM_ENABLE, FALSE, 0);
  }
  return was_disabled;
}

BOOL WINAPI IsWindowEnabled(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  return window && !(window->style & WS_DISABLED);
}
