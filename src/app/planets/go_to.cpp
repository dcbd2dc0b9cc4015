// The go-to button, a two-stage switch: the first press centres Orvenna on the selection (Space
// in its view), the second zooms in on it by a script and turns the button back.
#include <array>

#include "platform/win/keyboard_api.h"
#include "platform/win/window_api.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/link/key_injection.h"
#include "src/settings/console_settings.h"
#include "src/settings/ini_files.h"
#include "src/util/format_text.h"
#include "src/util/number_text.h"

namespace {

constexpr int GoToButtonId = 1057;
constexpr UINT NothingToGoToNotice = 3990;
constexpr UINT NothingSelectedNoticeMs = 4000;
constexpr UINT GoToCaption = 19170;
constexpr UINT CentreCaption = 4430;
constexpr UINT GoToTip = 3680;
constexpr UINT CentreTip = 4440;
constexpr UINT ZoomingNotice = 4210;
constexpr UINT ZoomNoticeMs = 8000;
constexpr DWORD CentreSettleMs = 120;
constexpr SHORT SpaceKeyWord = 0x20;
constexpr int ZoomScriptExpectedMs = 4500;
constexpr float ScriptFlagExtraMs = 90;
// The field a catalogue object opens to when OCconfig.ini names none for it.
constexpr double DefaultCatalogueFov = 12;
constexpr int CatalogueDesignation = 1;
constexpr unsigned ChineseLanguage = 5;
constexpr int MoonCode = 3;

constexpr wchar_t GoToScriptName[] = L"GoToOVS.ovs";
constexpr wchar_t CatalogueFovSection[] = L"messier";
constexpr wchar_t TrackingOn[] = L"OrvMovementMgr.setFlagTracking(true);\r";

double CatalogueFieldOfView(const std::wstring& name) {
  const std::optional<std::wstring> entry = ReadIniEntry(ConsoleIniFile, CatalogueFovSection, name);
  if (!entry) return DefaultCatalogueFov;
  const double fov = ReadLeadingDecimal(*entry);
  return fov > 0 ? fov : DefaultCatalogueFov;
}

}  // namespace

bool COrvennaConsoleDlg::PassSelectionGuards(UINT nothingSelectedNotice) {
  if (SelectedBodyCode == -1 && CurrentObjectName.empty()) {
    KillTimer(StatusClearTimer);
    ShowStatusMessage(nothingSelectedNotice + ReadLanguage(), NothingSelectedNoticeMs);
    return false;
  }
  ActionGuards flyBy;
  flyBy.refuseWhileRecordingPaused = false;
  flyBy.refuseDuringFlyBy = true;
  return PassActionGuards(flyBy);
}

std::wstring COrvennaConsoleDlg::GoToSelectionName() {
  const unsigned language = ReadLanguage();
  // The go-to names the Moon in Chinese by its everyday name, unlike the tips.
  if (language == ChineseLanguage && SelectedBodyCode == MoonCode) return L"\u6708\u4eae";
  const std::wstring body = PlanetTipName(SelectedBodyCode, language);
  return body.empty() ? CurrentObjectName : body;
}

void COrvennaConsoleDlg::OnGoTo() {
  if (!PassActionGuards({})) return;
  const UINT language = ReadLanguage();
  HWND view = FindPlanetariumView();
  HWND main = FindPlanetariumWindow();
  if (RecorderState == RecorderPlaying && !goToStage) {
    // A replayed centring: the recorded script itself tracks the object.
    if (view == nullptr || main == nullptr) return;
    ActivatePlanetariumView(view);
    SendKeyToPlanetarium(VkKeyScanExW(L' ', SyncKeyboardLayout()), false);
    ::SetForegroundWindow(m_hWnd);
    goToStage = true;
    return;
  }
  if (!PassSelectionGuards(NothingToGoToNotice)) return;
  const std::wstring selection = GoToSelectionName();

  if (!goToStage) {
    if (view == nullptr || main == nullptr) return;
    if (::IsIconic(main)) ::ShowWindow(main, SW_RESTORE);
    ::SetForegroundWindow(view);
    ::SetFocus(view);
    ActivatePlanetariumView(view);
    SendKeyToPlanetarium(SpaceKeyWord, false);
    Sleep(CentreSettleMs);
    SetDlgItemText(GoToButtonId, LoadConsoleString(GoToCaption + language).c_str());
    goToStage = true;
    SetTooltip(GoToButtonId,
               FormatText(L"%s: (%s)", LoadConsoleString(GoToTip + language).c_str(), selection.c_str()));
    if (scriptRunning || speedKeysActive)
      RecordStep(L"", L"center", 0);
    else
      RecordStep(TrackingOn, L"", 0);
    ::SetForegroundWindow(m_hWnd);
    return;
  }

  if (!PassActionGuards(ReplayRefusal)) return;
  const int zs = consoleState.zoomSpeed;
  const std::wstring zoom =
      consoleState.searchTarget.targetKind == CatalogueDesignation
          ? FormatText(L"OrvMovementMgr.zoomTo(%.3f, %d);\r", CatalogueFieldOfView(CurrentObjectName), zs)
          : FormatText(L"OrvMovementMgr.autoZoomIn(%d, 0);\r", zs);
  const std::wstring script =
      L"core.setTimeRate(1);\rOrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\r" + zoom + TrackingOn +
      FormatText(L"core.wait(%d);\r", zs);
  scriptRunning = true;
  const float flagMs = static_cast<float>(zs) * 1000 + ScriptFlagExtraMs;
  SetTimer(ScriptFlagTimer, static_cast<UINT>(flagMs), nullptr);
  RunScript(script, GoToScriptName, false, ZoomScriptExpectedMs);
  SetDlgItemText(StatusLineId, (LoadConsoleString(ZoomingNotice + language) + selection).c_str());
  RecordStep(script, L"", flagMs);
  viewZoomedOut = 0;
  KillTimer(StatusClearTimer);
  SetTimer(StatusClearTimer, ZoomNoticeMs, nullptr);
  SetDlgItemText(GoToButtonId, LoadConsoleString(CentreCaption + language).c_str());
  goToStage = false;
  SetTooltip(GoToButtonId,
             FormatText(L"%s: (%s)", LoadConsoleString(CentreTip + language).c_str(), selection.c_str()));
}
