// Where a device context's drawing lands: a memory context's bitmap, the screen, or the
// surface of a window's top-level window, limited to what of the window is visible there.
#include "platform/desktop/gdi/screen_composition.h"
#include "platform/desktop/gdi/window_surface.h"
#include "platform/win/gdi_internal.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"
#include "platform/win/win_styles.h"

using desktop::DeviceContext;
using desktop::RectList;
using desktop::Window;

namespace gdi_internal {

namespace {

RECT client_on_screen(const Window& window) {
  const POINT origin = win_internal::client_origin_on_screen(window);
  return {origin.x, origin.y, origin.x + window.client.right - window.client.left,
          origin.y + window.client.bottom - window.client.top};
}

Target screen_target(desktop::Desktop& machine) {
  const RECT all = desktop::virtual_screen(machine.monitors());
  desktop::Surface& screen = machine.gdi().screen();
  screen.resize(all.right - all.left, all.bottom - all.top);
  return {&screen, false, true, {-all.left, -all.top}, RectList(screen.bounds())};
}

// What of the window shows, in screen coordinates: its area within each ancestor's client
// area, less the siblings in front of it where WS_CLIPSIBLINGS asks, and less its own
// children under WS_CLIPCHILDREN. Hidden windows below the top level show nothing.
RectList visible_part(desktop::Desktop& machine, const Window& window, const RECT& area) {
  RectList visible(area);
  if (window.style & WS_CLIPCHILDREN)
    for (HWND child : window.children)
      if (const Window* below = machine.window(child); below && below->visible_flag())
        visible.subtract(win_internal::screen_rect_of(*below));
  for (const Window* at = &window; at->is_child();) {
    const Window* parent = machine.window(at->parent);
    if (parent == nullptr || !at->visible_flag()) return {};
    visible.intersect(client_on_screen(*parent));
    if (at->style & WS_CLIPSIBLINGS)
      for (HWND sibling : parent->children) {
        if (sibling == at->handle) break;
        if (const Window* front = machine.window(sibling); front && front->visible_flag())
          visible.subtract(win_internal::screen_rect_of(*front));
      }
    at = parent;
  }
  return visible;
}

std::optional<Target> window_target(desktop::Desktop& machine, const DeviceContext& dc) {
  Window* window = machine.window(dc.window);
  if (window == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return std::nullopt;
  }
  if (dc.window == machine.desktop_window()) return screen_target(machine);
  Window* top = window;
  while (top->is_child() && machine.window(top->parent) != nullptr)
    top = machine.window(top->parent);
  desktop::Surface& surface = desktop::window_surface(*top);
  const RECT area = dc.kind == DeviceContext::Kind::Window ? client_on_screen(*window)
                                                           : win_internal::screen_rect_of(*window);
  RectList clip = visible_part(machine, *window, area);
  clip.offset(-top->rect.left, -top->rect.top);
  clip.intersect(surface.bounds());
  return Target{
      &surface, false, false, {area.left - top->rect.left, area.top - top->rect.top}, std::move(clip)};
}

}  // namespace

std::optional<Target> target_of(const DeviceContext& dc) {
  desktop::Desktop& machine = gdi_internal::machine();
  std::optional<Target> target;
  switch (dc.kind) {
    case DeviceContext::Kind::Screen:
      target = screen_target(machine);
      break;
    case DeviceContext::Kind::Window:
    case DeviceContext::Kind::WindowWithFrame:
      target = window_target(machine, dc);
      break;
    case DeviceContext::Kind::Memory: {
      auto* bitmap = object_as<desktop::GdiBitmap>(dc.attributes.bitmap);
      if (bitmap == nullptr) return std::nullopt;
      // The default bitmap is shared by every memory context and never drawn on.
      const bool shared = dc.attributes.bitmap == default_bitmap();
      target = Target{bitmap->surface.get(),
                      bitmap->bits_per_pixel == 1,
                      false,
                      {0, 0},
                      shared ? RectList() : RectList(bitmap->surface->bounds())};
      break;
    }
  }
  if (target && dc.paint_area) {
    RectList area = *dc.paint_area;
    area.offset(target->origin.x, target->origin.y);
    target->clip.intersect(area);
  }
  if (target && dc.attributes.clip) {
    RectList own = *dc.attributes.clip;
    own.offset(target->origin.x, target->origin.y);
    target->clip.intersect(own);
  }
  return target;
}

void prepare_read(const Target& target, const RECT& surface_area) {
  if (target.screen)
    desktop::compose_screen(machine(),
                            desktop::offset_rect(surface_area, -target.origin.x, -target.origin.y));
}

POINT to_surface(const DeviceContext& dc, const Target& target, int x, int y) {
  return {x + dc.attributes.viewport_origin.x + target.origin.x,
          y + dc.attributes.viewport_origin.y + target.origin.y};
}

RECT to_surface(const DeviceContext& dc, const Target& target, const RECT& logical) {
  const POINT shift = to_surface(dc, target, 0, 0);
  return desktop::offset_rect(logical, shift.x, shift.y);
}

}  // namespace gdi_internal
