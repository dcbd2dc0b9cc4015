#include "src/link/key_injection.h"

#include <span>

#include "platform/win/input_api.h"
#include "platform/win/keyboard_api.h"
#include "platform/win/virtual_keys.h"

namespace {

using ScanMapper = UINT(WINAPI*)(UINT, UINT);

void InjectScanCode(BYTE virtualKey, ScanMapper mapScan, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = 0;
  input.ki.wScan = static_cast<WORD>(mapScan(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = KEYEVENTF_SCANCODE | flags;
  SendInput(1, &input, sizeof(INPUT));
}

void PressKeys(std::span<const BYTE> keys) {
  for (BYTE key : keys)
    InjectScanCode(key, MapVirtualKeyW, 0);
}

void ReleaseKeys(std::span<const BYTE> keys) {
  for (BYTE key : keys)
    InjectScanCode(key, MapVirtualKeyW, KEYEVENTF_KEYUP);
}

// VkKeyScanExW's modifier bits, in the order they are pressed and released.
struct ModifierBit {
  BYTE bit;
  BYTE virtualKey;
};
constexpr ModifierBit ModifierBits[] = {{1, VK_LSHIFT}, {2, VK_CONTROL}, {4, VK_MENU}};

struct HotkeySet {
  int modifierSet;
  BYTE pressed[2];
  BYTE released[2];
  int count;
};
// Alt and Shift are released in the reverse order of their presses.
constexpr HotkeySet HotkeySets[] = {
    {HotkeyShift, {VK_LSHIFT}, {VK_LSHIFT}, 1},
    {HotkeyCtrl, {VK_CONTROL}, {VK_CONTROL}, 1},
    {HotkeyAlt, {VK_MENU}, {VK_MENU}, 1},
    {HotkeyAltShift, {VK_MENU, VK_LSHIFT}, {VK_LSHIFT, VK_MENU}, 2},
};

}  // namespace

void SendScanCodeRecord(BYTE virtualKey, DWORD flags) {
  InjectScanCode(virtualKey, MapVirtualKeyW, flags);
}

void SendKeyToPlanetarium(SHORT keyWord, bool extended) {
  const BYTE key = static_cast<BYTE>(keyWord & 0xFF);
  const BYTE modifiers = static_cast<BYTE>((keyWord >> 8) & 0xFF);
  const DWORD extendedFlag = extended ? KEYEVENTF_EXTENDEDKEY : 0;
  BYTE held[3];
  int heldCount = 0;
  for (const ModifierBit& modifier : ModifierBits)
    if (modifiers & modifier.bit) held[heldCount++] = modifier.virtualKey;

  InjectScanCode(VK_NUMLOCK, MapVirtualKeyW, 0);
  PressKeys({held, static_cast<std::size_t>(heldCount)});
  InjectScanCode(key, MapVirtualKeyA, extendedFlag);
  InjectScanCode(key, MapVirtualKeyA, KEYEVENTF_KEYUP | extendedFlag);
  ReleaseKeys({held, static_cast<std::size_t>(heldCount)});
}

void SendHotkeyToPlanetarium(SHORT key, int modifierSet) {
  const BYTE virtualKey = static_cast<BYTE>(key & 0xFF);
  const HotkeySet* set = nullptr;
  for (const HotkeySet& candidate : HotkeySets)
    if (candidate.modifierSet == modifierSet) set = &candidate;
  const std::size_t count = set ? static_cast<std::size_t>(set->count) : 0;

  if (set) PressKeys({set->pressed, count});
  InjectScanCode(virtualKey, MapVirtualKeyW, 0);
  InjectScanCode(virtualKey, MapVirtualKeyA, KEYEVENTF_KEYUP);
  if (set) ReleaseKeys({set->released, count});
}
