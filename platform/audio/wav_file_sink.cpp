#include "platform/audio/wav_file_sink.h"

#include <array>

namespace audio {
namespace {

constexpr std::uint32_t kHeaderBytes = 44;

void put16(std::ostream& out, std::uint16_t value) {
  std::array<char, 2> bytes{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
  out.write(bytes.data(), bytes.size());
}

void put32(std::ostream& out, std::uint32_t value) {
  put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
  put16(out, static_cast<std::uint16_t>(value >> 16));
}

void write_header(std::ostream& out, const PcmFormat& format, std::uint32_t data_bytes) {
  const auto channels = static_cast<std::uint16_t>(format.channels);
  const auto rate = static_cast<std::uint32_t>(format.sample_rate);
  out.write("RIFF", 4);
  put32(out, kHeaderBytes - 8 + data_bytes);
  out.write("WAVEfmt ", 8);
  put32(out, 16);
  put16(out, 1);
  put16(out, channels);
  put32(out, rate);
  put32(out, rate * channels * 2);
  put16(out, static_cast<std::uint16_t>(channels * 2));
  put16(out, 16);
  out.write("data", 4);
  put32(out, data_bytes);
}

}  // namespace

WavFileSink::~WavFileSink() {
  for (auto& [stream, file] : files_)
    finish(file);
}

std::filesystem::path WavFileSink::file_of(int stream) const {
  if (stream == 1) return path_;
  std::filesystem::path path = path_;
  path.replace_filename(path_.stem().string() + "-" + std::to_string(stream) + path_.extension().string());
  return path;
}

void WavFileSink::opened(int stream, const PcmFormat& format) {
  File& file = files_[stream];
  file.format = format;
  file.out.open(file_of(stream), std::ios::binary | std::ios::trunc);
  write_header(file.out, format, 0);
}

void WavFileSink::play(int stream, std::span<const std::int16_t> samples) {
  auto at = files_.find(stream);
  if (at == files_.end()) return;
  for (std::int16_t sample : samples)
    put16(at->second.out, static_cast<std::uint16_t>(sample));
  at->second.data_bytes += static_cast<std::uint32_t>(samples.size() * 2);
}

void WavFileSink::closed(int stream) {
  auto at = files_.find(stream);
  if (at == files_.end()) return;
  finish(at->second);
  files_.erase(at);
}

void WavFileSink::finish(File& file) {
  if (!file.out.is_open()) return;
  file.out.seekp(0);
  write_header(file.out, file.format, file.data_bytes);
  file.out.close();
}

}  // namespace audio
