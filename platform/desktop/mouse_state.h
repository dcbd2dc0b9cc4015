// The desktop's mouse: buttons held, capture, the cursor's shape and clipping, the last click
// for double clicks, leave tracking, a pen or touch press held back for press-and-hold, and
// the touch windows and touch records.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "platform/desktop/system_cursors.h"
#include "platform/win/touch_api.h"
#include "platform/win/win_types.h"

namespace desktop {

struct LastClick {
  UINT message = 0;  // the client-area button-down message
  bool client = true;
  HWND hwnd = nullptr;
  POINT pt{};
  DWORD time = 0;
};

// The window the cursor was last found over, and where on it when that window was asked.
struct UnderCursor {
  HWND hwnd = nullptr;
  std::optional<LRESULT> hit;
};

struct MouseTracking {
  HWND hwnd = nullptr;
  DWORD flags = 0;  // TME_LEAVE, TME_NONCLIENT
};

struct HeldPress {
  POINT pt{};
  DWORD time = 0;
  ULONG_PTR extra_info = 0;
};

struct TouchContact {
  HWND hwnd = nullptr;  // touch input stays with the window the contact went down on
  DWORD id = 0;
};

struct TouchRecords {
  DWORD process_id = 0;
  std::vector<TOUCHINPUT> inputs;
};

struct MouseState {
  static constexpr UINT kDefaultDoubleClickTime = 500;

  WPARAM buttons = 0;  // MK_LBUTTON, MK_RBUTTON and MK_MBUTTON held now
  HWND capture = nullptr;
  HCURSOR shape = system_cursor(32512);  // IDC_ARROW
  std::optional<RECT> clip;
  UINT double_click_time = kDefaultDoubleClickTime;
  std::optional<LastClick> last_click;
  UnderCursor under_cursor;
  MouseTracking tracking;
  std::optional<HeldPress> held_press;
  std::map<HWND, ULONG> touch_windows;  // RegisterTouchWindow flags
  std::optional<TouchContact> contact;
  DWORD next_contact_id = 1;
  std::map<std::uintptr_t, TouchRecords> touch_inputs;  // by HTOUCHINPUT
  std::uintptr_t next_touch_input = 0x10000;
  std::uint64_t next_serial = 1;
};

}  // namespace desktop
