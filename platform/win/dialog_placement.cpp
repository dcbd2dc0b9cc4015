#include "platform/win/dialog_placement.h"

#include <algorithm>

#include "platform/win/monitor_api.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace win_internal {

POINT within_work_area(const RECT& rect, HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) return {rect.left, rect.top};
  const RECT& work = info.rcWork;
  return {std::max(work.left, std::min(rect.left, work.right - (rect.right - rect.left))),
          std::max(work.top, std::min(rect.top, work.bottom - (rect.bottom - rect.top)))};
}

void keep_on_monitor(HWND dialog) {
  RECT rect{};
  GetWindowRect(dialog, &rect);
  const POINT kept = within_work_area(rect, MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST));
  SetWindowPos(dialog, nullptr, kept.x, kept.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace win_internal
