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

Level LevelMeter::last_second(std::size_t silent_samples) const {
  const std::size_t span = std::min(ring_.size(), filled_ + silent_samples);
  const std::size_t heard = span - std::min(span, silent_samples);
  if (span == 0) return {};
  double sum_of_squares = 0;
  int peak = 0;
  for (std::size_t back = 1; back <= heard; ++back) {
    const int sample = ring_[(next_ + ring_.size() - back) % ring_.size()];
    sum_of_squares += static_cast<double>(sample) * sample;
    peak = std::max(peak, std::abs(sample));
  }
  constexpr double kFullScale = 32768.0;
  return {std::sqrt(sum_of_squares / static_cast<double>(span)) / kFullScale, peak / kFullScale};
}

}  // namespace audio
