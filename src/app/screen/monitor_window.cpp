// The monitoring window's key: opens it over the console until its close key.
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/screen/playback_wnd.h"
#include "src/util/localized_text.h"

namespace {

constexpr UINT PlanetariumNotRunningMessage = 3960;
constexpr int MonitorWindowError = 100088;

}  // namespace

void COrvennaConsoleDlg::OnMonitorWindow() {
  if (EnsurePlanetarium() > 0) {
    ShowLocalizedError(PlanetariumNotRunningMessage, MB_ICONERROR, MonitorWindowError);
    return;
  }
  CPlaybackWnd window(&consoleState, this);
  window.DoModal();
}
