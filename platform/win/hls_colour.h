// Hue, luminance and saturation as the colour dialog shows them: hue 0 to 239 round the colour
// wheel from red, luminance and saturation 0 to 240.
#pragma once

#include "platform/win/win_types.h"

inline constexpr int kHlsHueSteps = 240;
inline constexpr int kHlsMax = 240;

struct HlsColour {
  int hue;
  int lum;
  int sat;
};

HlsColour hls_from_rgb(COLORREF colour);
COLORREF rgb_from_hls(HlsColour hls);
