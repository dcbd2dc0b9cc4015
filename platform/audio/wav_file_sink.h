// Keeps each stream's sound in a WAV file of its own beside the path given:
// "sound.wav" holds stream 1, "sound-2.wav" stream 2, and so on.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/audio/audio_sink.h"

namespace audio {

class WavFileSink : public AudioSink {
 public:
  explicit WavFileSink(std::filesystem::path path) : path_(std::move(path)) {}
  ~WavFileSink() override;

  void opened(int stream, const PcmFormat& format) override;
  void play(int stream, std::span<const std::int16_t> samples) override;
  void closed(int stream) override;

  std::filesystem::path file_of(int stream) const;

 private:
  struct File {
    std::ofstream out;
    PcmFormat format;
    std::uint32_t data_bytes = 0;
  };
  void finish(File& file);

  std::filesystem::path path_;
  std::map<int, File> files_;
};

}  // namespace audio
