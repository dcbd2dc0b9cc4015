// The planet buttons: Orvenna selects and centres one body of the solar system, its data goes
// into the information box and it becomes the body a fly-by orbits.
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/planets/planet_information.h"
#include "src/catalog/planet_display_name.h"
#include "src/catalog/solar_system_catalogue.h"
#include "src/link/script_literal.h"
#include "src/settings/console_settings.h"
#include "src/util/format_text.h"

namespace {

constexpr UINT FirstPlanetButtonId = 1014;
constexpr int SunCode = 10;
constexpr UINT SelectedNotice = 4200;
constexpr UINT SelectedNoticeMs = 3000;
constexpr UINT CentreOnObjectCaption = 4430;
constexpr UINT CentreOnObjectTip = 4440;
constexpr UINT FlyByTip = 3810;
constexpr int GoToButtonId = 1057;
constexpr int PlanetRunMs = 4500;
constexpr float PlanetRecordedMs = 150;
constexpr wchar_t PlanetScriptName[] = L"FindObjectOC.ovs";

std::wstring PlanetSelectionScript(const std::wstring& englishName) {
  return L"ConstellationMgr.setFlagArt(false);\rConstellationMgr.setFlagLines(false);\r"
         L"ConstellationMgr.setFlagBoundaries(false);\rConstellationMgr.setFlagLabels(false);\r"
         L"core.selectObjectByName(" +
         ScriptStringLiteral(englishName) + L", true);\rSolarSystem.setFlagPlanets(true);\rcore.wait(0.1);\r";
}

}  // namespace

void COrvennaConsoleDlg::OnPlanetButton(UINT id) {
  ActionGuards script;
  script.refuseWhileRecordingPaused = false;
  script.refuseWhileScriptRuns = true;
  script.refuseDuringReplay = true;
  ActionGuards flyBy;
  flyBy.refuseWhileRecordingPaused = false;
  flyBy.refuseDuringFlyBy = true;
  ActionGuards pausedThenPlanetarium;
  pausedThenPlanetarium.ensurePlanetarium = true;
  if (!PassActionGuards(script) || !PassActionGuards(flyBy) || !PassActionGuards(pausedThenPlanetarium))
    return;

  const int code = static_cast<int>(id - FirstPlanetButtonId);
  const unsigned language = ReadLanguage();
  const std::wstring englishName = PlanetTipName(code, 0);
  SetDlgItemText(InformationBoxId, L"");
  const std::wstring selection = PlanetSelectionScript(englishName);
  RecordStep(selection, L"", PlanetRecordedMs);
  RunScript(selection, PlanetScriptName, false, PlanetRunMs);
  if (LookupSolarSystemBody(englishName, solarSystemBody))
    SetDlgItemText(InformationBoxId, PlanetInformation(solarSystemBody, code == SunCode, language).c_str());
  SelectedBodyCode = code;

  const std::wstring name = GoToSelectionName();
  KillTimer(StatusLineTimer);
  ShowStatusText(LoadConsoleString(SelectedNotice + language) + name, SelectedNoticeMs);
  CurrentObjectName = name;
  goToStage = false;
  SetTooltip(GoToButtonId, FormatText(L"%s: (%s)", LoadConsoleString(CentreOnObjectTip + language).c_str(),
                                      CurrentObjectName.c_str()));
  SetDlgItemText(GoToButtonId, LoadConsoleString(CentreOnObjectCaption + language).c_str());
  SetTooltip(FlyByButtonId,
             FormatText(LoadConsoleString(FlyByTip + language).c_str(), CurrentObjectName.c_str()));
}
