#include "src/controls/monitors.h"

namespace {

MONITORINFO info_of(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(monitor, &info);
  return info;
}

}  // namespace

void CMonitor::GetMonitorRect(LPRECT rect) const {
  *rect = info_of(m_hMonitor).rcMonitor;
}

BOOL CMonitor::IsPrimaryMonitor() const {
  return info_of(m_hMonitor).dwFlags == MONITORINFOF_PRIMARY;
}

void CMonitor::CenterRectToMonitor(LPRECT rect) const {
  RECT monitor{};
  GetMonitorRect(&monitor);
  const LONG width = rect->right - rect->left;
  const LONG height = rect->bottom - rect->top;
  rect->left = monitor.left + (monitor.right - monitor.left - width) / 2;
  rect->top = monitor.top + (monitor.bottom - monitor.top - height) / 2;
  rect->right = rect->left + width;
  rect->bottom = rect->top + height;
}

void CMonitor::CenterWindowToMonitor(CWnd* wnd) const {
  RECT rect{};
  wnd->GetWindowRect(&rect);
  CenterRectToMonitor(&rect);
  wnd->SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMonitor::AttachToPrimaryMonitor() {
  m_hMonitor = CMonitors::GetPrimaryMonitor().GetHandle();
}

void CMonitor::AttachToSecondaryMonitor() {
  m_hMonitor = CMonitors::GetSecondaryMonitor().GetHandle();
}

CMonitors::CMonitors() {
  m_MonitorArray.reserve(static_cast<std::size_t>(GetSystemMetrics(SM_CMONITORS)));
  EnumDisplayMonitors(nullptr, nullptr, &CMonitors::AddMonitorProc, reinterpret_cast<LPARAM>(this));
}

CMonitors::~CMonitors() {
  for (CMonitor* monitor : m_MonitorArray)
    delete monitor;
}

const CMonitor* CMonitors::GetMonitor(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return m_MonitorArray[static_cast<std::size_t>(index)];
}

BOOL CALLBACK CMonitors::AddMonitorProc(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  reinterpret_cast<CMonitors*>(data)->m_MonitorArray.push_back(new CMonitor(monitor));
  return TRUE;
}

CMonitor CMonitors::GetNearestMonitor(const CWnd* wnd) {
  return CMonitor(MonitorFromWindow(wnd->GetSafeHwnd(), MONITOR_DEFAULTTONEAREST));
}

CMonitor CMonitors::GetPrimaryMonitor() {
  return CMonitor(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

CMonitor CMonitors::GetSecondaryMonitor() {
  RECT primary{};
  GetPrimaryMonitor().GetMonitorRect(&primary);
  return CMonitor(MonitorFromPoint(POINT{primary.right, 0}, MONITOR_DEFAULTTONEAREST));
}
