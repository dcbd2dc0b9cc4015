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

bool owns(Desktop& machine, HWND owner, const Window& window) {
  for (const Window* at = &window; at != nullptr; at = machine.window(at->owner))
    if (at->owner == owner) return true;
  return false;
}

// Made plain, a window takes its owned windows out of the topmost band with it, just above it.
void drop_topmost_of_owned(Desktop& machine, std::vector<HWND>& list, HWND owner) {
  std::vector<HWND> owned;
  for (HWND hwnd : list)
    if (Window* window = machine.window(hwnd);
        window != nullptr && window->topmost() && owns(machine, owner, *window))
      owned.push_back(hwnd);
  if (owned.empty()) return;
  std::erase_if(list, [&](HWND hwnd) { return std::find(owned.begin(), owned.end(), hwnd) != owned.end(); });
  for (HWND hwnd : owned)
    machine.window(hwnd)->ex_style &= ~WS_EX_TOPMOST;
  list.insert(std::find(list.begin(), list.end(), owner), owned.begin(), owned.end());
}

// An owned window stays above its owner, and is topmost when its owner is: one found below its
// owner goes just above it, those moved keeping their order. What lay between is looked at
// again, as the owned windows of the one moved may now be below it.
void keep_owned_above_owners(Desktop& machine, std::vector<HWND>& list) {
  for (std::size_t at = 0; at < list.size(); ++at) {
    Window* window = machine.window(list[at]);
    const Window* owner = window != nullptr ? machine.window(window->owner) : nullptr;
    if (owner == nullptr) continue;
    if (owner->topmost()) window->ex_style |= WS_EX_TOPMOST;
    const auto here = list.begin() + static_cast<std::ptrdiff_t>(at);
    const auto owner_at = std::find(list.begin(), here, owner->handle);
    if (owner_at == here) continue;
    const std::size_t owner_index = static_cast<std::size_t>(owner_at - list.begin());
    std::rotate(owner_at, here, here + 1);
    at = owner_index;
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

void place_in_z_order(Window& window, HWND insert_after) {
  Desktop& machine = desktop_of(window);
  Window* parent = machine.window(window.parent);
  if (parent == nullptr || insert_after == window.handle) return;
  std::vector<HWND>& list = parent->children;
  std::erase(list, window.handle);
  const bool top_level = window.parent == machine.desktop_window();
  // The owned window of a topmost window is topmost too, placed at the top of the band.
  if (const Window* owner = machine.window(window.owner); top_level && owner != nullptr && owner->topmost())
    window.ex_style |= WS_EX_TOPMOST;
  std::size_t at = insert_position(machine, window, list, insert_after, top_level);
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), window.handle);
  if (!top_level) return;
  if (insert_after == HWND_NOTOPMOST) drop_topmost_of_owned(machine, list, window.handle);
  keep_owned_above_owners(machine, list);
}

}  // namespace win_internal
