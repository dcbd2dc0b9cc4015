// DefWindowProcW: what a window does with a message its procedure leaves to Windows.
#include <algorithm>
#include <cwchar>

#include "platform/desktop/window_class.h"
#include "platform/win/focus_api.h"
#include "platform/win/gdi_clip_api.h"
#include "platform/win/gdi_draw_api.h"
#include "platform/win/message_api.h"
#include "platform/win/mouse_internal.h"
#include "platform/win/paint_api.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

namespace {

LRESULT copy_title(const desktop::Window& window, WPARAM capacity, LPARAM buffer) {
  return win_internal::copy_truncated(window.title, reinterpret_cast<wchar_t*>(buffer), capacity);
}

void calculate_client(const desktop::Window& window, WPARAM whole_params, LPARAM lParam) {
  RECT* proposed =
      whole_params ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
  if (proposed != nullptr)
    *proposed = win_internal::default_client_rect(window.style, window.ex_style, *proposed);
}

void report_move_and_size(HWND hwnd, const desktop::Window& window, const WINDOWPOS& pos) {
  if (!(pos.flags & SWP_NOCLIENTMOVE)) {
    LONG x = window.rect.left + window.client.left;
    LONG y = window.rect.top + window.client.top;
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
  }
  if (!(pos.flags & SWP_NOCLIENTSIZE) || (pos.flags & SWP_STATECHANGED)) {
    WPARAM kind = window.minimized ? SIZE_MINIMIZED : window.maximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
    SendMessageW(
        hwnd, WM_SIZE, kind,
        MAKELPARAM(window.client.right - window.client.left, window.client.bottom - window.client.top));
  }
}

LRESULT system_command(HWND hwnd, WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_CLOSE:
      SendMessageW(hwnd, WM_CLOSE, 0, 0);
      break;
    case SC_MINIMIZE:
      ShowWindow(hwnd, SW_MINIMIZE);
      break;
    case SC_MAXIMIZE:
      ShowWindow(hwnd, SW_MAXIMIZE);
      break;
    case SC_RESTORE:
      ShowWindow(hwnd, SW_RESTORE);
      break;
    default:
      break;
  }
  return 0;
}

// Fills what the context may touch with the class brush; without one, nothing is erased.
LRESULT erase_background(const desktop::Window& window, HDC dc) {
  HBRUSH brush = window.window_class ? window.window_class->background : nullptr;
  if (brush == nullptr) return 0;
  RECT box;
  if (GetClipBox(dc, &box) == ERROR) return 0;
  FillRect(dc, &box, brush);
  return 1;
}

void paint_nothing(HWND hwnd) {
  PAINTSTRUCT paint;
  if (BeginPaint(hwnd, &paint) != nullptr) EndPaint(hwnd, &paint);
}

// Drawing switched back on repaints the whole window, which missed every change meanwhile.
void set_redraw(desktop::Window& window, bool on) {
  window.redraw_off = !on;
  const RECT whole{0, 0, window.client.right - window.client.left, window.client.bottom - window.client.top};
  if (on) win_internal::redraw(window, desktop::RectList(whole), RDW_INVALIDATE | RDW_ERASE);
}

}  // namespace

LRESULT WINAPI DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return 0;
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      if (create != nullptr && create->lpszName != nullptr && !IS_INTRESOURCE(create->lpszName))
        window->title = create->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE:
      calculate_client(*window, wParam, lParam);
      return 0;
    case WM_SETTEXT:
      window->title = lParam ? reinterpret_cast<LPCWSTR>(lParam) : L"";
      if (!window->is_child()) win_internal::invalidate_frame(*window);
      return TRUE;
    case WM_GETTEXT:
      return copy_title(*window, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->title.size());
    case WM_WINDOWPOSCHANGED:
      if (lParam) report_move_and_size(hwnd, *window, *reinterpret_cast<WINDOWPOS*>(lParam));
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_PAINT:
      paint_nothing(hwnd);
      return 0;
    case WM_ERASEBKGND:
      return erase_background(*window, reinterpret_cast<HDC>(wParam));
    case WM_SETREDRAW:
      set_redraw(*window, wParam != 0);
      return 0;
    case WM_SYSCOMMAND:
      return system_command(hwnd, wParam);
    case WM_SETICON: {
      HICON& slot = wParam == ICON_BIG ? window->big_icon : window->small_icon;
      HICON previous = slot;
      slot = reinterpret_cast<HICON>(lParam);
      return reinterpret_cast<LRESULT>(previous);
    }
    case WM_GETICON:
      return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? window->big_icon : window->small_icon);
    case WM_NCPAINT:
      win_internal::paint_default_frame(hwnd, *window, GetActiveWindow() == hwnd);
      return 0;
    case WM_NCACTIVATE:
      win_internal::paint_default_frame(hwnd, *window, wParam != 0);
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !window->minimized) SetFocus(hwnd);
      return 0;
    case WM_SYSKEYDOWN:
      // Alt+F4 asks the top-level window to close.
      if (wParam == VK_F4 && (lParam & (1 << 29)))
        SendMessageW(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_ACTIVATE;
    case WM_NCHITTEST:
      return win_internal::default_hit_test(desktop::current_thread()->desktop(), *window, lParam);
    case WM_SETCURSOR:
      return win_internal::default_set_cursor(*window, wParam, lParam);
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      // A child that does not take the wheel passes it to its parent.
      return window->is_child() ? SendMessageW(window->parent, message, wParam, lParam) : 0;
    case WM_TOUCH:
      win_internal::close_touch_input(desktop::current_thread()->desktop(), lParam);
      return 0;
    default:
      return 0;
  }
}

LRESULT WINAPI CallWindowProcW(WNDPROC previous, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return previous ? previous(hwnd, message, wParam, lParam) : 0;
}
