// A mouse event on its way to a thread. As on Windows, the thread finds the window it is for
// (and sends WM_NCHITTEST to its own windows) when it looks at its queue.
#pragma once

#include <cstdint>

#include "platform/win/win_types.h"

namespace desktop {

struct RawMouse {
  std::uint64_t serial = 0;
  UINT message = 0;  // the client-area message: WM_MOUSEMOVE, WM_LBUTTONDOWN ... WM_MOUSEWHEEL
  WPARAM keys = 0;   // MK_ flags once the event happened
  short wheel_delta = 0;
  POINT pt{};  // screen coordinates
  DWORD time = 0;
  ULONG_PTR extra_info = 0;
};

}  // namespace desktop
