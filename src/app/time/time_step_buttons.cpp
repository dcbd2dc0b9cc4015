// The two time-stepping buttons act while they are held: the press sends Orvenna Shift+L (or
// Shift+J) at once and a timer sends it again every 800 ms until the release.
#include <array>

#include "platform/win/focus_api.h"
#include "platform/win/keyboard_api.h"
#include "platform/win/thread_api.h"
#include "src/app/console_notices.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/window/command_rows.h"
#include "src/app/window/user32_functions.h"
#include "src/link/key_injection.h"
#include "src/link/keyboard_layout.h"
#include "src/settings/console_settings.h"

namespace {

constexpr UINT StepEveryMs = 800;
constexpr DWORD SwitchSettleMs = 80;
constexpr DWORD ForegroundAgainMs = 150;
constexpr UINT PausedNoticeMs = 5000;
constexpr UINT RecordingNoticeMs = 2000;

struct TimeStepButton {
  int controlId;
  wchar_t key;
  ConsoleTimerId stepTimer;
};

constexpr std::array TimeStepButtons{
    TimeStepButton{1097, L'L', TimeForwardTimer},
    TimeStepButton{1096, L'J', TimeBackwardTimer},
};

// Shift and the key, typed as Orvenna's keyboard layout has it.
void SendTimeStep(wchar_t key) {
  const SHORT keyWord = VkKeyScanExW(key, SyncKeyboardLayoutWithPlanetarium());
  SendHotkeyToPlanetarium(static_cast<SHORT>(keyWord & 0xFF), HotkeyShift);
}

}  // namespace

COrvennaConsoleDlg::HeldAnswer COrvennaConsoleDlg::PressTimeStep(int controlId) {
  const TimeStepButton* button = FindRow<&TimeStepButton::controlId>(TimeStepButtons, controlId);
  if (button == nullptr || timeKeyHeld) return HeldAnswer::NotForIt;
  timeKeyHeld = true;
  ActionGuards guards;
  guards.pausedNoticeMs = PausedNoticeMs;
  if (!PassActionGuards(guards)) return HeldAnswer::Consumed;
  if (RecorderState == RecorderRecording) {
    ShowStatusMessage(NotDuringRecordingNotice + ReadLanguage(), RecordingNoticeMs);
    return HeldAnswer::Consumed;
  }
  HWND view = FindPlanetariumView();
  if (view == nullptr) {
    if (EnsurePlanetarium() > 0) return HeldAnswer::Consumed;
    view = FindPlanetariumView();
  }
  if (view != nullptr) {
    SwitchToWindowIfAvailable(view);
    // Orvenna takes the focus on its own thread: a key sent at once reaches no window of it.
    Sleep(SwitchSettleMs);
  }
  SendTimeStep(button->key);
  SetTimer(button->stepTimer, StepEveryMs, nullptr);
  timeRateNormal = false;
  return HeldAnswer::GoesOn;
}

COrvennaConsoleDlg::HeldAnswer COrvennaConsoleDlg::ReleaseTimeStep(int controlId) {
  if (FindRow<&TimeStepButton::controlId>(TimeStepButtons, controlId) == nullptr) return HeldAnswer::NotForIt;
  timeKeyHeld = false;
  ActionGuards guards;
  guards.pausedNoticeMs = PausedNoticeMs;
  if (!PassActionGuards(guards)) return HeldAnswer::Consumed;
  EndTimeStepping();
  BringConsoleForward();
  Sleep(ForegroundAgainMs);
  BringConsoleForward();
  return HeldAnswer::GoesOn;
}

void COrvennaConsoleDlg::StepHeldTime(UINT_PTR timer) {
  const TimeStepButton* button = FindRow<&TimeStepButton::stepTimer>(TimeStepButtons, timer);
  if (button == nullptr) return;
  HWND view = FindPlanetariumView();
  if (view == nullptr) return;
  SwitchToWindowIfAvailable(view);
  Sleep(SwitchSettleMs);
  SendTimeStep(button->key);
}
