// Bringing Orvenna to the console's start state after it was placed.
#include "src/app/orvenna_console_dlg.h"

// The start-state script is built by the start-up's actions, which are not in this program yet;
// until they are, a newly placed Orvenna keeps the sky it starts with.
void COrvennaConsoleDlg::ResetPlanetariumToStartState() {}
