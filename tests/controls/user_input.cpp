#include "tests/controls/user_input.h"

#include "platform/desktop/mouse_input.h"

void UserInput::move_to(POINT screen) {
  desktop::MouseEvent event;
  event.move_to = screen;
  desktop::inject_mouse(machine_, event);
  machine_.run_until_idle();
}

void UserInput::press_left() {
  desktop::MouseEvent event;
  event.buttons = MOUSEEVENTF_LEFTDOWN;
  desktop::inject_mouse(machine_, event);
  machine_.run_until_idle();
}

void UserInput::release_left() {
  desktop::MouseEvent event;
  event.buttons = MOUSEEVENTF_LEFTUP;
  desktop::inject_mouse(machine_, event);
  machine_.run_until_idle();
}

void UserInput::click_at(POINT screen) {
  move_to(screen);
  press_left();
  release_left();
}

void UserInput::key(WORD virtual_key) {
  for (DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtual_key;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
    machine_.run_until_idle();
  }
}

POINT UserInput::centre_of(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

COLORREF UserInput::pixel_of(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}
