// A simple picture of the sky state, so that screenshots and the console's live monitor show
// what changed: the sky lit or dark, the ground, stars and constellations, grids and lines,
// the planets, the selection, on-screen labels and a line with time, rate, place and view.
#pragma once

#include "peers/orvenna/sky_state.h"
#include "platform/win/win_types.h"

namespace orvenna {

struct PaintExtras {
  bool settings_open = false;  // the settings panel that F2 opens
};

void paint_sky(HDC dc, const RECT& area, const SkyState& sky, const PaintExtras& extras);

}  // namespace orvenna
