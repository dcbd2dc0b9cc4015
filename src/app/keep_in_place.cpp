// The training layout's check, once a second, that Orvenna and the console stay on the primary
// monitor, where this layout works.
#include "platform/afx/afx.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/controls/monitors.h"
#include "src/util/localized_text.h"

namespace {
constexpr UINT NotOnPrimaryMessage = 2150;
constexpr UINT KeepInPlaceMs = 1000;
}  // namespace

void COrvennaConsoleDlg::KeepInPlace() {
  HWND planetarium = FindPlanetariumWindow();
  if (planetarium == nullptr) return;
  KillTimer(KeepInPlaceTimer);
  if (!CMonitors::GetNearestMonitor(CWnd::FromHandle(planetarium)).IsPrimaryMonitor()) {
    AfxMessageBox(LoadLocalizedText(NotOnPrimaryMessage).c_str(), MB_ICONERROR);
    if (::IsWindow(planetarium))
      ::SetWindowPos(planetarium, nullptr, 0, 0, 2 * planetariumHalfSizeX, 2 * planetariumHalfSizeY,
                     SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (!CMonitors::GetNearestMonitor(this).IsPrimaryMonitor()) {
    AfxMessageBox(LoadLocalizedText(NotOnPrimaryMessage).c_str(), MB_ICONERROR);
    PlaceConsole(true);
  }
  SetTimer(KeepInPlaceTimer, KeepInPlaceMs, nullptr);
}
