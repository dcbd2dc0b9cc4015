// The monitors of the desktop. The first is the primary one, with its top left at (0, 0).
#pragma once

#include <string>
#include <vector>

#include "platform/win/win_types.h"

namespace desktop {

struct MonitorConfig {
  RECT rect{0, 0, 1920, 1080};
  UINT dpi_x = 96;
  UINT dpi_y = 96;
  int refresh_hz = 60;
};

struct Monitor {
  RECT rect{};
  RECT work{};  // what the taskbar leaves, as SPI_SETWORKAREA last set it
  UINT dpi_x = 96;
  UINT dpi_y = 96;
  int refresh_hz = 60;
  std::wstring device;  // "\\.\DISPLAY1" ...
};

std::vector<Monitor> monitors_from(const std::vector<MonitorConfig>& configs);

// The monitor that a rectangle overlaps most, or -1 when it overlaps none.
int monitor_overlapping(const std::vector<Monitor>& monitors, const RECT& rect);
// The monitor nearest to a point (the one holding it, else the closest edge).
int monitor_nearest(const std::vector<Monitor>& monitors, POINT point);
RECT virtual_screen(const std::vector<Monitor>& monitors);

}  // namespace desktop
