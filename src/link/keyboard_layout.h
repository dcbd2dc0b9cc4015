// The keyboard layout in which Orvenna reads keys, so that a character such as '1' becomes the
// key Orvenna sees as that character.
#pragma once

#include "platform/win/win_types.h"

inline constexpr wchar_t PlanetariumNotRunningWarning[] =
    L"Orvenna is not running. Please start Orvenna using the related button.";

struct PlanetariumLayout {
  HKL layout = nullptr;
  bool planetariumFound = false;
};

// Orvenna's thread's layout, also activated for the console when its language differs from the
// system's default; without Orvenna the US English layout, loaded and activated. The warning is
// the caller's to show.
PlanetariumLayout FindPlanetariumKeyboardLayout();

// The same for code without the main dialog at hand: the warning is an exclamation box.
HKL SyncKeyboardLayoutWithPlanetarium();
