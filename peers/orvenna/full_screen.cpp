// F11: borderless over the whole monitor the window is on, and back to the window it was.
#include "peers/orvenna/program.h"
#include "platform/win/win32.h"

namespace orvenna {

namespace {

constexpr DWORD kWindowedStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE;
constexpr DWORD kFullScreenStyle = WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE;

}  // namespace

void Program::toggle_full_screen() {
  if (IsIconic(main_)) ShowWindow(main_, SW_RESTORE);
  if (!full_screen_) {
    GetWindowRect(main_, &windowed_rect_);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(main_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& screen = monitor.rcMonitor;
    SetWindowLongW(main_, GWL_STYLE, static_cast<LONG>(kFullScreenStyle));
    SetWindowPos(main_, nullptr, screen.left, screen.top, screen.right - screen.left,
                 screen.bottom - screen.top, SWP_NOZORDER | SWP_FRAMECHANGED);
  } else {
    SetWindowLongW(main_, GWL_STYLE, static_cast<LONG>(kWindowedStyle));
    SetWindowPos(main_, nullptr, windowed_rect_.left, windowed_rect_.top,
                 windowed_rect_.right - windowed_rect_.left, windowed_rect_.bottom - windowed_rect_.top,
                 SWP_NOZORDER | SWP_FRAMECHANGED);
  }
  full_screen_ = !full_screen_;
}

}  // namespace orvenna
