// The level of a stream over its last second: RMS and peak of every sample, as fractions of
// full scale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace audio {

struct Level {
  double rms = 0;
  double peak = 0;
};

class LevelMeter {
 public:
  // samples_per_second: frames a second times channels.
  explicit LevelMeter(std::size_t samples_per_second);

  void add(std::span<const std::int16_t> samples);
  // The last second, of which the newest silent_samples were silence (nothing played).
  Level last_second(std::size_t silent_samples = 0) const;

 private:
  std::vector<std::int16_t> ring_;
  std::size_t next_ = 0;
  std::size_t filled_ = 0;
};

}  // namespace audio
