// Mouse, pen and touch input entering the desktop, from SendInput, the view and the scripted
// user. Call inject_mouse under the baton; from outside the desktop's threads, post_mouse.
#pragma once

#include <optional>

#include "platform/win/win_types.h"

namespace desktop {

class Desktop;

struct MouseEvent {
  std::optional<POINT> move_to;  // screen coordinates
  DWORD buttons = 0;             // MOUSEEVENTF_LEFTDOWN ... MOUSEEVENTF_MIDDLEUP
  int wheel = 0;                 // WHEEL_DELTA units; positive turns away from the user
  int horizontal_wheel = 0;      // positive tilts to the right
  // What GetMessageExtraInfo reports with the messages. From a device (not a program) a value
  // with the pen signature is a pen, with the touch bit too a finger on the touch screen.
  ULONG_PTR extra_info = 0;
  std::optional<DWORD> time;  // the message time; the clock's when not given
  bool from_program = false;  // SendInput and mouse_event: a signature makes no pen or touch
};

// Extra information of a pen and of a finger on the touch screen, as their drivers give it.
inline constexpr ULONG_PTR kPenExtraInfo = 0xFF515701;
inline constexpr ULONG_PTR kTouchExtraInfo = 0xFF515781;

void inject_mouse(Desktop& desktop, const MouseEvent& event);
void post_mouse(Desktop& desktop, const MouseEvent& event);

}  // namespace desktop
