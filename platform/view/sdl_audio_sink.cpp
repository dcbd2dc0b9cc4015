#include "platform/view/sdl_audio_sink.h"

#include <SDL.h>

#include <map>

namespace view {
namespace {

class SdlAudioSink : public audio::AudioSink {
 public:
  SdlAudioSink() : available_(SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {}
  ~SdlAudioSink() override {
    for (const auto& [stream, device] : devices_)
      SDL_CloseAudioDevice(device);
    if (available_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  void opened(int stream, const audio::PcmFormat& format) override {
    if (!available_) return;
    SDL_AudioSpec wanted{};
    wanted.freq = format.sample_rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(format.channels);
    wanted.samples = 1024;
    SDL_AudioSpec obtained{};
    SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device == 0) return;
    devices_[stream] = device;
    SDL_PauseAudioDevice(device, 0);
  }

  void play(int stream, std::span<const std::int16_t> samples) override {
    auto at = devices_.find(stream);
    if (at != devices_.end())
      SDL_QueueAudio(at->second, samples.data(), static_cast<Uint32>(samples.size_bytes()));
  }

  void closed(int stream) override {
    auto at = devices_.find(stream);
    if (at == devices_.end()) return;
    SDL_CloseAudioDevice(at->second);
    devices_.erase(at);
  }

 private:
  bool available_;
  std::map<int, SDL_AudioDeviceID> devices_;
};

}  // namespace

std::unique_ptr<audio::AudioSink> make_sdl_audio_sink() {
  return std::make_unique<SdlAudioSink>();
}

}  // namespace view
