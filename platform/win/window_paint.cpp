// The update area of windows and the WM_PAINT it asks for.
#include <algorithm>

#include "platform/win/message_api.h"
#include "platform/win/rect_api.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_api.h"

using desktop::Window;

namespace {

RECT client_area(const Window& window) {
  return {0, 0, window.client.right - window.client.left, window.client.bottom - window.client.top};
}

void add_to_update(Window& window, const RECT& area, bool erase) {
  RECT clipped;
  RECT whole = client_area(window);
  if (!IntersectRect(&clipped, &area, &whole)) return;
  RECT merged = clipped;
  if (window.update) UnionRect(&merged, &*window.update, &clipped);
  window.update = merged;
  window.erase_pending = window.erase_pending || erase;
  auto& pending = window.thread->queue.paint_pending;
  if (std::find(pending.begin(), pending.end(), window.handle) == pending.end())
    pending.push_back(window.handle);
  window.thread->desktop().scheduler().notify(*window.thread, desktop::kWakeOnPosted);
}

}  // namespace

namespace win_internal {

void invalidate_client(Window& window, bool erase) {
  if (window.thread != nullptr) add_to_update(window, client_area(window), erase);
}

bool is_visible_on_screen(const Window& window) {
  desktop::Desktop& machine = window.thread ? window.thread->desktop() : desktop::current_thread()->desktop();
  for (const Window* at = &window; at != nullptr; at = at->is_child() ? machine.window(at->parent) : nullptr)
    if (!at->visible_flag()) return false;
  return true;
}

}  // namespace win_internal

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  auto window = win_internal::live_window(hwnd);
  if (!window || window->thread == nullptr) return FALSE;
  add_to_update(*window, rect ? *rect : client_area(*window), erase != FALSE);
  return TRUE;
}

BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  if (!window->update) return TRUE;
  RECT remaining;
  if (rect == nullptr || !SubtractRect(&remaining, &*window->update, rect)) {
    window->update.reset();
    window->erase_pending = false;
  } else {
    window->update = remaining;
  }
  return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  if (rect != nullptr) *rect = window->update.value_or(RECT{0, 0, 0, 0});
  return window->update.has_value();
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  if (window->update && win_internal::is_visible_on_screen(*window)) SendMessageW(hwnd, WM_PAINT, 0, 0);
  return TRUE;
}
