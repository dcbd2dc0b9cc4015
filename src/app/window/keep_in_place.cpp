// The training layout's check, once a second, that Orvenna and the console stay on the primary
// monitor, where this layout works.
#include "platform/afx/afx.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/controls/monitors.h"
#include "src/util/localized_text.h"

namespace {
constexpr UINT NotOnPrimaryMessage = 2150;
}  // namespace

void COrvennaConsoleDlg::KeepInPlace() {
  HWND planetarium = FindPlanetariumWindow();
  if (planetarium == nullptr) return;
  KillTimer(KeepInPlaceTimer);
  const auto tellNotOnPrimary = [] {
    AfxMessageBox(LoadLocalizedText(NotOnPrimaryMessage).c_str(), MB_ICONERROR);
  };
  if (!CMonitors::GetNearestMonitor(CWnd::FromHandle(planetarium)).IsPrimaryMonitor()) {
    tellNotOnPrimary();
    if (::IsWindow(planetarium))
      ::SetWindowPos(planetarium, nullptr, 0, 0, 2 * planetariumHalfSizeX, 2 * planetariumHalfSizeY,
                     SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (!CMonitors::GetNearestMonitor(this).IsPrimaryMonitor()) {
    tellNotOnPrimary();
    PlaceConsole(true);
  }
  SetTimer(KeepInPlaceTimer, KeepInPlaceMs, nullptr);
}
