// The guards the presenter's actions begin with.
#include "src/app/console_notices.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/settings/console_settings.h"

namespace {

constexpr UINT FlyByNoticeMs = 4000;

}  // namespace

bool COrvennaConsoleDlg::PassActionGuards(const ActionGuards& guards) {
  const UINT language = ReadLanguage();
  if (guards.refuseWhileRecordingPaused && RecorderState == RecorderPaused) {
    ShowStatusMessage(RecordingPausedNotice + language, guards.pausedNoticeMs);
    return false;
  }
  if (guards.refuseDuringFlyBy && flyByRunning) {
    flyByNoticeShown = true;
    SetDlgItemText(StatusLineId, LoadConsoleString(FlyByNotice + language).c_str());
    SetTimer(FlyByNoticeTimer, FlyByNoticeMs, nullptr);
    return false;
  }
  if (guards.ensurePlanetarium && EnsurePlanetarium() > 0) {
    HideTaskbar(false);
    EndDialog(1);
    return false;
  }
  const bool replayRefuses =
      guards.refuseDuringReplay && RecorderState == RecorderPlaying && !performingReplayStep;
  if ((guards.refuseWhileScriptRuns && scriptRunning) || replayRefuses) {
    ShowStatusMessage(ScriptRunningNotice + language, guards.scriptNoticeMs);
    return false;
  }
  return true;
}
