// Functions of user32 that the console looks up by name when it uses them, so that it still
// starts on a system that lacks them.
#pragma once

#include "platform/win/win_types.h"

struct User32Function {
  bool libraryLoaded = false;
  FARPROC address = nullptr;  // null when the library or the function is missing
};

User32Function LookUpUser32Function(const char* name);

// Brings the window's top-level window to the front; nothing when user32 lacks the function.
void SwitchToWindowIfAvailable(HWND window);
