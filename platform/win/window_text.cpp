// Window text. Within a process it goes through WM_SETTEXT and WM_GETTEXT; another process's
// window gives its text directly, without a message, as on Windows.
#include <algorithm>
#include <cwchar>

#include "platform/win/message_api.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_api.h"

namespace {
bool of_other_process(const desktop::Window& window) {
  desktop::DesktopThread* self = desktop::current_thread();
  return self == nullptr || window.process_id != self->process().id;
}
}  // namespace

BOOL WINAPI SetWindowTextW(HWND hwnd, LPCWSTR text) {
  if (!win_internal::live_window(hwnd)) return FALSE;
  return static_cast<BOOL>(SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L"")));
}

int WINAPI GetWindowTextW(HWND hwnd, LPWSTR buffer, int max_count) {
  auto window = win_internal::live_window(hwnd);
  if (!window || buffer == nullptr || max_count <= 0) return 0;
  if (of_other_process(*window)) {
    return win_internal::copy_truncated(window->title, buffer, static_cast<std::size_t>(max_count));
  }
  buffer[0] = L'\0';
  return static_cast<int>(
      SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(max_count), reinterpret_cast<LPARAM>(buffer)));
}

int WINAPI GetWindowTextLengthW(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return 0;
  if (of_other_process(*window)) return static_cast<int>(window->title.size());
  return static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
}
