// The Find button: the object the presenter picks on the search dialog, selected and shown in
// Orvenna, described in the information box and recorded.
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/planets/find_object_info.h"
#include "src/app/planets/find_object_script.h"
#include "src/catalog/search/search_dlg.h"
#include "src/catalog/star_name_lookup.h"
#include "src/settings/console_settings.h"
#include "src/settings/startup_options.h"
#include "src/util/compare_no_case.h"
#include "src/util/format_text.h"

namespace {

constexpr UINT SelectedNotice = 4200;
constexpr UINT TurningOffNotice = 9460;
constexpr UINT FoundNoticeMs = 3000;
constexpr UINT CentreOnObjectCaption = 4430;
constexpr int GoToButtonId = 1057;
constexpr int FindRunMs = 4500;
constexpr float FindRecordedMs = 120;

// Orvenna knows the old ship only by its keel.
constexpr std::wstring_view ArgoNavis = L"argonavis";
constexpr wchar_t Carina[] = L"carina";

}  // namespace

INT_PTR COrvennaConsoleDlg::RunSearchDialog() {
  CSearchDlg search(&consoleState, {HasIsolatedConstellation != 0, &IsolatedConstellationName}, this);
  return search.DoModal();
}

void COrvennaConsoleDlg::OnBnClickedFind() {
  if (!PassActionGuards({})) return;
  FindObject();
}

void COrvennaConsoleDlg::FindObject() {
  ActionGuards guards;
  guards.refuseDuringFlyBy = true;
  guards.refuseDuringReplay = true;
  if (!PassActionGuards(guards)) return;
  SetDlgItemText(InformationBoxId, L"");
  RunSearchDialog();
  const CConsoleState::SearchTarget& target = consoleState.searchTarget;
  if (target.targetName.empty()) return;
  if (CompareTextNoCase(target.targetName, ArgoNavis) == 0)
    consoleState.SetSearchTarget(Carina, NamedObjectKind, 0);
  CurrentObjectName = FoundObjectName(target.targetName);

  std::wstring starName;
  const bool star =
      target.targetExtra != 0 && LookupStarNameByHip(static_cast<unsigned>(target.targetExtra), starName);
  ActionGuards planetarium;
  planetarium.refuseWhileRecordingPaused = false;
  planetarium.ensurePlanetarium = true;
  if (!PassActionGuards(planetarium)) return;

  const unsigned language = ReadLanguage();
  std::wstring script;
  bool turningOff = false;
  if (star) {
    StarCatalogueRecord record;
    if (LookupStarByHip(target.targetExtra, record))
      SetDlgItemText(InformationBoxId, StarInformation(CurrentObjectName, record, language).c_str());
    script = StarSelectionScript(static_cast<unsigned>(target.targetExtra));
    CurrentObjectName = starName;
  } else {
    const bool constellation =
        TreatAsConstellation(CurrentObjectName, IsConstellationArtName(CurrentObjectName), target.targetKind);
    if (constellation) {
      HasIsolatedConstellation = 1;
      IsolatedConstellationName = CurrentObjectName;
    }
    script = ConstellationDisplayLines(constellation, LoadDisplayOpts());
    std::wstring culture;
    const bool western = ReadSkyCultureSetting(culture);
    script += SkyCultureLine(western, culture);
    const std::uint8_t index = FindConstellationIndex(CurrentObjectName);
    if (index == NoConstellation) CurrentObjectName = CatalogueDesignation(CurrentObjectName);
    FindObjectSelection selection = SelectFoundObject(ConstellationNames, index, CurrentObjectName);
    script += selection.lines;
    turningOff = selection.turningOff;
    MessierCatalogueRecord messier;
    if (LookupMessierObject(CurrentObjectName, messier))
      SetDlgItemText(InformationBoxId, MessierInformation(messier, language).c_str());
  }

  // The runner stops whatever script runs, a speed button's stepping too.
  RunScript(script, FindObjectScriptName, false, FindRunMs);
  EndDateSteppingRuns();
  const std::wstring notice = LoadConsoleString((turningOff ? TurningOffNotice : SelectedNotice) + language);
  KillTimer(StatusLineTimer);
  ShowStatusText(notice + CurrentObjectName, FoundNoticeMs);

  goToStage = false;
  if (turningOff) CurrentObjectName.clear();
  SelectedBodyCode = -1;
  SetDlgItemText(GoToButtonId, LoadConsoleString(CentreOnObjectCaption + language).c_str());
  UpdateGoToTip();
  UpdateFlyByTip();
  RecordStep(script, L"", FindRecordedMs);
  BringConsoleForward();
}
