#include "platform/win/win_internal.h"

#include <algorithm>
#include <cwchar>

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

int copy_truncated(const std::wstring& text, wchar_t* buffer, std::size_t capacity) {
  if (buffer == nullptr || capacity == 0) return 0;
  std::size_t count = std::min(text.size(), capacity - 1);
  std::wmemcpy(buffer, text.data(), count);
  buffer[count] = L'\0';
  return static_cast<int>(count);
}

}  // namespace win_internal
