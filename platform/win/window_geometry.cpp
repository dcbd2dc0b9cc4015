// Window and client rectangles, coordinate mapping and the non-client metrics.
#include <algorithm>

#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace {

// Metrics of the classic Windows 7 look at 96 dots per inch.
constexpr int kBorder = 1;
constexpr int kDialogFrame = 3;
constexpr int kSizingFrame = 4;
constexpr int kEdge = 2;
constexpr int kCaption = 22;
constexpr int kSmallCaption = 17;
constexpr int kMenu = 20;
constexpr int kMinimizedWidth = 160;
constexpr int kMinimizedHeight = 28;
constexpr int kIcon = 32;
constexpr int kSmallIcon = 16;
constexpr int kCursorSize = 32;
constexpr int kDoubleClickBox = 4;
constexpr int kMouseButtons = 3;

int digitizer(int touch_points) {
  if (touch_points <= 0) return 0;
  return NID_INTEGRATED_TOUCH | NID_READY | (touch_points > 1 ? NID_MULTI_INPUT : 0);
}

int caption_height(DWORD style, DWORD ex_style) {
  if ((style & WS_CAPTION) != WS_CAPTION) return 0;
  return (ex_style & WS_EX_TOOLWINDOW) ? kSmallCaption : kCaption;
}

void inflate(RECT& rect, int by) {
  rect.left -= by;
  rect.top -= by;
  rect.right += by;
  rect.bottom += by;
}

int edge_width(DWORD ex_style) {
  return ((ex_style & WS_EX_CLIENTEDGE) ? kEdge : 0) + ((ex_style & WS_EX_STATICEDGE) ? kBorder : 0);
}

void offset(RECT& rect, LONG dx, LONG dy) {
  rect.left += dx;
  rect.right += dx;
  rect.top += dy;
  rect.bottom += dy;
}

}  // namespace

namespace win_internal {

UINT frame_width(DWORD style, DWORD ex_style) {
  if (style & WS_THICKFRAME) return kSizingFrame;
  if ((style & WS_DLGFRAME) || (ex_style & WS_EX_DLGMODALFRAME)) return kDialogFrame;
  if (style & WS_BORDER) return kBorder;
  return 0;
}

RECT default_client_rect(DWORD style, DWORD ex_style, const RECT& window_rect) {
  RECT client = window_rect;
  inflate(client, -static_cast<int>(frame_width(style, ex_style)) - edge_width(ex_style));
  client.top += caption_height(style, ex_style);
  if (client.right < client.left) client.right = client.left;
  if (client.bottom < client.top) client.bottom = client.top;
  return client;
}

POINT client_origin_on_screen(const desktop::Window& window) {
  RECT screen = screen_rect_of(window);
  return {screen.left + window.client.left, screen.top + window.client.top};
}

RECT screen_rect_of(const desktop::Window& window) {
  RECT rect = window.rect;
  if (window.is_child()) {
    desktop::DesktopThread* self = desktop::current_thread();
    if (self != nullptr)
      if (desktop::Window* parent = self->desktop().window(window.parent)) {
        POINT origin = client_origin_on_screen(*parent);
        offset(rect, origin.x, origin.y);
      }
  }
  return rect;
}

}  // namespace win_internal

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
  auto window = win_internal::live_window(hwnd);
  if (!window || rect == nullptr) return FALSE;
  *rect = win_internal::screen_rect_of(*window);
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
  auto window = win_internal::live_window(hwnd);
  if (!window || rect == nullptr) return FALSE;
  *rect = {0, 0, window->client.right - window->client.left, window->client.bottom - window->client.top};
  return TRUE;
}

int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  POINT from_origin{0, 0};
  POINT to_origin{0, 0};
  if (from != nullptr) {
    auto window = win_internal::live_window(from);
    if (!window) return 0;
    from_origin = win_internal::client_origin_on_screen(*window);
  }
  if (to != nullptr) {
    auto window = win_internal::live_window(to);
    if (!window) return 0;
    to_origin = win_internal::client_origin_on_screen(*window);
  }
  LONG dx = from_origin.x - to_origin.x;
  LONG dy = from_origin.y - to_origin.y;
  for (UINT i = 0; i < count && points != nullptr; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  SetLastError(ERROR_SUCCESS);
  return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point) {
  auto window = win_internal::live_window(hwnd);
  if (!window || point == nullptr) return FALSE;
  POINT origin = win_internal::client_origin_on_screen(*window);
  point->x += origin.x;
  point->y += origin.y;
  return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point) {
  auto window = win_internal::live_window(hwnd);
  if (!window || point == nullptr) return FALSE;
  POINT origin = win_internal::client_origin_on_screen(*window);
  point->x -= origin.x;
  point->y -= origin.y;
  return TRUE;
}

BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD ex_style) {
  if (rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  inflate(*rect, static_cast<int>(win_internal::frame_width(style, ex_style)) + edge_width(ex_style));
  rect->top -= caption_height(style, ex_style) + (menu ? kMenu : 0);
  return TRUE;
}

BOOL WINAPI GetWindowInfo(HWND hwnd, WINDOWINFO* info) {
  auto window = win_internal::live_window(hwnd);
  if (!window || info == nullptr) return FALSE;
  info->rcWindow = win_internal::screen_rect_of(*window);
  info->rcClient = window->client;
  offset(info->rcClient, info->rcWindow.left, info->rcWindow.top);
  info->dwStyle = window->style;
  info->dwExStyle = window->ex_style;
  info->dwWindowStatus = 0;
  UINT border = win_internal::frame_width(window->style, window->ex_style) +
                static_cast<UINT>(edge_width(window->ex_style));
  info->cxWindowBorders = border;
  info->cyWindowBorders = border;
  info->atomWindowType = window->window_class ? window->window_class->atom : 0;
  info->wCreatorVersion = 0x0601;
  return TRUE;
}

int WINAPI GetSystemMetrics(int index) {
  desktop::DesktopThread* self = desktop::current_thread();
  if (self == nullptr) return 0;
  desktop::Desktop& machine = self->desktop();
  const RECT& screen = machine.screen();
  const RECT all = desktop::virtual_screen(machine.monitors());
  const RECT& work = machine.monitors().front().work;
  const int touch_points = machine.touch_points();
  switch (index) {
    case SM_CXSCREEN:
      return screen.right - screen.left;
    case SM_CYSCREEN:
      return screen.bottom - screen.top;
    case SM_CMONITORS:
      return static_cast<int>(machine.monitors().size());
    case SM_XVIRTUALSCREEN:
      return all.left;
    case SM_YVIRTUALSCREEN:
      return all.top;
    case SM_CXVIRTUALSCREEN:
      return all.right - all.left;
    case SM_CYVIRTUALSCREEN:
      return all.bottom - all.top;
    case SM_CXFULLSCREEN:
      return work.right - work.left;
    case SM_CYFULLSCREEN:
      return work.bottom - work.top - kCaption;
    case SM_CXMAXIMIZED:
      return work.right - work.left + 2 * kSizingFrame;
    case SM_CYMAXIMIZED:
      return work.bottom - work.top + 2 * kSizingFrame;
    case SM_CXICON:
    case SM_CYICON:
      return kIcon;
    case SM_CXSMICON:
    case SM_CYSMICON:
      return kSmallIcon;
    case SM_CYCAPTION:
      return kCaption;
    case SM_CYSMCAPTION:
      return kSmallCaption;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return kBorder;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return kDialogFrame;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return kSizingFrame;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return kEdge;
    case SM_CYMENU:
      return kMenu;
    case SM_CXMINIMIZED:
      return kMinimizedWidth;
    case SM_CYMINIMIZED:
      return kMinimizedHeight;
    case SM_CXCURSOR:
    case SM_CYCURSOR:
      return kCursorSize;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT:
      return TRUE;
    case SM_SWAPBUTTON:
      return FALSE;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
      return kDoubleClickBox;
    case SM_CMOUSEBUTTONS:
      return kMouseButtons;
    case SM_DIGITIZER:
      return digitizer(touch_points);
    case SM_MAXIMUMTOUCHES:
      return std::max(touch_points, 0);
    default:
      return 0;
  }
}
