// One run of the stand-in mpv: it reads its command line, opens the file, shows a window of
// class "mpv" titled "mpv - <file>" where the options place it, plays the media on the
// desktop's clock and takes mpv's default keys, until q, WM_CLOSE or the end of the file.
#pragma once

#include <memory>
#include <string>

#include "peers/media/playback.h"
#include "peers/mpv/command_line.h"
#include "peers/mpv/mpv_probe.h"

namespace mpv {

// Exit codes as mpv gives them.
inline constexpr int kExitQuit = 0;
inline constexpr int kExitBadOption = 1;
inline constexpr int kExitBadFile = 2;

class Player {
 public:
  explicit Player(std::shared_ptr<MpvProbe> probe) : probe_(std::move(probe)), playback_(log_) {}
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  int run(const std::wstring& command_line);

  // mpv's key actions, by the key's name.
  void pause() { playback_.set_paused(!playback_.paused()); }
  void mute() { playback_.set_muted(!playback_.muted()); }
  void change_volume(int step) { playback_.set_volume(playback_.volume() + step); }
  void multiply_speed(double factor) { playback_.set_speed(playback_.speed() * factor); }
  void normal_speed() { playback_.set_speed(1); }
  void seek(double seconds) { playback_.seek_by(seconds); }
  void quit();

 private:
  static LRESULT CALLBACK window_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  int fail(int exit_code, const std::string& line);
  bool create_window(const Options& options);
  void tick();
  void key(const std::string& name);
  void paint();
  void publish();

  std::shared_ptr<MpvProbe> probe_;
  std::size_t run_ = 0;
  media::MediaLog log_;
  media::Playback playback_;
  HWND window_ = nullptr;
  std::string end_;
};

}  // namespace mpv
