// A device context of the desktop: the screen, a window, or memory.
#pragma once

#include <optional>
#include <vector>

#include "platform/desktop/gdi/rect_list.h"
#include "platform/win/win_types.h"

namespace desktop {

// What SaveDC keeps and RestoreDC brings back. The Win32 layer sets the defaults.
struct DcAttributes {
  HGDIOBJ bitmap = nullptr;  // memory contexts only
  HGDIOBJ brush = nullptr;
  HGDIOBJ pen = nullptr;
  HGDIOBJ font = nullptr;  // text is drawn with it and with the colours and mode below
  COLORREF text_colour = 0;
  COLORREF background_colour = 0;
  int background_mode = 0;
  UINT text_align = 0;  // TA_LEFT | TA_TOP | TA_NOUPDATECP
  int stretch_mode = 0;
  int rop2 = 0;
  COLORREF dc_brush_colour = 0;
  COLORREF dc_pen_colour = 0;
  POINT viewport_origin{};
  POINT brush_origin{};
  POINT position{};
  // The program's own clip in device coordinates; none leaves the whole device.
  std::optional<RectList> clip;
};

struct DeviceContext {
  enum class Kind { Screen, Window, WindowWithFrame, Memory };

  Kind kind = Kind::Screen;
  HWND window = nullptr;   // for window contexts
  DWORD owner_thread = 0;  // GetDC contexts go back through ReleaseDC on this thread
  DcAttributes attributes;
  // BeginPaint's update area in device coordinates, beyond the reach of the program's clip.
  std::optional<RectList> paint_area;
  std::vector<DcAttributes> saved;  // SaveDC's levels, the first at index 0
};

}  // namespace desktop
