// TranslateMessage: a key-down becomes the character that the thread's keyboard layout types
// with the Shift, Ctrl, AltGr and CapsLock state of that moment, dead keys included; ToUnicodeEx
// answers the same for a given layout and key state.
#include "platform/desktop/keyboard_layouts.h"
#include "platform/win/keyboard_api.h"
#include "platform/win/message_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"

namespace {

constexpr UINT kScanReleased = 0x8000;

desktop::KeyModifiers modifiers_of(const BYTE* keys) {
  desktop::KeyModifiers modifiers;
  modifiers.shift = (keys[VK_SHIFT] & 0x80) != 0;
  modifiers.ctrl = (keys[VK_CONTROL] & 0x80) != 0;
  modifiers.alt = (keys[VK_MENU] & 0x80) != 0;
  modifiers.caps_lock = (keys[VK_CAPITAL] & 0x01) != 0;
  return modifiers;
}

}  // namespace

int WINAPI ToUnicodeEx(UINT vk, UINT scan, const BYTE* key_state, LPWSTR buffer, int buffer_size, UINT,
                       HKL hkl) {
  const desktop::KeyboardLayout* layout =
      desktop::find_layout(static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(hkl)));
  if (layout == nullptr || key_state == nullptr || buffer == nullptr || buffer_size < 1 || vk > 0xFF ||
      (scan & kScanReleased) != 0)
    return 0;
  const desktop::TypedCharacter typed =
      desktop::typed_character(*layout, static_cast<BYTE>(vk), modifiers_of(key_state));
  if (typed.character == 0) return 0;
  buffer[0] = typed.character;
  if (buffer_size > 1) buffer[1] = 0;
  return typed.dead ? -1 : 1;
}

BOOL WINAPI TranslateMessage(const MSG* msg) {
  if (msg == nullptr) return FALSE;
  const bool down = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
  if (!down && msg->message != WM_KEYUP && msg->message != WM_SYSKEYUP) return FALSE;
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || !down) return self != nullptr;
  desktop::Keyboard& keyboard = self->desktop().keyboard();
  const desktop::KeyboardLayout* layout = desktop::find_layout(keyboard.layout_of(self->thread_id()));
  if (layout == nullptr) return TRUE;
  const desktop::TypedCharacter typed = desktop::typed_character(
      *layout, static_cast<BYTE>(msg->wParam), modifiers_of(keyboard.thread_state(*self).data()));
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
