// A thread of a desktop program: a real thread that runs desktop code under the baton,
// with its own message queue.
#pragma once

#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "platform/desktop/kernel_object.h"
#include "platform/desktop/message_queue.h"
#include "platform/desktop/scheduler.h"

namespace desktop {

class Desktop;
struct Process;

class DesktopThread : public SchedulerThread {
 public:
  DesktopThread(Desktop& desktop, Process& process, DWORD id, std::function<DWORD()> entry)
      : SchedulerThread(id), desktop_(desktop), process_(process), entry_(std::move(entry)) {}

  Desktop& desktop() const { return desktop_; }
  Process& process() const { return process_; }
  DWORD thread_id() const { return static_cast<DWORD>(id()); }

  MessageQueue queue;
  std::shared_ptr<KernelObject> object;
  int sent_depth = 0;  // cross-thread sent messages being handled right now
  DWORD exit_code_on_termination = 0;
  // CoInitialize calls not yet matched by CoUninitialize; OleInitialize counts here too.
  int com_initializations = 0;
  // The thread's window-creation hooks (SetWindowsHookExW with WH_CBT), newest first.
  std::vector<std::pair<std::uintptr_t, LRESULT (*)(int, WPARAM, LPARAM)>> cbt_hooks;

 private:
  friend class Desktop;
  Desktop& desktop_;
  Process& process_;
  std::function<DWORD()> entry_;
  std::thread os_thread_;
};

// The desktop thread the calling thread is, or null outside every desktop.
DesktopThread* current_thread();
void set_current_thread(DesktopThread* thread);

}  // namespace desktop
