// Every timer of the main dialog's window, by what its expiry does.
#pragma once

#include <array>

#include "src/link/planetarium_link.h"

enum ConsoleTimerId : UINT_PTR {
  SimulationDataTimer = 98,
  StartStateEndTimer = StartStateScriptEndTimer,
  ScriptEndZoomOutTimer = ScriptEndTimer,
  EventLoaderResetTimer = 101,
  ConsoleForwardTimer = 103,
  StatusLineTimer = StatusClearTimer,
  UserScriptLoaderResetTimer = LoaderResetTimer,
  RateStepTimer = 106,
  ScriptFlagTimer = 107,
  FlyByNoticeTimer = 108,
  SplashTimer = 110,
  KeepInPlaceTimer = 112,
  TimeForwardTimer = 150,
  TimeBackwardTimer = 151,
  ArrowDownTimer = 170,
  ArrowUpTimer = 171,
  ZoomInSafetyTimer = 172,
  ZoomOutSafetyTimer = 173,
  ForwardHoldEndTimer = 174,
  BackwardHoldEndTimer = 175,
  ArrowLeftTimer = 176,
  ArrowRightTimer = 177,
  AtmosphereKeyTimer = 178,
  FogKeyTimer = 179,
  BoundariesKeyTimer = 180,
  LinesKeyTimer = 181,
  ArtKeyTimer = 182,
  GroundKeyTimer = 183,
  CardinalPointsKeyTimer = 184,
  EquatorialGridKeyTimer = 185,
  EquatorLineKeyTimer = 186,
  ResetKeyTimer = 187,
  AzimuthalGridKeyTimer = 189,
  PlanetOrbitsKeyTimer = 190,
  EclipticKeyTimer = 191,
  NormalSpeedKeyTimer = 192,
  NowKeyTimer = 193,
  ConstellationNamesKeyTimer = 194,
  MoonLandingTimer = 196,
  TethysLandingTimer = 197,
  EuropaLandingTimer = 198,
  MoonFlyByEndTimer = 200,
  LiveMonitorTimer = 201,
  CharonLandingTimer = 202,
  FlyByEndTimer = 203,
  PhobosLandingTimer = 205,
  TritonLandingTimer = 206,
  EventZoomOutTimer = 210,
  PositionLabelsTimer = 220,
  ReplayStepTimer = 300,
  SoundEndTimer = 301,
  EmergencyTimer = 500,
  StartStateTimer = 999,
};

// A script stop drops the pending timers from 100 to 199, but not these, which belong to no
// script: the status line, the loader going idle, the fly-by notice, the splash and the
// training layout's keep-in-place check.
inline constexpr std::array<UINT_PTR, 6> TimersAScriptStopKeeps{
    EventLoaderResetTimer, StatusLineTimer, UserScriptLoaderResetTimer,
    FlyByNoticeTimer,      SplashTimer,     KeepInPlaceTimer,
};
// The fly-by's timers: its ends and its landings.
inline constexpr std::array<UINT_PTR, 8> FlyByTimers{
    MoonFlyByEndTimer,  FlyByEndTimer,      MoonLandingTimer,   TethysLandingTimer,
    EuropaLandingTimer, CharonLandingTimer, PhobosLandingTimer, TritonLandingTimer};
// The held time buttons' stepping, which their release, pause and the normal rate stop.
inline constexpr std::array<UINT_PTR, 4> TimeSteppingTimers{ForwardHoldEndTimer, BackwardHoldEndTimer,
                                                            TimeForwardTimer, TimeBackwardTimer};
// The training layout checks once a second that Orvenna and the console are on the primary.
inline constexpr UINT KeepInPlaceMs = 1000;
inline constexpr UINT_PTR FirstScriptTimer = 100;
inline constexpr UINT_PTR LastScriptTimer = 199;

// Timers whose expiry releases a key that Orvenna holds (posted key-ups, injected Shift, Ctrl
// and Alt): a script stop runs them at once rather than leave the key down.
inline constexpr std::array<UINT_PTR, 22> KeyReleaseTimers{
    ArrowDownTimer,
    ArrowUpTimer,
    ZoomInSafetyTimer,
    ZoomOutSafetyTimer,
    ArrowLeftTimer,
    ArrowRightTimer,
    AtmosphereKeyTimer,
    FogKeyTimer,
    BoundariesKeyTimer,
    LinesKeyTimer,
    ArtKeyTimer,
    GroundKeyTimer,
    CardinalPointsKeyTimer,
    EquatorialGridKeyTimer,
    EquatorLineKeyTimer,
    ResetKeyTimer,
    AzimuthalGridKeyTimer,
    PlanetOrbitsKeyTimer,
    EclipticKeyTimer,
    NormalSpeedKeyTimer,
    NowKeyTimer,
    ConstellationNamesKeyTimer,
};
