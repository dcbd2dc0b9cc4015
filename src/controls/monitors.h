// The monitors as the two-monitor layout asks about them: the one holding a window, the primary
// (holding the point 0, 0), the "secondary" (holding the primary's right edge), their full
// rectangles, and centring on one.
#pragma once

#include <vector>

#include "platform/afx/afx.h"
#include "platform/win/monitor_api.h"

class CMonitor : public CObject {
 public:
  CMonitor() = default;
  explicit CMonitor(HMONITOR monitor) : m_hMonitor(monitor) {}

  HMONITOR GetHandle() const { return m_hMonitor; }
  BOOL IsMonitor() const { return m_hMonitor != nullptr; }
  // The full rectangle, not the work area.
  void GetMonitorRect(LPRECT rect) const;
  BOOL IsPrimaryMonitor() const;
  // Keeps the rectangle's size; centred on the full rectangle, so it may reach under the taskbar.
  void CenterRectToMonitor(LPRECT rect) const;
  // Moves the window without resizing, activating or changing its z-order.
  void CenterWindowToMonitor(CWnd* wnd) const;
  void AttachToPrimaryMonitor();
  void AttachToSecondaryMonitor();

 private:
  HMONITOR m_hMonitor = nullptr;
};

class CMonitors : public CObject {
 public:
  // Every monitor of the machine, enumerated now.
  CMonitors();
  ~CMonitors() override;
  CMonitors(const CMonitors&) = delete;
  CMonitors& operator=(const CMonitors&) = delete;

  int GetCount() const { return static_cast<int>(m_MonitorArray.size()); }
  const CMonitor* GetMonitor(int index) const;

  static CMonitor GetNearestMonitor(const CWnd* wnd);
  static CMonitor GetPrimaryMonitor();
  // The monitor holding the primary's right edge, or the nearest one: the primary itself when
  // it is alone.
  static CMonitor GetSecondaryMonitor();

 private:
  static BOOL CALLBACK AddMonitorProc(HMONITOR monitor, HDC dc, LPRECT rect, LPARAM data);

  std::vector<CMonitor*> m_MonitorArray;
};
