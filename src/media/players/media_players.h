// What the players give back to the panel and the picker.
#pragma once

#include "platform/win/win_types.h"

// PlayAudio: the audio plays on in the background after its player closed.
inline constexpr INT_PTR AudioPlaysOn = 5;
// PlayAudio: the audio was stopped, or never started, in its first player.
inline constexpr INT_PTR AudioStopped = 1;
// The player re-opened on the background audio was stopped with its stop button.
inline constexpr INT_PTR BackgroundAudioStopped = 3;
