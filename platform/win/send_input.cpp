// SendInput: keyboard and mouse records enter the desktop's input stream one by one, in order.
#include "platform/win/input_api.h"
#include "platform/win/mouse_internal.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

UINT WINAPI SendInput(UINT count, LPINPUT inputs, int size) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  if (size != static_cast<int>(sizeof(INPUT)) || (inputs == nullptr && count != 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  desktop::Keyboard& keyboard = self->desktop().keyboard();
  UINT inserted = 0;
  for (UINT i = 0; i < count; ++i) {
    const INPUT& input = inputs[i];
    // Hardware records and KEYEVENTF_UNICODE are not taken; the stream stops at the first.
    if (input.type == INPUT_MOUSE) {
      win_internal::send_mouse_input(self->desktop(), input.mi);
    } else if (input.type == INPUT_KEYBOARD && !(input.ki.dwFlags & KEYEVENTF_UNICODE)) {
      keyboard.inject({input.ki.wVk, input.ki.wScan, input.ki.dwFlags, input.ki.time, input.ki.dwExtraInfo},
                      self->thread_id());
    } else {
      break;
    }
    ++inserted;
  }
  return inserted;
}
