// The desktop's keyboard: the input stream that synthesized and outside key events enter, the
// key state, the keyboard layout of every thread and the log of every key event put in.
#pragma once

#include <array>
#include <map>
#include <vector>

#include "platform/desktop/keyboard_layouts.h"
#include "platform/win/win_types.h"

namespace desktop {

class Desktop;
class DesktopThread;

// One keyboard event as SendInput's KEYBDINPUT carries it.
struct KeyEvent {
  WORD vk = 0;
  WORD scan = 0;
  DWORD flags = 0;
  DWORD time = 0;
  ULONG_PTR extra = 0;
};

// A key event as it went in, and the key message it became (target null when it reached no window).
struct InjectedKey {
  DWORD from_thread = 0;  // 0 for input from outside the desktop
  KeyEvent event;
  HWND target = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

class Keyboard {
 public:
  Keyboard(Desktop& desktop, DWORD default_layout);

  // Runs under the baton. The key message goes to the focus window of the foreground thread,
  // or to its active window when nothing has the focus; with no foreground window it is lost.
  void inject(const KeyEvent& event, DWORD from_thread);
  const std::vector<InjectedKey>& log() const { return log_; }

  BYTE async_state(BYTE vk) const { return async_[vk]; }
  // The key state a thread sees: that of the key messages it has taken; once none is waiting in
  // its queue, it has caught up with the desktop's.
  const std::array<BYTE, 256>& thread_state(DesktopThread& thread);
  void message_taken(DesktopThread& thread, const MSG& msg);

  DWORD layout_of(DWORD thread_id) const;
  void set_layout(DWORD thread_id, DWORD hkl);
  const std::vector<DWORD>& loaded_layouts() const { return loaded_; }
  void load_layout(DWORD hkl);
  // The dead key that a thread's TranslateMessage holds for the next character.
  wchar_t& pending_dead_key(DWORD thread_id) { return dead_keys_[thread_id]; }

  void forget_thread(DWORD thread_id);

 private:
  Desktop& desktop_;
  DWORD default_layout_;
  std::array<BYTE, 256> async_{};
  std::vector<InjectedKey> log_;
  std::map<DWORD, DWORD> layouts_;
  std::vector<DWORD> loaded_;
  std::map<DWORD, wchar_t> dead_keys_;
};

// Sets or clears a key in a key-state array, toggling it on each press, and keeps the plain
// Shift, Ctrl and Alt entries in step with their left and right forms.
void apply_key(std::array<BYTE, 256>& keys, BYTE specific, bool up);

}  // namespace desktop
