#include "platform/audio/level_meter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace audio {

LevelMeter::LevelMeter(std::size_t samples_per_second)
    : ring_(std::max<std::size_t>(samples_per_second, 1)) {}

void LevelMeter::add(std::span<const std::int16_t> samples) {
  for (std::int16_t sample : samples) {
    ring_[next_] = sample;
    next_ = (next_ + 1) % ring_.size();
  }
  filled_ = std::min(ring_.size(), filled_ + samples.size());
}

Level LevelMeter::last_second() const {
  if (filled_ == 0) return {};
  double sum_of_squares = 0;
  int peak = 0;
  for (std::size_t i = 0; i < filled_; ++i) {
    int sample = ring_[i];
    sum_of_squares += static_cast<double>(sample) * sample;
    peak = std::max(peak, std::abs(sample));
  }
  constexpr double kFullScale = 32768.0;
  return {std::sqrt(sum_of_squares / static_cast<double>(filled_)) / kFullScale, peak / kFullScale};
}

}  // namespace audio
