#include "src/media/pdf/viewer_placement.h"

#include <algorithm>
#include <array>

namespace {

LONG Width(const RECT& r) {
  return std::max<LONG>(0, r.right - r.left);
}

LONG Height(const RECT& r) {
  return std::max<LONG>(0, r.bottom - r.top);
}

// The viewer centred in the area, no larger than it.
RECT CentredIn(const RECT& area, SIZE wanted) {
  const LONG width = std::min(wanted.cx, Width(area));
  const LONG height = std::min(wanted.cy, Height(area));
  const LONG left = area.left + (Width(area) - width) / 2;
  const LONG top = area.top + (Height(area) - height) / 2;
  return {left, top, left + width, top + height};
}

}  // namespace

RECT ViewerPlace(const RECT& workArea, const RECT& console, SIZE wanted) {
  // The bands of the work area left, right, above and below the console.
  const std::array<RECT, 4> bands{{
      {workArea.left, workArea.top, std::clamp(console.left, workArea.left, workArea.right), workArea.bottom},
      {std::clamp(console.right, workArea.left, workArea.right), workArea.top, workArea.right,
       workArea.bottom},
      {workArea.left, workArea.top, workArea.right, std::clamp(console.top, workArea.top, workArea.bottom)},
      {workArea.left, std::clamp(console.bottom, workArea.top, workArea.bottom), workArea.right,
       workArea.bottom},
  }};
  const RECT* roomiest = &bands[0];
  for (const RECT& band : bands)
    if (Width(band) * Height(band) > Width(*roomiest) * Height(*roomiest)) roomiest = &band;
  // A band too narrow or too low for a page to be read is no room.
  const bool room = Width(*roomiest) >= wanted.cx / 2 && Height(*roomiest) >= wanted.cy / 2;
  return CentredIn(room ? *roomiest : workArea, wanted);
}
