// DispatchMessageW.
#include <algorithm>

#include "platform/win/message_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"

namespace {

// Only a timer that exists may have its procedure called: a posted WM_TIMER cannot name one.
TIMERPROC timer_proc_of(desktop::DesktopThread& self, const MSG& msg) {
  TIMERPROC proc = reinterpret_cast<TIMERPROC>(msg.lParam);
  const auto& timers = self.queue.timers;
  bool exists = std::any_of(timers.begin(), timers.end(), [&](const desktop::WindowTimer& timer) {
    return timer.hwnd == msg.hwnd && timer.id == msg.wParam && timer.proc == proc;
  });
  return exists ? proc : nullptr;
}

}  // namespace

LRESULT WINAPI DispatchMessageW(const MSG* msg) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || msg == nullptr) return 0;
  if (msg->message == WM_TIMER && msg->lParam != 0) {
    if (TIMERPROC proc = timer_proc_of(*self, *msg)) {
      proc(msg->hwnd, WM_TIMER, msg->wParam, static_cast<DWORD>(self->desktop().clock().now()));
    }
    return 0;
  }
  if (msg->hwnd == nullptr) return 0;
  auto window = win_internal::live_window(msg->hwnd);
  if (!window) return 0;
  if (window->thread != self) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return win_internal::call_window_proc(*window, msg->message, msg->wParam, msg->lParam);
}
