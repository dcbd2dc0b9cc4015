// The keyboard layouts the desktop knows: for each, which virtual key every scan code gives and
// which characters each key types, with Shift, AltGr, CapsLock and dead keys.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "platform/win/win_types.h"

namespace desktop {

enum KeyFlags : BYTE {
  kCapsLock = 1 << 0,   // CapsLock swaps the plain and the shifted character
  kDeadPlain = 1 << 1,  // the character of that column is a dead key
  kDeadShifted = 1 << 2,
  kDeadAltGr = 1 << 3,
  kDeadShiftAltGr = 1 << 4,
  kExtendedMessage = 1 << 5,  // its key messages carry the extended bit whatever the scan code said
};

struct KeyDefinition {
  WORD scan;  // set-1 scan code; 0xE0nn for the keys that send the E0 prefix
  BYTE vk;    // the left or right form for Shift, Ctrl and Alt; the cursor key for the number pad
  wchar_t plain = 0;
  wchar_t shifted = 0;
  wchar_t altgr = 0;
  wchar_t shift_altgr = 0;
  BYTE flags = 0;
  BYTE numlock_vk = 0;  // number-pad keys: the key they give while NumLock is on
};

struct KeyboardLayout {
  DWORD hkl;
  DWORD klid;
  std::span<const KeyDefinition> keys;  // the layout's own character keys
  wchar_t decimal;                      // what the number pad's decimal key types
};

// High byte of VkKeyScanExW: the modifiers a character needs.
inline constexpr BYTE kNeedsShift = 1;
inline constexpr BYTE kNeedsCtrl = 2;
inline constexpr BYTE kNeedsAlt = 4;

std::span<const KeyboardLayout> keyboard_layouts();
const KeyboardLayout* find_layout(DWORD hkl);
// By its name, eight hexadecimal digits such as "0000040C".
const KeyboardLayout* find_layout_by_name(std::wstring_view klid);

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool caps_lock = false;
};

struct TypedCharacter {
  wchar_t character = 0;
  bool dead = false;
};

BYTE generic_vk(BYTE vk);
// The left or right form of Shift, Ctrl and Alt that a scan code names; other keys unchanged.
BYTE specific_vk(BYTE vk, WORD scan);

// The virtual key (left or right form) of a scan code, or 0 when the layout has none.
BYTE vk_of_scan(const KeyboardLayout& layout, WORD scan, bool numlock_on, bool shift_down);
// The scan code of a virtual key (0xE0nn for an extended one), or 0. Keys without the E0 prefix
// win, so the cursor keys give the number pad's codes, as Windows' MapVirtualKeyW does.
WORD scan_of_vk(const KeyboardLayout& layout, BYTE vk);
bool sends_extended_bit(const KeyboardLayout& layout, WORD scan);

TypedCharacter typed_character(const KeyboardLayout& layout, BYTE vk, const KeyModifiers& modifiers);
// MapVirtualKeyW's MAPVK_VK_TO_CHAR: the unshifted character, letters in upper case, the top bit
// set for a dead key.
UINT unshifted_character(const KeyboardLayout& layout, BYTE vk);
// VkKeyScanExW: the key in the low byte, the modifiers it needs in the high byte; -1 for none.
SHORT key_for_character(const KeyboardLayout& layout, wchar_t character);
// The character that a dead key and the next character make, if they combine.
std::optional<wchar_t> compose(wchar_t dead, wchar_t base);

}  // namespace desktop
