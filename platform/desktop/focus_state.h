// Who has the keyboard focus, which window is active and which is in the foreground. Focus and
// active window belong to a thread's input context, which threads joined by AttachThreadInput share.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "platform/win/win_types.h"

namespace desktop {

struct InputContext {
  HWND focus = nullptr;
  HWND active = nullptr;
  // The key state as of the key messages its threads have taken out of their queues:
  // 0x80 down, 0x01 toggled, by virtual key.
  std::array<BYTE, 256> keys{};
};

class FocusState {
 public:
  HWND foreground() const { return foreground_; }
  void set_foreground(HWND hwnd, DWORD process_id);
  // A program may take the foreground once by itself, the first time it activates a window, as
  // one started from the program in front does on Windows.
  bool has_had_foreground(DWORD process_id) const { return had_foreground_.contains(process_id); }

  InputContext& context_of(DWORD thread_id);
  bool shares_context(DWORD a, DWORD b);
  void attach(DWORD thread_id, DWORD to_thread_id);
  // Gives the thread a context of its own again; the focus and active window go with it when
  // they are its windows (thread_of tells whose a window is). False when it was not attached.
  bool detach(DWORD thread_id, DWORD from_thread_id, const std::function<DWORD(HWND)>& thread_of);

  HWND last_active_popup(HWND owner) const;
  void set_last_active_popup(HWND owner, HWND popup);

  // A destroyed window leaves every reference at once, without messages.
  void forget_window(HWND hwnd);
  void forget_thread(DWORD thread_id);

 private:
  HWND foreground_ = nullptr;
  std::map<DWORD, std::shared_ptr<InputContext>> contexts_;
  std::set<std::pair<DWORD, DWORD>> attachments_;
  std::map<HWND, HWND> last_active_;
  std::set<DWORD> had_foreground_;
};

}  // namespace desktop
