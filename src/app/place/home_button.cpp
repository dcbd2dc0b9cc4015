// The home button: the presenter chooses between the observer's return to the home place and
// the whole sky back to its start state.
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/place/location_scripts.h"
#include "src/dialogs/reset_position_wnd.h"
#include "src/settings/console_settings.h"
#include "src/util/localized_text.h"

namespace {

constexpr UINT PlanetariumMissingError = 3960;
constexpr int PlanetariumMissingNumber = 100088;
constexpr UINT PleaseWaitNotice = 4830;
constexpr wchar_t HomeScriptName[] = L"ResetPosition.ovs";
constexpr int HomeScriptMs = 8300;

}  // namespace

INT_PTR COrvennaConsoleDlg::RunHomeQuestion() {
  CResetPositionWnd question(static_cast<int>(ReadLanguage()), this);
  return question.DoModal();
}

void COrvennaConsoleDlg::OnHome() {
  // Unlike the other actions, a missing Orvenna is reported and the console stays.
  if (EnsurePlanetarium() > 0) {
    ShowLocalizedError(PlanetariumMissingError, MB_ICONERROR, PlanetariumMissingNumber);
    return;
  }
  if (!PassActionGuards({})) return;
  switch (RunHomeQuestion()) {
    case CResetPositionWnd::WholeSkyReset:
      ResetWholeSky();
      break;
    case CResetPositionWnd::HomePlaceOnly:
      ReturnHome();
      break;
    default:
      break;
  }
}

void COrvennaConsoleDlg::ResetWholeSky() {
  ResetPlanetariumToStartState();
  ConstellationNames.isolated.fill(0);
  HasIsolatedConstellation = 0;
  IsolatedConstellationName.clear();
  SelectedBodyCode = -1;
  CurrentObjectName.clear();
  ClearSelectionDisplay();
  SetDlgItemText(InformationBoxId, L"");
  zodiacTourShown = false;
}

void COrvennaConsoleDlg::ReturnHome() {
  ActionGuards flyBy;
  flyBy.refuseWhileRecordingPaused = false;
  flyBy.refuseDuringFlyBy = true;
  if (!PassActionGuards(flyBy) || !PassScriptOrRateKeysGuard(5000) || !PassActionGuards(ReplayRefusal))
    return;
  const std::wstring home = LoadHomeLocation();
  KillTimer(EventZoomOutTimer);
  const std::wstring script = HomePlaceScript(ReadKeepGround(), ReadDefaultGround(), home);

  const unsigned language = ReadLanguage();
  ShowLocation(HomeEarthNames[language < HomeEarthNames.size() ? language : 0]);
  CurrentObjectName.clear();
  SelectedBodyCode = -1;
  RecordStep(script, L"", HomeScriptMs);
  SetDlgItemText(InformationBoxId, L"");

  scriptRunning = true;
  RunScript(script, HomeScriptName, false, HomeScriptMs);
  SetDlgItemText(StatusLineId, LoadConsoleString(PleaseWaitNotice + language).c_str());
  SetTimer(ScriptFlagTimer, HomeScriptMs, nullptr);
}
