// Monitors as Windows reports them. A monitor's handle is fixed by its place in the list.
#include <algorithm>
#include <cwchar>

#include "platform/win/monitor_api.h"
#include "platform/win/rect_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

constexpr ULONG_PTR kFirstMonitor = 0x00010001;

std::vector<desktop::Monitor>* monitors() {
  desktop::DesktopThread* self = win_internal::caller();
  return self ? &self->desktop().monitors() : nullptr;
}

HMONITOR handle_of(int index) {
  return reinterpret_cast<HMONITOR>(kFirstMonitor + static_cast<ULONG_PTR>(index));
}

const desktop::Monitor* monitor_of(HMONITOR handle) {
  auto* list = monitors();
  auto index = reinterpret_cast<ULONG_PTR>(handle) - kFirstMonitor;
  if (list == nullptr || reinterpret_cast<ULONG_PTR>(handle) < kFirstMonitor || index >= list->size())
    return nullptr;
  return &(*list)[index];
}

HMONITOR fallback(int nearest, DWORD flags) {
  if (flags == MONITOR_DEFAULTTOPRIMARY) return handle_of(0);
  if (flags == MONITOR_DEFAULTTONEAREST) return handle_of(nearest);
  return nullptr;
}

int nearest_to_rect(const std::vector<desktop::Monitor>& list, const RECT& rect) {
  return desktop::monitor_nearest(list, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

}  // namespace

BOOL WINAPI EnumDisplayMonitors(HDC, LPCRECT clip, MONITORENUMPROC proc, LPARAM data) {
  auto* list = monitors();
  if (list == nullptr || proc == nullptr) return FALSE;
  for (std::size_t i = 0; i < list->size(); ++i) {
    RECT area = (*list)[i].rect;
    if (clip != nullptr && !IntersectRect(&area, &area, clip)) continue;
    if (!proc(handle_of(static_cast<int>(i)), nullptr, &area, data)) break;
  }
  return TRUE;
}

HMONITOR WINAPI MonitorFromRect(LPCRECT rect, DWORD flags) {
  auto* list = monitors();
  if (list == nullptr || rect == nullptr) return nullptr;
  int overlapping = desktop::monitor_overlapping(*list, *rect);
  if (overlapping >= 0) return handle_of(overlapping);
  return fallback(nearest_to_rect(*list, *rect), flags);
}

HMONITOR WINAPI MonitorFromPoint(POINT point, DWORD flags) {
  auto* list = monitors();
  if (list == nullptr) return nullptr;
  for (std::size_t i = 0; i < list->size(); ++i)
    if (PtInRect(&(*list)[i].rect, point)) return handle_of(static_cast<int>(i));
  return fallback(desktop::monitor_nearest(*list, point), flags);
}

HMONITOR WINAPI MonitorFromWindow(HWND hwnd, DWORD flags) {
  // No window at all is on no monitor: the flags choose, and only the primary one is at hand.
  if (hwnd == nullptr)
    return flags == MONITOR_DEFAULTTONULL ? nullptr : MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  auto window = win_internal::live_window(hwnd);
  // No window (a dialog without an owner asks so) belongs to the primary unless null is asked for.
  if (!window) return flags == MONITOR_DEFAULTTONULL ? nullptr : handle_of(0);
  // A minimised window belongs where it will be restored to.
  RECT rect = window->minimized ? window->normal_rect : win_internal::screen_rect_of(*window);
  return MonitorFromRect(&rect, flags);
}

BOOL WINAPI GetMonitorInfoW(HMONITOR handle, LPMONITORINFO info) {
  const desktop::Monitor* monitor = monitor_of(handle);
  if (monitor == nullptr || info == nullptr ||
      (info->cbSize != sizeof(MONITORINFO) && info->cbSize != sizeof(MONITORINFOEXW))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  info->rcMonitor = monitor->rect;
  info->rcWork = monitor->work;
  info->dwFlags = handle == handle_of(0) ? MONITORINFOF_PRIMARY : 0;
  if (info->cbSize == sizeof(MONITORINFOEXW)) {
    auto* extended = static_cast<MONITORINFOEXW*>(info);
    win_internal::copy_truncated(monitor->device, extended->szDevice, CCHDEVICENAME);
  }
  return TRUE;
}
