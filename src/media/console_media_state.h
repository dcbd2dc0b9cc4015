// What the multimedia panel starts outlives the panel: the main dialog keeps it, and the panel,
// the players, the picker and the slide show read and write it there.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/afx/afx.h"

class CWMPlayVideo;
class CMultimediaControlDlg;

inline constexpr int MediaButtonCount = 16;

struct ConsoleMediaState {
  // Button k's script started, picture shown or audio playing in the background.
  std::array<bool, MediaButtonCount> mediaActive{};
  // The panel's background audio; a recorded show's soundtrack has a player of its own.
  bool backgroundAudioActive = false;
  HWND backgroundAudioHost = nullptr;
  int backgroundAudioButton = -1;
  // Told when the background audio ends by itself: the remote open on it, else the open panel.
  CWMPlayVideo* audioRemote = nullptr;
  CMultimediaControlDlg* openPanel = nullptr;
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
