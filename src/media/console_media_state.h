// What the multimedia panel starts outlives the panel: the main dialog keeps it, and the panel,
// the players, the picker and the slide show read and write it there.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/afx/afx.h"

struct IWMPPlayer;
struct IWMPControls;
struct IWMPSettings;

inline constexpr int MediaButtonCount = 16;

struct ConsoleMediaState {
  // Button k's script started, picture shown or audio playing in the background.
  std::array<bool, MediaButtonCount> mediaActive{};
  bool backgroundAudioActive = false;
  HWND backgroundAudioHost = nullptr;
  // The media player control in that host while a recorded show's soundtrack plays.
  IWMPPlayer* backgroundAudioPlayer = nullptr;
  IWMPControls* backgroundAudioControls = nullptr;
  IWMPSettings* backgroundAudioSettings = nullptr;
  // The folder and type (0 scripts, 2 videos, 3 audio) of the button whose picker is open.
  std::wstring mediaFolder;
  int mediaKind = 0;
  // The slide show's pictures, names without folder; slideIndex is the next one to show.
  std::vector<std::wstring> slideFiles;
  int slideButton = 0;
  int slideCount = 0;
  int slideIndex = 0;
  std::wstring slideFolder;
  // The photo-folder button's caption while its slide show is open.
  std::wstring savedButtonCaption;
};
