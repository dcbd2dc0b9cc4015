// The presenter's control over the script Orvenna runs: pause and resume by Orvenna's own
// shortcuts, and a stop that also ends every timed action of the console.
#include <algorithm>

#include "platform/win/focus_api.h"
#include "platform/win/keyboard_api.h"
#include "platform/win/thread_api.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/link/key_injection.h"
#include "src/link/planetarium_profile.h"

namespace {

constexpr wchar_t ResumedText[] = L"SCRIPT \u25B6";
constexpr wchar_t PausedText[] = L"SCRIPT ||";
constexpr wchar_t StoppedText[] = L"SCRIPT \u25A0";
constexpr UINT ScriptControlNoticeMs = 2000;
constexpr DWORD AfterKeyMs = 100;
constexpr DWORD AfterToggleMs = 200;

template <std::size_t N>
bool Holds(const std::array<UINT_PTR, N>& ids, UINT_PTR id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

void COrvennaConsoleDlg::OnScriptPauseResume() {
  ActionGuards guards;
  guards.ensurePlanetarium = true;
  if (!PassActionGuards(guards)) return;
  if (HWND view = FindPlanetariumView()) ActivatePlanetariumView(view);
  const bool resume = scriptPaused;
  SetDlgItemText(StatusLineId, resume ? ResumedText : PausedText);
  const wchar_t key = resume ? PlanetariumProfile::ResumeScriptKey : PlanetariumProfile::PauseScriptKey;
  SendKeyToPlanetarium(VkKeyScanExW(key, SyncKeyboardLayout()), false);
  Sleep(AfterKeyMs);
  SetForegroundWindow(m_hWnd);
  SetTimer(StatusClearTimer, ScriptControlNoticeMs, nullptr);
  scriptPaused = !scriptPaused;
  Sleep(AfterToggleMs);
  SetForegroundWindow(m_hWnd);
}

void COrvennaConsoleDlg::OnScriptStop() {
  ReleasePendingKeys();
  for (UINT_PTR id = FirstScriptTimer; id <= LastScriptTimer; ++id)
    if (!Holds(TimersAScriptStopKeeps, id)) KillTimer(id);
  // A fly-by ends as its own stop ends it: countdown, end and landing timers, caption, place.
  if (flyByRunning) StopFlyBy(false);
  scriptRunning = false;
  SetDlgItemText(StatusLineId, StoppedText);
  StopPlanetariumScript();
  EndDateSteppingRuns();
  SetTimer(StatusClearTimer, ScriptControlNoticeMs, nullptr);
}

void COrvennaConsoleDlg::StopRunningActions() {
  if (RecorderState == RecorderPlaying) StopPlayback();
  if (flyByRunning) {
    // As the script stop ends it, with no guard that could end the console when Orvenna has gone.
    EndFlyByDisplay();
    StopPlanetariumScript();
    timeRateNormal = false;
    RestoreNormalSpeed();
  }
  ReleaseHeldZoom();
  ReleasePendingKeys();
}
