// The update area of windows, the WM_PAINT it asks for, and RedrawWindow over it.
#include <algorithm>

#include "platform/win/device_context_api.h"
#include "platform/win/gdi_clip_api.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/message_api.h"
#include "platform/win/paint_api.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/window_api.h"

using desktop::RectList;
using desktop::Window;

namespace {

RECT client_area(const Window& window) {
  return {0, 0, window.client.right - window.client.left, window.client.bottom - window.client.top};
}

// A window whose drawing is switched off, or inside one that is, takes no invalid area.
bool redraw_allowed(desktop::Desktop& machine, const Window& window) {
  for (const Window* at = &window; at != nullptr; at = at->is_child() ? machine.window(at->parent) : nullptr)
    if (at->redraw_off) return false;
  return true;
}

void ask_for_paint(Window& window) {
  auto& pending = window.thread->queue.paint_pending;
  if (std::find(pending.begin(), pending.end(), window.handle) == pending.end())
    pending.push_back(window.handle);
  window.thread->desktop().scheduler().notify(*window.thread, desktop::kWakeOnPosted);
}

void invalidate(desktop::Desktop& machine, Window& window, RectList area, UINT flags) {
  if (!redraw_allowed(machine, window)) return;
  area.intersect(client_area(window));
  if (!(flags & RDW_INVALIDATE)) area = {};
  for (const RECT& rect : area.rects())
    window.update.unite(rect);
  if ((flags & RDW_ERASE) && !area.empty()) window.erase_pending = true;
  if (flags & RDW_INTERNALPAINT) window.internal_paint = true;
  // The frame is painted on the way into the next BeginPaint.
  if ((flags & RDW_FRAME) && (flags & RDW_INVALIDATE) && win_internal::has_frame(window)) {
    window.frame_pending = true;
    window.internal_paint = true;
  }
  if (win_internal::needs_paint(window)) ask_for_paint(window);
}

void validate(Window& window, const RectList& area, UINT flags) {
  for (const RECT& rect : area.rects())
    window.update.subtract(rect);
  if ((flags & RDW_NOERASE) || window.update.empty()) window.erase_pending = false;
  if (flags & RDW_NOINTERNALPAINT) window.internal_paint = false;
}

// Erases the update area through the window's procedure; an unanswered erase stays pending
// for BeginPaint to report.
void erase_now(HWND hwnd, Window& window) {
  if (!window.erase_pending || window.update.empty()) return;
  HDC dc = GetDC(hwnd);
  if (desktop::DeviceContext* context = gdi_internal::context_of(dc)) context->paint_area = window.update;
  window.erase_pending = false;
  if (SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0) window.erase_pending = true;
  ReleaseDC(hwnd, dc);
}

// Children take part when asked to, or by default when the parent does not clip them.
bool includes_children(const Window& window, UINT flags) {
  if (flags & RDW_ALLCHILDREN) return true;
  return !(flags & RDW_NOCHILDREN) && !(window.style & WS_CLIPCHILDREN);
}

void redraw_tree(desktop::Desktop& machine, HWND hwnd, RectList area, UINT flags) {
  auto window = machine.find_window(hwnd);
  if (!window || window->thread == nullptr) return;
  if (flags & (RDW_INVALIDATE | RDW_INTERNALPAINT)) invalidate(machine, *window, area, flags);
  if (flags & RDW_VALIDATE) validate(*window, area, flags);
  const bool shown = win_internal::is_visible_on_screen(*window);
  // Painting now erases too, inside the procedure's BeginPaint.
  if (shown && (flags & RDW_UPDATENOW) && win_internal::needs_paint(*window))
    SendMessageW(hwnd, WM_PAINT, 0, 0);
  else if (shown && (flags & RDW_ERASENOW))
    erase_now(hwnd, *window);
  if (!includes_children(*window, flags)) return;
  const std::vector<HWND> children = window->children;
  for (HWND child : children) {
    const Window* below = machine.window(child);
    if (below == nullptr || !below->visible_flag()) continue;
    RectList part = area;
    part.intersect(below->rect);
    part.offset(-below->rect.left - below->client.left, -below->rect.top - below->client.top);
    redraw_tree(machine, child, std::move(part), flags);
  }
}

// The area a region or a rectangle names, or the whole client area without either.
std::optional<RectList> named_area(const Window& window, const RECT* rect, HRGN region) {
  if (region != nullptr) {
    auto* found = gdi_internal::object_as<desktop::GdiRegion>(region);
    if (found == nullptr) return std::nullopt;
    return found->area;
  }
  return RectList(rect ? *rect : client_area(window));
}

int complexity(const RectList& area) {
  if (area.empty()) return NULLREGION;
  return area.rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace

namespace win_internal {

void invalidate_client(Window& window, bool erase, bool with_children) {
  if (window.thread == nullptr) return;
  const UINT flags = RDW_INVALIDATE | (erase ? RDW_ERASE : 0u);
  if (with_children)
    redraw_tree(window.thread->desktop(), window.handle, RectList(client_area(window)),
                flags | RDW_ALLCHILDREN);
  else
    invalidate(window.thread->desktop(), window, RectList(client_area(window)), flags);
}

void invalidate_frame(Window& window) {
  if (window.thread != nullptr)
    invalidate(window.thread->desktop(), window, RectList(), RDW_INVALIDATE | RDW_FRAME);
}

bool has_frame(const Window& window) {
  return window.client.left > 0 || window.client.top > 0 ||
         window.client.right < window.rect.right - window.rect.left ||
         window.client.bottom < window.rect.bottom - window.rect.top;
}

void redraw(Window& window, const RectList& area, UINT flags) {
  if (window.thread != nullptr) redraw_tree(window.thread->desktop(), window.handle, area, flags);
}

bool needs_paint(const Window& window) {
  return !window.update.empty() || window.internal_paint;
}

bool is_visible_on_screen(const Window& window) {
  desktop::Desktop& machine = window.thread ? window.thread->desktop() : desktop::current_thread()->desktop();
  for (const Window* at = &window; at != nullptr; at = at->is_child() ? machine.window(at->parent) : nullptr)
    if (!at->visible_flag()) return false;
  return true;
}

}  // namespace win_internal

BOOL WINAPI RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  std::optional<RectList> area = named_area(*window, rect, region);
  if (!area) return FALSE;
  win_internal::redraw(*window, *area, flags);
  return TRUE;
}

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL WINAPI InvalidateRgn(HWND hwnd, HRGN region, BOOL erase) {
  return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

// Validating leaves the children's own update areas alone.
BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect) {
  return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL WINAPI ValidateRgn(HWND hwnd, HRGN region) {
  return RedrawWindow(hwnd, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return FALSE;
  if (rect != nullptr) *rect = window->update.bounds();
  return !window->update.empty();
}

int WINAPI GetUpdateRgn(HWND hwnd, HRGN region, BOOL) {
  auto window = win_internal::live_window(hwnd);
  if (!window) return ERROR;
  auto* found = gdi_internal::object_as<desktop::GdiRegion>(region);
  if (found == nullptr) return ERROR;
  found->area = window->update;
  return complexity(found->area);
}

// The update area is in client coordinates, the device coordinates of a window's context.
int WINAPI ExcludeUpdateRgn(HDC hdc, HWND hwnd) {
  auto window = win_internal::live_window(hwnd);
  desktop::DeviceContext* dc = gdi_internal::context_of(hdc);
  if (!window || dc == nullptr) return ERROR;
  const POINT shift = dc->attributes.viewport_origin;
  for (const RECT& rect : window->update.rects())
    ExcludeClipRect(hdc, rect.left - shift.x, rect.top - shift.y, rect.right - shift.x,
                    rect.bottom - shift.y);
  RECT box;
  return GetClipBox(hdc, &box);
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
  return RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
}
