// The monitoring window's measures: its size from the console's, the part of Orvenna's screen
// that it copies, and how a point on its picture maps to a point on Orvenna's window.
#pragma once

#include "platform/win/win_types.h"

// The picture area's x inside the monitoring window.
inline constexpr int PlaybackPictureX = 100;
inline constexpr float InitialPointerScale = 1.5F;

struct PlaybackMeasures {
  int sizePercent = 70;
  SIZE consoleClient{};
  // The monitoring window's frame: its window size less its client size.
  SIZE nonClient{};
  // The right edge of the monitor nearest to Orvenna, and the bottom of Orvenna's client area.
  int monitorRight = 0;
  int planetariumClientBottom = 0;
  bool consoleOnPrimary = true;
};

struct PlaybackGeometry {
  SIZE window{};
  SIZE picture{};
  int closeButtonX = 0;
  int captureWidth = 0;
  int captureHeight = 0;
  // Picture pixels to Orvenna's pixels.
  float pointerScale = InitialPointerScale;
  float aspect = 1;
  int pictureOffset = 0;
};

PlaybackGeometry MeasurePlaybackWindow(const PlaybackMeasures& measures);

// Where a point of the monitoring window's client area falls on Orvenna's window.
POINT PointerOnPlanetarium(POINT client, int pictureOffset, float pointerScale);

// The picture of a screen with that aspect fitted into a box of that size, from its top left.
RECT FitLiveFrame(int boxWidth, int boxHeight, float aspect);
