// The keyboard's arrow keys move Orvenna's view: each key-down on the console, repeats included,
// posts Shift and the arrow to the render window, and the key-ups follow 40 ms after the last.
#include <array>

#include "platform/win/message_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "src/app/console_notices.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/window/command_rows.h"
#include "src/settings/console_settings.h"

namespace {

constexpr LPARAM ShiftKey = 0x002A0001;
// Orvenna takes the key-ups by their message alone; these are the lParams it has always had.
constexpr LPARAM ArrowKey = 0x01500001;
constexpr UINT KeyUpAfterMs = 40;
constexpr UINT RecordingNoticeMs = 2000;

struct Arrow {
  BYTE key;
  ConsoleTimerId keyUpTimer;
};
// By direction: down, up, left, right.
constexpr std::array Arrows{
    Arrow{VK_DOWN, ArrowDownTimer},
    Arrow{VK_UP, ArrowUpTimer},
    Arrow{VK_LEFT, ArrowLeftTimer},
    Arrow{VK_RIGHT, ArrowRightTimer},
};

}  // namespace

std::optional<int> ArrowDirection(WPARAM key) {
  const Arrow* found = key <= 0xFF ? FindRow<&Arrow::key>(Arrows, static_cast<BYTE>(key)) : nullptr;
  if (found == nullptr) return std::nullopt;
  return static_cast<int>(found - Arrows.data());
}

void COrvennaConsoleDlg::SendArrowKey(int direction) {
  if (direction < 0 || direction >= static_cast<int>(Arrows.size())) return;
  ActionGuards guards;
  guards.refuseWhileRecordingPaused = false;
  guards.ensurePlanetarium = true;
  if (!PassActionGuards(guards)) return;
  // Arrow moves are never recorded, so they are refused while recording.
  if (RecorderState == RecorderRecording) {
    ShowStatusMessage(NotDuringRecordingNotice + ReadLanguage(), RecordingNoticeMs);
    return;
  }
  HWND view = FindPlanetariumView();
  if (view == nullptr) return;
  const Arrow& arrow = Arrows[static_cast<std::size_t>(direction)];
  ::PostMessageW(view, WM_KEYDOWN, VK_SHIFT, ShiftKey);
  ::PostMessageW(view, WM_KEYDOWN, arrow.key, ArrowKey);
  // Each repeat restarts the timer: Orvenna sees the arrow held until the repeats stop.
  SetTimer(arrow.keyUpTimer, KeyUpAfterMs, nullptr);
}

void COrvennaConsoleDlg::ReleaseArrowKey(UINT_PTR timer) {
  const Arrow* arrow = FindRow<&Arrow::keyUpTimer>(Arrows, timer);
  if (arrow == nullptr) return;
  HWND view = FindPlanetariumView();
  if (view == nullptr) return;
  ::PostMessageW(view, WM_KEYUP, arrow->key, ArrowKey);
  ::PostMessageW(view, WM_KEYUP, VK_SHIFT, ShiftKey);
}
