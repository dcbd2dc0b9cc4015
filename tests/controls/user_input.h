// The presenter's mouse and keys for the controls' tests: real input into the desktop, which
// reaches whatever window is under the pointer or has the focus.
#pragma once

#include "platform/desktop/desktop.h"
#include "platform/win/win32.h"

class UserInput {
 public:
  explicit UserInput(desktop::Desktop& machine) : machine_(machine) {}

  void move_to(POINT screen);
  void press_left();
  void release_left();
  // Moves, presses and releases, letting the desktop run after each.
  void click_at(POINT screen);
  void click(HWND window) { click_at(centre_of(window)); }
  // Presses and releases a key, letting the desktop run after each.
  void key(WORD virtual_key);
  static POINT centre_of(HWND window);
  // What the window shows at a point of its client area.
  static COLORREF pixel_of(HWND window, int x, int y);

 private:
  desktop::Desktop& machine_;
};
