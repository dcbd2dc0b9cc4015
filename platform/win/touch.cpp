// Windows registered for touch, and the touch records that WM_TOUCH hands them. A record
// handle belongs to the process it was made for and lives until it is closed.
#include <algorithm>
#include <cstring>

#include "platform/win/mouse_internal.h"
#include "platform/win/touch_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

constexpr ULONG kTouchWindowFlags = TWF_FINETOUCH | TWF_WANTPALM;

desktop::TouchRecords* own_records(desktop::DesktopThread& self, HTOUCHINPUT input) {
  auto& records = self.desktop().mouse().touch_inputs;
  auto at = records.find(reinterpret_cast<std::uintptr_t>(input));
  if (at == records.end() || at->second.process_id != self.process().id) return nullptr;
  return &at->second;
}

}  // namespace

namespace win_internal {

void close_touch_input(desktop::Desktop& machine, LPARAM handle) {
  machine.mouse().touch_inputs.erase(static_cast<std::uintptr_t>(handle));
}

}  // namespace win_internal

BOOL WINAPI RegisterTouchWindow(HWND hwnd, ULONG flags) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  if (window->thread != desktop::current_thread()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (flags & ~kTouchWindowFlags) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  window->thread->desktop().mouse().touch_windows[hwnd] = flags;
  return TRUE;
}

BOOL WINAPI UnregisterTouchWindow(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  if (window->thread != desktop::current_thread()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  window->thread->desktop().mouse().touch_windows.erase(hwnd);
  return TRUE;
}

BOOL WINAPI IsTouchWindow(HWND hwnd, PULONG flags) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  const auto& registered = desktop::current_thread()->desktop().mouse().touch_windows;
  auto at = registered.find(hwnd);
  if (at == registered.end()) return FALSE;
  if (flags != nullptr) *flags = at->second;
  return TRUE;
}

BOOL WINAPI GetTouchInputInfo(HTOUCHINPUT input, UINT count, PTOUCHINPUT inputs, int size) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  if (inputs == nullptr || count == 0 || size != static_cast<int>(sizeof(TOUCHINPUT))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  desktop::TouchRecords* records = own_records(*self, input);
  if (records == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  const std::size_t copied = std::min<std::size_t>(count, records->inputs.size());
  std::memcpy(inputs, records->inputs.data(), copied * sizeof(TOUCHINPUT));
  return TRUE;
}

BOOL WINAPI CloseTouchInputHandle(HTOUCHINPUT input) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  if (own_records(*self, input) == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  win_internal::close_touch_input(self->desktop(), reinterpret_cast<LPARAM>(input));
  return TRUE;
}
