// TranslateMessage: a key-down becomes the character that the thread's keyboard layout types
// with the Shift, Ctrl, AltGr and CapsLock state of that moment, dead keys included.
#include "platform/desktop/keyboard_layouts.h"
#include "platform/win/message_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"

BOOL WINAPI TranslateMessage(const MSG* msg) {
  if (msg == nullptr) return FALSE;
  const bool down = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
  if (!down && msg->message != WM_KEYUP && msg->message != WM_SYSKEYUP) return FALSE;
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || !down) return self != nullptr;
  desktop::Keyboard& keyboard = self->desktop().keyboard();
  const desktop::KeyboardLayout* layout = desktop::find_layout(keyboard.layout_of(self->thread_id()));
  if (layout == nullptr) return TRUE;
  const auto& keys = keyboard.thread_state(*self);
  desktop::KeyModifiers modifiers;
  modifiers.shift = (keys[VK_SHIFT] & 0x80) != 0;
  modifiers.ctrl = (keys[VK_CONTROL] & 0x80) != 0;
  modifiers.alt = (keys[VK_MENU] & 0x80) != 0;
  modifiers.caps_lock = (keys[VK_CAPITAL] & 0x01) != 0;
  const desktop::TypedCharacter typed =
      desktop::typed_character(*layout, static_cast<BYTE>(msg->wParam), modifiers);
  if (typed.character == 0) return TRUE;

  const bool system = msg->message == WM_SYSKEYDOWN;
  auto post = [&](UINT message, wchar_t character) {
    PostMessageW(msg->hwnd, message, static_cast<WPARAM>(character), msg->lParam);
  };
  wchar_t& pending = keyboard.pending_dead_key(self->thread_id());
  if (typed.dead) {
    if (pending != 0) {
      // Two dead keys in a row type both.
      post(system ? WM_SYSCHAR : WM_CHAR, pending);
      post(system ? WM_SYSCHAR : WM_CHAR, typed.character);
      pending = 0;
      return TRUE;
    }
    pending = typed.character;
    post(system ? WM_SYSDEADCHAR : WM_DEADCHAR, typed.character);
    return TRUE;
  }
  const UINT char_message = system ? WM_SYSCHAR : WM_CHAR;
  if (pending != 0) {
    const wchar_t dead = pending;
    pending = 0;
    if (typed.character == L' ') {
      post(char_message, dead);
      return TRUE;
    }
    if (auto composed = desktop::compose(dead, typed.character)) {
      post(char_message, *composed);
      return TRUE;
    }
    post(char_message, dead);
  }
  post(char_message, typed.character);
  return TRUE;
}
