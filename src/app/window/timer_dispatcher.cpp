// The main dialog's one timer handler: everything that happens later is a numbered timer of its
// window, and its expiry is dispatched here by id.
#include <algorithm>
#include <array>

#include "platform/win/focus_api.h"
#include "platform/win/message_api.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/link/loader_script.h"

namespace {

enum class Expiry { OneShot, Repeating };

struct DispatchedTimer {
  ConsoleTimerId id;
  Expiry expiry;
};

// The timers dispatched here; a one-shot timer is killed by its own expiry, before it acts.
constexpr std::array DispatchedTimers{
    DispatchedTimer{SimulationDataTimer, Expiry::OneShot},
    DispatchedTimer{StartStateEndTimer, Expiry::OneShot},
    DispatchedTimer{ScriptEndZoomOutTimer, Expiry::OneShot},
    DispatchedTimer{EventLoaderResetTimer, Expiry::OneShot},
    DispatchedTimer{ConsoleForwardTimer, Expiry::OneShot},
    DispatchedTimer{StatusLineTimer, Expiry::OneShot},
    DispatchedTimer{ScriptFlagTimer, Expiry::OneShot},
    DispatchedTimer{UserScriptLoaderResetTimer, Expiry::OneShot},
    DispatchedTimer{FlyByNoticeTimer, Expiry::OneShot},
    DispatchedTimer{AtmosphereKeyTimer, Expiry::OneShot},
    DispatchedTimer{FogKeyTimer, Expiry::OneShot},
    DispatchedTimer{BoundariesKeyTimer, Expiry::OneShot},
    DispatchedTimer{LinesKeyTimer, Expiry::OneShot},
    DispatchedTimer{ArtKeyTimer, Expiry::OneShot},
    DispatchedTimer{GroundKeyTimer, Expiry::OneShot},
    DispatchedTimer{CardinalPointsKeyTimer, Expiry::OneShot},
    DispatchedTimer{EquatorialGridKeyTimer, Expiry::OneShot},
    DispatchedTimer{EquatorLineKeyTimer, Expiry::OneShot},
    DispatchedTimer{AzimuthalGridKeyTimer, Expiry::OneShot},
    DispatchedTimer{PlanetOrbitsKeyTimer, Expiry::OneShot},
    DispatchedTimer{EclipticKeyTimer, Expiry::OneShot},
    DispatchedTimer{ConstellationNamesKeyTimer, Expiry::OneShot},
    DispatchedTimer{ResetKeyTimer, Expiry::OneShot},
    DispatchedTimer{EventZoomOutTimer, Expiry::OneShot},
    DispatchedTimer{PositionLabelsTimer, Expiry::OneShot},
    DispatchedTimer{StartStateTimer, Expiry::OneShot},
    DispatchedTimer{RateStepTimer, Expiry::Repeating},
    DispatchedTimer{NormalSpeedKeyTimer, Expiry::OneShot},
    DispatchedTimer{NowKeyTimer, Expiry::OneShot},
    DispatchedTimer{SplashTimer, Expiry::OneShot},
    DispatchedTimer{KeepInPlaceTimer, Expiry::Repeating},
    DispatchedTimer{LiveMonitorTimer, Expiry::Repeating},
    DispatchedTimer{EmergencyTimer, Expiry::OneShot},
    DispatchedTimer{TimeForwardTimer, Expiry::Repeating},
    DispatchedTimer{TimeBackwardTimer, Expiry::Repeating},
    DispatchedTimer{ArrowDownTimer, Expiry::OneShot},
    DispatchedTimer{ArrowUpTimer, Expiry::OneShot},
    DispatchedTimer{ArrowLeftTimer, Expiry::OneShot},
    DispatchedTimer{ArrowRightTimer, Expiry::OneShot},
    DispatchedTimer{ZoomInSafetyTimer, Expiry::OneShot},
    DispatchedTimer{ZoomOutSafetyTimer, Expiry::OneShot},
    DispatchedTimer{ForwardHoldEndTimer, Expiry::OneShot},
    DispatchedTimer{BackwardHoldEndTimer, Expiry::OneShot},
    DispatchedTimer{MoonLandingTimer, Expiry::OneShot},
    DispatchedTimer{TethysLandingTimer, Expiry::OneShot},
    DispatchedTimer{EuropaLandingTimer, Expiry::OneShot},
    DispatchedTimer{CharonLandingTimer, Expiry::OneShot},
    DispatchedTimer{PhobosLandingTimer, Expiry::OneShot},
    DispatchedTimer{TritonLandingTimer, Expiry::OneShot},
    DispatchedTimer{MoonFlyByEndTimer, Expiry::OneShot},
    DispatchedTimer{FlyByEndTimer, Expiry::OneShot},
    DispatchedTimer{ReplayStepTimer, Expiry::OneShot},
    DispatchedTimer{SoundEndTimer, Expiry::Repeating},
};

const DispatchedTimer* FindDispatchedTimer(UINT_PTR id) {
  auto found = std::find_if(DispatchedTimers.begin(), DispatchedTimers.end(),
                            [id](const DispatchedTimer& timer) { return timer.id == id; });
  return found == DispatchedTimers.end() ? nullptr : &*found;
}

}  // namespace

bool COrvennaConsoleDlg::IsDispatchedTimer(UINT_PTR id) {
  return FindDispatchedTimer(id) != nullptr;
}

void COrvennaConsoleDlg::OnTimer(UINT_PTR id) {
  const DispatchedTimer* timer = FindDispatchedTimer(id);
  if (timer != nullptr && timer->expiry == Expiry::OneShot) KillTimer(id);
  switch (id) {
    case SimulationDataTimer:
      scriptRunning = false;
      ShowSimulationData();
      break;
    case StartStateEndTimer:
      RunZoomOutResetScript();
      scriptRunning = false;
      ClearStatusLine();
      break;
    case ScriptEndZoomOutTimer:
      PressAutoZoomOut();
      scriptRunning = false;
      ClearStatusLine();
      break;
    case EventLoaderResetTimer:
    case UserScriptLoaderResetTimer:
      ResetLoaderScript();
      break;
    case ConsoleForwardTimer:
      BringConsoleForward();
      break;
    case StatusLineTimer:
      ClearStatusLine();
      break;
    case ScriptFlagTimer:
      scriptRunning = false;
      ClearStatusLine();
      break;
    case FlyByNoticeTimer:
      flyByNoticeShown = false;
      break;
    case MoonLandingTimer:
    case TethysLandingTimer:
    case EuropaLandingTimer:
    case CharonLandingTimer:
    case PhobosLandingTimer:
    case TritonLandingTimer:
      ShowFlyByLanding(id);
      break;
    case MoonFlyByEndTimer:
    case FlyByEndTimer:
      EndFlyBy(id);
      break;
    case LiveMonitorTimer:
      ShowLiveFrame();
      break;
    case ReplayStepTimer:
      OnReplayStep();
      break;
    case SoundEndTimer:
      EndFinishedSounds();
      break;
    case EmergencyTimer:
      ShowEmergencyImage();
      emergencyPressed = false;
      break;
    case TimeForwardTimer:
    case TimeBackwardTimer:
      StepHeldTime(id);
      break;
    case ArrowDownTimer:
    case ArrowUpTimer:
    case ArrowLeftTimer:
    case ArrowRightTimer:
      ReleaseArrowKey(id);
      break;
    case ZoomInSafetyTimer:
    case ZoomOutSafetyTimer:
      ReleaseZoomKeys(id);
      break;
    case ForwardHoldEndTimer:
    case BackwardHoldEndTimer:
      timeKeyHeld = false;
      break;
    case StartStateTimer:
      ResetPlanetariumToStartState();
      break;
    case SplashTimer:
      splash.Hide();
      break;
    case KeepInPlaceTimer:
      KeepInPlace();
      break;
    case RateStepTimer:
      StepRateKeys();
      break;
    case ResetKeyTimer:
      ReleaseAutoZoomOutKey();
      break;
    case EventZoomOutTimer:
      PressAutoZoomOut();
      break;
    case PositionLabelsTimer:
      clearLabelsFirst = false;
      ClearStatusLine();
      break;
    case NormalSpeedKeyTimer:
    case NowKeyTimer:
      ReleaseTimeKey(id);
      break;
    default:
      ReleaseToggleKey(id);
      break;
  }
  CDialog::OnTimer(id);
}

void COrvennaConsoleDlg::ReleasePendingKeys() {
  for (UINT_PTR id : KeyReleaseTimers)
    if (KillTimer(id)) SendMessageW(m_hWnd, WM_TIMER, id, 0);
}

void COrvennaConsoleDlg::BringConsoleForward() {
  ::SetForegroundWindow(m_hWnd);
}
