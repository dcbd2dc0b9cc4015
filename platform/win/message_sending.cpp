// SendMessageW and its kin. Across threads the sender waits while the target handles the
// message, and meanwhile handles what is sent to itself, so two threads sending to each
// other do not deadlock.
#include "platform/win/message_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"

using desktop::DesktopThread;
using desktop::SentMessage;

namespace {

void complete(DesktopThread& target, SentMessage& sent, LRESULT result) {
  sent.result = result;
  sent.done = true;
  if (!sent.notify_only && sent.sender != nullptr)
    target.desktop().scheduler().notify(*sent.sender, desktop::kWakeOnReply);
}

// A sender that unwinds before its reply came must not be woken later.
struct SenderGuard {
  SentMessage& sent;
  ~SenderGuard() {
    if (!sent.done) sent.sender = nullptr;
  }
};

LRESULT send_across(DesktopThread& self, DesktopThread& target, const std::shared_ptr<SentMessage>& sent) {
  if (target.terminating()) return 0;
  sent->sender = &self;
  target.queue.sent.push_back(sent);
  self.desktop().scheduler().notify(target, desktop::kWakeOnSent);
  SenderGuard guard{*sent};
  while (!sent->done) {
    if (!self.queue.sent.empty()) {
      win_internal::handle_sent_messages(self);
      continue;
    }
    desktop::WaitSpec spec;
    spec.wake_on = desktop::kWakeOnSent | desktop::kWakeOnReply;
    if (self.desktop().scheduler().block(self, spec) == desktop::WakeResult::Abandoned) return 0;
  }
  return sent->result;
}

}  // namespace

namespace win_internal {

void handle_sent_messages(DesktopThread& thread) {
  while (!thread.queue.sent.empty()) {
    std::shared_ptr<SentMessage> sent = thread.queue.sent.front();
    thread.queue.sent.pop_front();
    struct Handling {
      DesktopThread& thread;
      SentMessage& sent;
      Handling(DesktopThread& t, SentMessage& s) : thread(t), sent(s) { ++thread.sent_depth; }
      ~Handling() {
        --thread.sent_depth;
        if (!sent.done) complete(thread, sent, 0);
      }
    } handling(thread, *sent);
    LRESULT result = 0;
    if (sent->call) {
      result = sent->call();
    } else if (auto window = thread.desktop().find_window(sent->hwnd)) {
      result = call_window_proc(*window, sent->message, sent->wParam, sent->lParam);
    }
    complete(thread, *sent, result);
  }
}

void abandon_sent_messages(DesktopThread& thread) {
  while (!thread.queue.sent.empty()) {
    std::shared_ptr<SentMessage> sent = thread.queue.sent.front();
    thread.queue.sent.pop_front();
    complete(thread, *sent, 0);
  }
}

bool run_on_owner_thread(desktop::Window& window, const std::function<LRESULT()>& work, LRESULT* result) {
  DesktopThread* self = desktop::current_thread();
  if (window.thread == self) {
    *result = work();
    return true;
  }
  if (window.thread == nullptr || window.thread->terminating()) return false;
  auto sent = std::make_shared<SentMessage>();
  sent->hwnd = window.handle;
  sent->call = work;
  *result = send_across(*self, *window.thread, sent);
  return sent->done;
}

}  // namespace win_internal

LRESULT WINAPI SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto window = win_internal::live_window(hwnd);
  if (!window || window->thread == nullptr) return 0;
  DesktopThread* self = desktop::current_thread();
  if (window->thread == self) return win_internal::call_window_proc(*window, message, wParam, lParam);
  auto sent = std::make_shared<SentMessage>();
  sent->hwnd = hwnd;
  sent->message = message;
  sent->wParam = wParam;
  sent->lParam = lParam;
  return send_across(*self, *window->thread, sent);
}

BOOL WINAPI SendNotifyMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  if (window->thread == nullptr) return TRUE;
  DesktopThread* self = desktop::current_thread();
  if (window->thread == self) {
    win_internal::call_window_proc(*window, message, wParam, lParam);
    return TRUE;
  }
  if (window->thread->terminating()) return TRUE;
  auto sent = std::make_shared<SentMessage>();
  sent->hwnd = hwnd;
  sent->message = message;
  sent->wParam = wParam;
  sent->lParam = lParam;
  sent->notify_only = true;
  window->thread->queue.sent.push_back(sent);
  self->desktop().scheduler().notify(*window->thread, desktop::kWakeOnSent);
  return TRUE;
}

BOOL WINAPI InSendMessage() {
  DesktopThread* self = desktop::current_thread();
  return self != nullptr && self->sent_depth > 0;
}

DWORD WINAPI InSendMessageEx(LPVOID) {
  return InSendMessage() ? ISMEX_SEND : ISMEX_NOSEND;
}
