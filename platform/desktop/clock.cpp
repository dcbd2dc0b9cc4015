#include "platform/desktop/clock.h"

namespace desktop {

Clock::Clock(ClockKind kind, Tick start_tick, std::int64_t start_unix_ms, TimeZone zone)
    : kind_(kind),
      start_tick_(start_tick),
      real_start_(std::chrono::steady_clock::now()),
      virtual_now_(start_tick),
      unix_at_start_tick_(start_unix_ms),
      zone_(std::move(zone)) {}

Tick Clock::now() const {
  if (is_virtual()) return virtual_now_.load();
  auto elapsed = std::chrono::steady_clock::now() - real_start_;
  return start_tick_ +
         static_cast<Tick>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void Clock::jump_to(Tick tick) {
  if (is_virtual() && tick > virtual_now_.load()) virtual_now_.store(tick);
}

std::chrono::steady_clock::time_point Clock::real_time_of(Tick tick) const {
  return real_start_ + std::chrono::milliseconds(tick > start_tick_ ? tick - start_tick_ : 0);
}

std::int64_t Clock::unix_ms() const {
  return unix_at_start_tick_.load() + static_cast<std::int64_t>(now() - start_tick_);
}

void Clock::set_unix_ms(std::int64_t unix_ms) {
  unix_at_start_tick_.store(unix_ms - static_cast<std::int64_t>(now() - start_tick_));
}

}  // namespace desktop
