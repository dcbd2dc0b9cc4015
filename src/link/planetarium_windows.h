// Finding Orvenna's windows by class and title: its main window, in one of the versions the
// console knows, and the render window inside it that reads the keys.
#pragma once

#include <string_view>

#include "platform/win/win_types.h"

struct PlanetariumMainWindow {
  HWND window = nullptr;
  std::wstring_view version;  // "0.18.2", say; empty when no window was found
};

// Tries every supported title, every time, and takes the first that exists in the profile's order.
PlanetariumMainWindow FindPlanetariumMainWindowAndVersion();
HWND FindPlanetariumMainWindow();
// The render child of main, else its fallback child, else main itself; null for a null main.
HWND PlanetariumRenderWindowOf(HWND main);
HWND FindPlanetariumRenderWindow();
