// The main dialog's one timer handler: what each of its timers does when it expires. A one-shot
// timer is killed first, so that its handling may arm it again.
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/link/loader_script.h"

void COrvennaConsoleDlg::OnTimer(UINT_PTR id) {
  switch (id) {
    case SimulationDataTimer:
      KillTimer(id);
      scriptRunning = false;
      ShowSimulationData();
      break;
    case StartStateScriptEndTimer:
      KillTimer(id);
      RunZoomOutResetScript();
      scriptRunning = false;
      ClearStatusLine();
      break;
    case ScriptEndTimer:
    case ScriptFinishedTimer:
      KillTimer(id);
      scriptRunning = false;
      ClearStatusLine();
      break;
    case EventLoaderResetTimer:
    case LoaderResetTimer:
      KillTimer(id);
      ResetLoaderScript();
      break;
    case StatusClearTimer:
      KillTimer(id);
      ClearStatusLine();
      break;
    case FlyByNoticeTimer:
      KillTimer(id);
      flyByNoticeShown = false;
      break;
    case StartStateTimer:
      KillTimer(id);
      ResetPlanetariumToStartState();
      break;
    default:
      break;
  }
  CDialog::OnTimer(id);
}
