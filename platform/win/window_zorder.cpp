// The z-order of a parent's children. Among top-level windows the topmost ones come first,
// and owned windows stay above their owner.
#include <algorithm>

#include "platform/win/win_internal.h"
#include "platform/win/win_styles.h"

using desktop::Desktop;
using desktop::Window;

namespace {

Desktop& desktop_of(const Window& window) {
  return window.thread->desktop();
}

std::size_t topmost_band_end(Desktop& machine, const std::vector<HWND>& list) {
  std::size_t end = 0;
  while (end < list.size()) {
    const Window* window = machine.window(list[end]);
    if (window == nullptr || !window->topmost()) break;
    ++end;
  }
  return end;
}

void raise_owned(Desktop& machine, std::vector<HWND>& list, HWND owner) {
  auto owner_at = std::find(list.begin(), list.end(), owner);
  if (owner_at == list.end()) return;
  const Window* owner_window = machine.window(owner);
  std::vector<HWND> below;
  for (auto at = owner_at + 1; at != list.end(); ++at) {
    const Window* window = machine.window(*at);
    if (window != nullptr && window->owner == owner) below.push_back(*at);
  }
  if (below.empty()) return;
  std::erase_if(list, [&](HWND hwnd) { return std::find(below.begin(), below.end(), hwnd) != below.end(); });
  owner_at = std::find(list.begin(), list.end(), owner);
  list.insert(owner_at, below.begin(), below.end());
  for (HWND hwnd : below) {
    if (owner_window->topmost()) machine.window(hwnd)->ex_style |= WS_EX_TOPMOST;
    raise_owned(machine, list, hwnd);
  }
}

std::size_t insert_position(Desktop& machine, Window& window, std::vector<HWND>& list, HWND after,
                            bool top_level) {
  const std::size_t band_end = top_level ? topmost_band_end(machine, list) : 0;
  auto set_topmost = [&](bool on) {
    if (!top_level) return;
    if (on)
      window.ex_style |= WS_EX_TOPMOST;
    else
      window.ex_style &= ~WS_EX_TOPMOST;
  };
  if (after == HWND_TOPMOST) {
    set_topmost(true);
    return 0;
  }
  if (after == HWND_NOTOPMOST) {
    set_topmost(false);
    return band_end;
  }
  if (after == HWND_BOTTOM) {
    set_topmost(false);
    return list.size();
  }
  auto sibling = after == HWND_TOP ? list.end() : std::find(list.begin(), list.end(), after);
  if (sibling == list.end()) return top_level && window.topmost() ? 0 : band_end;
  // Placed after a topmost window a window becomes topmost; after a plain one, it stops being so.
  set_topmost(machine.window(after)->topmost());
  return static_cast<std::size_t>(sibling - list.begin()) + 1;
}

}  // namespace

namespace win_internal {

void unlink_from_parent(Window& window) {
  if (Window* parent = desktop_of(window).window(window.parent)) std::erase(parent->children, window.handle);
}

void place_in_z_order(Window& window, HWND insert_after, bool move_owned) {
  Desktop& machine = desktop_of(window);
  Window* parent = machine.window(window.parent);
  if (parent == nullptr || insert_after == window.handle) return;
  std::vector<HWND>& list = parent->children;
  std::erase(list, window.handle);
  const bool top_level = window.parent == machine.desktop_window();
  std::size_t at = insert_position(machine, window, list, insert_after, top_level);
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), window.handle);
  if (top_level && move_owned) raise_owned(machine, list, window.handle);
}

}  // namespace win_internal
