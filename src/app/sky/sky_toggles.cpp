// The sky toggles that post Orvenna's shortcut key to its render window: an activation burst so
// that the window takes the key, the key-down, and a timer that posts the key-up.
#include <algorithm>
#include <array>
#include <string_view>

#include "platform/win/keyboard_api.h"
#include "platform/win/message_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_api.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/window/activation_burst.h"
#include "src/app/window/command_rows.h"
#include "src/link/key_injection.h"
#include "src/settings/console_settings.h"
#include "src/settings/startup_options.h"

namespace {

constexpr UINT AtmosphereId = 1012;
constexpr UINT FogId = 1004;
constexpr UINT BoundariesId = 1013;
constexpr UINT LinesId = 1000;
constexpr UINT ArtId = 1002;
constexpr UINT GroundId = 281;
constexpr UINT CardinalPointsId = 1121;
constexpr UINT EquatorialGridId = 1009;
constexpr UINT EquatorLineId = 1008;
constexpr UINT AzimuthalGridId = 1010;
constexpr UINT PlanetOrbitsId = 1011;
constexpr UINT EclipticId = 1006;
constexpr UINT ConstellationNamesId = 1122;

constexpr LPARAM KeyDown1E = 0x001E0001;
constexpr LPARAM KeyUp1E = static_cast<LPARAM>(0xC01E0001);
constexpr UINT KeyUpMs = 200;
constexpr UINT NoBoundariesForCultureNotice = 5080;
constexpr UINT NoBoundariesNoticeMs = 4000;
constexpr UINT EquatorKeyUpMs = 150;
// Orvenna misses an atmosphere key that follows its activation at once.
constexpr DWORD AtmosphereSettleMs = 80;

struct PostedToggle {
  UINT commandId;
  BYTE key;
  LPARAM keyDown;
  ConsoleTimerId timer;
  LPARAM keyUp;
  std::wstring_view keyword;
  std::wstring_view script;
};

constexpr std::array PostedToggles{
    PostedToggle{AtmosphereId, 'A', KeyDown1E, AtmosphereKeyTimer, KeyUp1E, L"atmo",
                 L"var atmo = LandscapeMgr.getFlagAtmosphere();\rLandscapeMgr.setFlagAtmosphere(!atmo);\r"},
    PostedToggle{FogId, 'F', KeyDown1E, FogKeyTimer, KeyUp1E, L"fog",
                 L"var fog = LandscapeMgr.getFlagFog();\rLandscapeMgr.setFlagFog(!fog);\r"},
    PostedToggle{BoundariesId, 'B', KeyDown1E, BoundariesKeyTimer, KeyUp1E, L"bound",
                 L"var bound = ConstellationMgr.getFlagBoundaries();\r"
                 L"ConstellationMgr.setFlagBoundaries(!bound);\r"},
    PostedToggle{LinesId, 'C', KeyDown1E, LinesKeyTimer, KeyUp1E, L"line",
                 L"var lines = ConstellationMgr.getFlagLines();\rConstellationMgr.setFlagLines(!lines);\r"},
    PostedToggle{ArtId, 'R', KeyDown1E, ArtKeyTimer, KeyUp1E, L"art",
                 L"var art = ConstellationMgr.getFlagArt();\rConstellationMgr.setFlagArt(!art);\r"},
    PostedToggle{GroundId, 'G', KeyDown1E, GroundKeyTimer, KeyUp1E, L"ground",
                 L"var land = LandscapeMgr.getFlagLandscape();\rLandscapeMgr.setFlagLandscape(!land);\r"},
    PostedToggle{CardinalPointsId, 'Q', KeyDown1E, CardinalPointsKeyTimer, KeyUp1E, L"cardinals",
                 L"var card = LandscapeMgr.getFlagCardinalsPoints();\r"
                 L"LandscapeMgr.setFlagCardinalsPoints(!card);\r"},
    PostedToggle{
        EquatorialGridId, 'E', KeyDown1E, EquatorialGridKeyTimer, KeyUp1E, L"eqGrid",
        L"var eqgrid = GridLinesMgr.getFlagEquatorGrid();\rGridLinesMgr.setFlagEquatorGrid(!eqgrid);\r"},
    // The equator line's lParams depend on Orvenna's keyboard layout (EquatorKeyFor).
    PostedToggle{
        EquatorLineId, VK_OEM_PERIOD, 0, EquatorLineKeyTimer, 0, L"eqLine",
        L"var eqline = GridLinesMgr.getFlagEquatorLine();\rGridLinesMgr.setFlagEquatorLine(!eqline);\r"},
    PostedToggle{AzimuthalGridId, 'Z', KeyDown1E, AzimuthalGridKeyTimer, KeyUp1E, L"azGrid",
                 L"var azgrid = GridLinesMgr.getFlagAzimuthalGrid();\r"
                 L"GridLinesMgr.setFlagAzimuthalGrid(!azgrid);\r"},
    PostedToggle{PlanetOrbitsId, 'O', KeyDown1E, PlanetOrbitsKeyTimer, KeyUp1E, L"pOrbit",
                 L"var pOrbit = SolarSystem.getFlagOrbits();\rSolarSystem.setFlagOrbits(!pOrbit);\r"},
    PostedToggle{EclipticId, VK_OEM_COMMA, 0x00330001, EclipticKeyTimer, static_cast<LPARAM>(0xC0330001),
                 L"ecliptic",
                 L"var ecliptic = GridLinesMgr.getFlagEclipticLine();\r"
                 L"GridLinesMgr.setFlagEclipticLine(!ecliptic);\r"},
    PostedToggle{ConstellationNamesId, 'V', 0x00300001, ConstellationNamesKeyTimer,
                 static_cast<LPARAM>(0xC0300001), L"clabel",
                 L"var clab = ConstellationMgr.getFlagLabels();\rConstellationMgr.setFlagLabels(!clab);\r"},
};

// The equator line's key sits where each layout types its character.
struct EquatorKey {
  BYTE language;  // primary language of the layout; 0 for every other
  bool numLock;
  bool leftShift;
  LPARAM keyDown;
  LPARAM keyUp;
};
constexpr std::array EquatorKeys{
    EquatorKey{0x10, false, false, 0x001E0001, static_cast<LPARAM>(0xC01E0001)},
    EquatorKey{0x1F, true, false, 0x00350001, static_cast<LPARAM>(0xC0350001)},
    EquatorKey{0x0A, true, false, 0x00340001, static_cast<LPARAM>(0xC0340001)},
    EquatorKey{0x0C, true, true, 0x00330001, static_cast<LPARAM>(0xC0330001)},
    EquatorKey{0, false, false, 0x00560001, static_cast<LPARAM>(0xC0560001)},
};
constexpr DWORD ShiftSettleMs = 80;
constexpr DWORD ShiftReleaseAfterMs = 30;

const EquatorKey& EquatorKeyFor(HWND view) {
  const BYTE language = static_cast<BYTE>(
      reinterpret_cast<UINT_PTR>(GetKeyboardLayout(GetWindowThreadProcessId(view, nullptr))) & 0xFF);
  auto found = std::find_if(EquatorKeys.begin(), EquatorKeys.end() - 1,
                            [language](const EquatorKey& key) { return key.language == language; });
  return *found;
}

}  // namespace

void COrvennaConsoleDlg::OnAtmosphere() {
  ReadLanguageSetting();
  PostToggleKey(AtmosphereId);
}
void COrvennaConsoleDlg::OnFog() {
  PostToggleKey(FogId);
}
void COrvennaConsoleDlg::OnBoundaries() {
  PostToggleKey(BoundariesId);
}
void COrvennaConsoleDlg::OnLines() {
  PostToggleKey(LinesId);
}
void COrvennaConsoleDlg::OnArt() {
  PostToggleKey(ArtId);
}
void COrvennaConsoleDlg::OnGround() {
  PostToggleKey(GroundId);
}
void COrvennaConsoleDlg::OnCardinalPoints() {
  PostToggleKey(CardinalPointsId);
}
void COrvennaConsoleDlg::OnEquatorialGrid() {
  PostToggleKey(EquatorialGridId);
}
void COrvennaConsoleDlg::OnEquatorLine() {
  PostToggleKey(EquatorLineId);
}
void COrvennaConsoleDlg::OnAzimuthalGrid() {
  PostToggleKey(AzimuthalGridId);
}
void COrvennaConsoleDlg::OnPlanetOrbits() {
  PostToggleKey(PlanetOrbitsId);
}
void COrvennaConsoleDlg::OnEcliptic() {
  PostToggleKey(EclipticId);
}
void COrvennaConsoleDlg::OnConstellationNames() {
  PostToggleKey(ConstellationNamesId);
}

void COrvennaConsoleDlg::PostToggleKey(UINT commandId) {
  const PostedToggle& toggle = RowForCommand(PostedToggles, commandId);
  ActionGuards guards;
  guards.refuseDuringFlyBy = commandId == BoundariesId;
  guards.ensurePlanetarium = true;
  if (!PassActionGuards(guards)) return;
  if (commandId == BoundariesId) {
    std::wstring culture;
    if (!ReadSkyCultureSetting(culture)) {
      ShowStatusMessage(NoBoundariesForCultureNotice + ReadLanguage(), NoBoundariesNoticeMs);
      return;
    }
  }
  HWND view = FindPlanetariumView();
  if (view == nullptr || FindPlanetariumWindow() == nullptr) return;

  const bool equatorLine = commandId == EquatorLineId;
  for (const BurstMessage& sent : ActivationBurst)
    if (!equatorLine || sent.message != WM_SETCURSOR)
      ::SendMessageW(view, sent.message, sent.wParam, sent.lParam);
  if (commandId == AtmosphereId) Sleep(AtmosphereSettleMs);
  LPARAM keyDown = toggle.keyDown;
  if (equatorLine) {
    const EquatorKey& key = EquatorKeyFor(view);
    if (key.numLock && GetKeyState(VK_NUMLOCK) == 0) SendScanCodeRecord(VK_NUMLOCK, 0);
    if (key.leftShift) {
      heldKeys.Press(EquatorLineKeyTimer, VK_LSHIFT);
      Sleep(ShiftSettleMs);
    }
    keyDown = key.keyDown;
  }
  ::PostMessageW(view, WM_KEYDOWN, toggle.key, keyDown);
  // A second press within the period restarts the timer: one key-up for both.
  SetTimer(toggle.timer, equatorLine ? EquatorKeyUpMs : KeyUpMs, nullptr);
  RecordStep(std::wstring(toggle.script), std::wstring(toggle.keyword), 0);
}

void COrvennaConsoleDlg::ReleaseToggleKey(UINT_PTR timer) {
  auto toggle = std::find_if(PostedToggles.begin(), PostedToggles.end(),
                             [timer](const PostedToggle& row) { return row.timer == timer; });
  if (toggle == PostedToggles.end()) return;
  HWND view = FindPlanetariumView();
  if (toggle->commandId != EquatorLineId) {
    if (view != nullptr) ::PostMessageW(view, WM_KEYUP, toggle->key, toggle->keyUp);
    return;
  }
  if (view != nullptr) {
    ::PostMessageW(view, WM_KEYUP, toggle->key, EquatorKeyFor(view).keyUp);
    if (heldKeys.Holds(EquatorLineKeyTimer)) Sleep(ShiftReleaseAfterMs);
  }
  // Shift goes up even when Orvenna has gone since the press.
  heldKeys.Release(EquatorLineKeyTimer);
}
