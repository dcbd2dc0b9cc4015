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

// Colour-keyed windows: the key's pixels keep what is beneath, the rest are copied or blended.
template <bool Blended>
void keyed_row(const std::uint32_t* from, std::uint32_t* to, int count, const Look& look) {
  const std::uint32_t key = look.key;
  const Blend blend = look.blend;
  for (int i = 0; i < count; ++i) {
    const std::uint32_t pixel = from[i];
    const std::uint32_t under = to[i];
    std::uint32_t out = pixel;
    if constexpr (Blended) out = blend_pixel(pixel, under, blend);
    to[i] = (pixel & kRgbMask) == key ? under : out;
  }
}

constexpr std::uint16_t divide_by_255(std::uint16_t t) {
  t = static_cast<std::uint16_t>(t + 128);
  return static_cast<std::uint16_t>((t + (t >> 8)) >> 8);
}

// The commonest blend, a whole window at a constant alpha, channel by channel in 16 bits,
// which vectorises even without 32-bit vector multiplies; the same rounding as blend_pixel.
void constant_alpha_row(const std::uint32_t* from, std::uint32_t* to, int count, const Look& look) {
  const auto* src = reinterpret_cast<const std::uint8_t*>(from);
  auto* dst = reinterpret_cast<std::uint8_t*>(to);
  const std::uint16_t a = look.blend.constant_alpha;
  const auto b = static_cast<std::uint16_t>(255 - a);
  for (int i = 0; i < count * 4; ++i) {
    dst[i] = static_cast<std::uint8_t>(divide_by_255(static_cast<std::uint16_t>(src[i] * a + dst[i] * b)));
  }
}

// A premultiplied picture as blend_pixel with AC_SRC_ALPHA blends it, in 16-bit channels.
template <bool FullAlpha>
void premultiplied_row(const std::uint32_t* from, std::uint32_t* to, int count, const Look& look) {
  const auto* src = reinterpret_cast<const std::uint8_t*>(from);
  auto* dst = reinterpret_cast<std::uint8_t*>(to);
  const std::uint16_t a = look.blend.constant_alpha;
  for (int i = 0; i < count; ++i, src += 4, dst += 4) {
    std::uint16_t scaled[4];
    for (int c = 0; c < 4; ++c)
      scaled[c] = FullAlpha ? src[c] : divide_by_255(static_cast<std::uint16_t>(src[c] * a));
    const auto keep = static_cast<std::uint16_t>(255 - scaled[3]);
    for (int c = 0; c < 4; ++c) {
      const auto sum =
          static_cast<std::uint16_t>(scaled[c] + divide_by_255(static_cast<std::uint16_t>(dst[c] * keep)));
      dst[c] = static_cast<std::uint8_t>(sum > 255 ? 255 : sum);
    }
  }
}

using RowCompose = void (*)(const std::uint32_t*, std::uint32_t*, int, const Look&);

void copy_row(const std::uint32_t* from, std::uint32_t* to, int count, const Look&) {
  std::memcpy(to, from, static_cast<std::size_t>(count) * sizeof(std::uint32_t));
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
  if (look.keyed) return look.blended ? &keyed_row<true> : &keyed_row<false>;
  if (!look.blended) return &copy_row;
  if (!look.blend.source_alpha) return &constant_alpha_row;
  return look.blend.constant_alpha == 255 ? &premultiplied_row<true> : &premultiplied_row<false>;
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
