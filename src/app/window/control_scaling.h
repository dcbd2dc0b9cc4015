// The main window is designed for 1920 by 1080 pixels; at start-up every control is moved and
// resized to the console's monitor (two-monitor layout) or to its own small window (training).
#pragma once

#include "platform/win/win_types.h"

inline constexpr float DesignWidth = 1920.0f;
inline constexpr float DesignHeight = 1080.0f;

// Where the console window lies, as the scaling needs it.
struct ScalingFrame {
  BYTE layout;
  BYTE screen;            // 1 primary monitor, 0 secondary
  RECT secondaryMonitor;  // the monitor the console covers when screen is 0
  RECT window;            // the console's window rectangle
  int frameWidth;         // window width less client width
  int frameHeight;        // window height less client height
};

struct ScaledPlacement {
  int x, y, width, height;
  bool operator==(const ScaledPlacement&) const = default;
};

// The client position and size of a control whose screen rectangle is control, with the factors.
ScaledPlacement ScaledControlPlacement(const RECT& control, float sx, float sy, const ScalingFrame& frame);
