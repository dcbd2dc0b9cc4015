// The reset button: a zoomed-in view goes back to the initial field and direction by a script,
// a view already there only gets Orvenna's auto-zoom-out key; the selection is dropped.
#include "src/app/orvenna_console_dlg.h"
#include "src/settings/console_settings.h"
#include "src/util/format_text.h"

namespace {

constexpr int GoToButtonId = 1057;
constexpr UINT CentreCaption = 4430;
constexpr UINT CentreTip = 4440;
constexpr UINT NoSelectionText = 3700;
constexpr UINT FlyByTip = 3810;
constexpr wchar_t ResetScriptName[] = L"RestoreOC.ovs";
constexpr wchar_t ResetKeyword[] = L"reset";

// Half the field first, then the initial direction a little below the zenith, then the field.
std::wstring ResetViewScript(float seconds, int initialAzimuth) {
  return L"OrvMovementMgr.setFlagTracking(false);\r" +
         FormatText(L"OrvMovementMgr.zoomTo(%d,%f);\r", ReadFieldOfView() / 2, seconds) +
         FormatText(L"core.wait(%.2f);\r", seconds) +
         FormatText(L"core.moveToAltAzi(89.7,%.2f,%f);\r", static_cast<double>(initialAzimuth), seconds) +
         FormatText(L"OrvMovementMgr.zoomTo(%d,%.2f);\r", ReadFieldOfView(), seconds) +
         FormatText(L"core.wait(%.2f);\r", seconds) +
         L"OrvMovementMgr.setFlagAutoZoomOutResetsDirection(true);\rOrvMovementMgr.autoZoomOut(2,true);\r";
}

}  // namespace

void COrvennaConsoleDlg::OnResetView() {
  ActionGuards guards;
  guards.refuseDuringFlyBy = true;
  if (!PassActionGuards(guards)) return;
  const int zs = consoleState.zoomSpeed;
  const float durationMs = static_cast<float>(zs) * 1000;
  if (viewZoomedOut != 0 || scriptRunning || speedKeysActive) {
    PressAutoZoomOut();
    RecordStep(L"", ResetKeyword, durationMs);
    return;
  }
  if (!PassActionGuards(ReplayRefusal)) return;
  const float seconds = static_cast<float>(zs) * 0.5F;
  const std::wstring script = ResetViewScript(seconds, consoleState.initialAzimuth);
  // Its end timer presses the auto-zoom-out key once more.
  RunScript(script, ResetScriptName, true, zs * 1000);
  scriptRunning = true;
  viewZoomedOut = 1;
  CurrentObjectName.clear();
  ClearSelectionDisplay();
  SelectedBodyCode = -1;
  RecordStep(script, ResetKeyword, durationMs);
}

void COrvennaConsoleDlg::ClearSelectionDisplay() {
  const UINT language = ReadLanguage();
  const std::wstring nothing = LoadConsoleString(NoSelectionText + language);
  SetDlgItemText(GoToButtonId, LoadConsoleString(CentreCaption + language).c_str());
  SetTooltip(GoToButtonId,
             FormatText(L"%s: (%s)", LoadConsoleString(CentreTip + language).c_str(), nothing.c_str()));
  goToStage = false;
  SetTooltip(FlyByButtonId, FormatText(LoadConsoleString(FlyByTip + language).c_str(), nothing.c_str()));
}
