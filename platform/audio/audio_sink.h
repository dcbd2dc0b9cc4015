// Where the audio device's sound goes. The null sink drops it (tests); a WAV file keeps it; the
// view plays it on the host. A sink hears each buffer when it starts to play on the desktop's
// clock.
#pragma once

#include <cstdint>
#include <span>

namespace audio {

struct PcmFormat {
  int channels = 2;
  int sample_rate = 48000;  // frames a second, 16-bit signed samples
};

class AudioSink {
 public:
  virtual ~AudioSink() = default;
  virtual void opened(int /*stream*/, const PcmFormat& /*format*/) {}
  virtual void play(int /*stream*/, std::span<const std::int16_t> /*samples*/) {}
  virtual void closed(int /*stream*/) {}
};

// The default: the sound goes nowhere; the device still keeps each stream's level.
using NullSink = AudioSink;

}  // namespace audio
