// The host's sound for the view: each stream of the desktop's audio device plays on an SDL
// audio device of its own.
#pragma once

#include <memory>

#include "platform/audio/audio_sink.h"

namespace view {

// Without a sound device on the host every stream is silent.
std::unique_ptr<audio::AudioSink> make_sdl_audio_sink();

}  // namespace view
