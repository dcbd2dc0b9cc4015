#include "src/app/window/worker_thread.h"

#include "platform/win/message_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/win_errors.h"

void WaitForWorkerThread(CWinThread*& thread, DWORD pollMs) {
  if (thread == nullptr) return;
  while (WaitForSingleObject(thread->m_hThread, pollMs) == WAIT_TIMEOUT) {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
  }
  CloseHandle(thread->m_hThread);
  delete thread;
  thread = nullptr;
}
