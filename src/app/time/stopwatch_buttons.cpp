// The show stopwatch's two buttons: exactly one shows, start while it stands, reset while it runs.
#include "platform/win/time_api.h"
#include "src/app/console_notices.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/settings/console_settings.h"

namespace {

constexpr UINT ScriptRunningNoticeMs = 3000;

}  // namespace

void COrvennaConsoleDlg::OnStopwatchStart() {
  if (scriptRunning) {
    ShowStatusMessage(ScriptRunningNotice + ReadLanguage(), ScriptRunningNoticeMs);
    return;
  }
  stopwatchStart = _time64(nullptr);
  stopwatchRunning = true;
  ShowWelcomeMessage();
  ::ShowWindow(::GetDlgItem(m_hWnd, StopwatchStartId), SW_HIDE);
  ::ShowWindow(::GetDlgItem(m_hWnd, StopwatchResetId), SW_SHOW);
}

void COrvennaConsoleDlg::OnStopwatchReset() {
  stopwatchRunning = false;
  ::ShowWindow(::GetDlgItem(m_hWnd, StopwatchResetId), SW_HIDE);
  ::ShowWindow(::GetDlgItem(m_hWnd, StopwatchStartId), SW_SHOW);
}
