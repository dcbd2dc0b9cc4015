// A player's sound on the desktop's audio device: a few short waveOut buffers kept full from
// the decoded samples, at the player's volume.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

#include "platform/win/wave_out_api.h"

namespace media {

class AudioOutput {
 public:
  AudioOutput() = default;
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  // Opens a stereo stream at the decoder's output rate; false when the device refuses.
  bool open();
  bool is_open() const { return out_ != nullptr; }

  // 0 to 130; 100 plays the samples as decoded.
  void set_volume(int volume) { volume_ = volume; }
  void set_muted(bool muted) { muted_ = muted; }

  // Moves samples into every buffer the device has given back; at the end of the media a last
  // short buffer goes too.
  void feed(std::deque<std::int16_t>& samples, bool end_of_media);
  void pause();
  void resume();
  // Drops what is queued, as after a seek.
  void reset();
  // Nothing is queued on the device.
  bool idle() const;

 private:
  static constexpr std::size_t kBufferSamples = 1920 * 2;  // 40 ms of stereo at 48 kHz
  struct Buffer {
    std::vector<std::int16_t> samples = std::vector<std::int16_t>(kBufferSamples);
    WAVEHDR header{};
  };
  void write(Buffer& buffer, std::deque<std::int16_t>& samples, std::size_t count);

  HWAVEOUT out_ = nullptr;
  std::array<Buffer, 6> buffers_;
  int volume_ = 100;
  bool muted_ = false;
};

}  // namespace media
