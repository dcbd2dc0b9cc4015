// The keywords a replay performs from the command list: the presenter's own handlers, with their
// guards (they record nothing while the recorder plays back), the location caption and the held
// zoom keys.
#include <array>
#include <string_view>

#include "platform/win/message_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/show/replay_command_line.h"

namespace {

struct ReplayAction {
  std::wstring_view keyword;
  void (COrvennaConsoleDlg::*action)();
};

constexpr std::array ReplayActions{
    ReplayAction{L"art", &COrvennaConsoleDlg::OnArt},
    ReplayAction{L"btn_pause", &COrvennaConsoleDlg::OnPause},
    ReplayAction{L"fog", &COrvennaConsoleDlg::OnFog},
    ReplayAction{L"atmo", &COrvennaConsoleDlg::OnAtmosphere},
    ReplayAction{L"line", &COrvennaConsoleDlg::OnLines},
    ReplayAction{L"bound", &COrvennaConsoleDlg::OnBoundaries},
    ReplayAction{L"desel", &COrvennaConsoleDlg::OnDeselect},
    ReplayAction{L"ground", &COrvennaConsoleDlg::OnGround},
    ReplayAction{L"reset", &COrvennaConsoleDlg::PressAutoZoomOut},
    ReplayAction{L"pLabel", &COrvennaConsoleDlg::OnPlanetLabels},
    ReplayAction{L"eqLine", &COrvennaConsoleDlg::OnEquatorLine},
    ReplayAction{L"eqGrid", &COrvennaConsoleDlg::OnEquatorialGrid},
    ReplayAction{L"eqMerid", &COrvennaConsoleDlg::OnMeridian},
    ReplayAction{L"pOrbit", &COrvennaConsoleDlg::OnPlanetOrbits},
    ReplayAction{L"azGrid", &COrvennaConsoleDlg::OnAzimuthalGrid},
    ReplayAction{L"trails", &COrvennaConsoleDlg::OnPlanetTrails},
    ReplayAction{L"starslabel", &COrvennaConsoleDlg::OnStarLabels},
    ReplayAction{L"toggleEqAz", &COrvennaConsoleDlg::OnToggleMount},
    ReplayAction{L"goto", &COrvennaConsoleDlg::OnGoTo},
    ReplayAction{L"clabel", &COrvennaConsoleDlg::OnConstellationNames},
    ReplayAction{L"cardinals", &COrvennaConsoleDlg::OnCardinalPoints},
    ReplayAction{L"ecliptic", &COrvennaConsoleDlg::OnEcliptic},
    ReplayAction{L"adesso", &COrvennaConsoleDlg::OnNow},
    ReplayAction{L"normalspeed", &COrvennaConsoleDlg::OnNormalSpeed},
};

constexpr wchar_t CenterKeyword[] = L"center";

struct ZoomKeyword {
  std::wstring_view keyword;
  BYTE key;
  bool down;
};

constexpr std::array ZoomKeywords{
    ZoomKeyword{L"zoomIn_Start", VK_PRIOR, true},
    ZoomKeyword{L"zoomIn_End", VK_PRIOR, false},
    ZoomKeyword{L"zoomOut_Start", VK_NEXT, true},
    ZoomKeyword{L"zoomOut_End", VK_NEXT, false},
};

constexpr LPARAM ZoomKeyFlags = 0x01500001;
constexpr LPARAM ShiftKeyFlags = 0x002A0001;

}  // namespace

void COrvennaConsoleDlg::PerformReplayKeyword(const std::wstring& keyword) {
  for (const ReplayAction& entry : ReplayActions)
    if (entry.keyword == keyword) {
      (this->*entry.action)();
      return;
    }
  if (keyword == CenterKeyword) {
    goToStage = false;
    OnGoTo();
  } else if (keyword == PlaceKeyword) {
    SetDlgItemText(LocationLabelId, replayPlaceName.c_str());
  } else {
    for (const ZoomKeyword& zoom : ZoomKeywords)
      if (zoom.keyword == keyword) ReplayZoomKey(zoom.key, zoom.down);
  }
}

void COrvennaConsoleDlg::ReplayZoomKey(BYTE key, bool down) {
  if (HWND view = FindPlanetariumView()) {
    ActivatePlanetariumView(view);
    if (down) {
      ::PostMessageW(view, WM_KEYDOWN, VK_SHIFT, ShiftKeyFlags);
      ::PostMessageW(view, WM_KEYDOWN, key, ZoomKeyFlags);
    } else {
      ::PostMessageW(view, WM_KEYUP, key, ZoomKeyFlags);
      ::PostMessageW(view, WM_KEYUP, VK_SHIFT, ShiftKeyFlags);
    }
  }
  zoomHeld = down;
}
