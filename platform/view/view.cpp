#include "platform/view/view.h"

#include <thread>
#include <type_traits>

#include "platform/desktop/gdi/screen_composition.h"
#include "platform/view/key_positions.h"

namespace view {
namespace {

constexpr auto kFramePeriod = std::chrono::microseconds(16'667);

}  // namespace

ScreenLayout layout_of(desktop::Desktop& machine) {
  ScreenLayout layout;
  layout.screen = desktop::virtual_screen(machine.monitors());
  for (const desktop::Monitor& monitor : machine.monitors())
    layout.monitors.push_back(monitor.rect);
  return layout;
}

ViewResult View::open() {
  ScreenLayout layout;
  machine_.call_from_outside([&] { layout = layout_of(machine_); });
  ViewResult opened = backend_.open(layout);
  if (!opened) return opened;
  if (auto sink = backend_.make_audio_sink())
    machine_.call_from_outside([&] { machine_.audio().set_sink(std::move(sink)); });
  return opened;
}

bool View::refresh() {
  if (!feed_input()) return false;
  std::vector<RECT> dirty;
  machine_.call_from_outside([&] {
    desktop::compose_screen(machine_, desktop::virtual_screen(machine_.monitors()));
    dirty = changes_.take(machine_.gdi().screen());
  });
  backend_.present(changes_.frame(), dirty);
  return true;
}

bool View::feed_input() {
  bool open = true;
  for (const ViewInput& input : backend_.pump()) {
    std::visit(
        [&](const auto& event) {
          using Event = std::decay_t<decltype(event)>;
          if constexpr (std::is_same_v<Event, desktop::MouseEvent>) {
            desktop::post_mouse(machine_, event);
          } else if constexpr (std::is_same_v<Event, KeyPress>) {
            if (auto key = key_event_of(event)) machine_.inject_key_from_outside(*key);
          } else {
            open = false;
          }
        },
        input);
  }
  return open;
}

void View::run(const std::function<bool()>& keep_going) {
  auto next = std::chrono::steady_clock::now();
  while (keep_going() && refresh()) {
    next += kFramePeriod;
    const auto now = std::chrono::steady_clock::now();
    if (next < now) next = now;
    std::this_thread::sleep_until(next);
  }
}

}  // namespace view
