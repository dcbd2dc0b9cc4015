// A key as the planetarium's shortcuts see it: the character it types in the layout of the
// program's thread (so one shortcut works whatever key a layout puts the character on), or the
// virtual key for keys that type nothing, with Ctrl or Alt held on their own.
#pragma once

#include <optional>
#include <string_view>

#include "platform/win/win_types.h"

namespace orvenna {

struct KeyPress {
  BYTE vk = 0;            // for keys matched by key: F11, Escape, the page and arrow keys
  wchar_t character = 0;  // for keys matched by what they type, Shift and AltGr included
  bool ctrl = false;      // Ctrl without Alt; both together are AltGr, part of the character
  bool alt = false;       // Alt without Ctrl

  friend bool operator==(const KeyPress&, const KeyPress&) = default;
};

// The key pressed, from the key message's virtual key, the key state and the thread's layout.
KeyPress read_key_press(BYTE vk, const BYTE* key_state, HKL layout);
// Whether a pressed key is the one a shortcut names: by key when the shortcut names one.
bool is_shortcut(const KeyPress& shortcut, const KeyPress& pressed);
// A shortcut as settings write it: "1", "Ctrl+M", "Shift+L", "Alt+Shift+N", "F11", "Space".
std::optional<KeyPress> parse_shortcut(std::string_view text);

}  // namespace orvenna
