// The extra information of a thread's queue: set by each input message the thread retrieves,
// so a program can tell pen and touch from the mouse.
#include <utility>

#include "platform/win/mouse_api.h"
#include "platform/win/win_internal.h"

LPARAM WINAPI GetMessageExtraInfo() {
  desktop::DesktopThread* self = desktop::current_thread();
  return self ? static_cast<LPARAM>(self->queue.extra_info) : 0;
}

LPARAM WINAPI SetMessageExtraInfo(LPARAM extra_info) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  return static_cast<LPARAM>(std::exchange(self->queue.extra_info, static_cast<ULONG_PTR>(extra_info)));
}
