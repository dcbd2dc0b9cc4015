// The world map button: a click on the map moves Orvenna's observer to that place on the Earth.
#include "src/app/orvenna_console_dlg.h"
#include "src/dialogs/mercator.h"

namespace {

constexpr wchar_t MapScriptName[] = L"mapchoise.ovs";
constexpr int MapScriptMs = 5000;

}  // namespace

INT_PTR COrvennaConsoleDlg::RunWorldMap() {
  CMercator map(this, &scriptBuffer, ConsoleLayout == TwoMonitorLayout, ConsoleScreen);
  return map.DoModal();
}

void COrvennaConsoleDlg::OnWorldMap() {
  ActionGuards guards;
  guards.refuseDuringFlyBy = true;
  guards.ensurePlanetarium = true;
  guards.refuseWhileScriptRuns = true;
  guards.refuseDuringReplay = true;
  if (!PassActionGuards(guards)) return;
  if (RunWorldMap() != CMercator::PlaceChosen) return;
  RunScript(scriptBuffer, MapScriptName, true, MapScriptMs);
  RecordStep(scriptBuffer, L"", MapScriptMs);
  scriptRunning = true;
}
