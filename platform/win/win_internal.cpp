#include "platform/win/win_internal.h"

#include "platform/win/win_errors.h"

namespace win_internal {

desktop::DesktopThread* caller() {
  desktop::DesktopThread* thread = desktop::current_thread();
  if (thread == nullptr) SetLastError(ERROR_INVALID_THREAD_ID);
  return thread;
}

desktop::RegistryHive* registry() {
  desktop::DesktopThread* thread = desktop::current_thread();
  return thread == nullptr ? nullptr : &thread->desktop().registry();
}

std::shared_ptr<desktop::Window> live_window(HWND hwnd) {
  desktop::DesktopThread* thread = caller();
  if (thread == nullptr) return nullptr;
  auto window = thread->desktop().find_window(hwnd);
  if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return window;
}

LRESULT call_window_proc(desktop::Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC proc = window.proc;
  return proc ? proc(window.handle, message, wParam, lParam) : 0;
}

}  // namespace win_internal
