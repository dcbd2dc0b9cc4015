// The main dialog's one timer handler: everything that happens later is a numbered timer of its
// window, and its expiry is dispatched here by id.
#include <algorithm>
#include <array>

#include "platform/win/focus_api.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"

namespace {

// The one-shot timers dispatched here; each expiry kills its own timer first.
constexpr std::array DispatchedTimers{
    ConsoleForwardTimer,
    StatusLineTimer,
    ScriptFlagTimer,
    FlyByNoticeTimer,
    AtmosphereKeyTimer,
    FogKeyTimer,
    BoundariesKeyTimer,
    LinesKeyTimer,
    ArtKeyTimer,
    GroundKeyTimer,
    CardinalPointsKeyTimer,
    EquatorialGridKeyTimer,
    EquatorLineKeyTimer,
    AzimuthalGridKeyTimer,
    PlanetOrbitsKeyTimer,
    EclipticKeyTimer,
    ConstellationNamesKeyTimer,
};

}  // namespace

bool COrvennaConsoleDlg::IsDispatchedTimer(UINT_PTR id) {
  return std::find(DispatchedTimers.begin(), DispatchedTimers.end(), id) != DispatchedTimers.end();
}

void COrvennaConsoleDlg::OnTimer(UINT_PTR id) {
  if (IsDispatchedTimer(id)) KillTimer(id);
  switch (id) {
    case ConsoleForwardTimer:
      BringConsoleForward();
      break;
    case StatusLineTimer:
      SetDlgItemText(StatusLineId, L"");
      break;
    case ScriptFlagTimer:
      scriptRunning = false;
      SetDlgItemText(StatusLineId, L"");
      break;
    case FlyByNoticeTimer:
      flyByNoticeShown = false;
      break;
    default:
      ReleaseToggleKey(id);
      break;
  }
  CDialog::OnTimer(id);
}

void COrvennaConsoleDlg::BringConsoleForward() {
  ::SetForegroundWindow(m_hWnd);
}
