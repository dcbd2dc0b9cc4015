// Pressing Orvenna's keyboard shortcuts by synthesized input: one SendInput record per key event,
// the key travelling as a scan code only. The key reaches whichever window has the focus, so
// callers bring Orvenna's view to the front and activate it first.
#pragma once

#include "platform/win/win_types.h"

// One key event as a scan code alone, for the keys sent around posted ones (NumLock, Shift).
void SendScanCodeRecord(BYTE virtualKey, DWORD flags);

// Key word: low byte the virtual key, high byte VkKeyScanExW's modifiers (1 Shift, 2 Ctrl, 4 Alt).
// NumLock down first (never released), then the modifiers, the key and the modifiers' releases.
void SendKeyToPlanetarium(SHORT keyWord, bool extended);

enum HotkeyModifiers : int { HotkeyShift = 1, HotkeyCtrl = 2, HotkeyAlt = 3, HotkeyAltShift = 4 };
// The key word's low byte with a fixed modifier set, whatever its high byte says. Any other set
// presses the key alone.
void SendHotkeyToPlanetarium(SHORT key, int modifierSet);
