// The wall clock and the show stopwatch: a thread of their own writes both labels every 500 ms,
// until the dialog's window goes.
#include <algorithm>

#include "platform/afx/win_app.h"
#include "platform/win/time_api.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/window/worker_thread.h"
#include "src/util/format_text.h"

namespace {

constexpr DWORD ClockPeriodMs = 500;
constexpr long long SecondsPerDay = 86400;

}  // namespace

std::wstring StopwatchText(long long elapsedSeconds) {
  // Whole days are dropped: a show never lasts one. A clock set back before the start reads 0.
  const long long e = std::max(elapsedSeconds, 0LL) % SecondsPerDay;
  return FormatText(L"%02d:%02d:%02d", static_cast<int>(e / 3600), static_cast<int>(e / 60 % 60),
                    static_cast<int>(e % 60));
}

void COrvennaConsoleDlg::StartClockThread() {
  if (clockThread_ != nullptr) return;
  clockStop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  clockWindow_ = m_hWnd;
  clockThread_ = AfxBeginThread(ClockThreadProc, this, 0, 0, CREATE_SUSPENDED);
  if (clockThread_ == nullptr) return;
  clockThread_->m_bAutoDelete = FALSE;
  clockThread_->ResumeThread();
}

void COrvennaConsoleDlg::StopClockThread() {
  if (clockThread_ != nullptr) SetEvent(clockStop_);
  WaitForWorkerThread(clockThread_, ClockPeriodMs);
  if (clockStop_ != nullptr) CloseHandle(clockStop_);
  clockStop_ = nullptr;
}

UINT COrvennaConsoleDlg::ClockThreadProc(LPVOID dialog) {
  COrvennaConsoleDlg& self = *static_cast<COrvennaConsoleDlg*>(dialog);
  do {
    self.ShowClockTick();
  } while (WaitForSingleObject(self.clockStop_, ClockPeriodMs) == WAIT_TIMEOUT);
  return 0;
}

void COrvennaConsoleDlg::ShowClockTick() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  SetDlgItemTextW(clockWindow_, ClockLabelId,
                  FormatText(L"%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond).c_str());
  const std::wstring stopwatch =
      stopwatchRunning.load() ? StopwatchText(_time64(nullptr) - stopwatchStart.load()) : StopwatchText(0);
  SetDlgItemTextW(clockWindow_, StopwatchLabelId, stopwatch.c_str());
}
