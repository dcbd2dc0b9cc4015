#include "platform/desktop/gdi/screen_composition.h"

#include <algorithm>
#include <cstring>

#include "platform/desktop/desktop.h"
#include "platform/desktop/gdi/alpha_blend.h"
#include "platform/desktop/gdi/rect_list.h"
#include "platform/desktop/gdi/window_surface.h"

namespace desktop {

namespace {

constexpr DWORD kColourKey = 0x1;  // LWA_COLORKEY, ULW_COLORKEY
constexpr DWORD kAlpha = 0x2;      // LWA_ALPHA, ULW_ALPHA
constexpr DWORD kOpaque = 0x4;     // ULW_OPAQUE

// How one window's row lands on the screen's row.
struct Look {
  bool keyed = false;
  std::uint32_t key = 0;
  Blend blend;
  bool blended = false;
};

template <bool Keyed, bool Blended>
void compose_row(const std::uint32_t* from, std::uint32_t* to, int count, const Look& look) {
  for (int i = 0; i < count; ++i) {
    const std::uint32_t pixel = from[i];
    if constexpr (Keyed)
      if ((pixel & kRgbMask) == look.key) continue;
    if constexpr (Blended) {
      to[i] = blend_pixel(pixel, to[i], look.blend);
    } else {
      to[i] = pixel;
    }
  }
}

using RowCompose = void (*)(const std::uint32_t*, std::uint32_t*, int, const Look&);

void copy_row(const std::uint32_t* from, std::uint32_t* to, int count, const Look&) {
  std::memcpy(to, from, static_cast<std::size_t>(count) * sizeof(std::uint32_t));
}

// Premultiplied pixels that are wholly opaque or wholly clear are common; they need no sums.
void premultiplied_row(const std::uint32_t* from, std::uint32_t* to, int count, const Look& look) {
  for (int i = 0; i < count; ++i) {
    const std::uint32_t pixel = from[i];
    if (look.keyed && (pixel & kRgbMask) == look.key) continue;
    if (pixel >> 24 == 255 && look.blend.constant_alpha == 255) {
      to[i] = pixel;
    } else if (pixel != 0) {
      to[i] = blend_pixel(pixel, to[i], look.blend);
    }
  }
}

Look look_of(const Window& window) {
  Look look;
  if (!window.layered() || window.layered_flags & kOpaque) return look;
  look.keyed = (window.layered_flags & kColourKey) != 0;
  look.key = pixel_of(window.layered_key) & kRgbMask;
  if (window.layered_flags & kAlpha) {
    look.blend = {window.layered_alpha, window.layered_per_pixel};
    look.blended = window.layered_per_pixel || window.layered_alpha != 255;
  }
  return look;
}

bool shows(const Window& window, const Look& look) {
  if (window.layered() && window.layering == Window::Layering::Unset) return false;
  return !(look.blended && look.blend.constant_alpha == 0);
}

RowCompose row_compose_for(const Look& look) {
  if (look.blend.source_alpha) return &premultiplied_row;
  if (look.keyed) return look.blended ? &compose_row<true, true> : &compose_row<true, false>;
  return look.blended ? &compose_row<false, true> : &copy_row;
}

}  // namespace

void compose_screen(Desktop& machine, const RECT& area) {
  const RECT all = virtual_screen(machine.monitors());
  Surface& screen = machine.gdi().screen();
  screen.resize(all.right - all.left, all.bottom - all.top);
  const RECT wanted = intersection(area, all);
  if (is_empty(wanted)) return;
  for (int y = wanted.top; y < wanted.bottom; ++y) {
    std::uint32_t* line = screen.row(y - all.top) + (wanted.left - all.left);
    std::fill(line, line + (wanted.right - wanted.left), 0u);
  }
  const Window* root = machine.window(machine.desktop_window());
  if (root == nullptr) return;
  for (auto it = root->children.rbegin(); it != root->children.rend(); ++it) {
    Window* window = machine.window(*it);
    if (window == nullptr || !window->visible_flag() || window->minimized) continue;
    const RECT part = intersection(window->rect, wanted);
    if (is_empty(part)) continue;
    const Look look = look_of(*window);
    if (!shows(*window, look)) continue;
    const RowCompose row_compose = row_compose_for(look);
    const Surface& pixels = window_surface(*window);
    for (int y = part.top; y < part.bottom; ++y)
      row_compose(pixels.row(y - window->rect.top) + (part.left - window->rect.left),
                  screen.row(y - all.top) + (part.left - all.left), part.right - part.left, look);
  }
}

}  // namespace desktop
