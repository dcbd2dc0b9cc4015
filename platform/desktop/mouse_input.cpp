#include "platform/desktop/mouse_input.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/desktop/desktop.h"
#include "platform/desktop/touch_input.h"
#include "platform/win/mouse_internal.h"
#include "platform/win/touch_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

namespace desktop {
namespace {

// A pen or finger held this long without sliding away is a right click when it lifts, unless
// the window below turned press-and-hold off.
constexpr DWORD kPressAndHoldMs = 1000;
constexpr LONG kPressAndHoldSlack = 4;

struct ButtonChange {
  DWORD flag;
  UINT message;
  WPARAM key;
  bool down;
};

constexpr ButtonChange kLeftDown{MOUSEEVENTF_LEFTDOWN, WM_LBUTTONDOWN, MK_LBUTTON, true};
constexpr ButtonChange kLeftUp{MOUSEEVENTF_LEFTUP, WM_LBUTTONUP, MK_LBUTTON, false};
constexpr ButtonChange kRightDown{MOUSEEVENTF_RIGHTDOWN, WM_RBUTTONDOWN, MK_RBUTTON, true};
constexpr ButtonChange kRightUp{MOUSEEVENTF_RIGHTUP, WM_RBUTTONUP, MK_RBUTTON, false};

// In the order Windows reports the changes of one event.
constexpr std::array<ButtonChange, 6> kButtonChanges{{
    kLeftDown,
    kLeftUp,
    kRightDown,
    kRightUp,
    {MOUSEEVENTF_MIDDLEDOWN, WM_MBUTTONDOWN, MK_MBUTTON, true},
    {MOUSEEVENTF_MIDDLEUP, WM_MBUTTONUP, MK_MBUTTON, false},
}};

POINT clamped(POINT point, const RECT& area) {
  return {std::clamp(point.x, area.left, area.right - 1), std::clamp(point.y, area.top, area.bottom - 1)};
}

// The cursor goes over every monitor but into no corner that none of them shows, and never
// out of its clip.
POINT confined(Desktop& machine, POINT point) {
  const std::vector<Monitor>& monitors = machine.monitors();
  const POINT shown =
      clamped(point, monitors[static_cast<std::size_t>(monitor_nearest(monitors, point))].rect);
  return clamped(shown, machine.mouse().clip.value_or(virtual_screen(monitors)));
}

bool press_and_hold_on(Desktop& machine, POINT point) {
  const ATOM property = machine.atoms().find(MICROSOFT_TABLETPENSERVICE_PROPERTY);
  const Window* window = machine.window(win_internal::find_mouse_target(machine, point, nullptr).window);
  for (; property != 0 && window != nullptr;
       window = window->is_child() ? machine.window(window->parent) : nullptr)
    if (auto at = window->props.find(property); at != window->props.end())
      return (reinterpret_cast<std::uintptr_t>(at->second) & TABLET_DISABLE_PRESSANDHOLD) == 0;
  return true;
}

// Raw input goes to the thread of the capturing window, or of the window under the point,
// which finds out when it looks at its queue which of its windows the input is for.
void route(Desktop& machine, const RawMouse& raw) {
  MouseState& mouse = machine.mouse();
  const HWND under = win_internal::find_mouse_target(machine, raw.pt, nullptr).window;
  const Window* now = machine.window(under);
  const Window* before = machine.window(mouse.under_cursor.hwnd);
  // Another thread's windows will not tell this one's that the cursor left them.
  if (now == nullptr || before == nullptr || now->thread != before->thread)
    win_internal::note_cursor_over(machine, under, std::nullopt);
  const Window* capture = win_internal::capture_window(machine);
  const Window* target = capture != nullptr ? capture : now;
  if (target == nullptr || target->thread == nullptr) return;
  target->thread->queue.input.emplace_back(raw);
  machine.scheduler().notify(*target->thread, kWakeOnPosted);
}

class Injection {
 public:
  Injection(Desktop& machine, DWORD time, ULONG_PTR extra_info)
      : machine_(machine), mouse_(machine.mouse()), time_(time), extra_info_(extra_info) {}

  void emit(UINT message, int wheel = 0) {
    route(machine_, RawMouse{mouse_.next_serial++, message, mouse_.buttons | modifier_keys(),
                             static_cast<short>(wheel), machine_.cursor(), time_, extra_info_});
  }

  void change(const ButtonChange& change) {
    if (change.down)
      mouse_.buttons |= change.key;
    else
      mouse_.buttons &= ~change.key;
    emit(change.message);
  }

  // Shift and Control as they are down at the moment of the event.
  WPARAM modifier_keys() const {
    const Keyboard& keyboard = machine_.keyboard();
    return ((keyboard.async_state(VK_SHIFT) & 0x80) ? MK_SHIFT : 0) |
           ((keyboard.async_state(VK_CONTROL) & 0x80) ? MK_CONTROL : 0);
  }

  void hold_back_press() { mouse_.held_press = HeldPress{machine_.cursor(), time_, extra_info_}; }

  // A held press that is not a press-and-hold after all is a left press from where it went down.
  void release_held_press() {
    const HeldPress held = *mouse_.held_press;
    mouse_.held_press.reset();
    Injection press(machine_, time_, held.extra_info);
    press.change(kLeftDown);
  }

  void lift_held_press() {
    const bool held_long = time_ - mouse_.held_press->time >= kPressAndHoldMs;
    mouse_.held_press.reset();
    change(held_long ? kRightDown : kLeftDown);
    change(held_long ? kRightUp : kLeftUp);
  }

 private:
  Desktop& machine_;
  MouseState& mouse_;
  DWORD time_;
  ULONG_PTR extra_info_;
};

bool slid_away(const HeldPress& held, POINT to) {
  return std::abs(to.x - held.pt.x) > kPressAndHoldSlack || std::abs(to.y - held.pt.y) > kPressAndHoldSlack;
}

}  // namespace

void inject_mouse(Desktop& machine, const MouseEvent& event) {
  MouseState& mouse = machine.mouse();
  const DWORD time = event.time.value_or(static_cast<DWORD>(machine.clock().now()));
  const bool pointer = !event.from_program && IsPenEvent(event.extra_info);
  Injection injection(machine, time, event.extra_info);
  if (mouse.held_press &&
      (!pointer || (event.buttons & ~MOUSEEVENTF_LEFTUP) != 0 || event.wheel != 0 ||
       event.horizontal_wheel != 0 || (event.move_to && slid_away(*mouse.held_press, *event.move_to))))
    injection.release_held_press();
  if (event.move_to) machine.set_cursor(confined(machine, *event.move_to));
  if (pointer && (event.extra_info & kTouchExtraInfoBit)) deliver_touch(machine, event, time);
  if (event.move_to) injection.emit(WM_MOUSEMOVE);
  for (const ButtonChange& change : kButtonChanges) {
    if (!(event.buttons & change.flag)) continue;
    if (pointer && change.flag == MOUSEEVENTF_LEFTDOWN && press_and_hold_on(machine, machine.cursor()))
      injection.hold_back_press();
    else if (change.flag == MOUSEEVENTF_LEFTUP && mouse.held_press)
      injection.lift_held_press();
    else
      injection.change(change);
  }
  if (event.wheel != 0) injection.emit(WM_MOUSEWHEEL, event.wheel);
  if (event.horizontal_wheel != 0) injection.emit(WM_MOUSEHWHEEL, event.horizontal_wheel);
}

void post_mouse(Desktop& machine, const MouseEvent& event) {
  machine.scheduler().post_outside([&machine, event] { inject_mouse(machine, event); });
}

}  // namespace desktop
