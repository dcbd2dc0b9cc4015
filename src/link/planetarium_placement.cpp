// Where Orvenna's window goes: full screen on the monitor the console leaves free (two-monitor
// layout), or a square window at the top left of the primary screen (training layout). Orvenna
// switches full screen by F11 only, so the console reads the mode from the window's borders.
#include "platform/win/focus_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_styles.h"
#include "platform/win/win_types.h"
#include "platform/win/window_api.h"
#include "src/link/key_injection.h"
#include "src/link/monitor_placement.h"
#include "src/link/planetarium_link.h"

namespace {

// The console's training window keeps this much of the screen's right and bottom.
constexpr int TrainingConsoleWidth = 968;
constexpr int TrainingConsoleHeight = 623;
constexpr int SquareFrame = 12;

struct Borders {
  bool fullScreen;  // both border widths zero
  bool windowed;    // both border widths non-zero
};

Borders BordersOf(HWND main) {
  WINDOWINFO info{};
  info.cbSize = sizeof(info);
  GetWindowInfo(main, &info);
  return {info.cxWindowBorders == 0 && info.cyWindowBorders == 0,
          info.cxWindowBorders != 0 && info.cyWindowBorders != 0};
}

void PressKey(BYTE virtualKey) {
  SendKeyToPlanetarium(virtualKey, false);
}

void RestoreIfMinimised(HWND main) {
  if (IsIconic(main)) ShowWindow(main, SW_RESTORE);
}

}  // namespace

bool PlanetariumLink::IsOnConsolesMonitor(HWND main) const {
  return IsOnPrimaryMonitor(main) == (ConsoleScreen == 1);
}

void PlanetariumLink::LeaveFullScreen(HWND main, HWND view, DWORD waitMs) {
  SetForegroundWindow(main);
  Sleep(100);
  ActivatePlanetariumView(view);
  PressKey(VK_F11);
  Sleep(waitMs);
}

void PlanetariumLink::MoveToOtherMonitor(HWND main) {
  CenterWindowOnMonitor(main, ConsoleScreen == 1 ? SecondaryMonitor() : PrimaryMonitor());
}

// A window that stayed windowed on Orvenna's monitor goes full screen; F2 and Escape open and
// close Orvenna's settings panel, which makes it redraw at the new size.
void PlanetariumLink::FixWindowed(HWND main) {
  if (!BordersOf(main).windowed) return;
  Sleep(800);
  PressKey(VK_F11);
  Sleep(1200);
  PressKey(VK_F2);
  PressKey(VK_ESCAPE);
  Sleep(1300);
}

void PlanetariumLink::SquarePlacement(HWND main) {
  RECT screen{};
  GetWindowRect(GetDesktopWindow(), &screen);
  const int a = screen.right - TrainingConsoleWidth;
  const int b = screen.bottom - TrainingConsoleHeight;
  const int side = b > a ? b : a;
  SetWindowPos(main, nullptr, 0, 0, side, side, SWP_NOZORDER);
  planetariumHalfSizeX = planetariumHalfSizeY = (side - SquareFrame) / 2;
}

// The training layout's first placement brings the sky to the console's start state too.
int PlanetariumLink::FirstSquarePlacement(HWND main) {
  SquarePlacement(main);
  Sleep(800);
  planetariumPlacementPending = false;
  ResetPlanetariumToStartState();
  return PlanetariumStartedOrPlaced;
}

int PlanetariumLink::PlaceAfterStart() {
  HWND main = FindPlanetariumWindow();
  HWND view = FindPlanetariumView();
  ActivatePlanetariumView(view);
  const bool fullScreen = BordersOf(main).fullScreen;
  RestoreIfMinimised(main);
  if (ConsoleLayout == TwoMonitorLayout) {
    if (IsOnConsolesMonitor(main)) {
      if (fullScreen) LeaveFullScreen(main, view, ConsoleScreen == 1 ? 1000 : 500);
      MoveToOtherMonitor(main);
      Sleep(800);
      PressKey(VK_F11);
      Sleep(1600);
    } else {
      FixWindowed(main);
    }
    planetariumPlaced = true;
    return PlanetariumStartedOrPlaced;
  }
  if (fullScreen) LeaveFullScreen(main, view, 1000);
  return FirstSquarePlacement(main);
}

bool PlanetariumLink::PlaceStartedPlanetarium() {
  if (FindPlanetariumWindow() == nullptr || FindPlanetariumView() == nullptr) return false;
  planetariumPlaced = false;
  planetariumPlacementPending = true;
  return PlaceAfterStart() == PlanetariumStartedOrPlaced;
}

int PlanetariumLink::PlaceRunningOnOtherMonitor() {
  HWND main = FindPlanetariumWindow();
  if (planetariumPlaced) return PlanetariumStartedOrPlaced;
  if (main == nullptr) return PlanetariumMainWindowMissing;
  HWND view = FindPlanetariumView();
  if (view == nullptr) return PlanetariumMonitorsMissing;
  const bool fullScreen = BordersOf(main).fullScreen;
  RestoreIfMinimised(main);
  SetForegroundWindow(main);
  if (IsOnConsolesMonitor(main)) {
    if (fullScreen) {
      Sleep(100);
      ActivatePlanetariumView(view);
      PressKey(VK_F11);
      Sleep(1000);
    }
    MoveToOtherMonitor(main);
  }
  FixWindowed(main);
  planetariumPlaced = true;
  return PlanetariumStartedOrPlaced;
}

int PlanetariumLink::PlacePendingSquare() {
  HWND main = FindPlanetariumWindow();
  if (main == nullptr) return PlanetariumMainWindowMissing;
  if (!IsOnPrimaryMonitor(main)) return PlanetariumOnSecondaryMonitor;
  const bool fullScreen = BordersOf(main).fullScreen;
  RestoreIfMinimised(main);
  if (fullScreen) {
    SetForegroundWindow(main);
    Sleep(100);
    PressKey(VK_F11);
    Sleep(2000);
  }
  SetForegroundWindow(main);
  Sleep(500);
  return FirstSquarePlacement(main);
}

int PlanetariumLink::KeepSquare() {
  HWND main = FindPlanetariumWindow();
  if (main == nullptr) return PlanetariumMainWindowMissing;
  if (!BordersOf(main).windowed) {
    SetForegroundWindow(main);
    Sleep(100);
    PressKey(VK_F11);
    Sleep(200);
    SetForegroundWindow(ConsoleWindow());
    SquarePlacement(main);
  }
  return PlanetariumAlreadyPlaced;
}
