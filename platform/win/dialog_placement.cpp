#include "platform/win/dialog_placement.h"

#include <algorithm>

#include "platform/win/monitor_api.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace win_internal {

void keep_on_monitor(HWND dialog) {
  RECT rect{};
  GetWindowRect(dialog, &rect);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &info);
  const RECT& work = info.rcWork;
  const LONG left = std::max(work.left, std::min(rect.left, work.right - (rect.right - rect.left)));
  const LONG top = std::max(work.top, std::min(rect.top, work.bottom - (rect.bottom - rect.top)));
  SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace win_internal
