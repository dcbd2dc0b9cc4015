// The four programmable speed buttons: a rate-mode button pauses Orvenna, sets the normal rate
// and then steps the rate by keys a quarter of a second apart; a date-mode button runs a script
// that steps the date round after round until it is pressed again.
#include <algorithm>

#include "platform/win/keyboard_api.h"
#include "src/app/console_notices.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/time/speed_settings.h"
#include "src/app/time/time_scripts.h"
#include "src/link/key_injection.h"
#include "src/settings/console_settings.h"
#include "src/settings/ranged_settings.h"
#include "src/util/format_text.h"

namespace {

constexpr wchar_t RunningCaption[] = L"\u25A0";
constexpr UINT ScriptRunningNoticeMs = 4000;
constexpr UINT RateStepMs = 250;
constexpr int BigStepKeys = 3;
constexpr wchar_t NormalRateCharacter = L'k';

constexpr wchar_t ForwardRateFormat[] = L"core.setTimeRate(%f);\r";
constexpr wchar_t BackwardRateFormat[] = L"core.setTimeRate(-%f);\r";
constexpr wchar_t DateSteppingScriptName[] = L"speedrotation.ovs";
constexpr int DateSteppingRunMs = 300;
// Long enough that every later step while it loops is replayed by the console.
constexpr float DateSteppingRecordedMs = 100000000;
constexpr int EarthBodyCode = 1;

// The rate keys: a big step and a small one each way.
wchar_t RateKey(bool forward, bool big) {
  if (forward) return big ? L'l' : L'L';
  return big ? L'j' : L'J';
}

}  // namespace

void COrvennaConsoleDlg::UnpackSpeedButtonSettings() {
  const SpeedOptions stored = LoadSpeedOptions();
  speedSteps = stored.speeds;
  speedOptions = static_cast<DWORD>(stored.options);
  for (int k = 0; k < SpeedButtonCount; ++k) {
    const SpeedButtonSettings button = UnpackSpeedButton(speedOptions, k);
    const auto at = static_cast<std::size_t>(k);
    speedForward[at] = button.forward;
    speedDateStep[at] = button.dateStep;
    speedRateMode[at] = button.rateMode;
    speedSidereal[at] = button.sidereal;
  }
}

void COrvennaConsoleDlg::UpdateSpeedButtonCaptions() {
  UnpackSpeedButtonSettings();
  for (int k = 0; k < SpeedButtonCount; ++k) {
    const auto at = static_cast<std::size_t>(k);
    // A running button keeps showing that it runs, whatever else renews the captions.
    const std::wstring caption =
        speedButtonActive[at]
            ? std::wstring(RunningCaption)
            : SpeedButtonCaption({speedForward[at], speedDateStep[at], speedRateMode[at], speedSidereal[at]},
                                 speedSteps[at]);
    SetDlgItemText(FirstSpeedButtonId + k, caption.c_str());
  }
}

void COrvennaConsoleDlg::OnSpeedButton(UINT id) {
  const int k = static_cast<int>(id) - FirstSpeedButtonId;
  if (k < 0 || k >= SpeedButtonCount) return;
  ActionGuards guards;
  guards.refuseDuringFlyBy = true;
  if (!PassActionGuards(guards)) return;
  UnpackSpeedButtonSettings();
  const auto at = static_cast<std::size_t>(k);
  const bool running = speedButtonActive[at];
  const bool anotherRunning = !running && std::ranges::any_of(speedButtonActive, [](bool on) { return on; });
  if (speedRateMode[at]) {
    if (scriptRunning) {
      ShowStatusMessage(ScriptRunningNotice + ReadLanguage(), ScriptRunningNoticeMs);
    } else if (running) {
      StopRateSpeedButton(k);
    } else if (anotherRunning) {
      ShowStatusMessage(ScriptRunningNotice + ReadLanguage(), ScriptRunningNoticeMs);
    } else {
      StartRateSpeedButton(k);
    }
    return;
  }
  if (running)
    StopDateSpeedButton(k);
  else if (anotherRunning || scriptRunning)
    ShowStatusMessage(ScriptRunningNotice + ReadLanguage(), ScriptRunningNoticeMs);
  else if (PassActionGuards(ReplayRefusal))
    StartDateSpeedButton(k);
}

void COrvennaConsoleDlg::StartRateSpeedButton(int k) {
  // Without Orvenna's view there is nothing to send the keys to: the button stays as it was.
  HWND view = FindPlanetariumView();
  if (view == nullptr) return;
  const auto at = static_cast<std::size_t>(k);
  const bool forward = speedForward[at];
  // Recorded first: a recording's first step writes its header, whose normal rate would end
  // this button if it were running already.
  RecordOpeningStep(FormatText(forward ? ForwardRateFormat : BackwardRateFormat, RateOfSteps(speedSteps[at])),
                    L"", 0, NormalRateScript);
  speedButtonActive[at] = true;
  speedButtonIndex = k;
  ActivatePlanetariumView(view);
  const HKL layout = SyncKeyboardLayout();
  SendKeyToPlanetarium(VkKeyScanExW(PauseKeyCharacter, layout), false);
  SendKeyToPlanetarium(VkKeyScanExW(NormalRateCharacter, layout), false);
  KillTimer(RateStepTimer);
  speedKeySteps = speedSteps[at];
  timeRateNormal = false;
  if (!forward) {
    // From the normal rate two keys at once turn time backward.
    const SHORT backward = VkKeyScanExW(RateKey(false, speedKeySteps >= BigStepKeys), layout);
    SendKeyToPlanetarium(backward, false);
    SendKeyToPlanetarium(backward, false);
  }
  SetTimer(RateStepTimer, RateStepMs, nullptr);
  SetDlgItemText(FirstSpeedButtonId + k, RunningCaption);
  speedKeysActive = true;
}

void COrvennaConsoleDlg::StopRateSpeedButton(int k) {
  speedButtonActive[static_cast<std::size_t>(k)] = false;
  speedKeysActive = false;
  suppressNormalSpeedRecord = true;
  OnNormalSpeed();
  suppressNormalSpeedRecord = false;
  UpdateSpeedButtonCaptions();
  RecordClosingStep(NormalRateScript, L"");
}

void COrvennaConsoleDlg::StepRateKeys() {
  HWND view = FindPlanetariumView();
  if (view == nullptr || speedKeySteps <= 0) {
    KillTimer(RateStepTimer);
    return;
  }
  ActivatePlanetariumView(view);
  const bool big = speedKeySteps >= BigStepKeys;
  speedKeySteps -= big ? BigStepKeys : 1;
  const bool forward = speedForward[static_cast<std::size_t>(speedButtonIndex)];
  SendKeyToPlanetarium(VkKeyScanExW(RateKey(forward, big), SyncKeyboardLayout()), false);
  if (speedKeySteps <= 0) KillTimer(RateStepTimer);
}

void COrvennaConsoleDlg::StartDateSpeedButton(int k) {
  UpdateSpeedButtonCaptions();
  const auto at = static_cast<std::size_t>(k);
  const std::wstring script =
      DateSteppingScript({speedForward[at], speedDateStep[at], speedRateMode[at], speedSidereal[at]},
                         SelectedBodyCode == EarthBodyCode);
  // Recorded first, for the same reason as a rate-mode button.
  RecordStep(script, L"", DateSteppingRecordedMs);
  SetDlgItemText(FirstSpeedButtonId + k, RunningCaption);
  speedButtonActive[at] = true;
  scriptRunning = true;
  speedKeysActive = false;
  if (!RunScript(script, DateSteppingScriptName, false, DateSteppingRunMs)) {
    // Nothing steps the date: the button is not shown as running.
    speedButtonActive[at] = false;
    UpdateSpeedButtonCaptions();
    scriptRunning = false;
    return;
  }
  timeRateNormal = false;
}

void COrvennaConsoleDlg::StopDateSpeedButton(int k) {
  StopPlanetariumScript();
  EndDateSpeedButton(k);
}

void COrvennaConsoleDlg::EndDateSteppingRuns() {
  for (int k = 0; k < SpeedButtonCount; ++k) {
    const auto at = static_cast<std::size_t>(k);
    if (speedButtonActive[at] && !speedRateMode[at]) EndDateSpeedButton(k);
  }
}

void COrvennaConsoleDlg::EndDateSpeedButton(int k) {
  const auto at = static_cast<std::size_t>(k);
  speedButtonActive[at] = false;
  UpdateSpeedButtonCaptions();
  scriptRunning = false;
  timeRateNormal = true;
  if (RecorderState != RecorderRecording) return;
  if (FindPlanetariumWindow() == nullptr) {
    // Orvenna went during the step: how long it really ran cannot be known.
    RecorderState = RecorderIdle;
    recordedShow = {};
    return;
  }
  CloseOpenEndedStep(DateSteps[static_cast<std::size_t>(speedDateStep[at])].roundSeconds);
}

void COrvennaConsoleDlg::OnInvertTime() {
  UnpackSpeedButtonSettings();
  for (bool& forward : speedForward)
    forward = !forward;
  SettingsWriter().Dword(RangedName(Ranged::SpeedOptions, -1),
                         (speedOptions ^ AllSpeedDirections) & SpeedOptionsMask);
  UpdateSpeedButtonCaptions();
  // The tips say which way the buttons go, as the captions do.
  UpdateSpeedTips();
}
