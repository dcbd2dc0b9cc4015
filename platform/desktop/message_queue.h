// A desktop thread's message queue: posted and input messages, messages sent from other
// threads, the quit flag, window timers and the windows that wait to be painted.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/desktop/clock.h"
#include "platform/desktop/raw_mouse.h"
#include "platform/win/win_types.h"

namespace desktop {

class DesktopThread;

// A message sent across threads, or work that must run on the thread that owns a window.
struct SentMessage {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  std::function<LRESULT()> call;  // set for work run on the owner's thread
  bool notify_only = false;       // SendNotifyMessageW: nobody waits for the result
  DesktopThread* sender = nullptr;
  LRESULT result = 0;
  bool done = false;
};

struct WindowTimer {
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  UINT period = 0;
  Tick due = 0;
  TIMERPROC proc = nullptr;
};

// An input message with what GetMessageExtraInfo reports once it is retrieved. A mouse event
// waits here as raw input until its thread finds the window it is for.
struct InputMessage {
  InputMessage(const MSG& message, ULONG_PTR extra = 0) : msg(message), extra_info(extra) {}
  explicit InputMessage(const RawMouse& mouse) : msg{}, extra_info(mouse.extra_info), raw(mouse) {}

  MSG msg;
  ULONG_PTR extra_info;
  std::optional<RawMouse> raw;
  bool injected = false;  // put in by SendInput, not by the machine's own devices
};

struct MessageQueue {
  // Windows' default per-queue limit on posted messages.
  static constexpr std::size_t kPostLimit = 10000;

  std::deque<MSG> posted;
  std::deque<InputMessage> input;
  std::deque<std::shared_ptr<SentMessage>> sent;
  bool quit_pending = false;
  int quit_code = 0;
  std::vector<WindowTimer> timers;
  std::vector<HWND> paint_pending;  // in the order they were invalidated
  UINT_PTR next_thread_timer_id = 0x7F00;
  DWORD last_message_time = 0;
  POINT last_message_pos{};
  ULONG_PTR extra_info = 0;  // of the last input message retrieved, or SetMessageExtraInfo's
  // GetCurrentInputMessageSource's answer for the last message retrieved.
  DWORD source_device = 0;
  DWORD source_origin = 0;
  bool cooking_mouse = false;  // raw mouse input is being turned into messages right now

  std::optional<Tick> next_timer_due() const;
};

}  // namespace desktop
