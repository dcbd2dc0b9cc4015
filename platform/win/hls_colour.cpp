#include "platform/win/hls_colour.h"

#include <algorithm>
#include <cmath>

#include "platform/win/win_macros.h"

namespace {

// One channel from the two ends of the luminance range and a hue in sixths of the wheel.
double channel(double low, double high, double hue) {
  hue = hue < 0 ? hue + 6 : (hue >= 6 ? hue - 6 : hue);
  if (hue < 1) return low + (high - low) * hue;
  if (hue < 3) return high;
  if (hue < 4) return low + (high - low) * (4 - hue);
  return low;
}

int scaled(double value, int top) {
  return std::clamp(static_cast<int>(std::lround(value * top)), 0, top);
}

}  // namespace

HlsColour hls_from_rgb(COLORREF colour) {
  const double r = GetRValue(colour) / 255.0;
  const double g = GetGValue(colour) / 255.0;
  const double b = GetBValue(colour) / 255.0;
  const double high = std::max({r, g, b});
  const double low = std::min({r, g, b});
  const double lum = (high + low) / 2;
  if (high == low) return {0, scaled(lum, kHlsMax), 0};
  const double range = high - low;
  const double sat = lum <= 0.5 ? range / (high + low) : range / (2 - high - low);
  double hue = high == r ? (g - b) / range : (high == g ? 2 + (b - r) / range : 4 + (r - g) / range);
  if (hue < 0) hue += 6;
  return {scaled(hue / 6, kHlsHueSteps) % kHlsHueSteps, scaled(lum, kHlsMax), scaled(sat, kHlsMax)};
}

COLORREF rgb_from_hls(HlsColour hls) {
  const double lum = std::clamp(hls.lum, 0, kHlsMax) / static_cast<double>(kHlsMax);
  const double sat = std::clamp(hls.sat, 0, kHlsMax) / static_cast<double>(kHlsMax);
  const double hue = (std::clamp(hls.hue, 0, kHlsHueSteps - 1) * 6.0) / kHlsHueSteps;
  const double high = lum <= 0.5 ? lum * (1 + sat) : lum + sat - lum * sat;
  const double low = 2 * lum - high;
  const auto byte = [](double value) { return static_cast<BYTE>(scaled(value, 255)); };
  return RGB(byte(channel(low, high, hue + 2)), byte(channel(low, high, hue)),
             byte(channel(low, high, hue - 2)));
}
