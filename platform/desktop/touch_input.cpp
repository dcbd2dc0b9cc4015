#include "platform/desktop/touch_input.h"

#include "platform/desktop/desktop.h"
#include "platform/win/mouse_internal.h"
#include "platform/win/touch_api.h"
#include "platform/win/win_messages.h"

namespace desktop {
namespace {

// The touch screen as the source of every touch record.
const HANDLE kTouchScreen = reinterpret_cast<HANDLE>(0x00010041);

void post_touch(Desktop& machine, HWND hwnd, DWORD id, DWORD flags, DWORD time, ULONG_PTR extra_info) {
  Window* window = machine.window(hwnd);
  if (window == nullptr || window->thread == nullptr) return;
  const POINT at = machine.cursor();
  MouseState& mouse = machine.mouse();
  const std::uintptr_t handle = mouse.next_touch_input++;
  TOUCHINPUT input{at.x * 100,
                   at.y * 100,
                   kTouchScreen,
                   id,
                   flags | TOUCHEVENTF_PRIMARY,
                   TOUCHINPUTMASKF_EXTRAINFO,
                   time,
                   extra_info,
                   0,
                   0};
  mouse.touch_inputs[handle] = TouchRecords{window->process_id, {input}};
  window->thread->queue.input.emplace_back(MSG{hwnd, WM_TOUCH, 1, static_cast<LPARAM>(handle), time, at},
                                           extra_info);
  machine.scheduler().notify(*window->thread, kWakeOnPosted);
}

}  // namespace

void deliver_touch(Desktop& machine, const MouseEvent& event, DWORD time) {
  MouseState& mouse = machine.mouse();
  if ((event.buttons & MOUSEEVENTF_LEFTDOWN) && !mouse.contact) {
    // WM_TOUCH goes to the window under the contact itself, whatever WM_NCHITTEST would say.
    win_internal::MouseTarget target = win_internal::find_mouse_target(machine, machine.cursor(), nullptr);
    const HWND under = target.window;
    if (target.hit == HTERROR || mouse.touch_windows.count(under) == 0) return;
    mouse.contact = TouchContact{under, mouse.next_contact_id++};
    post_touch(machine, under, mouse.contact->id, TOUCHEVENTF_DOWN | TOUCHEVENTF_INRANGE, time,
               event.extra_info);
    return;
  }
  if (!mouse.contact) return;
  const TouchContact contact = *mouse.contact;
  if (event.move_to)
    post_touch(machine, contact.hwnd, contact.id, TOUCHEVENTF_MOVE | TOUCHEVENTF_INRANGE, time,
               event.extra_info);
  if (event.buttons & MOUSEEVENTF_LEFTUP) {
    post_touch(machine, contact.hwnd, contact.id, TOUCHEVENTF_UP, time, event.extra_info);
    mouse.contact.reset();
  }
}

}  // namespace desktop
