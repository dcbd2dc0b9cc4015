// The keypad button: a date and time typed by the presenter, checked, and set in Orvenna by a
// script that also restores the normal rate.
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/time/time_scripts.h"
#include "src/dialogs/set_time_dlg.h"
#include "src/settings/console_settings.h"
#include "src/settings/date_time_entry.h"

namespace {

constexpr UINT WrongDateTimeNotice = 8420;
constexpr UINT WrongDateTimeNoticeMs = 5000;
constexpr UINT SetDateTimeScriptNoticeMs = 4000;

constexpr wchar_t SetDateScriptName[] = L"setDateOC.ovs";
constexpr int SetDateRunMs = 4500;
constexpr float SetDateRecordedMs = 100;
constexpr UINT LoaderIdleAfterMs = 1000;

}  // namespace

INT_PTR COrvennaConsoleDlg::RunDateTimeKeypad() {
  CSetTimeDlg keypad(this, consoleState);
  return keypad.DoModal();
}

void COrvennaConsoleDlg::OnSetDateTime() {
  ActionGuards first;
  first.ensurePlanetarium = true;
  first.refuseWhileScriptRuns = true;
  first.refuseDuringReplay = true;
  first.scriptNoticeMs = SetDateTimeScriptNoticeMs;
  ActionGuards flyBy;
  flyBy.refuseWhileRecordingPaused = false;
  flyBy.refuseDuringFlyBy = true;
  if (!PassActionGuards(first) || !PassActionGuards(flyBy)) return;
  if (RunDateTimeKeypad() != SetTimeStored) return;
  const std::optional<EnteredDateTime> entered =
      CheckEnteredDateTime(GetDateTimeEntryDate(consoleState), GetDateTimeEntryTime(consoleState));
  if (!entered) {
    ShowStatusMessage(WrongDateTimeNotice + ReadLanguage(), WrongDateTimeNoticeMs);
    SetDateTimeEntry(consoleState, L"", L"", true);
    return;
  }
  RunSetDateScript(entered->hour, entered->minute, entered->second, entered->date, true);
}

void COrvennaConsoleDlg::RunSetDateScript(int hour, int minute, int second, const std::wstring& date,
                                          bool local) {
  ActionGuards guards;
  guards.refuseDuringFlyBy = true;
  guards.ensurePlanetarium = true;
  guards.refuseDuringReplay = true;
  if (!PassActionGuards(guards)) return;
  const std::wstring script = SetDateScript({hour, minute, second, date}, local && !consoleState.isUtc);
  RecordStep(script, L"", SetDateRecordedMs);
  RunScript(script, SetDateScriptName, false, SetDateRunMs);
  SetTimer(EventLoaderResetTimer, LoaderIdleAfterMs, nullptr);
}
