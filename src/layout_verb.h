// The scenario verb "layout training|primary|secondary": answers the console's layout chooser as a
// presenter would, with the layout's radio (and the screen's, for the two-monitor layout) and OK.
#pragma once

#include "platform/driver/scenario.h"

void AddLayoutVerb(driver::ScenarioRunner& runner);
