// The main dialog's one timer handler: everything that happens later is a numbered timer of its
// window, and its expiry is dispatched here by id.
#include <algorithm>
#include <array>

#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/link/loader_script.h"

namespace {

enum class Expiry { OneShot, Repeating };

struct DispatchedTimer {
  UINT_PTR id;
  Expiry expiry;
};

// The timers dispatched here; a one-shot timer is killed by its own expiry, before it acts, so
// that its handling may arm it again.
constexpr std::array DispatchedTimers{
    DispatchedTimer{SimulationDataTimer, Expiry::OneShot},
    DispatchedTimer{StartStateScriptEndTimer, Expiry::OneShot},
    DispatchedTimer{ScriptEndTimer, Expiry::OneShot},
    DispatchedTimer{EventLoaderResetTimer, Expiry::OneShot},
    DispatchedTimer{StatusClearTimer, Expiry::OneShot},
    DispatchedTimer{LoaderResetTimer, Expiry::OneShot},
    DispatchedTimer{ScriptFlagTimer, Expiry::OneShot},
    DispatchedTimer{FlyByNoticeTimer, Expiry::OneShot},
    DispatchedTimer{StartStateTimer, Expiry::OneShot},
};

const DispatchedTimer* FindDispatchedTimer(UINT_PTR id) {
  auto found = std::find_if(DispatchedTimers.begin(), DispatchedTimers.end(),
                            [id](const DispatchedTimer& timer) { return timer.id == id; });
  return found == DispatchedTimers.end() ? nullptr : &*found;
}

}  // namespace

void COrvennaConsoleDlg::OnTimer(UINT_PTR id) {
  const DispatchedTimer* timer = FindDispatchedTimer(id);
  if (timer != nullptr && timer->expiry == Expiry::OneShot) KillTimer(id);
  switch (id) {
    case SimulationDataTimer:
      scriptRunning = false;
      ShowSimulationData();
      break;
    case StartStateScriptEndTimer:
      RunZoomOutResetScript();
      scriptRunning = false;
      ClearStatusLine();
      break;
    case ScriptEndTimer:
    case ScriptFlagTimer:
      scriptRunning = false;
      ClearStatusLine();
      break;
    case EventLoaderResetTimer:
    case LoaderResetTimer:
      ResetLoaderScript();
      break;
    case StatusClearTimer:
      ClearStatusLine();
      break;
    case FlyByNoticeTimer:
      flyByNoticeShown = false;
      break;
    case StartStateTimer:
      ResetPlanetariumToStartState();
      break;
    default:
      break;
  }
  CDialog::OnTimer(id);
}
