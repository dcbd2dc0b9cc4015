// The sky switches that run a one-line script in Orvenna, and the two that keep state of their
// own: shooting stars and the three-step meteor-shower labels and markers.
#include <algorithm>
#include <array>
#include <string_view>

#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/app/window/command_rows.h"
#include "src/settings/console_settings.h"
#include "src/util/format_text.h"

namespace {

constexpr UINT IsolateConstellationId = 1128;
constexpr UINT PrecessionCirclesId = 1001;
constexpr UINT LongitudeLineId = 989;
constexpr UINT GalacticGridId = 999;
constexpr UINT CelestialPolesId = 8482;
constexpr UINT CircumpolarCirclesId = 8480;
constexpr UINT GalacticEquatorId = 8481;

constexpr int SwitchScriptMs = 4500;

enum class SwitchGuards {
  RecordingPaused,
  // and Orvenna available
  PausedAndPlanetarium,
  // and no script running, and no fly-by
  PausedPlanetariumScriptFlyBy,
};

struct ScriptedSwitch {
  UINT commandId;
  SwitchGuards guards;
  std::wstring_view script;
  std::wstring_view file;
  // Period of timer 107, which clears the script-running flag; 0 leaves the flag alone.
  UINT scriptFlagMs;
  bool recordBeforeRun;
  std::wstring_view keyword;
  // Status message after the run, 0 for none.
  UINT doneNotice;
  UINT doneNoticeMs;
};

constexpr std::array ScriptedSwitches{
    ScriptedSwitch{IsolateConstellationId, SwitchGuards::RecordingPaused,
                   L"ConstellationMgr.setFlagIsolateSelected(false);\r", L"OCisolateSelected.ovs", 0, true,
                   L"", 4300, 3500},
    ScriptedSwitch{PrecessionCirclesId, SwitchGuards::PausedAndPlanetarium,
                   L"var precgrid = GridLinesMgr.getFlagPrecessionCircles();\r"
                   L"GridLinesMgr.setFlagPrecessionCircles(!precgrid);\r",
                   L"Precession.ovs", 100, false, L"precgrid", 0, 0},
    // Recorded once: a replay must flip the line once.
    ScriptedSwitch{LongitudeLineId, SwitchGuards::PausedAndPlanetarium,
                   L"GridLinesMgr.setFlagLongitudeLine(!GridLinesMgr.getFlagLongitudeLine());\r",
                   L"longline.ovs", 100, false, L"longline", 0, 0},
    ScriptedSwitch{GalacticGridId, SwitchGuards::PausedAndPlanetarium,
                   L"GridLinesMgr.setFlagGalacticGrid(!GridLinesMgr.getFlagGalacticGrid());\r",
                   L"GalacticGrid.ovs", 100, false, L"galacticgrid", 0, 0},
    ScriptedSwitch{CelestialPolesId, SwitchGuards::PausedPlanetariumScriptFlyBy,
                   L"GridLinesMgr.setFlagCelestialPoles(!GridLinesMgr.getFlagCelestialPoles());\r",
                   L"OnCPole.ovs", 300, true, L"", 0, 0},
    ScriptedSwitch{CircumpolarCirclesId, SwitchGuards::PausedPlanetariumScriptFlyBy,
                   L"GridLinesMgr.setFlagCircumpolarCircles(!GridLinesMgr.getFlagCircumpolarCircles());\r",
                   L"OnCircumpolar.ovs", 300, true, L"", 0, 0},
    ScriptedSwitch{GalacticEquatorId, SwitchGuards::PausedPlanetariumScriptFlyBy,
                   L"GridLinesMgr.setFlagGalacticEquatorLine(!GridLinesMgr.getFlagGalacticEquatorLine());\r",
                   L"OnGELine.ovs", 300, true, L"", 0, 0},
};

constexpr wchar_t MeteorPluginMissing[] =
    L"Meteor plugin not enabled! Please enable the plugin in config.ini file, then restart Orvenna!";
constexpr UINT MeteorPluginMissingMs = 6000;

constexpr wchar_t ShootingStarsFile[] = L"ShootingOC.ovs";
constexpr wchar_t ShootingStarsOnFormat[] =
    L"SporadicMeteorMgr.setZHR(%d);\rSporadicMeteorMgr.setFlagShow(true);\r";
constexpr wchar_t ShootingStarsOff[] = L"SporadicMeteorMgr.setFlagShow(false);\r";
constexpr UINT ShootingStarsRateZeroNotice = 4230;
constexpr UINT ShootingStarsRateZeroMs = 5000;
constexpr UINT ShootingStarsOnNotice = 4240;
constexpr UINT ShootingStarsOffNotice = 4250;
constexpr UINT ShootingStarsNoticeMs = 2000;
constexpr UINT ShootingStarsForwardMs = 400;

constexpr wchar_t MeteorMarkersFile[] = L"enablemarker.ovs";
constexpr std::array<std::wstring_view, 3> MeteorMarkerScripts{
    L"MeteorShowers.setEnableLabels(true);\rMeteorShowers.setEnableMarker(true);\r",
    L"MeteorShowers.setEnableLabels(false);\rMeteorShowers.setEnableMarker(true);\r",
    L"MeteorShowers.setEnableLabels(false);\rMeteorShowers.setEnableMarker(false);\r",
};
constexpr UINT MeteorMarkersFlagMs = 100;

ActionGuards PausedAndPlanetarium() {
  ActionGuards guards;
  guards.ensurePlanetarium = true;
  return guards;
}

ActionGuards FlyByOnly() {
  ActionGuards guards;
  guards.refuseWhileRecordingPaused = false;
  guards.refuseDuringFlyBy = true;
  return guards;
}

}  // namespace

void COrvennaConsoleDlg::OnIsolateConstellation() {
  RunScriptedSwitch(IsolateConstellationId);
}
void COrvennaConsoleDlg::OnPrecessionCircles() {
  RunScriptedSwitch(PrecessionCirclesId);
}
void COrvennaConsoleDlg::OnLongitudeLine() {
  RunScriptedSwitch(LongitudeLineId);
}
void COrvennaConsoleDlg::OnGalacticGrid() {
  RunScriptedSwitch(GalacticGridId);
}
void COrvennaConsoleDlg::OnCelestialPoles() {
  RunScriptedSwitch(CelestialPolesId);
}
void COrvennaConsoleDlg::OnCircumpolarCircles() {
  RunScriptedSwitch(CircumpolarCirclesId);
}
void COrvennaConsoleDlg::OnGalacticEquator() {
  RunScriptedSwitch(GalacticEquatorId);
}

void COrvennaConsoleDlg::RunScriptedSwitch(UINT commandId) {
  const ScriptedSwitch& toggle = RowForCommand(ScriptedSwitches, commandId);
  // The pause is refused before anything acts, as every other recording action does.
  ActionGuards guards;
  guards.ensurePlanetarium = toggle.guards != SwitchGuards::RecordingPaused;
  guards.refuseWhileScriptRuns = toggle.guards == SwitchGuards::PausedPlanetariumScriptFlyBy;
  guards.refuseDuringReplay = true;
  if (!PassActionGuards(guards)) return;
  if (toggle.guards == SwitchGuards::PausedPlanetariumScriptFlyBy && !PassActionGuards(FlyByOnly())) return;

  const std::wstring script(toggle.script);
  if (toggle.recordBeforeRun) RecordStep(script, std::wstring(toggle.keyword), 0);
  if (toggle.scriptFlagMs != 0) {
    KillTimer(ScriptFlagTimer);
    scriptRunning = true;
  }
  RunScript(script, std::wstring(toggle.file), false, SwitchScriptMs);
  if (toggle.scriptFlagMs != 0) {
    SetTimer(ScriptFlagTimer, toggle.scriptFlagMs, nullptr);
    BringConsoleForward();
  }
  if (toggle.doneNotice != 0) ShowStatusMessage(toggle.doneNotice + ReadLanguage(), toggle.doneNoticeMs);
  if (!toggle.recordBeforeRun) RecordStep(script, std::wstring(toggle.keyword), 0);
}

void COrvennaConsoleDlg::OnShootingStars() {
  if (!meteorPluginLoaded) {
    ShowStatusText(MeteorPluginMissing, MeteorPluginMissingMs);
    return;
  }
  if (!PassActionGuards(PausedAndPlanetarium()) || !PassActionGuards(FlyByOnly()) ||
      !PassActionGuards(ReplayRefusal))
    return;
  const int frequency = ReadShootingStarsFrequency();
  const UINT language = ReadLanguage();
  if (!shootingStarsOn && frequency == 0) {
    ShowStatusMessage(ShootingStarsRateZeroNotice + language, ShootingStarsRateZeroMs);
    return;
  }
  ShowStatusMessage((shootingStarsOn ? ShootingStarsOffNotice : ShootingStarsOnNotice) + language,
                    ShootingStarsNoticeMs);
  const std::wstring script =
      shootingStarsOn ? ShootingStarsOff : FormatText(ShootingStarsOnFormat, frequency);
  RunScript(script, ShootingStarsFile, false, SwitchScriptMs);
  shootingStarsOn = !shootingStarsOn;
  KillTimer(ConsoleForwardTimer);
  SetTimer(ConsoleForwardTimer, ShootingStarsForwardMs, nullptr);
  RecordStep(script, L"", 0);
}

void COrvennaConsoleDlg::OnMeteorShowerMarkers() {
  if (!meteorPluginLoaded) {
    ShowStatusText(MeteorPluginMissing, MeteorPluginMissingMs);
    return;
  }
  if (!PassActionGuards(PausedAndPlanetarium()) || !PassActionGuards(ReplayRefusal)) return;
  meteorMarkerState = static_cast<BYTE>((meteorMarkerState + 1) % MeteorMarkerScripts.size());
  const std::wstring script(MeteorMarkerScripts[meteorMarkerState]);
  RecordStep(script, L"marker", 0);
  KillTimer(ScriptFlagTimer);
  scriptRunning = true;
  RunScript(script, MeteorMarkersFile, false, SwitchScriptMs);
  SetTimer(ScriptFlagTimer, MeteorMarkersFlagMs, nullptr);
  BringConsoleForward();
}
