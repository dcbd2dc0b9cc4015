// The North Pole, South Pole and equator buttons: the presenter chooses a body, and Orvenna's
// observer moves there with the ground and the air that body has.
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/place/location_scripts.h"
#include "src/dialogs/pole_dlg.h"
#include "src/settings/console_settings.h"

namespace {

constexpr UINT PoleScriptNoticeMs = 4000;
constexpr wchar_t PoleScriptName[] = L"setLocationOC.ovs";
constexpr int PoleScriptMs = 10000;

}  // namespace

INT_PTR COrvennaConsoleDlg::RunPoleChooser() {
  CPoleDlg chooser(this, &consoleState);
  return chooser.DoModal();
}

void COrvennaConsoleDlg::OnPoleOrEquator(UINT id) {
  if (!PassActionGuards(ReplayRefusal)) return;
  if (!PassScriptOrRateKeysGuard(PoleScriptNoticeMs)) return;
  ActionGuards flyBy;
  flyBy.refuseWhileRecordingPaused = false;
  flyBy.refuseDuringFlyBy = true;
  ActionGuards pausedThenPlanetarium;
  pausedThenPlanetarium.ensurePlanetarium = true;
  if (!PassActionGuards(flyBy) || !PassActionGuards(pausedThenPlanetarium)) return;
  if (RunPoleChooser() != CPoleDlg::BodyChosen) return;
  const PoleBody* body = FindPoleBody(consoleState.homePlanetIndex);
  if (body == nullptr) return;
  const bool keepGround = ReadKeepGround();

  SetDlgItemText(InformationBoxId, L"");
  CurrentObjectName.clear();
  ClearSelectionDisplay();
  SelectedBodyCode = -1;
  KillTimer(EventZoomOutTimer);
  KillTimer(ScriptFlagTimer);

  const std::wstring script = PoleScript(id, *body, keepGround, ReadDefaultGround());
  scriptRunning = true;
  RunScript(script, PoleScriptName, false, PoleScriptMs);
  SetTimer(ScriptFlagTimer, PoleScriptMs, nullptr);
  RecordStep(script, L"", PoleScriptMs);
  ShowLocation(body->label == 0 ? VestaLabel : LoadConsoleString(body->label + ReadLanguage()));
}
