#include "platform/desktop/message_queue.h"

namespace desktop {

std::optional<Tick> MessageQueue::next_timer_due() const {
  std::optional<Tick> next;
  for (const WindowTimer& timer : timers)
    if (!next || timer.due < *next) next = timer.due;
  return next;
}

}  // namespace desktop
