// How soon a second press must follow the first to be a double click.
#include "platform/win/mouse_api.h"
#include "platform/win/win_internal.h"

using desktop::MouseState;

UINT WINAPI GetDoubleClickTime() {
  desktop::DesktopThread* self = desktop::current_thread();
  return self ? self->desktop().mouse().double_click_time : MouseState::kDefaultDoubleClickTime;
}

BOOL WINAPI SetDoubleClickTime(UINT milliseconds) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  self->desktop().mouse().double_click_time =
      milliseconds == 0 ? MouseState::kDefaultDoubleClickTime : milliseconds;
  return TRUE;
}
