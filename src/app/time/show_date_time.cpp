// The date button: Orvenna shows its date and universal time on its screen for five seconds.
#include "src/app/console_notices.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/time/time_scripts.h"
#include "src/settings/console_settings.h"

namespace {

constexpr wchar_t ShowDateTimeScriptName[] = L"OnScreen.ovs";
constexpr int ShowDateTimeRunMs = 4500;
constexpr float ShowDateTimeRecordedMs = 6000;
constexpr UINT ShowDateTimeScriptMs = 5900;
constexpr UINT ShowDateTimeNoticeMs = 5000;
constexpr UINT RecordingPausedNoticeMs = 6000;

}  // namespace

void COrvennaConsoleDlg::OnShowDateTime() {
  ActionGuards first;
  first.refuseWhileRecordingPaused = false;
  first.ensurePlanetarium = true;
  first.refuseWhileScriptRuns = true;
  first.refuseDuringReplay = true;
  first.scriptNoticeMs = ShowDateTimeNoticeMs;
  ActionGuards flyBy;
  flyBy.refuseWhileRecordingPaused = false;
  flyBy.refuseDuringFlyBy = true;
  if (!PassActionGuards(first) || !PassActionGuards(flyBy)) return;
  const std::wstring script = ShowDateTimeScript();
  KillTimer(ScriptFlagTimer);
  scriptRunning = true;
  RecordStep(script, L"", ShowDateTimeRecordedMs);
  RunScript(script, ShowDateTimeScriptName, false, ShowDateTimeRunMs);
  SetTimer(ScriptFlagTimer, ShowDateTimeScriptMs, nullptr);
  // It shows even while the recording is paused, but the presenter is told it was not recorded.
  if (RecorderState == RecorderPaused)
    ShowStatusMessage(RecordingPausedNotice + ReadLanguage(), RecordingPausedNoticeMs);
  else
    BringConsoleForward();
}
