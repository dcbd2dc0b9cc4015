// The planetarium's keys: the script shortcuts read from config.ini, then the table of display,
// view and time keys. Keys act on the key-down; a key-up only ends a held key, whatever its
// lParam says, since the console's key-ups do not all carry the transition bits.
#include <algorithm>

#include "peers/orvenna/program.h"
#include "platform/win/win32.h"

namespace orvenna {

namespace {

constexpr UINT kMotionPeriodMs = 40;

}  // namespace

void Program::key_down(BYTE vk, MessageOrigin origin) {
  BYTE keys[256]{};
  GetKeyboardState(keys);
  // A posted key brings no key state: Ctrl and Alt count as the keyboard holds them now, so a
  // key posted while Ctrl and Alt are held types its AltGr character.
  if (origin == MessageOrigin::posted) {
    for (int modifier : {VK_CONTROL, VK_MENU})
      if (GetAsyncKeyState(modifier) & 0x8000) keys[modifier] |= 0x80;
  }
  const KeyPress pressed = read_key_press(vk, keys, GetKeyboardLayout(0));
  for (const ScriptShortcut& shortcut : shortcuts_) {
    if (is_shortcut(shortcut.key, pressed)) {
      script_shortcut(shortcut);
      return;
    }
  }
  if (const KeyBinding* binding = find_key_binding(pressed)) carry_out(*binding);
}

void Program::key_up(BYTE vk) {
  for (const KeyBinding& binding : key_bindings())
    if (binding.key.vk == vk && is_held(binding.action)) std::erase(held_, binding.action);
  if (held_.empty()) KillTimer(view_, kMotionTimer);
}

void Program::carry_out(const KeyBinding& binding) {
  sky_.advance(GetTickCount());
  if (is_held(binding.action)) {
    if (std::find(held_.begin(), held_.end(), binding.action) != held_.end()) return;
    if (held_.empty()) {
      last_motion_tick_ = GetTickCount();
      SetTimer(view_, kMotionTimer, kMotionPeriodMs, nullptr);
    }
    held_.push_back(binding.action);
    return;
  }
  if (!apply_key_to_sky(binding, sky_, engine_.wall_clock_seconds())) {
    switch (binding.action) {
      case KeyAction::full_screen:
        toggle_full_screen();
        break;
      case KeyAction::open_settings:
        settings_open_ = true;
        break;
      case KeyAction::close_panel:
        settings_open_ = false;
        break;
      default:
        break;
    }
  }
  state_changed();
}

void Program::move_held_keys() {
  const DWORD now = GetTickCount();
  const double elapsed = static_cast<DWORD>(now - last_motion_tick_);
  last_motion_tick_ = now;
  for (KeyAction held : held_)
    move_view(held, sky_, elapsed);
  state_changed();
}

}  // namespace orvenna
