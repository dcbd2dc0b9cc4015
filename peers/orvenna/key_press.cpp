#include "peers/orvenna/key_press.h"

#include <array>
#include <cctype>

#include "platform/win/win32.h"

namespace orvenna {

namespace {

struct NamedKey {
  std::string_view name;
  BYTE vk;
  wchar_t character;
};

constexpr std::array kNamedKeys = {
    NamedKey{"Space", 0, L' '},        NamedKey{"Esc", VK_ESCAPE, 0},    NamedKey{"Escape", VK_ESCAPE, 0},
    NamedKey{"PgUp", VK_PRIOR, 0},     NamedKey{"PgDown", VK_NEXT, 0},   NamedKey{"Left", VK_LEFT, 0},
    NamedKey{"Right", VK_RIGHT, 0},    NamedKey{"Up", VK_UP, 0},         NamedKey{"Down", VK_DOWN, 0},
    NamedKey{"Home", VK_HOME, 0},      NamedKey{"End", VK_END, 0},       NamedKey{"Del", VK_DELETE, 0},
    NamedKey{"Backspace", VK_BACK, 0}, NamedKey{"Return", VK_RETURN, 0},
};

constexpr int kFunctionKeys = 24;

bool same_text(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::optional<KeyPress> named_key(std::string_view name) {
  for (const NamedKey& key : kNamedKeys)
    if (same_text(name, key.name)) return KeyPress{key.vk, key.character};
  if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
    int number = 0;
    for (char digit : name.substr(1)) {
      if (!std::isdigit(static_cast<unsigned char>(digit))) return std::nullopt;
      number = number * 10 + (digit - '0');
    }
    if (number >= 1 && number <= kFunctionKeys) return KeyPress{static_cast<BYTE>(VK_F1 + number - 1)};
  }
  return std::nullopt;
}

}  // namespace

KeyPress read_key_press(BYTE vk, const BYTE* key_state, HKL layout) {
  KeyPress press;
  const bool ctrl = (key_state[VK_CONTROL] & 0x80) != 0;
  const bool alt = (key_state[VK_MENU] & 0x80) != 0;
  press.ctrl = ctrl && !alt;
  press.alt = alt && !ctrl;
  BYTE typing_state[256]{};
  typing_state[VK_SHIFT] = key_state[VK_SHIFT];
  typing_state[VK_CAPITAL] = key_state[VK_CAPITAL];
  if (ctrl && alt) typing_state[VK_CONTROL] = typing_state[VK_MENU] = 0x80;
  wchar_t typed[2]{};
  if (ToUnicodeEx(vk, 0, typing_state, typed, 2, 0, layout) == 1 && typed[0] >= L' ')
    press.character = typed[0];
  else
    press.vk = vk;
  return press;
}

bool is_shortcut(const KeyPress& shortcut, const KeyPress& pressed) {
  if (shortcut.ctrl != pressed.ctrl || shortcut.alt != pressed.alt) return false;
  return shortcut.vk != 0 ? shortcut.vk == pressed.vk : shortcut.character == pressed.character;
}

std::optional<KeyPress> parse_shortcut(std::string_view text) {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  for (std::size_t plus = text.find('+'); plus != std::string_view::npos && plus + 1 < text.size();
       plus = text.find('+')) {
    std::string_view modifier = text.substr(0, plus);
    if (same_text(modifier, "Shift"))
      shift = true;
    else if (same_text(modifier, "Ctrl"))
      ctrl = true;
    else if (same_text(modifier, "Alt"))
      alt = true;
    else
      return std::nullopt;
    text.remove_prefix(plus + 1);
  }
  std::optional<KeyPress> key;
  if (text.size() == 1) {
    const auto c = static_cast<unsigned char>(text[0]);
    const bool letter = std::isalpha(c) != 0;
    // A letter names its key: plain it types the small letter, with Shift the capital.
    wchar_t character = letter ? static_cast<wchar_t>(shift ? std::toupper(c) : std::tolower(c)) : c;
    key = KeyPress{0, character};
  } else {
    key = named_key(text);
  }
  if (!key) return std::nullopt;
  key->ctrl = ctrl && !alt;
  key->alt = alt && !ctrl;
  return key;
}

}  // namespace orvenna
