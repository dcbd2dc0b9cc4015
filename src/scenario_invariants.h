// What must always hold for a presenter, checked by the scenario runner after every step when
// asked to (--invariants): the keyboard stays with the console's dialog while one waits for the
// presenter, the console's windows stand whole on the console's monitor (only the pictures over
// Orvenna's view stand on Orvenna's), the black backdrop never stands without its picture, and
// nothing of a closed window is left (its timers, a dialog hidden but not destroyed).
#pragma once

#include "platform/driver/scenario.h"

void AddConsoleInvariants(driver::ScenarioRunner& runner);
