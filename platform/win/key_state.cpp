// GetKeyState, GetAsyncKeyState and GetKeyboardState.
#include <algorithm>

#include "platform/win/keyboard_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace win_internal {

void input_message_taken(desktop::DesktopThread& thread, const MSG& msg) {
  thread.desktop().keyboard().message_taken(thread, msg);
}

}  // namespace win_internal

SHORT WINAPI GetKeyState(int vk) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || vk < 0 || vk > 0xFF) return 0;
  const BYTE state = self->desktop().keyboard().thread_state(*self)[static_cast<std::size_t>(vk)];
  return static_cast<SHORT>(((state & 0x80) ? 0xFF80 : 0) | (state & 0x01));
}

SHORT WINAPI GetAsyncKeyState(int vk) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || vk < 0 || vk > 0xFF) return 0;
  return static_cast<SHORT>((self->desktop().keyboard().async_state(static_cast<BYTE>(vk)) & 0x80) ? 0x8000
                                                                                                   : 0);
}

BOOL WINAPI GetKeyboardState(PBYTE state) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  if (state == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const auto& keys = self->desktop().keyboard().thread_state(*self);
  std::copy(keys.begin(), keys.end(), state);
  return TRUE;
}
