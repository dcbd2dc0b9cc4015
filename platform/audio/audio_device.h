// The desktop's audio device: the streams programs open through waveOut, what each has played
// and its level over the last second, and the sink the sound goes to.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/audio/audio_sink.h"
#include "platform/audio/level_meter.h"
#include "platform/desktop/clock.h"

struct WaveOutStream;

namespace audio {

struct StreamRecord {
  int id = 0;
  std::wstring program;  // the image name of the process that opened it
  PcmFormat format;
  std::uint64_t frames_played = 0;
  bool open = true;
  LevelMeter meter;
  std::uint64_t played_until = 0;  // the tick its last buffer ends
};

class AudioDevice {
 public:
  explicit AudioDevice(const desktop::Clock& clock);

  // Replaces the sink; streams already open go on into the new one.
  void set_sink(std::unique_ptr<AudioSink> sink);

  int open_stream(std::wstring program, const PcmFormat& format);
  // A buffer of the stream starts to play.
  void play(int stream, std::span<const std::int16_t> samples);
  void close_stream(int stream);

  const StreamRecord* stream(int id) const;
  // The stream's level over the last second of the desktop's clock, silence counted.
  Level level_of(const StreamRecord& stream) const;
  // The streams in the order they were opened, closed ones too.
  std::vector<const StreamRecord*> streams() const;
  // The last stream a program opened, or null.
  const StreamRecord* last_stream_of(std::wstring_view program) const;
  // The dump's section "audio": one object a stream with its level over the last second.
  std::string dump_json() const;

  // The waveOut handles open now, by handle value.
  std::map<std::uintptr_t, std::shared_ptr<WaveOutStream>>& wave_out_handles() { return handles_; }

 private:
  const desktop::Clock& clock_;
  std::unique_ptr<AudioSink> sink_;
  std::map<int, std::unique_ptr<StreamRecord>> streams_;
  int next_id_ = 1;
  std::map<std::uintptr_t, std::shared_ptr<WaveOutStream>> handles_;
};

}  // namespace audio
