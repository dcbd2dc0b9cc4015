#include "src/app/screen/playback_geometry.h"

namespace {

constexpr int CloseButtonFromRight = 80;
constexpr int ButtonColumnWidth = 200;

}  // namespace

PlaybackGeometry MeasurePlaybackWindow(const PlaybackMeasures& m) {
  // The percentage is applied before dividing so that 70 % of 1280 is exactly 896.
  const double pictureWidth = static_cast<double>(m.sizePercent * m.consoleClient.cx) / 100.0;
  const double pictureHeight = static_cast<double>(m.sizePercent * m.consoleClient.cy) / 100.0;
  PlaybackGeometry g;
  const double width = pictureWidth + m.nonClient.cx + ButtonColumnWidth;
  g.window = {static_cast<LONG>(width), static_cast<LONG>(pictureHeight + m.nonClient.cy)};
  g.picture = {static_cast<LONG>(pictureWidth - m.nonClient.cx), g.window.cy};
  g.closeButtonX = static_cast<int>(width - CloseButtonFromRight);
  g.captureWidth = m.consoleOnPrimary ? m.monitorRight - m.consoleClient.cx : m.monitorRight;
  g.captureHeight = m.planetariumClientBottom;
  // Without a height on either side there is no scale to compute: the initial one stays.
  if (g.captureHeight <= 0 || pictureHeight <= 0) return g;
  const double scale = g.captureHeight / pictureHeight;
  g.pointerScale = static_cast<float>(scale);
  g.aspect = static_cast<float>(g.captureWidth) / static_cast<float>(g.captureHeight);
  g.pictureOffset = static_cast<int>((pictureWidth + m.nonClient.cx - g.captureWidth / scale) / 2.0);
  return g;
}

POINT PointerOnPlanetarium(POINT client, int pictureOffset, float pointerScale) {
  return {static_cast<LONG>(static_cast<float>(client.x - pictureOffset - PlaybackPictureX) * pointerScale),
          static_cast<LONG>(static_cast<float>(client.y) * pointerScale)};
}

RECT FitLiveFrame(int boxWidth, int boxHeight, float aspect) {
  RECT fitted{0, 0, boxWidth, boxHeight};
  if (aspect <= 0) return fitted;
  if (static_cast<int>(static_cast<float>(boxHeight) * aspect) > boxWidth)
    fitted.bottom = static_cast<LONG>(static_cast<float>(boxWidth) / aspect);
  else
    fitted.right = static_cast<LONG>(static_cast<float>(boxHeight) * aspect);
  return fitted;
}
