#include "src/app/window/control_scaling.h"
#include "platform/win/win32.h"

#include "src/app/main_dialog_controls.h"
#include "src/app/orvenna_console_dlg.h"

namespace {

constexpr UINT ScaledControlFlags = SWP_NOOWNERZORDER | SWP_SHOWWINDOW | SWP_FRAMECHANGED;
// The training window's caption and border are removed and its rows brought closer together.
constexpr float TrainingRowCompression = 0.96f;
constexpr int TrainingTopShift = 16;

int Truncated(float value) {
  return static_cast<int>(value);
}

}  // namespace

ScaledPlacement ScaledControlPlacement(const RECT& control, float sx, float sy, const ScalingFrame& frame) {
  const int width = Truncated(sx * static_cast<float>(control.right - control.left));
  const int height = Truncated(sy * static_cast<float>(control.bottom - control.top));
  if (frame.layout == TrainingLayout) {
    const float left = sx * static_cast<float>(control.left - frame.window.left);
    const float top = TrainingRowCompression * sy * static_cast<float>(control.top - frame.window.top);
    return {Truncated(left - static_cast<float>(frame.frameWidth)),
            Truncated(top - static_cast<float>(frame.frameHeight) + static_cast<float>(TrainingTopShift)),
            width, height};
  }
  const RECT origin = frame.screen == 0 ? frame.secondaryMonitor : RECT{};
  return {Truncated(sx * static_cast<float>(control.left - origin.left)),
          Truncated(sy * static_cast<float>(control.top - origin.top)), width, height};
}

ScalingFrame COrvennaConsoleDlg::CurrentScalingFrame() const {
  RECT window{};
  ::GetWindowRect(m_hWnd, &window);
  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  return {ConsoleLayout,
          ConsoleScreen,
          secondaryMonitorRect,
          window,
          (window.right - window.left) - client.right,
          (window.bottom - window.top) - client.bottom};
}

void COrvennaConsoleDlg::ScaleControl(int id, float sx, float sy) {
  HWND control = ::GetDlgItem(m_hWnd, id);
  RECT rect{};
  ::GetWindowRect(control, &rect);
  const ScaledPlacement placed = ScaledControlPlacement(rect, sx, sy, CurrentScalingFrame());
  ::SetWindowPos(control, HWND_TOP, placed.x, placed.y, placed.width, placed.height, ScaledControlFlags);
}

void COrvennaConsoleDlg::ScaleAllControls() {
  RECT area{};
  if (ConsoleLayout == TrainingLayout) {
    ::GetWindowRect(m_hWnd, &area);
  } else {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    area = monitor.rcMonitor;
  }
  const float sx = static_cast<float>(area.right - area.left) / DesignWidth;
  const float sy = static_cast<float>(area.bottom - area.top) / DesignHeight;
  for (const MainDialogControl& control : MainDialogControls)
    ScaleControl(control.id, sx, sy);
}
