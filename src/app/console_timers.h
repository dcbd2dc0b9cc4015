// The main dialog's timers, by id: whoever arms one, its expiry is dispatched by OnTimer.
// The link's end-of-script, status-line and loader timers are in planetarium_link.h.
#pragma once

#include <array>

#include "src/link/planetarium_link.h"

enum ConsoleTimerId : UINT_PTR {
  SimulationDataTimer = 98,
  EventLoaderResetTimer = 101,
  ScriptFlagTimer = 107,
  FlyByNoticeTimer = 108,
  SplashTimer = 110,
  KeepInPlaceTimer = 112,
  StartStateTimer = 999,
};

// A script stop drops the pending timers from 100 to 199, but not these, which belong to no
// script: the status line, the loader going idle, the fly-by notice, the splash and the
// training layout's keep-in-place check.
inline constexpr std::array<UINT_PTR, 6> TimersAScriptStopKeeps{
    EventLoaderResetTimer, StatusClearTimer, LoaderResetTimer,
    FlyByNoticeTimer,      SplashTimer,      KeepInPlaceTimer,
};
inline constexpr UINT_PTR FirstScriptTimer = 100;
inline constexpr UINT_PTR LastScriptTimer = 199;

// Timers whose expiry releases a key that Orvenna holds (posted key-ups, injected Shift, Ctrl
// and Alt): a script stop runs them at once rather than leave the key down.
inline constexpr std::array<UINT_PTR, 22> KeyReleaseTimers{
    170, 171, 172, 173, 176, 177, 178, 179, 180, 181, 182,
    183, 184, 185, 186, 187, 189, 190, 191, 192, 193, 194,
};
