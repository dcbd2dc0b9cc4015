#include "src/link/monitor_placement.h"

#include "platform/win/monitor_api.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace {

RECT MonitorRect(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(monitor, &info);
  return info.rcMonitor;
}

}  // namespace

HMONITOR PrimaryMonitor() {
  return MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
}

HMONITOR SecondaryMonitor() {
  return MonitorFromPoint(POINT{MonitorRect(PrimaryMonitor()).right, 0}, MONITOR_DEFAULTTONEAREST);
}

bool IsOnPrimaryMonitor(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
}

void CenterWindowOnMonitor(HWND window, HMONITOR monitor) {
  const RECT screen = MonitorRect(monitor);
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int x = screen.left + (screen.right - screen.left - width) / 2;
  const int y = screen.top + (screen.bottom - screen.top - height) / 2;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
