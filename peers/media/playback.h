// The playback core a player program or control builds on: one media file played on the
// desktop's clock in the caller's thread. The owner calls tick() when the time it returned has
// passed (a desktop timer), paints picture() in its window, and steers with pause, speed, seek,
// volume and mute. Memory stays bounded: a few frames and a few seconds of sound at most.
#pragma once

#include <optional>
#include <string>

#include "peers/media/audio_output.h"
#include "peers/media/frame_painter.h"
#include "peers/media/media_file.h"
#include "peers/media/media_log.h"

namespace media {

struct TickResult {
  bool repaint = false;  // a new frame is in picture()
  bool ended = false;    // the media played to its end
  // Milliseconds until the next tick is due; none while paused or ended.
  std::optional<DWORD> next_ms;
};

class Playback {
 public:
  explicit Playback(MediaLog& log) : log_(log) {}

  // Empty when the file plays; else why not, also in the log.
  std::string open(const std::wstring& path);
  void set_orientation(Orientation orientation) { painter_.set_orientation(orientation); }
  // Starts the media's clock now.
  void start();
  // Catches up with the clock: the frame due is painted at width by height, the sound fed.
  TickResult tick(int width, int height);

  void set_paused(bool paused);
  void set_speed(double speed);
  void seek_by(double seconds);
  // Goes to the time, also from the end of the media, playing on or paused as before.
  void go_to(double seconds);
  // Paints the frame due now, also while paused, as after go_to.
  TickResult present(int width, int height);
  // Paints the first frame after go_to, the key frame it went back to, also while paused: a
  // quick look that decodes no further, for stepping through the media.
  TickResult present_key_frame(int width, int height);
  void set_volume(int volume);
  void set_muted(bool muted);

  // The Win32 error of opening the file, 0 once it opened (as media or not).
  DWORD file_error() const { return file_.file_error(); }
  bool has_video() const { return file_.has_video(); }
  int video_width() const { return file_.width(); }
  int video_height() const { return file_.height(); }
  int decoding_threads() const { return file_.decoding_threads(); }
  bool paused() const { return paused_; }
  bool ended() const { return ended_; }
  double speed() const { return speed_; }
  int volume() const { return volume_; }
  bool muted() const { return muted_; }
  double duration() const { return file_.duration(); }
  double position() const;
  int frames_shown() const { return frames_shown_; }
  int frames_dropped() const { return frames_dropped_; }
  const FramePainter& picture() const { return painter_; }
  FramePainter& picture() { return painter_; }

 private:
  enum class Fill { FramesOnly, FramesAndSound };
  // Decodes until a few frames (and half a second of sound) wait, within bounds.
  void fill(Fill what);
  void show_due_frames(int width, int height, TickResult& result);
  std::optional<DWORD> next_due() const;
  void rebase();

  MediaLog& log_;
  MediaFile file_;
  AudioOutput sound_;
  FramePainter painter_;
  bool started_ = false;
  bool paused_ = false;
  bool ended_ = false;
  double speed_ = 1;
  int volume_ = 100;
  bool muted_ = false;
  // The media's time at base_tick_, from which the clock runs at speed_.
  double base_position_ = 0;
  unsigned long long base_tick_ = 0;
  int frames_shown_ = 0;
  int frames_dropped_ = 0;
};

}  // namespace media
