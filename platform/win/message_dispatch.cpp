// DispatchMessageW and TranslateMessage.
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

// The character an unshifted key gives on a US layout.
wchar_t plain_character(WPARAM vk) {
  if (vk >= '0' && vk <= '9') return static_cast<wchar_t>(vk);
  if (vk >= 'A' && vk <= 'Z') return static_cast<wchar_t>(vk - 'A' + 'a');
  switch (vk) {
    case 0x08:  // VK_BACK
    case 0x09:  // VK_TAB
    case 0x0D:  // VK_RETURN
    case 0x1B:  // VK_ESCAPE
    case 0x20:  // VK_SPACE
      return static_cast<wchar_t>(vk);
    default:
      return 0;
  }
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

BOOL WINAPI TranslateMessage(const MSG* msg) {
  if (msg == nullptr || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
  if (wchar_t character = plain_character(msg->wParam)) {
    UINT char_message = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    PostMessageW(msg->hwnd, char_message, static_cast<WPARAM>(character), msg->lParam);
  }
  return TRUE;
}
