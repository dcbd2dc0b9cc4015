// The live monitor: Orvenna's screen drawn over the information box a few times a second, until
// its key switches it off and the box shows again.
#include <algorithm>

#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/screen/playback_geometry.h"
#include "src/app/screen/screen_capture.h"
#include "src/util/localized_text.h"

namespace {

constexpr UINT PlanetariumNotRunningMessage = 3960;
constexpr int LiveMonitorError = 100090;

}  // namespace

void COrvennaConsoleDlg::OnLiveMonitor() {
  if (EnsurePlanetarium() > 0) {
    ShowLocalizedError(PlanetariumNotRunningMessage, MB_ICONERROR, LiveMonitorError);
    return;
  }
  if (liveMonitorOn) {
    KillTimer(LiveMonitorTimer);
    HWND box = ::GetDlgItem(m_hWnd, LiveMonitorAreaId);
    ::ShowWindow(box, SW_SHOW);
    ::InvalidateRect(box, nullptr, TRUE);
    liveMonitorOn = false;
    return;
  }
  if (liveMonitorRefreshRate <= 0) liveMonitorRefreshRate = 1;
  SetTimer(LiveMonitorTimer, 1000 / static_cast<UINT>(liveMonitorRefreshRate));
  liveMonitorOn = true;
}

HBITMAP COrvennaConsoleDlg::CapturePlanetariumScreen(const RECT& rect) {
  return CaptureScreenPixels(rect);
}

void COrvennaConsoleDlg::ShowLiveFrame() {
  HWND main = FindPlanetariumWindow();
  if (main == nullptr) return;
  RECT screen{};
  ::GetWindowRect(::GetAncestor(main, GA_ROOT), &screen);
  HBITMAP frame = CapturePlanetariumScreen(screen);
  if (frame == nullptr) return;
  // Orvenna's screen as measured at start-up; in the training layout, or unmeasured, its window.
  if (liveMonitorScreen.width <= 0 || liveMonitorScreen.height <= 0)
    liveFrameSource = {screen.right - std::max<LONG>(screen.left, 0),
                       screen.bottom - std::max<LONG>(screen.top, 0)};
  else
    liveFrameSource = {liveMonitorScreen.width, liveMonitorScreen.height};
  const float aspect = static_cast<float>(liveFrameSource.cx) / static_cast<float>(liveFrameSource.cy);
  const RECT& box = liveMonitorBox.rcClient;
  const RECT fitted = FitLiveFrame(box.right - box.left, box.bottom - box.top, aspect);
  HDC dc = ::GetDC(m_hWnd);
  DrawLiveMonitor(fitted, dc, frame);
  ::ReleaseDC(m_hWnd, dc);
  ::DeleteObject(frame);
  ::ShowWindow(::GetDlgItem(m_hWnd, LiveMonitorAreaId), SW_HIDE);
}

void COrvennaConsoleDlg::DrawLiveMonitor(const RECT& fitted, HDC dc, HBITMAP frame) {
  const int width = fitted.right - fitted.left;
  const int height = fitted.bottom - fitted.top;
  // The box's place in the console's client area, whichever monitor or window the console is on.
  POINT boxOrigin{liveMonitorBox.rcClient.left, liveMonitorBox.rcClient.top};
  ::ScreenToClient(m_hWnd, &boxOrigin);
  const int boxWidth = liveMonitorBox.rcClient.right - liveMonitorBox.rcClient.left;
  HDC source = ::CreateCompatibleDC(dc);
  HGDIOBJ previous = ::SelectObject(source, frame);
  ::SetStretchBltMode(dc, HALFTONE);
  ::StretchBlt(dc, boxOrigin.x + (boxWidth - width) / 2, boxOrigin.y, width, height, source, 0, 0,
               liveFrameSource.cx, liveFrameSource.cy, SRCCOPY);
  ::SelectObject(source, previous);
  ::DeleteDC(source);
}
