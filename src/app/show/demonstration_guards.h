// The guards the demonstrations begin with: a paused recording, a fly-by, Orvenna not available
// and, for the scripted ones, a script still running.
#pragma once

#include "src/app/orvenna_console_dlg.h"

inline ActionGuards DemonstrationGuards(bool refuseWhileScriptRuns) {
  ActionGuards guards;
  guards.refuseDuringFlyBy = true;
  guards.ensurePlanetarium = true;
  guards.refuseWhileScriptRuns = refuseWhileScriptRuns;
  guards.refuseDuringReplay = refuseWhileScriptRuns;
  return guards;
}
