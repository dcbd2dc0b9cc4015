// The five event buttons: a prepared scene played in Orvenna, its date by one script and its
// place, view and target by a second one that runs through a loader written for it.
#include <array>

#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/planets/find_object_script.h"
#include "src/app/show/event_script.h"
#include "src/app/time/time_scripts.h"
#include "src/catalog/planet_display_name.h"
#include "src/catalog/solar_system_names.h"
#include "src/link/loader_script.h"
#include "src/link/script_file.h"
#include "src/settings/console_settings.h"
#include "src/util/user_folder.h"

namespace {

constexpr UINT FirstEventCommand = 1060;
constexpr UINT EventCompletingNotice = 4480;
constexpr UINT EventCompletingNoticeMs = 19000;
constexpr UINT UnreadableEventDateMessage = 4490;
constexpr UINT EventScriptNoticeMs = 5000;
constexpr DWORD BeforeLoaderRunMs = 250;
constexpr UINT LoaderIdleAfterMs = 2000;
constexpr UINT ZoomOutAfterMs = 15000;

}  // namespace

bool COrvennaConsoleDlg::PassEventGuards() {
  ActionGuards flyBy;
  flyBy.refuseWhileRecordingPaused = false;
  flyBy.refuseDuringFlyBy = true;
  return PassActionGuards({}) && PassScriptOrRateKeysGuard(EventScriptNoticeMs) && PassActionGuards(flyBy) &&
         PassActionGuards(ReplayRefusal);
}

void COrvennaConsoleDlg::OnEventButton(UINT id) {
  if (!PassEventGuards()) return;
  const int slot = static_cast<int>(id - FirstEventCommand);
  const EventRecord event = LoadEventRecord(consoleState, slot);
  // A slot the event editor never filled, or one switched off there, holds no event.
  if (!event.enabled || !StoredEventDate(slot)) {
    SetDlgItemText(InformationBoxId, L"");
    return;
  }
  SelectedBodyCode = NoBodySelected;
  CurrentObjectName.clear();
  ClearSelectionDisplay();
  currentEventIndex = slot;
  SetDlgItemText(InformationBoxId, ReadEventComment(slot).c_str());
  if (consoleState.eventSetsDate[slot]) {
    const int fileErrors = fileErrorsReported;
    if (IsRealDate(event.date))
      RunSetDateScript(event.hour, event.minute, event.second, event.date, false);
    else
      ReportUnreadableEventDate(slot);
    // A date that could not be written for Orvenna ends the event: its place would meet the
    // same full drive and report it again.
    if (fileErrorsReported != fileErrors) return;
  }
  if (!consoleState.eventGoesToPlace[slot]) return;
  ShowStatusMessage(EventCompletingNotice + ReadLanguage(), EventCompletingNoticeMs);
  // A place that was never reached is neither shown nor recorded.
  if (GoToEventSite(static_cast<BYTE>(slot))) ShowLocation(GetPlanetDisplayName(FirstListCode + event.body));
}

// Orvenna would refuse the date without a word: the event plays without it, and the presenter
// learns why once, not at every press of a show.
void COrvennaConsoleDlg::ReportUnreadableEventDate(int slot) {
  if (eventDateReported[static_cast<std::size_t>(slot)]) return;
  eventDateReported[static_cast<std::size_t>(slot)] = true;
  AfxMessageBox(LoadConsoleString(UnreadableEventDateMessage + ReadLanguage()).c_str(),
                MB_ICONEXCLAMATION | MB_OK);
}

std::optional<EventTargetShown> COrvennaConsoleDlg::ShowEventTarget(int slot) {
  const EventTarget target = LoadEventTarget(slot);
  if (!target.wantTarget || (!target.defaultTarget && target.name.empty())) return std::nullopt;
  EventTargetShown shown;
  shown.ground = target.centerOnObject;
  if (target.defaultTarget) {
    const auto body = static_cast<std::size_t>(target.body);
    shown.displayLines = ConstellationDisplayLines(false, 0);
    shown.selection = GetSolarSystemBodyName(body, false);
    CurrentObjectName = GetSolarSystemBodyName(body, true);
  } else {
    // The event keeps its target by name alone: a star is selected by that name too.
    shown.selection = FoundObjectName(target.name);
    if (IsConstellationArtName(shown.selection))
      shown.displayLines = ConstellationDisplayLines(true, LoadDisplayOpts());
    CurrentObjectName = shown.selection;
  }
  UpdateGoToTip();
  return shown;
}

bool COrvennaConsoleDlg::GoToEventSite(BYTE slot) {
  if (!PassEventGuards()) return false;
  // The stored place is read, and a damaged one told, before the loader is written: the presenter
  // may take longer over the message than a loader reset of an earlier run waits.
  const EventRecord event = LoadEventRecord(consoleState, slot);
  EventScene scene;
  scene.slot = slot;
  scene.memo = event.memo;
  scene.body = GetSolarSystemBodyName(static_cast<std::size_t>(event.body), false);
  CoordinateParts longitude;
  ParseCoordinate(consoleState.eventLongitude[slot], true, longitude);
  CoordinateParts latitude;
  ParseCoordinate(consoleState.eventLatitude[slot], false, latitude);
  scene.longitude = EventCoordinateText(longitude, true);
  scene.latitude = EventCoordinateText(latitude, false);
  scene.defaultGround = ReadDefaultGround();
  scene.initialAzimuth = consoleState.initialAzimuth;
  scene.fieldOfView = ReadFieldOfView();
  scene.fadingDuration = consoleState.fadingDuration;
  LoadEventViewFlags(slot, scene.view);
  scene.target = ShowEventTarget(slot);
  const std::wstring script = EventPlaceScript(scene);
  const int runMs = EventPlaceRunMs(scene.target.has_value(), scene.view.autoZoom);

  const std::wstring placeScriptPath = PlanetariumUserFile(EventPlaceScriptName);
  const auto writeRunFiles = [this, &placeScriptPath, &script] {
    return WriteRunFiles(placeScriptPath, script);
  };
  if (!writeRunFiles()) {
    // Nothing runs: the target was never selected.
    CurrentObjectName.clear();
    UpdateGoToTip();
    return false;
  }
  RecordStep(script, L"", static_cast<float>(runMs));
  Sleep(BeforeLoaderRunMs);
  if (!TriggerPlanetariumScript(writeRunFiles)) {
    ResetLoaderScript();
    DeleteScriptFile(placeScriptPath);
    return false;
  }
  if (scene.target && !scene.view.autoZoom) SetTimer(EventZoomOutTimer, ZoomOutAfterMs, nullptr);
  scriptRunning = true;
  SetTimer(EventLoaderResetTimer, LoaderIdleAfterMs, nullptr);
  SetTimer(ScriptFlagTimer, static_cast<UINT>(runMs), nullptr);
  viewZoomedOut = scene.view.autoZoom ? 0 : 1;
  DeleteScriptFile(placeScriptPath);
  return true;
}
