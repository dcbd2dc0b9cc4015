// What a waiting desktop thread waits for: the scheduler wakes it when one of these happens.
#pragma once

#include <optional>
#include <vector>

#include "platform/desktop/clock.h"

namespace desktop {

enum WakeOn : unsigned {
  kWakeOnPosted = 1u << 0,  // posted, input, paint and timer work for its queue
  kWakeOnSent = 1u << 1,    // a message sent from another thread
  kWakeOnReply = 1u << 2,   // the reply to a message it sent
  kWakeOnObject = 1u << 3,  // one of its objects was signalled
  kWakeOnIdle = 1u << 4,    // nothing else in the desktop can run
};

struct WaitSpec {
  unsigned wake_on = 0;
  std::vector<const void*> objects;
  std::optional<Tick> deadline;
};

enum class WakeResult { Woken, Abandoned };

}  // namespace desktop
