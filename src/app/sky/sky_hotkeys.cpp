// The sky toggles whose shortcut Orvenna takes only as real keyboard input: the key is injected
// while Orvenna's view has the focus, and the console comes back to the front afterwards.
#include <algorithm>
#include <array>
#include <string_view>

#include "platform/win/focus_api.h"
#include "platform/win/keyboard_api.h"
#include "platform/win/thread_api.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/window/command_rows.h"
#include "src/link/key_injection.h"

namespace {

constexpr UINT StarLabelsId = 282;
constexpr UINT PlanetLabelsId = 1005;
constexpr UINT MeridianId = 1007;
constexpr UINT PlanetTrailsId = 1025;
constexpr UINT ToggleMountId = 10038;

enum class Injection {
  Alt,
  Shift,
  Ctrl,
  // The whole VkKeyScanExW result, so the layout's own modifiers go with the key.
  LayoutKeyWord,
};

struct HotkeyToggle {
  UINT commandId;
  wchar_t character;
  Injection injection;
  DWORD waitMs;
  std::wstring_view keyword;
  std::wstring_view script;
};

constexpr std::array HotkeyToggles{
    HotkeyToggle{StarLabelsId, L'S', Injection::Alt, 200, L"starslabel",
                 L"var star = StarMgr.getFlagLabels();\rStarMgr.setFlagLabels(!star);\r"},
    HotkeyToggle{PlanetLabelsId, L'P', Injection::Alt, 200, L"pLabel",
                 L"var plab = SolarSystem.getFlagLabels();\rSolarSystem.setFlagLabels(!plab);\r"},
    HotkeyToggle{MeridianId, L';', Injection::LayoutKeyWord, 80, L"eqMerid",
                 L"var meridian = GridLinesMgr.getFlagMeridianLine();\r"
                 L"GridLinesMgr.setFlagMeridianLine(!meridian);\r"},
    HotkeyToggle{PlanetTrailsId, L't', Injection::Shift, 200, L"trails",
                 L"var meridian = SolarSystem.getFlagTrails();\rSolarSystem.setFlagTrails(!meridian);\r"},
    // Ended like every statement, so that it does not run into the next recorded line.
    HotkeyToggle{ToggleMountId, L'M', Injection::Ctrl, 200, L"toggleEqAz",
                 L"OrvMovementMgr.setEquatorialMount(!OrvMovementMgr.getEquatorialMount());\r"},
};

int ModifierSetOf(Injection injection) {
  switch (injection) {
    case Injection::Alt:
      return HotkeyAlt;
    case Injection::Shift:
      return HotkeyShift;
    default:
      return HotkeyCtrl;
  }
}

}  // namespace

void COrvennaConsoleDlg::OnStarLabels() {
  InjectToggleHotkey(StarLabelsId);
}
void COrvennaConsoleDlg::OnPlanetLabels() {
  InjectToggleHotkey(PlanetLabelsId);
}
void COrvennaConsoleDlg::OnMeridian() {
  InjectToggleHotkey(MeridianId);
}
void COrvennaConsoleDlg::OnPlanetTrails() {
  InjectToggleHotkey(PlanetTrailsId);
}
void COrvennaConsoleDlg::OnToggleMount() {
  InjectToggleHotkey(ToggleMountId);
}

void COrvennaConsoleDlg::InjectToggleHotkey(UINT commandId) {
  const HotkeyToggle& toggle = RowForCommand(HotkeyToggles, commandId);
  ActionGuards guards;
  guards.ensurePlanetarium = true;
  if (!PassActionGuards(guards)) return;
  const SHORT keyWord = VkKeyScanExW(toggle.character, SyncKeyboardLayout());
  HWND view = FindPlanetariumView();
  if (view == nullptr) return;
  ActivatePlanetariumView(view);
  if (toggle.injection == Injection::LayoutKeyWord) {
    SendKeyToPlanetarium(keyWord, false);
    ActivatePlanetariumView(view);
  } else {
    SendHotkeyToPlanetarium(static_cast<SHORT>(keyWord & 0xFF), ModifierSetOf(toggle.injection));
  }
  Sleep(toggle.waitMs);
  ::SetForegroundWindow(m_hWnd);
  RecordStep(std::wstring(toggle.script), std::wstring(toggle.keyword), 0);
}
