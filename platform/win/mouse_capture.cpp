// Mouse capture: one window of the desktop gets all mouse input while it holds it. The calling
// thread sees only a capture of its own windows.
#include "platform/win/message_api.h"
#include "platform/win/mouse_internal.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"

namespace {

desktop::Window* own_capture(desktop::DesktopThread& self) {
  desktop::Window* capture = win_internal::capture_window(self.desktop());
  return capture != nullptr && capture->thread == &self ? capture : nullptr;
}

}  // namespace

namespace win_internal {

desktop::Window* capture_window(desktop::Desktop& machine) {
  desktop::MouseState& mouse = machine.mouse();
  desktop::Window* window = machine.window(mouse.capture);
  if (window == nullptr) mouse.capture = nullptr;
  return window;
}

}  // namespace win_internal

HWND WINAPI SetCapture(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return nullptr;
  desktop::DesktopThread& self = *desktop::current_thread();
  if (window->thread != &self) return nullptr;
  desktop::Window* previous = win_internal::capture_window(self.desktop());
  HWND previous_handle = previous ? previous->handle : nullptr;
  HWND own_previous = own_capture(self) ? previous_handle : nullptr;
  self.desktop().mouse().capture = hwnd;
  if (previous_handle != nullptr && previous_handle != hwnd)
    SendMessageW(previous_handle, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return own_previous;
}

BOOL WINAPI ReleaseCapture() {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return FALSE;
  desktop::Window* capture = own_capture(*self);
  if (capture == nullptr) return TRUE;
  HWND released = capture->handle;
  desktop::Desktop& machine = self->desktop();
  machine.mouse().capture = nullptr;
  // Captured moves do not end leave tracking; the window now under the cursor does, as the move
  // Windows makes after a release shows.
  const win_internal::MouseTarget under = win_internal::find_mouse_target(machine, machine.cursor(), nullptr);
  win_internal::note_cursor_over(machine, under.window, under.hit);
  SendMessageW(released, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND WINAPI GetCapture() {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return nullptr;
  desktop::Window* capture = own_capture(*self);
  return capture ? capture->handle : nullptr;
}
