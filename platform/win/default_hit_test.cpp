// What DefWindowProcW answers to WM_NCHITTEST: the part of the window's frame under a point.
#include "platform/win/mouse_internal.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

using desktop::Window;

namespace {

bool contains(const RECT& rect, POINT point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

// Within a sizing frame, this far from a corner along either edge sizes both ways.
int corner_reach(int frame) {
  return GetSystemMetrics(SM_CYCAPTION) + frame;
}

LRESULT sizing_edge(const RECT& rect, const RECT& inner, POINT point, int frame) {
  const int reach = corner_reach(frame);
  const bool near_left = point.x < rect.left + reach;
  const bool near_right = point.x >= rect.right - reach;
  const bool near_top = point.y < rect.top + reach;
  const bool near_bottom = point.y >= rect.bottom - reach;
  if (point.y < inner.top) return near_left ? HTTOPLEFT : near_right ? HTTOPRIGHT : HTTOP;
  if (point.y >= inner.bottom) return near_left ? HTBOTTOMLEFT : near_right ? HTBOTTOMRIGHT : HTBOTTOM;
  if (point.x < inner.left) return near_top ? HTTOPLEFT : near_bottom ? HTBOTTOMLEFT : HTLEFT;
  return near_top ? HTTOPRIGHT : near_bottom ? HTBOTTOMRIGHT : HTRIGHT;
}

// The caption's buttons are as wide as the caption is high: the system menu at the left, close,
// maximise and minimise from the right.
LRESULT caption_part(const Window& window, const RECT& inner, POINT point, int height) {
  if (!(window.style & WS_SYSMENU)) return HTCAPTION;
  if (!(window.ex_style & WS_EX_TOOLWINDOW) && point.x < inner.left + height) return HTSYSMENU;
  const LONG from_right = inner.right - point.x;
  if (from_right <= height) return HTCLOSE;
  if (!(window.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) || (window.ex_style & WS_EX_TOOLWINDOW))
    return HTCAPTION;
  if (from_right <= 2 * height) return HTMAXBUTTON;
  if (from_right <= 3 * height) return HTMINBUTTON;
  return HTCAPTION;
}

}  // namespace

namespace win_internal {

LRESULT default_hit_test(desktop::Desktop& machine, const Window& window, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const RECT rect = window_rect_on_screen(machine, window);
  if (!contains(rect, point)) return HTNOWHERE;
  if (window.minimized) return HTCAPTION;
  if (contains(client_rect_on_screen(machine, window), point)) return HTCLIENT;
  const int frame = static_cast<int>(frame_width(window.style, window.ex_style));
  const RECT inner{rect.left + frame, rect.top + frame, rect.right - frame, rect.bottom - frame};
  if (!contains(inner, point)) {
    if ((window.style & WS_THICKFRAME) && !window.maximized) return sizing_edge(rect, inner, point, frame);
    return HTBORDER;
  }
  if ((window.style & WS_CAPTION) == WS_CAPTION) {
    const int height = GetSystemMetrics((window.ex_style & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    if (point.y < inner.top + height) return caption_part(window, inner, point, height);
  }
  return HTBORDER;
}

}  // namespace win_internal
