// Window and thread timers. A timer lives in its thread's queue; its WM_TIMER is made when the
// queue is otherwise empty, and the next expiry counts from that moment.
#include <algorithm>

#include "platform/win/message_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"

UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  auto& timers = self->queue.timers;
  if (hwnd != nullptr) {
    auto window = win_internal::live_window(hwnd);
    if (!window) return 0;
    if (window->thread != self) {
      SetLastError(ERROR_ACCESS_DENIED);
      return 0;
    }
  } else {
    bool existing = id != 0 && std::any_of(timers.begin(), timers.end(), [&](const auto& timer) {
                      return timer.hwnd == nullptr && timer.id == id;
                    });
    if (!existing) id = self->queue.next_thread_timer_id++;
  }
  // A period of 0 fires at the next chance; shorter ones than the minimum are raised to it.
  UINT period = elapse == 0 ? 0 : std::clamp(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
  desktop::Tick due = self->desktop().clock().now() + period;
  auto at = std::find_if(timers.begin(), timers.end(),
                         [&](const auto& timer) { return timer.hwnd == hwnd && timer.id == id; });
  if (at != timers.end()) {
    at->period = period;
    at->due = due;
    at->proc = proc;
  } else {
    timers.push_back({hwnd, id, period, due, proc});
  }
  return id != 0 ? id : 1;
}

BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  if (hwnd != nullptr && !win_internal::live_window(hwnd)) return FALSE;
  auto& timers = self->queue.timers;
  auto at = std::find_if(timers.begin(), timers.end(),
                         [&](const auto& timer) { return timer.hwnd == hwnd && timer.id == id; });
  if (at == timers.end()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  timers.erase(at);
  return TRUE;
}
