// The desktop's clock: milliseconds since boot, and the wall clock and time zone beside it.
// Real when the program runs; virtual in tests, where only the scheduler moves it.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

#include "platform/desktop/time_zone.h"

namespace desktop {

using Tick = std::uint64_t;

enum class ClockKind { Virtual, Real };

class Clock {
 public:
  Clock(ClockKind kind, Tick start_tick, std::int64_t start_unix_ms, TimeZone zone);

  ClockKind kind() const { return kind_; }
  bool is_virtual() const { return kind_ == ClockKind::Virtual; }

  Tick now() const;
  // Moves a virtual clock forward; never backwards.
  void jump_to(Tick tick);
  std::chrono::steady_clock::time_point real_time_of(Tick tick) const;

  // Wall clock, UTC milliseconds since 1970, at now().
  std::int64_t unix_ms() const;
  void set_unix_ms(std::int64_t unix_ms);

  const TimeZone& zone() const { return zone_; }
  void set_zone(const TimeZone& zone) { zone_ = zone; }

 private:
  ClockKind kind_;
  Tick start_tick_;
  std::chrono::steady_clock::time_point real_start_;
  std::atomic<Tick> virtual_now_;
  std::atomic<std::int64_t> unix_at_start_tick_;
  TimeZone zone_;
};

}  // namespace desktop
