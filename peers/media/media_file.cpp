#include "peers/media/media_file.h"

#include <cmath>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include "peers/media/decoding_threads.h"

namespace media {
namespace {

std::string av_error(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

// Rates and channels no audio file plays with: decoding a header's 1.25 GHz would freeze the
// player and fill its memory.
constexpr int kLowestSampleRate = 1000;
constexpr int kHighestSampleRate = 768000;
constexpr int kMostChannels = 8;

bool playable_audio(const AVCodecContext& context) {
  return context.sample_rate >= kLowestSampleRate && context.sample_rate <= kHighestSampleRate &&
         context.ch_layout.nb_channels <= kMostChannels;
}

double seconds_of(int64_t value, AVRational base) {
  return value == AV_NOPTS_VALUE ? 0 : static_cast<double>(value) * av_q2d(base);
}

// Playlists and references inside a file (hls, concat, QuickTime references) would open other
// files straight on the host, around the desktop's drives: a media file here opens nothing else.
int refuse_other_files(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**) {
  return AVERROR(EPERM);
}

}  // namespace

MediaFile::~MediaFile() {
  clear_queues();
  for (AVFrame*& spare : spare_frames_)
    av_frame_free(&spare);
  for (AVPacket*& spare : spare_packets_)
    av_packet_free(&spare);
  swr_free(&resampler_);
  avcodec_free_context(&video_);
  avcodec_free_context(&audio_);
  avformat_close_input(&format_);
  av_packet_free(&packet_);
  av_frame_free(&decoded_);
}

std::string MediaFile::open(const std::wstring& path) {
  file_error_ = input_.open(path);
  if (file_error_ != 0) return "cannot open the file (error " + std::to_string(file_error_) + ")";
  format_ = avformat_alloc_context();
  packet_ = av_packet_alloc();
  decoded_ = av_frame_alloc();
  if (format_ == nullptr || packet_ == nullptr || decoded_ == nullptr) return "out of memory";
  format_->pb = input_.context();
  format_->flags |= AVFMT_FLAG_CUSTOM_IO;
  format_->io_open = refuse_other_files;
  // A session description or stream address inside a file would reach the network; no protocol
  // is allowed, so such files fail at once.
  AVDictionary* options = nullptr;
  av_dict_set(&options, "protocol_whitelist", "none", 0);
  const int opened = avformat_open_input(&format_, nullptr, nullptr, &options);
  av_dict_free(&options);
  if (opened < 0) return "not a media file: " + av_error(opened);
  if (int code = avformat_find_stream_info(format_, nullptr); code < 0)
    return "cannot read the streams: " + av_error(code);
  video_stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  audio_stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  if (video_stream_ >= 0 && (format_->streams[video_stream_]->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0)
    video_stream_ = -1;
  if (video_stream_ >= 0) {
    if (std::string why = open_decoder(video_stream_, video_); !why.empty()) return why;
  }
  if (audio_stream_ >= 0) {
    if (std::string why = open_decoder(audio_stream_, audio_); !why.empty()) return why;
    if (!make_resampler()) return "cannot convert the audio";
  }
  if (video_ == nullptr && audio_ == nullptr) return "no video or audio to play";
  if (format_->duration != AV_NOPTS_VALUE && format_->duration > 0)
    duration_ = static_cast<double>(format_->duration) / AV_TIME_BASE;
  if (format_->start_time != AV_NOPTS_VALUE)
    start_time_ = static_cast<double>(format_->start_time) / AV_TIME_BASE;
  return {};
}

std::string MediaFile::open_decoder(int stream, AVCodecContext*& context) {
  const AVCodecParameters* parameters = format_->streams[stream]->codecpar;
  const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
  if (codec == nullptr) return std::string("no decoder for ") + avcodec_get_name(parameters->codec_id);
  context = avcodec_alloc_context3(codec);
  if (context == nullptr) return "out of memory";
  avcodec_parameters_to_context(context, parameters);
  // Video decodes on libavcodec's own threads, which give the frames back in order, each a few
  // frames after its packet went in; sound needs no threads.
  context->thread_count = context->codec_type == AVMEDIA_TYPE_VIDEO ? video_decoding_threads() : 1;
  context->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
  context->pkt_timebase = format_->streams[stream]->time_base;
  if (int code = avcodec_open2(context, codec, nullptr); code < 0) return "cannot decode: " + av_error(code);
  if (context->codec_type == AVMEDIA_TYPE_VIDEO && (context->width <= 0 || context->height <= 0))
    return "the video has no size";
  if (context->codec_type == AVMEDIA_TYPE_AUDIO && !playable_audio(*context))
    return "the audio's sample rate or channels are out of range";
  return {};
}

int MediaFile::width() const {
  return video_ ? video_->width : 0;
}

int MediaFile::height() const {
  return video_ ? video_->height : 0;
}

int MediaFile::decoding_threads() const {
  if (video_ == nullptr) return 0;
  return video_->active_thread_type != 0 ? video_->thread_count : 1;
}

bool MediaFile::make_resampler() {
  swr_free(&resampler_);
  AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
  AVChannelLayout source{};
  if (audio_->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || audio_->ch_layout.nb_channels == 0)
    av_channel_layout_default(&source, std::max(audio_->ch_layout.nb_channels, 1));
  else
    av_channel_layout_copy(&source, &audio_->ch_layout);
  const int source_rate = static_cast<int>(std::lround(audio_->sample_rate * audio_speed_));
  const int code = swr_alloc_set_opts2(&resampler_, &stereo, AV_SAMPLE_FMT_S16, kOutputRate, &source,
                                       audio_->sample_fmt, source_rate, 0, nullptr);
  av_channel_layout_uninit(&source);
  return code >= 0 && source_rate > 0 && swr_init(resampler_) >= 0;
}

void MediaFile::set_audio_speed(double speed) {
  if (audio_ == nullptr || speed == audio_speed_) return;
  audio_speed_ = speed;
  if (!make_resampler()) audio_stream_ = -1;
}

bool MediaFile::pull() {
  if (read_all_) return false;
  const int code = av_read_frame(format_, packet_);
  if (code < 0) {
    read_all_ = true;
    if (audio_) decode(audio_, nullptr);
    return true;
  }
  if (packet_->stream_index == video_stream_ && video_ != nullptr)
    keep_video_packet();
  else if (packet_->stream_index == audio_stream_ && audio_ != nullptr)
    decode(audio_, packet_);
  av_packet_unref(packet_);
  return true;
}

void MediaFile::keep_video_packet() {
  AVPacket* kept = nullptr;
  if (spare_packets_.empty()) {
    kept = av_packet_alloc();
    if (kept == nullptr) return;
  } else {
    kept = spare_packets_.back();
    spare_packets_.pop_back();
  }
  av_packet_move_ref(kept, packet_);
  video_packets_.push_back(kept);
}

bool MediaFile::decode_video() {
  if (!video_packets_.empty()) {
    AVPacket* next = video_packets_.front();
    video_packets_.pop_front();
    decode(video_, next);
    av_packet_unref(next);
    spare_packets_.push_back(next);
    return true;
  }
  if (!read_all_ || video_ == nullptr || video_drained_) return false;
  decode(video_, nullptr);
  video_drained_ = true;
  return true;
}

bool MediaFile::at_end() const {
  return read_all_ && video_packets_.empty() && (video_ == nullptr || video_drained_);
}

void MediaFile::decode(AVCodecContext* context, const AVPacket* packet) {
  if (avcodec_send_packet(context, packet) < 0) return;
  while (avcodec_receive_frame(context, decoded_) >= 0) {
    if (context == video_)
      take_video(decoded_);
    else
      take_audio(decoded_);
    av_frame_unref(decoded_);
  }
}

void MediaFile::take_video(AVFrame* frame) {
  const AVStream* stream = format_->streams[video_stream_];
  // A frame without a time of its own (the last ones a decoder gives back) follows the one before.
  double time = last_video_time_ + frame_seconds(frame);
  if (frame->best_effort_timestamp != AV_NOPTS_VALUE)
    time = seconds_of(frame->best_effort_timestamp, stream->time_base) - start_time_;
  last_video_time_ = time;
  AVFrame* kept = nullptr;
  if (spare_frames_.empty()) {
    kept = av_frame_alloc();
    if (kept == nullptr) return;
  } else {
    kept = spare_frames_.back();
    spare_frames_.pop_back();
  }
  av_frame_move_ref(kept, frame);
  frames_.push_back({kept, time});
}

double MediaFile::frame_seconds(const AVFrame* frame) const {
  const AVStream* stream = format_->streams[video_stream_];
  if (frame->pkt_duration > 0) return seconds_of(frame->pkt_duration, stream->time_base);
  const AVRational rate = stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
  return rate.num > 0 ? av_q2d(av_inv_q(rate)) : 0.04;
}

void MediaFile::take_audio(AVFrame* frame) {
  if (resampler_ == nullptr) return;
  const int room = swr_get_out_samples(resampler_, frame->nb_samples);
  if (room <= 0) return;
  converted_.resize(static_cast<std::size_t>(room) * kOutputChannels);
  auto* out = reinterpret_cast<uint8_t*>(converted_.data());
  const int made = swr_convert(resampler_, &out, room, const_cast<const uint8_t**>(frame->extended_data),
                               frame->nb_samples);
  if (made <= 0) return;
  samples_.insert(samples_.end(), converted_.begin(), converted_.begin() + made * kOutputChannels);
}

void MediaFile::drop_front_frame() {
  if (frames_.empty()) return;
  av_frame_unref(frames_.front().frame);
  spare_frames_.push_back(frames_.front().frame);
  frames_.pop_front();
}

void MediaFile::clear_queues() {
  while (!frames_.empty())
    drop_front_frame();
  for (AVPacket* waiting : video_packets_) {
    av_packet_unref(waiting);
    spare_packets_.push_back(waiting);
  }
  video_packets_.clear();
  samples_.clear();
}

void MediaFile::seek(double seconds) {
  const auto target = static_cast<int64_t>((std::max(seconds, 0.0) + start_time_) * AV_TIME_BASE);
  av_seek_frame(format_, -1, target, AVSEEK_FLAG_BACKWARD);
  if (video_) avcodec_flush_buffers(video_);
  if (audio_) avcodec_flush_buffers(audio_);
  if (resampler_) make_resampler();
  clear_queues();
  read_all_ = video_drained_ = false;
  last_video_time_ = seconds;
}

}  // namespace media
