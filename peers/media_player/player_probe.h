// What the media player controls of a desktop do, for tests and for the dump section
// "media_player": each control made, its media, state, picture and host, and a log.
#pragma once

#include <string>

#include "peers/control_probe.h"
#include "platform/win/win_types.h"

namespace media_player {

struct PlayerView {
  HWND window = nullptr;  // the control's own window, a child of its host
  HWND host = nullptr;
  std::wstring url;
  std::wstring ui_mode;
  std::string state;    // "closed", "ready", "playing", "paused", "stopped", "ended" or "failed"
  std::string failure;  // why the media could not be opened; empty otherwise
  double position = 0;  // seconds
  double duration = 0;
  int rate = 1;  // 1, or 5 and -5 in the fast modes
  int volume = 0;
  bool mute = false;
  bool enabled = true;
  bool full_screen = false;
  int frames_shown = 0;
  COLORREF last_centre = 0;  // the centre of the last frame shown
  bool released = false;
};

class PlayerProbe : public peers::ControlProbe<PlayerView> {
 public:
  // On a desktop thread: the hosts' rectangles and the class's install are read as they are now.
  std::string dump_json() const;
};

}  // namespace media_player
