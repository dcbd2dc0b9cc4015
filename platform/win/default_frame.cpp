// What DefWindowProcW paints outside the client area of a top-level window: the border, the
// caption with the window's title and its close box, and the client edge.
#include <algorithm>

#include "platform/win/device_context_api.h"
#include "platform/win/gdi_dc_api.h"
#include "platform/win/gdi_draw_api.h"
#include "platform/win/gdi_font_api.h"
#include "platform/win/gdi_object_api.h"
#include "platform/win/gdi_sys_color_api.h"
#include "platform/win/gdi_text_api.h"
#include "platform/win/rect_api.h"
#include "platform/win/system_parameters_api.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_styles.h"

namespace {

constexpr int kTitleInset = 6;
constexpr int kBoxInset = 2;
constexpr int kClientEdge = 2;

struct FrameColours {
  int border;
  int caption;
  int caption_text;
};

constexpr FrameColours kActive{COLOR_ACTIVEBORDER, COLOR_ACTIVECAPTION, COLOR_CAPTIONTEXT};
constexpr FrameColours kInactive{COLOR_INACTIVEBORDER, COLOR_INACTIVECAPTION, COLOR_INACTIVECAPTIONTEXT};

void paint_border(HDC dc, const RECT& whole, int width, const FrameColours& colours) {
  const RECT strips[] = {
      {whole.left, whole.top, whole.right, whole.top + width},
      {whole.left, whole.bottom - width, whole.right, whole.bottom},
      {whole.left, whole.top, whole.left + width, whole.bottom},
      {whole.right - width, whole.top, whole.right, whole.bottom},
  };
  for (const RECT& strip : strips)
    FillRect(dc, &strip, GetSysColorBrush(colours.border));
  FrameRect(dc, &whole, GetSysColorBrush(COLOR_WINDOWFRAME));
}

// The close box: a raised square with a cross, as high as the caption allows.
RECT paint_close_box(HDC dc, const RECT& caption) {
  const int side = std::max<int>(0, caption.bottom - caption.top - 2 * kBoxInset);
  const RECT box{caption.right - kBoxInset - side, caption.top + kBoxInset, caption.right - kBoxInset,
                 caption.top + kBoxInset + side};
  FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
  FrameRect(dc, &box, GetSysColorBrush(COLOR_WINDOWFRAME));
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ old = SelectObject(dc, pen);
  const int inset = side / 4;
  MoveToEx(dc, box.left + inset, box.top + inset, nullptr);
  LineTo(dc, box.right - inset, box.bottom - inset);
  MoveToEx(dc, box.right - inset - 1, box.top + inset, nullptr);
  LineTo(dc, box.left + inset - 1, box.bottom - inset);
  SelectObject(dc, old);
  DeleteObject(pen);
  return box;
}

void paint_caption(HDC dc, const desktop::Window& window, const RECT& caption, const FrameColours& colours) {
  FillRect(dc, &caption, GetSysColorBrush(colours.caption));
  RECT title = caption;
  title.left += kTitleInset;
  if (window.style & WS_SYSMENU) title.right = paint_close_box(dc, caption).left - kBoxInset;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(colours.caption_text));
  DrawTextW(dc, window.title.c_str(), static_cast<int>(window.title.size()), &title,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, old);
  DeleteObject(font);
}

}  // namespace

namespace win_internal {

void paint_default_frame(HWND hwnd, const desktop::Window& window, bool active) {
  if (window.is_child() || !has_frame(window)) return;
  HDC dc = GetWindowDC(hwnd);
  if (dc == nullptr) return;
  const FrameColours& colours = active ? kActive : kInactive;
  const RECT whole{0, 0, window.rect.right - window.rect.left, window.rect.bottom - window.rect.top};
  const int border = static_cast<int>(frame_width(window.style, window.ex_style));
  const int edge = (window.ex_style & WS_EX_CLIENTEDGE) ? kClientEdge : 0;
  if (border > 0) paint_border(dc, whole, border, colours);
  if ((window.style & WS_CAPTION) == WS_CAPTION && window.client.top - edge > border)
    paint_caption(dc, window, {border, border, whole.right - border, window.client.top - edge}, colours);
  if (edge > 0) {
    RECT around = window.client;
    InflateRect(&around, edge, edge);
    DrawEdge(dc, &around, EDGE_SUNKEN, BF_RECT);
  }
  ReleaseDC(hwnd, dc);
}

}  // namespace win_internal
