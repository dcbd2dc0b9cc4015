#include "src/catalog/dialog_placement.h"

#include <algorithm>

#include "platform/win/win32.h"

void CentreOnOwnersMonitor(CWnd& dialog, CWnd* owner) {
  HWND shown = owner != nullptr ? owner->GetSafeHwnd() : dialog.GetSafeHwnd();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!::GetMonitorInfoW(::MonitorFromWindow(shown, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& area = monitor.rcWork;
  CRect window;
  dialog.GetWindowRect(&window);
  const int left = std::max(area.left, area.left + (area.right - area.left - window.Width()) / 2);
  const int top = std::max(area.top, area.top + (area.bottom - area.top - window.Height()) / 2);
  dialog.SetWindowPos(nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
