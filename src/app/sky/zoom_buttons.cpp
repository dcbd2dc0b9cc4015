// Zoom in and zoom out act while they are held: the press posts Shift and Page Up or Page Down to
// Orvenna's view, the release posts their key-ups, and a 20 s timer releases them when the
// button's release is never seen.
#include <array>
#include <string_view>

#include "platform/win/message_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/window/command_rows.h"

namespace {

constexpr LPARAM ShiftDown = 0x002A0001;
constexpr LPARAM ShiftUp = static_cast<LPARAM>(0xC02A0001);
// Past this the zoom is released even though the button is still down.
constexpr UINT SafetyReleaseMs = 20000;
constexpr UINT PausedNoticeMs = 6000;

struct ZoomButton {
  int controlId;
  BYTE key;
  LPARAM keyDown;
  LPARAM keyUp;
  ConsoleTimerId safetyTimer;
  std::wstring_view startKeyword;
  std::wstring_view endKeyword;
};

constexpr std::array ZoomButtons{
    ZoomButton{1842, VK_PRIOR, 0x41490001, static_cast<LPARAM>(0xC1490001), ZoomInSafetyTimer,
               L"zoomIn_Start", L"zoomIn_End"},
    ZoomButton{1843, VK_NEXT, 0x41510001, static_cast<LPARAM>(0xC1510001), ZoomOutSafetyTimer,
               L"zoomOut_Start", L"zoomOut_End"},
};

}  // namespace

COrvennaConsoleDlg::HeldAnswer COrvennaConsoleDlg::PressZoom(int controlId) {
  const ZoomButton* button = FindRow<&ZoomButton::controlId>(ZoomButtons, controlId);
  if (button == nullptr || zoomHeld) return HeldAnswer::NotForIt;
  zoomHeld = true;
  ActionGuards guards;
  guards.pausedNoticeMs = PausedNoticeMs;
  if (!PassActionGuards(guards)) return HeldAnswer::Consumed;
  if (HWND view = FindPlanetariumView()) {
    ActivatePlanetariumView(view);
    ::PostMessageW(view, WM_KEYDOWN, VK_SHIFT, ShiftDown);
    ::PostMessageW(view, WM_KEYDOWN, button->key, button->keyDown);
  }
  SetTimer(button->safetyTimer, SafetyReleaseMs, nullptr);
  RecordOpeningStep(L"", std::wstring(button->startKeyword), 0, std::wstring(button->endKeyword));
  return HeldAnswer::ToDialogOnly;
}

COrvennaConsoleDlg::HeldAnswer COrvennaConsoleDlg::ReleaseZoom(int controlId) {
  const ZoomButton* button = FindRow<&ZoomButton::controlId>(ZoomButtons, controlId);
  if (button == nullptr) return HeldAnswer::NotForIt;
  zoomHeld = false;
  ActionGuards guards;
  guards.pausedNoticeMs = PausedNoticeMs;
  if (!PassActionGuards(guards)) return HeldAnswer::Consumed;
  KillTimer(button->safetyTimer);
  if (HWND view = FindPlanetariumView()) {
    ::PostMessageW(view, WM_KEYUP, button->key, button->keyUp);
    ::PostMessageW(view, WM_KEYUP, VK_SHIFT, ShiftUp);
  }
  RecordClosingStep(L"", std::wstring(button->endKeyword));
  return HeldAnswer::ToDialogOnly;
}

void COrvennaConsoleDlg::ReleaseZoomKeys(UINT_PTR timer) {
  const ZoomButton* button = FindRow<&ZoomButton::safetyTimer>(ZoomButtons, timer);
  if (button == nullptr) return;
  if (HWND view = FindPlanetariumView()) {
    ::PostMessageW(view, WM_KEYUP, button->key, button->keyUp);
    // Orvenna ends a held key by the message alone; this key-up has always had these bits.
    ::PostMessageW(view, WM_KEYUP, VK_SHIFT, ShiftDown);
  }
  RecordClosingStep(L"", std::wstring(button->endKeyword));
  zoomHeld = false;
}

void COrvennaConsoleDlg::ReleaseHeldZoom() {
  for (const ZoomButton& button : ZoomButtons)
    if (KillTimer(button.safetyTimer)) ReleaseZoomKeys(button.safetyTimer);
}
