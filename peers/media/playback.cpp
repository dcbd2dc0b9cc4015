#include "peers/media/playback.h"

#include <algorithm>
#include <cmath>

extern "C" {
#include <libavutil/frame.h>
}

#include "platform/win/time_api.h"

namespace media {
namespace {

constexpr std::size_t kFramesAhead = 2;
// Video packets read ahead to reach the sound, waiting to be decoded.
constexpr std::size_t kMostPackets = 64;
constexpr std::size_t kSamplesAhead = kOutputRate * kOutputChannels / 2;  // half a second
constexpr std::size_t kMostSamples = kOutputRate * kOutputChannels * 4;
// While sound plays the owner comes back at least this often to keep the device fed.
constexpr DWORD kSoundRefillMs = 40;
constexpr double kLateness = 0.0005;

}  // namespace

std::string Playback::open(const std::wstring& path) {
  LogScope scope(log_);
  std::string why = file_.open(path);
  if (!why.empty()) {
    log_.add(why);
    return why;
  }
  if (file_.has_audio() && !sound_.open()) log_.add("no audio device: playing without sound");
  return {};
}

void Playback::start() {
  // The first frames and sound are decoded before the clock runs, so the first frame is on time.
  LogScope scope(log_);
  fill(Fill::FramesAndSound);
  started_ = true;
  base_position_ = 0;
  base_tick_ = GetTickCount64();
}

double Playback::position() const {
  if (!started_ || paused_ || ended_) return base_position_;
  return base_position_ + static_cast<double>(GetTickCount64() - base_tick_) / 1000.0 * speed_;
}

void Playback::rebase() {
  base_position_ = position();
  base_tick_ = GetTickCount64();
}

void Playback::fill(Fill what) {
  for (;;) {
    const bool want_frames = file_.has_video() && file_.video_frames().size() < kFramesAhead;
    const bool want_sound =
        what == Fill::FramesAndSound && file_.has_audio() && file_.audio_samples().size() < kSamplesAhead;
    if (want_frames && file_.decode_video()) continue;
    if (!want_frames && !want_sound) return;
    if (file_.video_packets_waiting() >= kMostPackets || file_.audio_samples().size() >= kMostSamples) return;
    if (!file_.pull()) return;
  }
}

void Playback::show_due_frames(int width, int height, TickResult& result) {
  const double now = position();
  for (;;) {
    // Only the frames needed to tell the one due from those it is late for.
    fill(Fill::FramesOnly);
    auto& frames = file_.video_frames();
    if (frames.empty() || frames.front().time > now + kLateness) return;
    if (frames.size() >= 2 && frames[1].time <= now + kLateness) {
      file_.drop_front_frame();
      ++frames_dropped_;
      continue;
    }
    painter_.paint(*frames.front().frame, width, height);
    file_.drop_front_frame();
    ++frames_shown_;
    result.repaint = true;
    return;
  }
}

TickResult Playback::tick(int width, int height) {
  TickResult result;
  if (!started_ || ended_) {
    result.ended = ended_;
    return result;
  }
  LogScope scope(log_);
  if (!paused_) {
    show_due_frames(width, height, result);
    // A new frame goes on screen before anything more is decoded: the owner comes back at once.
    if (!result.repaint) fill(Fill::FramesAndSound);
    sound_.feed(file_.audio_samples(), file_.at_end());
  }
  if (file_.at_end() && file_.video_frames().empty() && file_.audio_samples().empty() && sound_.idle()) {
    base_position_ = position();
    ended_ = true;
    result.ended = true;
    return result;
  }
  result.next_ms = result.repaint ? 0 : next_due();
  return result;
}

std::optional<DWORD> Playback::next_due() const {
  if (paused_) return std::nullopt;
  DWORD wait = kSoundRefillMs;
  const auto& frames = file_.video_frames();
  if (!frames.empty()) {
    const double ahead = std::max(0.0, (frames.front().time - position()) / speed_);
    const auto frame_ms = static_cast<DWORD>(std::ceil(ahead * 1000.0 - 1e-6));
    wait = file_.has_audio() ? std::min(wait, frame_ms) : frame_ms;
  }
  return wait;
}

void Playback::set_paused(bool paused) {
  if (paused == paused_ || ended_) return;
  rebase();
  paused_ = paused;
  if (paused)
    sound_.pause();
  else
    sound_.resume();
}

void Playback::set_speed(double speed) {
  speed = std::clamp(speed, 0.01, 100.0);
  rebase();
  speed_ = speed;
  LogScope scope(log_);
  file_.set_audio_speed(speed);
}

void Playback::seek_by(double seconds) {
  if (!ended_) go_to(position() + seconds);
}

void Playback::go_to(double seconds) {
  double target = std::max(0.0, seconds);
  if (file_.duration() > 0) target = std::min(target, file_.duration());
  LogScope scope(log_);
  file_.seek(target);
  sound_.reset();
  ended_ = false;
  fill(Fill::FramesAndSound);
  base_position_ = target;
  base_tick_ = GetTickCount64();
}

TickResult Playback::present(int width, int height) {
  TickResult result;
  LogScope scope(log_);
  show_due_frames(width, height, result);
  return result;
}

TickResult Playback::present_key_frame(int width, int height) {
  TickResult result;
  LogScope scope(log_);
  auto& frames = file_.video_frames();
  while (frames.empty() && file_.pull()) {
  }
  if (frames.empty()) return result;
  painter_.paint(*frames.front().frame, width, height);
  ++frames_shown_;
  result.repaint = true;
  return result;
}

void Playback::set_volume(int volume) {
  volume_ = std::clamp(volume, 0, 130);
  sound_.set_volume(volume_);
}

void Playback::set_muted(bool muted) {
  muted_ = muted;
  sound_.set_muted(muted);
}

}  // namespace media
