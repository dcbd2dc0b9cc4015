// The arguments mpv is started with for a video: no frame, no on-screen controls, the picture's
// flip, volume and rotation, its place over Orvenna's view, and the file in double quotes.
#pragma once

#include <string>

#include "platform/win/win_types.h"

struct MpvVideo {
  std::wstring fileName;
  int volume = 100;
  int rotation = 0;
  bool flip = false;
  bool fullScreen = false;
  // The window's place relative to Orvenna's view, and its size, when not full screen.
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Where Orvenna's view is: its screen rectangle, and the monitor that holds it with its index in
// EnumDisplayMonitors order.
struct MpvScreen {
  bool twoMonitorLayout = false;
  RECT view{};
  int monitorIndex = 0;
  RECT monitor{};
};

// Each fragment keeps its blank on either side, so neighbours stand two blanks apart.
std::wstring BuildMpvArguments(const MpvVideo& video, const MpvScreen& screen);

// The screen of Orvenna's view as mpv numbers the monitors.
MpvScreen MpvScreenOf(HWND view, bool twoMonitorLayout);
