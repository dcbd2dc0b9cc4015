// SetWindowPos and MoveWindow. On another thread's window the call runs on that thread,
// which gets WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED as from its own call.
#include <algorithm>

#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

using desktop::Window;

namespace {

LONG width_of(const RECT& rect) {
  return rect.right - rect.left;
}
LONG height_of(const RECT& rect) {
  return rect.bottom - rect.top;
}

RECT moved_and_sized(const RECT& old, const WINDOWPOS& pos) {
  RECT next = old;
  if (!(pos.flags & SWP_NOMOVE)) next = {pos.x, pos.y, pos.x + width_of(old), pos.y + height_of(old)};
  if (!(pos.flags & SWP_NOSIZE)) {
    next.right = next.left + std::max(pos.cx, 0);
    next.bottom = next.top + std::max(pos.cy, 0);
  }
  return next;
}

void recalculate_client(Window& window, const RECT& old_rect, WINDOWPOS& pos) {
  NCCALCSIZE_PARAMS params{};
  params.rgrc[0] = window.rect;
  params.rgrc[1] = old_rect;
  params.rgrc[2] = {old_rect.left + window.client.left, old_rect.top + window.client.top,
                    old_rect.left + window.client.right, old_rect.top + window.client.bottom};
  params.lppos = &pos;
  win_internal::call_window_proc(window, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
  const RECT& client = params.rgrc[0];
  window.client = {client.left - window.rect.left, client.top - window.rect.top,
                   client.right - window.rect.left, client.bottom - window.rect.top};
}

BOOL set_window_pos_here(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  WINDOWPOS pos{hwnd, insert_after, x, y, cx, cy, flags};
  if (!(flags & SWP_NOSENDCHANGING))
    win_internal::call_window_proc(*window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  if (!IsWindow(hwnd)) return FALSE;

  const RECT old_rect = window->rect;
  const RECT old_client = window->client;
  window->rect = moved_and_sized(old_rect, pos);
  UINT done = pos.flags;
  if (window->rect.left == old_rect.left && window->rect.top == old_rect.top) done |= SWP_NOMOVE;
  if (width_of(window->rect) == width_of(old_rect) && height_of(window->rect) == height_of(old_rect))
    done |= SWP_NOSIZE;
  if (!(done & SWP_NOMOVE) || !(done & SWP_NOSIZE) || (done & SWP_FRAMECHANGED))
    recalculate_client(*window, old_rect, pos);
  if (window->rect.left + window->client.left == old_rect.left + old_client.left &&
      window->rect.top + window->client.top == old_rect.top + old_client.top)
    done |= SWP_NOCLIENTMOVE;
  if (width_of(window->client) == width_of(old_client) && height_of(window->client) == height_of(old_client))
    done |= SWP_NOCLIENTSIZE;

  if (!(done & SWP_NOZORDER)) win_internal::place_in_z_order(*window, pos.hwndInsertAfter);

  bool shown = false;
  const bool was_visible = window->visible_flag();
  if ((done & SWP_SHOWWINDOW) && !window->visible_flag()) {
    window->style |= WS_VISIBLE;
    shown = true;
  } else if ((done & SWP_HIDEWINDOW) && window->visible_flag()) {
    window->style &= ~WS_VISIBLE;
  }
  const bool repaint =
      !(done & SWP_NOREDRAW) && (shown || !(done & SWP_NOCLIENTSIZE) || (done & SWP_FRAMECHANGED));

  pos.x = window->rect.left;
  pos.y = window->rect.top;
  pos.cx = width_of(window->rect);
  pos.cy = height_of(window->rect);
  pos.flags = done;
  win_internal::activation_after_position(*window, done, was_visible);
  if (!IsWindow(hwnd)) return TRUE;
  // After the activation, as on Windows: a child that drew itself on taking the focus is drawn
  // again after its parent's erase.
  if (repaint) {
    win_internal::invalidate_client(*window, true, shown);
    if (!window->is_child()) win_internal::invalidate_frame(*window);
  }
  win_internal::call_window_proc(*window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  return TRUE;
}

}  // namespace

BOOL WINAPI SetWindowPos(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  if (window->thread == nullptr) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  LRESULT result = FALSE;
  auto work = [=] {
    return static_cast<LRESULT>(set_window_pos_here(hwnd, insert_after, x, y, cx, cy, flags));
  };
  if (!win_internal::run_on_owner_thread(*window, work, &result)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return static_cast<BOOL>(result);
}

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : SWP_NOREDRAW));
}
