// A media file opened through the desktop's files and decoded packet by packet in the caller's
// thread, the video with libavcodec's own threads beside it: its video (packets as read, a few
// frames as decoded) and its audio (as 16-bit stereo at the device's rate, sped up or slowed down
// as asked) wait in queues that the player drains.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "peers/media/desktop_io.h"

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwrContext;

namespace media {

inline constexpr int kOutputRate = 48000;
inline constexpr int kOutputChannels = 2;

struct DecodedFrame {
  AVFrame* frame = nullptr;  // owned by the queue
  double time = 0;           // seconds from the start of the media
};

class MediaFile {
 public:
  MediaFile() = default;
  ~MediaFile();
  MediaFile(const MediaFile&) = delete;
  MediaFile& operator=(const MediaFile&) = delete;

  // Empty when the file opened and has a stream to play; else why not, in a line.
  std::string open(const std::wstring& path);

  // The Win32 error of opening the file, 0 once it opened.
  DWORD file_error() const { return file_error_; }
  bool has_video() const { return video_ != nullptr; }
  bool has_audio() const { return audio_ != nullptr; }
  int width() const;
  int height() const;
  // The threads decoding the video, 1 where its decoder has none; 0 without video.
  int decoding_threads() const;
  // Seconds; 0 when the file does not say.
  double duration() const { return duration_; }

  // Reads one packet: sound is decoded at once, a video packet waits for decode_video. At the
  // end of the file it drains the sound's decoder. False once everything was read.
  bool pull();
  // Decodes the next waiting video packet, or once everything was read drains the video
  // decoder; false when there was nothing to do. Frames are decoded only as they are wanted,
  // so a few wait decoded, the rest compressed.
  bool decode_video();
  std::size_t video_packets_waiting() const { return video_packets_.size(); }
  // Everything was read and decoded.
  bool at_end() const;

  std::deque<DecodedFrame>& video_frames() { return frames_; }
  const std::deque<DecodedFrame>& video_frames() const { return frames_; }
  void drop_front_frame();
  // Interleaved stereo samples waiting to play.
  std::deque<std::int16_t>& audio_samples() { return samples_; }

  // Audio from now on plays at this speed (higher in pitch when faster).
  void set_audio_speed(double speed);
  // Goes to the key frame at or before the time and empties the queues.
  void seek(double seconds);

 private:
  std::string open_decoder(int stream, AVCodecContext*& context);
  void decode(AVCodecContext* context, const AVPacket* packet);
  void keep_video_packet();
  void take_video(AVFrame* frame);
  void take_audio(AVFrame* frame);
  double frame_seconds(const AVFrame* frame) const;
  bool make_resampler();
  void clear_queues();

  DesktopInput input_;
  DWORD file_error_ = 0;
  AVFormatContext* format_ = nullptr;
  AVCodecContext* video_ = nullptr;
  AVCodecContext* audio_ = nullptr;
  int video_stream_ = -1;
  int audio_stream_ = -1;
  SwrContext* resampler_ = nullptr;
  double audio_speed_ = 1;
  double duration_ = 0;
  double start_time_ = 0;
  double last_video_time_ = 0;
  bool read_all_ = false;
  bool video_drained_ = false;
  AVPacket* packet_ = nullptr;
  AVFrame* decoded_ = nullptr;
  std::deque<DecodedFrame> frames_;
  std::deque<AVPacket*> video_packets_;
  // Emptied frames and packets of the queues, taken again for the next ones.
  std::vector<AVFrame*> spare_frames_;
  std::vector<AVPacket*> spare_packets_;
  std::deque<std::int16_t> samples_;
  std::vector<std::int16_t> converted_;
};

}  // namespace media
