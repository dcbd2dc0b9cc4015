// What the mouse files of the Win32 layer and the desktop's input share: finding the window
// under a point, turning raw mouse input into messages, leave tracking and the defaults of
// DefWindowProcW for the mouse messages.
#pragma once

#include <optional>

#include "platform/desktop/desktop.h"
#include "platform/win/mouse_api.h"

namespace win_internal {

// Screen rectangles worked out from the desktop alone, so that input from outside every
// desktop thread can use them.
RECT window_rect_on_screen(desktop::Desktop& machine, const desktop::Window& window);
RECT client_rect_on_screen(desktop::Desktop& machine, const desktop::Window& window);

struct MouseTarget {
  HWND window = nullptr;
  std::optional<LRESULT> hit;  // not set for a window of another thread, which was not asked
};

// The window under a point: top-level windows in z-order, each one's children before itself.
// The windows of tester are asked WM_NCHITTEST, and one answering HTTRANSPARENT lets the
// search go on beneath it, to windows of that thread only; another thread's window is taken
// as it is. Hidden, disabled child and click-through layered windows are passed over; a
// disabled top-level window is hit with HTERROR. A null tester asks nobody.
MouseTarget find_mouse_target(desktop::Desktop& machine, POINT point, desktop::DesktopThread* tester);

// The capturing window, or null when there is none or it is gone.
desktop::Window* capture_window(desktop::Desktop& machine);

// Turns the raw mouse input waiting in the thread's queue into messages for its windows, or
// hands it to the thread whose window it is for.
void cook_mouse_input(desktop::DesktopThread& thread);

// Notes where the cursor was found; a window tracked for leaving that the cursor left gets
// WM_MOUSELEAVE (or WM_NCMOUSELEAVE) and its tracking ends.
void note_cursor_over(desktop::Desktop& machine, HWND hwnd, std::optional<LRESULT> hit);

// Posts to a window's thread without a calling thread, as the desktop's input does.
void post_from_input(desktop::Window& window, UINT message, WPARAM wParam, LPARAM lParam);

LRESULT default_hit_test(desktop::Desktop& machine, const desktop::Window& window, LPARAM lParam);
LRESULT default_set_cursor(desktop::Window& window, WPARAM wParam, LPARAM lParam);
void close_touch_input(desktop::Desktop& machine, LPARAM handle);

// A SendInput mouse record, or a mouse_event call.
void send_mouse_input(desktop::Desktop& machine, const MOUSEINPUT& input);

}  // namespace win_internal
