#include "platform/audio/audio_device.h"

#include <algorithm>
#include <cstdio>

#include "platform/desktop/json_text.h"
#include "platform/desktop/utf8.h"

namespace audio {

AudioDevice::AudioDevice(const desktop::Clock& clock) : clock_(clock), sink_(std::make_unique<NullSink>()) {}

void AudioDevice::set_sink(std::unique_ptr<AudioSink> sink) {
  sink_ = sink ? std::move(sink) : std::make_unique<NullSink>();
  for (const auto& [id, record] : streams_)
    if (record->open) sink_->opened(id, record->format);
}

int AudioDevice::open_stream(std::wstring program, const PcmFormat& format) {
  const int id = next_id_++;
  auto record = std::make_unique<StreamRecord>(
      StreamRecord{id, std::move(program), format, 0, true,
                   LevelMeter(static_cast<std::size_t>(format.sample_rate * format.channels))});
  streams_[id] = std::move(record);
  sink_->opened(id, format);
  return id;
}

void AudioDevice::play(int stream, std::span<const std::int16_t> samples) {
  auto at = streams_.find(stream);
  if (at == streams_.end() || !at->second->open) return;
  StreamRecord& record = *at->second;
  const std::size_t frames = samples.size() / static_cast<std::size_t>(record.format.channels);
  record.frames_played += frames;
  record.meter.add(samples);
  record.played_until = std::max(record.played_until, clock_.now()) +
                        frames * 1000 / static_cast<std::size_t>(record.format.sample_rate);
  sink_->play(stream, samples);
}

void AudioDevice::close_stream(int stream) {
  auto at = streams_.find(stream);
  if (at == streams_.end() || !at->second->open) return;
  at->second->open = false;
  sink_->closed(stream);
}

const StreamRecord* AudioDevice::stream(int id) const {
  auto at = streams_.find(id);
  return at == streams_.end() ? nullptr : at->second.get();
}

Level AudioDevice::level_of(const StreamRecord& stream) const {
  const desktop::Tick now = clock_.now();
  const std::uint64_t silent_ms = now > stream.played_until ? now - stream.played_until : 0;
  const std::uint64_t samples_per_second =
      static_cast<std::uint64_t>(stream.format.sample_rate) * stream.format.channels;
  return stream.meter.last_second(
      static_cast<std::size_t>(std::min<std::uint64_t>(silent_ms, 1000) * samples_per_second / 1000));
}

std::vector<const StreamRecord*> AudioDevice::streams() const {
  std::vector<const StreamRecord*> all;
  for (const auto& [id, record] : streams_)
    all.push_back(record.get());
  return all;
}

const StreamRecord* AudioDevice::last_stream_of(std::wstring_view program) const {
  const StreamRecord* last = nullptr;
  for (const auto& [id, record] : streams_)
    if (record->program == program) last = record.get();
  return last;
}

std::string AudioDevice::dump_json() const {
  std::string json = "[";
  for (const auto& [id, record] : streams_) {
    const Level level = level_of(*record);
    char numbers[256];
    std::snprintf(numbers, sizeof numbers,
                  "\"channels\": %d, \"sample_rate\": %d, \"frames_played\": %llu, \"open\": %s, "
                  "\"rms\": %.4f, \"peak\": %.4f}",
                  record->format.channels, record->format.sample_rate,
                  static_cast<unsigned long long>(record->frames_played), record->open ? "true" : "false",
                  level.rms, level.peak);
    if (json.size() > 1) json += ", ";
    json += "{\"stream\": " + std::to_string(id) +
            ", \"program\": " + desktop::json_text(desktop::to_utf8(record->program)) + ", " + numbers;
  }
  return json + "]";
}

}  // namespace audio
