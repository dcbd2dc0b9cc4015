// The view turned to a cardinal point or a celestial pole by Orvenna's own keys.
#include <array>
#include <string>

#include "platform/win/keyboard_api.h"
#include "platform/win/thread_api.h"
#include "src/app/show/demonstration_guards.h"
#include "src/app/window/command_rows.h"
#include "src/link/key_injection.h"
#include "src/link/keyboard_layout.h"
#include "src/util/format_text.h"

namespace {

constexpr UINT FirstLookDirectionId = 8470;
constexpr DWORD KeySettleMs = 200;

struct LookDirection {
  wchar_t letter;
  int modifiers;
  const wchar_t* azimuth;
  // The pole lies at the observer's latitude above the horizon; a cardinal point just below the zenith.
  bool atPole;
};

constexpr std::array LookDirections{
    LookDirection{L'E', HotkeyShift, L"90", false},  LookDirection{L'W', HotkeyShift, L"270", false},
    LookDirection{L'N', HotkeyShift, L"0", false},   LookDirection{L'S', HotkeyShift, L"180", false},
    LookDirection{L'N', HotkeyAltShift, L"0", true}, LookDirection{L'S', HotkeyAltShift, L"180", true},
};

constexpr wchar_t LatitudeRead[] =
    L"var items = core.getObserverLocationInfo();\rvar latitude = items[\"latitude\"];\r";
constexpr wchar_t CardinalFormat[] = L"core.moveToAltAzi(87.9, %s, 2);\r";
constexpr wchar_t PoleFormat[] = L"core.moveToAltAzi(latitude, %s, 2);\r";

}  // namespace

void COrvennaConsoleDlg::OnLookDirection(UINT id) {
  const std::size_t slot = id - FirstLookDirectionId;
  if (slot >= LookDirections.size()) return;
  if (!PassActionGuards(DemonstrationGuards(false))) return;
  const LookDirection& look = LookDirections[slot];
  HWND view = FindPlanetariumView();
  if (view == nullptr) return;
  ActivatePlanetariumView(view);
  const SHORT keyWord = VkKeyScanExW(look.letter, SyncKeyboardLayoutWithPlanetarium());
  SendHotkeyToPlanetarium(static_cast<SHORT>(keyWord & 0xFF), look.modifiers);
  Sleep(KeySettleMs);
  BringConsoleForward();
  RecordStep(LatitudeRead + FormatText(look.atPole ? PoleFormat : CardinalFormat, look.azimuth), L"", 0);
}
