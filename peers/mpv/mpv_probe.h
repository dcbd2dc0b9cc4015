// What the stand-in mpv did, for tests and the dump's section "mpv": each start with its command
// line, window, playing state, frames, keys with their times, log and exit.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/win_types.h"

namespace mpv {

struct KeyReceived {
  DWORD tick = 0;
  std::string key;  // "p", "Space", "BS", "LEFT" ...
};

struct MpvRun {
  std::wstring command_line;
  HWND window = nullptr;
  std::wstring title;
  RECT rect{};
  bool topmost = false;
  bool paused = false;
  double position = 0;
  double duration = 0;
  double speed = 1;
  int volume = 100;
  bool muted = false;
  int frames_shown = 0;
  COLORREF last_centre = 0;
  std::vector<KeyReceived> keys;
  std::vector<std::string> log;
  std::string end;  // why it ended: "quit", "close", "end of file", "error"; empty while it runs
  std::optional<int> exit_code;
};

class MpvProbe {
 public:
  // Copies, safe from any thread.
  std::vector<MpvRun> runs() const;
  std::optional<MpvRun> last() const;
  std::string dump_json() const;

  // For the program: its run's index, then updates to it.
  std::size_t started(std::wstring command_line);
  template <typename Change>
  void update(std::size_t run, Change change) {
    std::lock_guard lock(mutex_);
    change(runs_[run]);
  }

 private:
  mutable std::mutex mutex_;
  std::vector<MpvRun> runs_;
};

}  // namespace mpv
