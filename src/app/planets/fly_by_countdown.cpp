// The fly-by's countdown: a worker thread writes the fly-by's text and the time left into the
// status line every 500 ms until the end time, until the text is emptied or until it is stopped.
#include "platform/afx/win_app.h"
#include "platform/win/time_api.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/window/worker_thread.h"
#include "src/util/format_text.h"

namespace {

constexpr DWORD CountdownPeriodMs = 500;
constexpr UINT EmptiedExit = 99;
constexpr UINT StoppedExit = 100;

}  // namespace

void COrvennaConsoleDlg::SetFlyByCountdownText(std::wstring text) {
  std::lock_guard lock(flyByCountdownLock_);
  flyByCountdownText = std::move(text);
}

std::wstring COrvennaConsoleDlg::FlyByCountdownText() const {
  std::lock_guard lock(flyByCountdownLock_);
  return flyByCountdownText;
}

void COrvennaConsoleDlg::StartFlyByCountdown(long long endTime) {
  EndFlyByCountdown();
  flyByEndTime = endTime;
  flyByCountdownStop = false;
  flyByStatusWindow_ = m_hWnd;
  flyByCountdownThread = AfxBeginThread(FlybyCountdownThreadProc, this, 0, 0, CREATE_SUSPENDED);
  if (flyByCountdownThread == nullptr) return;
  flyByCountdownThread->m_bAutoDelete = FALSE;
  flyByCountdownThread->ResumeThread();
}

void COrvennaConsoleDlg::EndFlyByCountdown() {
  flyByCountdownStop = true;
  WaitForWorkerThread(flyByCountdownThread, CountdownPeriodMs);
}

UINT COrvennaConsoleDlg::FlybyCountdownThreadProc(LPVOID dialog) {
  COrvennaConsoleDlg& self = *static_cast<COrvennaConsoleDlg*>(dialog);
  for (;;) {
    // While a refusal is on the status line it stays there.
    if (!self.flyByNoticeShown) {
      const long long remaining = self.flyByEndTime - _time64(nullptr);
      const std::wstring text = self.FlyByCountdownText();
      if (text.empty()) return EmptiedExit;
      const long long minutes = remaining / 60 - remaining / 3600 * 60;
      const long long seconds = remaining - remaining / 60 * 60;
      SetDlgItemTextW(
          self.flyByStatusWindow_, StatusLineId,
          (text + FormatText(L" (%02d:%02d)", static_cast<int>(minutes), static_cast<int>(seconds))).c_str());
      if (remaining <= 0) return 0;
    }
    if (self.flyByCountdownStop) return StoppedExit;
    Sleep(CountdownPeriodMs);
  }
}
