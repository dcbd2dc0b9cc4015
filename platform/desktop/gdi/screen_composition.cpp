#include "platform/desktop/gdi/screen_composition.h"

#include <algorithm>
#include <cstring>

#include "platform/desktop/desktop.h"
#include "platform/desktop/gdi/rect_list.h"
#include "platform/desktop/gdi/window_surface.h"

namespace desktop {

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
    const Surface& pixels = window_surface(*window);
    for (int y = part.top; y < part.bottom; ++y)
      std::memcpy(screen.row(y - all.top) + (part.left - all.left),
                  pixels.row(y - window->rect.top) + (part.left - window->rect.left),
                  static_cast<std::size_t>(part.right - part.left) * sizeof(std::uint32_t));
  }
}

}  // namespace desktop
