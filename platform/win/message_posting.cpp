// Posting messages into a thread's queue, and the quit flag.
#include "platform/win/message_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"

using desktop::DesktopThread;

namespace {

BOOL post_to(DesktopThread& target, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  desktop::Desktop& machine = target.desktop();
  if (target.queue.posted.size() >= desktop::MessageQueue::kPostLimit) {
    SetLastError(ERROR_NOT_ENOUGH_QUOTA);
    return FALSE;
  }
  MSG msg{hwnd, message, wParam, lParam, static_cast<DWORD>(machine.clock().now()), machine.cursor()};
  target.queue.posted.push_back(msg);
  machine.scheduler().notify(target, desktop::kWakeOnPosted);
  return TRUE;
}

}  // namespace

BOOL WINAPI PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  if (hwnd == nullptr) return post_to(*self, nullptr, message, wParam, lParam);
  if (hwnd == HWND_BROADCAST) {
    desktop::Desktop& machine = self->desktop();
    auto* root = machine.window(machine.desktop_window());
    for (HWND top : std::vector<HWND>(root->children))
      if (auto* window = machine.window(top); window && window->thread)
        post_to(*window->thread, top, message, wParam, lParam);
    return TRUE;
  }
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  if (window->thread == nullptr) return TRUE;
  return post_to(*window->thread, hwnd, message, wParam, lParam);
}

BOOL WINAPI PostThreadMessageW(DWORD thread_id, UINT message, WPARAM wParam, LPARAM lParam) {
  DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  DesktopThread* target = self->desktop().find_thread(thread_id);
  if (target == nullptr) {
    SetLastError(ERROR_INVALID_THREAD_ID);
    return FALSE;
  }
  return post_to(*target, nullptr, message, wParam, lParam);
}

void WINAPI PostQuitMessage(int exit_code) {
  if (DesktopThread* self = win_internal::caller()) {
    self->queue.quit_pending = true;
    self->queue.quit_code = exit_code;
  }
}

namespace win_internal {

void forget_window_messages(desktop::Window& window) {
  if (window.thread == nullptr) return;
  desktop::MessageQueue& queue = window.thread->queue;
  auto for_window = [&](const MSG& msg) { return msg.hwnd == window.handle; };
  std::erase_if(queue.posted, for_window);
  std::erase_if(queue.input, [&](const desktop::InputMessage& entry) { return for_window(entry.msg); });
  std::erase_if(queue.timers, [&](const desktop::WindowTimer& timer) { return timer.hwnd == window.handle; });
  std::erase(queue.paint_pending, window.handle);
}

}  // namespace win_internal
