// The time buttons that act by Orvenna's keys: pause, normal rate and now, and what ends the
// speed buttons and the held time stepping with them.
#include "platform/win/keyboard_api.h"
#include "platform/win/message_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/time_api.h"
#include "src/app/console_notices.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/time/time_scripts.h"
#include "src/app/window/activation_burst.h"
#include "src/link/key_injection.h"
#include "src/settings/console_settings.h"
#include "src/settings/date_time_entry.h"

namespace {

// The pause button presses the key itself, whatever key the layout puts the character on.
constexpr SHORT PauseKey = '7';
constexpr BYTE NormalRateKey = 'K';
constexpr wchar_t NowCharacter = L'8';
constexpr BYTE NowKey = '8';
constexpr LPARAM TimeKeyDown = 0x00300001;
constexpr LPARAM TimeKeyUp = static_cast<LPARAM>(0xC0300001);
constexpr UINT TimeKeyUpMs = 200;
constexpr UINT ConsoleForwardMs = 800;
constexpr DWORD AfterPauseKeyMs = 100;

constexpr UINT NotDuringRecordingMs = 6000;
constexpr UINT NormalSpeedScriptNoticeMs = 4000;

constexpr wchar_t PausedRateScript[] = L"core.setTimeRate(0);\r";
constexpr wchar_t PauseKeyword[] = L"btn_pause";
constexpr wchar_t NormalSpeedKeyword[] = L"normalspeed";

}  // namespace

void COrvennaConsoleDlg::OnPause() {
  ActionGuards guards;
  guards.ensurePlanetarium = true;
  if (!PassActionGuards(guards)) return;
  EndRunningSpeedButtons();
  if (HWND view = FindPlanetariumView()) {
    ActivatePlanetariumView(view);
    SendKeyToPlanetarium(PauseKey, false);
  }
  EndTimeStepping();
  SetTimer(ConsoleForwardTimer, ConsoleForwardMs, nullptr);
  BringConsoleForward();
  RecordStep(PausedRateScript, PauseKeyword, 0);
  speedKeysActive = false;
  scriptRunning = false;
  timeRateNormal = false;
}

void COrvennaConsoleDlg::OnNormalSpeed() {
  ActionGuards guards;
  guards.ensurePlanetarium = true;
  guards.refuseWhileScriptRuns = speedKeysActive;
  guards.scriptNoticeMs = NormalSpeedScriptNoticeMs;
  if (!PassActionGuards(guards)) return;
  RestoreNormalSpeed();
}

void COrvennaConsoleDlg::RestoreNormalSpeed() {
  if (timeRateNormal) return;
  EndRunningSpeedButtons();
  HWND view = FindPlanetariumView();
  if (view != nullptr) {
    ActivatePlanetariumView(view);
    // Orvenna pauses first, so that the normal rate key starts from a still sky.
    SendKeyToPlanetarium(VkKeyScanExW(PauseKeyCharacter, SyncKeyboardLayout()), false);
  }
  Sleep(AfterPauseKeyMs);
  if (view != nullptr) PostTimeKey(NormalRateKey, NormalSpeedKeyTimer);
  EndTimeStepping();
  SetTimer(ConsoleForwardTimer, ConsoleForwardMs, nullptr);
  if (!suppressNormalSpeedRecord) RecordStep(NormalRateScript, NormalSpeedKeyword, 0);
  speedKeysActive = false;
  scriptRunning = false;
  timeRateNormal = true;
}

void COrvennaConsoleDlg::OnNow() {
  ActionGuards paused;
  paused.pausedNoticeMs = NotDuringRecordingMs;
  if (!PassActionGuards(paused)) return;
  if (RecorderState == RecorderRecording || scriptRunning || speedKeysActive) {
    ShowStatusMessage(NotDuringRecordingNotice + ReadLanguage(), NotDuringRecordingMs);
    return;
  }
  ActionGuards guards;
  guards.refuseWhileRecordingPaused = false;
  guards.refuseDuringFlyBy = true;
  guards.ensurePlanetarium = true;
  if (!PassActionGuards(guards)) return;
  if (HWND view = FindPlanetariumView()) {
    ActivatePlanetariumView(view);
    SendKeyToPlanetarium(VkKeyScanExW(NowCharacter, SyncKeyboardLayout()), false);
    PostTimeKey(NowKey, NowKeyTimer);
  }
  SetDateTimeEntry(consoleState, L"", L"", true);
  SYSTEMTIME now{};
  GetLocalTime(&now);
  RecordStep(LocalNowScript(now), L"", 0);
}

void COrvennaConsoleDlg::OnSpeedHoldRelease(UINT) {
  timeRateNormal = false;
}

void COrvennaConsoleDlg::EndRunningSpeedButtons() {
  // Rate keys still to come would take Orvenna off the rate the caller sets.
  KillTimer(RateStepTimer);
  for (int k = 0; k < static_cast<int>(speedButtonActive.size()); ++k) {
    if (!speedButtonActive[static_cast<std::size_t>(k)]) continue;
    speedButtonActive[static_cast<std::size_t>(k)] = false;
    UpdateSpeedButtonCaptions();
    if (!speedRateMode[static_cast<std::size_t>(k)]) StopPlanetariumScript();
  }
}

void COrvennaConsoleDlg::EndTimeStepping() {
  for (UINT_PTR timer : TimeSteppingTimers)
    KillTimer(timer);
  timeKeyHeld = false;
}

void COrvennaConsoleDlg::PostTimeKey(BYTE key, UINT_PTR releaseTimer) {
  HWND view = FindPlanetariumView();
  if (view == nullptr) return;
  SendActivationBurst(view);
  ::PostMessageW(view, WM_KEYDOWN, key, TimeKeyDown);
  SetTimer(releaseTimer, TimeKeyUpMs, nullptr);
}

void COrvennaConsoleDlg::ReleaseTimeKey(UINT_PTR timer) {
  const BYTE key = timer == NowKeyTimer ? NowKey : NormalRateKey;
  if (HWND view = FindPlanetariumView()) ::PostMessageW(view, WM_KEYUP, key, TimeKeyUp);
}
