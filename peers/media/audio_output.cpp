#include "peers/media/audio_output.h"

#include <algorithm>
#include <cmath>

#include "peers/media/media_file.h"

namespace media {

AudioOutput::~AudioOutput() {
  if (out_ == nullptr) return;
  waveOutReset(out_);
  for (Buffer& buffer : buffers_)
    if ((buffer.header.dwFlags & WHDR_PREPARED) != 0)
      waveOutUnprepareHeader(out_, &buffer.header, sizeof(WAVEHDR));
  waveOutClose(out_);
}

bool AudioOutput::open() {
  WAVEFORMATEX format{WAVE_FORMAT_PCM,
                      kOutputChannels,
                      kOutputRate,
                      kOutputRate * kOutputChannels * 2,
                      kOutputChannels * 2,
                      16,
                      0};
  if (waveOutOpen(&out_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
    out_ = nullptr;
    return false;
  }
  for (Buffer& buffer : buffers_) {
    buffer.header.lpData = reinterpret_cast<char*>(buffer.samples.data());
    buffer.header.dwBufferLength = static_cast<DWORD>(kBufferSamples * 2);
    waveOutPrepareHeader(out_, &buffer.header, sizeof(WAVEHDR));
  }
  return true;
}

void AudioOutput::feed(std::deque<std::int16_t>& samples, bool end_of_media) {
  if (out_ == nullptr) {
    samples.clear();
    return;
  }
  for (Buffer& buffer : buffers_) {
    if ((buffer.header.dwFlags & WHDR_INQUEUE) != 0) continue;
    if (samples.size() >= kBufferSamples)
      write(buffer, samples, kBufferSamples);
    else if (end_of_media && !samples.empty())
      write(buffer, samples, samples.size());
  }
}

void AudioOutput::write(Buffer& buffer, std::deque<std::int16_t>& samples, std::size_t count) {
  const double gain = muted_ ? 0.0 : std::clamp(volume_, 0, 130) / 100.0;
  for (std::size_t i = 0; i < count; ++i) {
    const double value = std::lround(samples[i] * gain);
    buffer.samples[i] = static_cast<std::int16_t>(std::clamp(value, -32768.0, 32767.0));
  }
  samples.erase(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(count));
  buffer.header.dwBufferLength = static_cast<DWORD>(count * 2);
  waveOutWrite(out_, &buffer.header, sizeof(WAVEHDR));
}

void AudioOutput::pause() {
  if (out_ != nullptr) waveOutPause(out_);
}

void AudioOutput::resume() {
  if (out_ != nullptr) waveOutRestart(out_);
}

void AudioOutput::reset() {
  if (out_ != nullptr) waveOutReset(out_);
}

bool AudioOutput::idle() const {
  return std::none_of(buffers_.begin(), buffers_.end(),
                      [](const Buffer& buffer) { return (buffer.header.dwFlags & WHDR_INQUEUE) != 0; });
}

}  // namespace media
