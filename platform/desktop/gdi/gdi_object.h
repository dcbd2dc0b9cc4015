// The objects of the graphics interface as the desktop's table holds them.
#pragma once

#include <memory>
#include <variant>

#include "platform/desktop/gdi/rect_list.h"
#include "platform/desktop/gdi/surface.h"
#include "platform/win/gdi_types.h"

namespace desktop {

struct GdiBitmap {
  std::shared_ptr<Surface> surface;
  int bits_per_pixel = 32;   // 1 or 32
  bool dib_section = false;  // its bits are the caller's to write; the row order is the surface's
};

struct GdiBrush {
  UINT style = 0;  // BS_SOLID, BS_NULL, BS_PATTERN
  COLORREF colour = 0;
  // A pattern brush's own copy of its bitmap, so that the bitmap may go.
  std::shared_ptr<const Surface> tile;
  bool tile_monochrome = false;
  ULONG_PTR hatch = 0;     // LOGBRUSH's lbHatch as given
  bool dc_colour = false;  // DC_BRUSH: the colour is the context's
};

struct GdiPen {
  UINT style = 0;  // PS_SOLID ... PS_NULL, PS_INSIDEFRAME
  int width = 1;
  COLORREF colour = 0;
  bool dc_colour = false;  // DC_PEN
};

// Only the record: text is drawn from it elsewhere.
struct GdiFont {
  LOGFONTW logfont{};
};

struct GdiRegion {
  RectList area;
};

struct GdiObject {
  std::variant<GdiBitmap, GdiBrush, GdiPen, GdiFont, GdiRegion> data;
  bool stock = false;  // never freed; DeleteObject leaves it
};

}  // namespace desktop
