// A device context of the desktop: the screen, a window, or memory.
#pragma once

#include "platform/win/win_types.h"

namespace desktop {

struct DeviceContext {
  enum class Kind { Screen, Window, WindowWithFrame, Memory };

  Kind kind = Kind::Screen;
  HWND window = nullptr;   // for window contexts
  DWORD owner_thread = 0;  // GetDC contexts go back through ReleaseDC on this thread
};

}  // namespace desktop
