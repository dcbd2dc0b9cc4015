// Mouse input made by a program: SendInput's mouse records and mouse_event.
#include "platform/desktop/mouse_input.h"
#include "platform/win/mouse_internal.h"
#include "platform/win/win_internal.h"

namespace {

constexpr DWORD kButtonFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP | MOUSEEVENTF_RIGHTDOWN |
                               MOUSEEVENTF_RIGHTUP | MOUSEEVENTF_MIDDLEDOWN | MOUSEEVENTF_MIDDLEUP;
// Absolute coordinates run from 0 to 65535 across the screen.
constexpr long long kAbsoluteRange = 65536;

LONG absolute_to_screen(LONG value, LONG low, LONG high) {
  return low + static_cast<LONG>(static_cast<long long>(value) * (high - low) / kAbsoluteRange);
}

}  // namespace

namespace win_internal {

void send_mouse_input(desktop::Desktop& machine, const MOUSEINPUT& input) {
  desktop::MouseEvent event;
  event.from_program = true;
  event.extra_info = input.dwExtraInfo;
  if (input.time != 0) event.time = input.time;
  if (input.dwFlags & MOUSEEVENTF_MOVE) {
    // Absolute input spans the primary monitor, or the whole desktop when the input asks so.
    const RECT screen = (input.dwFlags & MOUSEEVENTF_VIRTUALDESK)
                            ? desktop::virtual_screen(machine.monitors())
                            : machine.screen();
    const POINT at = machine.cursor();
    // Relative moves go as far as asked: this desktop has no pointer acceleration.
    event.move_to = (input.dwFlags & MOUSEEVENTF_ABSOLUTE)
                        ? POINT{absolute_to_screen(input.dx, screen.left, screen.right),
                                absolute_to_screen(input.dy, screen.top, screen.bottom)}
                        : POINT{at.x + input.dx, at.y + input.dy};
  }
  event.buttons = input.dwFlags & kButtonFlags;
  const int turn = static_cast<int>(static_cast<LONG>(input.mouseData));
  if (input.dwFlags & MOUSEEVENTF_WHEEL)
    event.wheel = turn;
  else if (input.dwFlags & MOUSEEVENTF_HWHEEL)
    event.horizontal_wheel = turn;
  desktop::inject_mouse(machine, event);
}

}  // namespace win_internal

void WINAPI mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extra_info) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return;
  win_internal::send_mouse_input(
      self->desktop(), MOUSEINPUT{static_cast<LONG>(dx), static_cast<LONG>(dy), data, flags, 0, extra_info});
}
