// Orvenna's auto-zoom-out key ("\"), posted to its render window on the key where Orvenna's
// keyboard layout types it: the layouts that type it with AltGr get Ctrl and Alt injected
// around the posted key.
#include <array>

#include "platform/win/keyboard_api.h"
#include "platform/win/message_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/window/activation_burst.h"
#include "src/app/window/command_rows.h"
#include "src/link/key_injection.h"

namespace {

struct AutoZoomOutKey {
  BYTE language;  // primary language of the layout; 0 for every other
  BYTE key;
  LPARAM keyDown;
  LPARAM keyUp;
  bool altGr;
};

constexpr std::array AutoZoomOutKeys{
    AutoZoomOutKey{0x10, 0xDC, 0x001D0001, static_cast<LPARAM>(0xC0290001), false},
    AutoZoomOutKey{0x1F, 0xDF, 0x200C0001, static_cast<LPARAM>(0xE00C0001), true},
    AutoZoomOutKey{0x0A, 0xDC, 0x20290001, static_cast<LPARAM>(0xE0290001), true},
    AutoZoomOutKey{0x0C, '8', 0x20090001, static_cast<LPARAM>(0xE0090001), true},
    AutoZoomOutKey{0, 0xE2, 0x00560001, static_cast<LPARAM>(0xC0560001), false},
};

// The activation burst without the cursor, then again from the cursor on.
constexpr std::array ZoomOutBurst{
    ActivationBurst[0], ActivationBurst[1], ActivationBurst[2], ActivationBurst[4],
    ActivationBurst[5], ActivationBurst[6], ActivationBurst[7], ActivationBurst[3],
    ActivationBurst[4], ActivationBurst[5], ActivationBurst[6], ActivationBurst[7],
};

constexpr DWORD AltGrSettleMs = 90;
constexpr UINT KeyUpMs = 150;
constexpr DWORD AltGrReleaseAfterMs = 30;

const AutoZoomOutKey& AutoZoomOutKeyFor(HWND view) {
  const BYTE language = static_cast<BYTE>(
      reinterpret_cast<UINT_PTR>(GetKeyboardLayout(GetWindowThreadProcessId(view, nullptr))) & 0xFF);
  const AutoZoomOutKey* found = FindRow<&AutoZoomOutKey::language>(AutoZoomOutKeys, language);
  return found != nullptr ? *found : AutoZoomOutKeys.back();
}

}  // namespace

void COrvennaConsoleDlg::PressAutoZoomOut() {
  ActionGuards guards;
  guards.ensurePlanetarium = true;
  if (!PassActionGuards(guards)) return;
  HWND view = FindPlanetariumView();
  if (view == nullptr || FindPlanetariumWindow() == nullptr) return;
  const AutoZoomOutKey& key = AutoZoomOutKeyFor(view);
  for (const BurstMessage& sent : ZoomOutBurst)
    ::SendMessageW(view, sent.message, sent.wParam, sent.lParam);
  if (key.altGr) {
    if (GetKeyState(VK_NUMLOCK) == 0) SendScanCodeRecord(VK_NUMLOCK, 0);
    heldKeys.Press(ResetKeyTimer, VK_CONTROL);
    heldKeys.Press(ResetKeyTimer, VK_MENU);
    Sleep(AltGrSettleMs);
  }
  ::PostMessageW(view, WM_KEYDOWN, key.key, key.keyDown);
  SetTimer(ResetKeyTimer, KeyUpMs, nullptr);
}

void COrvennaConsoleDlg::ReleaseAutoZoomOutKey() {
  if (HWND view = GetPlanetariumViewIfRunning()) {
    const AutoZoomOutKey& key = AutoZoomOutKeyFor(view);
    ::PostMessageW(view, WM_KEYUP, key.key, key.keyUp);
    if (heldKeys.Holds(ResetKeyTimer)) Sleep(AltGrReleaseAfterMs);
  }
  // Ctrl and Alt go up even when Orvenna has gone since the press.
  heldKeys.Release(ResetKeyTimer);
}
