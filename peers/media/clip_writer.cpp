#include "peers/media/clip_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

#include "peers/media/media_log.h"
#include "platform/win/win_macros.h"

namespace media {
namespace {

struct Container {
  const char* extension;
  const char* format;
  const char* video_encoder;  // null for audio only
  const char* audio_encoder;
};

constexpr Container kContainers[] = {
    {"mp4", "mp4", "libx264", "aac"},      {"mov", "mov", "mpeg4", "aac"},
    {"avi", "avi", "mpeg4", "libmp3lame"}, {"wmv", "asf", "wmv2", "wmav2"},
    {"flv", "flv", "flv", "libmp3lame"},   {"swf", "swf", "flv", "libmp3lame"},
    {"mpeg", "mpeg", "mpeg1video", "mp2"}, {"mp2", "mp2", nullptr, "mp2"},
    {"mp3", "mp3", nullptr, "libmp3lame"}, {"wav", "wav", nullptr, "pcm_s16le"},
    {"wma", "asf", nullptr, "wmav2"},      {"ogg", "ogg", nullptr, "libvorbis"},
    {"aac", "adts", nullptr, "aac"},
};

constexpr int kSampleRate = 44100;
constexpr int kLevels[] = {32, 96, 160, 224};

const Container* container_of(std::string extension) {
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  for (const Container& container : kContainers)
    if (extension == container.extension) return &container;
  return nullptr;
}

std::string av_error(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

struct Encoder {
  AVCodecContext* context = nullptr;
  AVStream* stream = nullptr;
  AVFrame* frame = nullptr;
  int64_t next_pts = 0;
  ~Encoder() {
    av_frame_free(&frame);
    avcodec_free_context(&context);
  }
};

// One clip being written: the muxer and its encoders.
class ClipFile {
 public:
  ClipFile(const ClipSpec& spec) : spec_(spec) {}
  ~ClipFile() {
    if (output_ != nullptr && output_->pb != nullptr && !(output_->oformat->flags & AVFMT_NOFILE))
      avio_closep(&output_->pb);
    avformat_free_context(output_);
    av_packet_free(&packet_);
  }

  std::string write(const std::filesystem::path& file, const Container& container) {
    if (int code = avformat_alloc_output_context2(&output_, nullptr, container.format, file.string().c_str());
        code < 0)
      return "no muxer: " + av_error(code);
    packet_ = av_packet_alloc();
    if (container.video_encoder != nullptr && spec_.video) {
      if (std::string why = add_video(container.video_encoder); !why.empty()) return why;
    }
    const bool audio = spec_.audio || video_.context == nullptr;
    if (audio) {
      if (std::string why = add_audio(container.audio_encoder); !why.empty()) return why;
    }
    if (int code = avio_open(&output_->pb, file.string().c_str(), AVIO_FLAG_WRITE); code < 0)
      return "cannot write the file: " + av_error(code);
    if (int code = avformat_write_header(output_, nullptr); code < 0)
      return "cannot write the header: " + av_error(code);
    encode_all();
    if (int code = av_write_trailer(output_); code < 0) return "cannot finish the file: " + av_error(code);
    return {};
  }

 private:
  std::string open_encoder(Encoder& encoder, const AVCodec* codec) {
    if ((output_->oformat->flags & AVFMT_GLOBALHEADER) != 0)
      encoder.context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (int code = avcodec_open2(encoder.context, codec, nullptr); code < 0)
      return std::string("cannot open ") + codec->name + ": " + av_error(code);
    encoder.stream = avformat_new_stream(output_, nullptr);
    encoder.stream->time_base = encoder.context->time_base;
    avcodec_parameters_from_context(encoder.stream->codecpar, encoder.context);
    encoder.frame = av_frame_alloc();
    return {};
  }

  std::string add_video(const char* name) {
    const AVCodec* codec = avcodec_find_encoder_by_name(name);
    if (codec == nullptr) return std::string("no encoder ") + name;
    video_.context = avcodec_alloc_context3(codec);
    AVCodecContext& context = *video_.context;
    context.width = spec_.width;
    context.height = spec_.height;
    context.time_base = {1, spec_.frames_per_second};
    context.framerate = {spec_.frames_per_second, 1};
    context.pix_fmt = AV_PIX_FMT_YUV420P;
    context.gop_size = 12;
    // A textured clip is encoded as a camera's would be, so that decoding it is real work.
    context.max_b_frames = spec_.textured || spec_.reordered ? 2 : 0;
    context.bit_rate = spec_.textured ? 8'000'000 : 400'000;
    context.thread_count = spec_.textured ? 0 : 1;
    if (std::string(name) == "libx264")
      av_opt_set(context.priv_data, "preset", spec_.textured ? "veryfast" : "ultrafast", 0);
    if (std::string why = open_encoder(video_, codec); !why.empty()) return why;
    video_.frame->format = context.pix_fmt;
    video_.frame->width = context.width;
    video_.frame->height = context.height;
    av_frame_get_buffer(video_.frame, 0);
    return {};
  }

  std::string add_audio(const char* name) {
    const AVCodec* codec = avcodec_find_encoder_by_name(name);
    if (codec == nullptr) return std::string("no encoder ") + name;
    audio_.context = avcodec_alloc_context3(codec);
    AVCodecContext& context = *audio_.context;
    context.sample_fmt = codec->sample_fmts != nullptr ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    context.sample_rate = kSampleRate;
    context.ch_layout = AV_CHANNEL_LAYOUT_STEREO;
    context.bit_rate = 128'000;
    context.time_base = {1, kSampleRate};
    context.thread_count = 1;
    if (std::string why = open_encoder(audio_, codec); !why.empty()) return why;
    audio_.frame->format = context.sample_fmt;
    audio_.frame->sample_rate = kSampleRate;
    av_channel_layout_copy(&audio_.frame->ch_layout, &context.ch_layout);
    audio_.frame->nb_samples = context.frame_size > 0 ? context.frame_size : 1024;
    av_frame_get_buffer(audio_.frame, 0);
    return {};
  }

  void encode_all() {
    const double end = spec_.seconds;
    bool video_left = video_.context != nullptr;
    bool audio_left = audio_.context != nullptr;
    while (video_left || audio_left) {
      const double video_time =
          video_left ? static_cast<double>(video_.next_pts) / spec_.frames_per_second : 1e9;
      const double audio_time = audio_left ? static_cast<double>(audio_.next_pts) / kSampleRate : 1e9;
      if (video_time <= audio_time) {
        video_left = video_time < end - 1e-9;
        send(video_, video_left ? make_picture() : nullptr);
      } else {
        audio_left = audio_time < end - 1e-9;
        send(audio_, audio_left ? make_tone() : nullptr);
      }
    }
  }

  AVFrame* make_picture() {
    AVFrame* frame = video_.frame;
    av_frame_make_writable(frame);
    const COLORREF colour = frame_colour(static_cast<int>(video_.next_pts));
    const double r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    const auto y = static_cast<uint8_t>(std::lround(16 + (65.481 * r + 128.553 * g + 24.966 * b) / 255));
    const auto u = static_cast<uint8_t>(std::lround(128 + (-37.797 * r - 74.203 * g + 112.0 * b) / 255));
    const auto v = static_cast<uint8_t>(std::lround(128 + (112.0 * r - 93.786 * g - 18.214 * b) / 255));
    const uint8_t values[3] = {y, u, v};
    for (int plane = 0; plane < 3; ++plane) {
      const int rows = plane == 0 ? frame->height : (frame->height + 1) / 2;
      const int columns = plane == 0 ? frame->width : (frame->width + 1) / 2;
      for (int row = 0; row < rows; ++row)
        std::fill_n(frame->data[plane] + static_cast<std::ptrdiff_t>(row) * frame->linesize[plane], columns,
                    values[plane]);
    }
    if (spec_.textured) texture(*frame, static_cast<int>(video_.next_pts));
    if (spec_.mark_top_left) mark_top_left(*frame);
    frame->pts = video_.next_pts++;
    return frame;
  }

  static void texture(AVFrame& frame, int index) {
    for (int plane = 0; plane < 3; ++plane) {
      const int shift = plane == 0 ? 0 : 1;
      for (int row = 0; row < frame.height >> shift; ++row) {
        uint8_t* line = frame.data[plane] + static_cast<std::ptrdiff_t>(row) * frame.linesize[plane];
        for (int column = 0; column < frame.width >> shift; ++column) {
          const unsigned grain = (static_cast<unsigned>(column) * 2654435761u ^
                                  static_cast<unsigned>(row) * 40503u ^ static_cast<unsigned>(index) * 97u) >>
                                 27;
          line[column] =
              static_cast<uint8_t>(16 + ((column + row * 2 + index * 6 * (plane + 1)) & 0x7F) + grain);
        }
      }
    }
  }

  static void mark_top_left(AVFrame& frame) {
    constexpr uint8_t kWhite[3] = {235, 128, 128};
    for (int plane = 0; plane < 3; ++plane) {
      const int shift = plane == 0 ? 2 : 3;
      for (int row = 0; row < frame.height >> shift; ++row)
        std::fill_n(frame.data[plane] + static_cast<std::ptrdiff_t>(row) * frame.linesize[plane],
                    frame.width >> shift, kWhite[plane]);
    }
  }

  AVFrame* make_tone() {
    AVFrame* frame = audio_.frame;
    av_frame_make_writable(frame);
    const auto format = static_cast<AVSampleFormat>(frame->format);
    const bool planar = av_sample_fmt_is_planar(format) != 0;
    for (int i = 0; i < frame->nb_samples; ++i) {
      const double t = static_cast<double>(audio_.next_pts + i) / kSampleRate;
      const double value = spec_.amplitude * std::sin(2 * M_PI * spec_.tone_hz * t);
      for (int channel = 0; channel < 2; ++channel) {
        const int index = planar ? i : i * 2 + channel;
        uint8_t* plane = frame->extended_data[planar ? channel : 0];
        switch (av_get_packed_sample_fmt(format)) {
          case AV_SAMPLE_FMT_FLT:
            reinterpret_cast<float*>(plane)[index] = static_cast<float>(value);
            break;
          case AV_SAMPLE_FMT_S32:
            reinterpret_cast<int32_t*>(plane)[index] =
                static_cast<int32_t>(std::lround(value * 2147483647.0));
            break;
          default:
            reinterpret_cast<int16_t*>(plane)[index] = static_cast<int16_t>(std::lround(value * 32767));
            break;
        }
      }
    }
    frame->pts = audio_.next_pts;
    audio_.next_pts += frame->nb_samples;
    return frame;
  }

  // Encodes a frame (null: the end) and writes the packets it gives.
  void send(Encoder& encoder, AVFrame* frame) {
    avcodec_send_frame(encoder.context, frame);
    while (avcodec_receive_packet(encoder.context, packet_) >= 0) {
      // Without a duration, the QuickTime muxers cut the last frame off the track.
      if (&encoder == &video_ && packet_->duration == 0) packet_->duration = 1;
      av_packet_rescale_ts(packet_, encoder.context->time_base, encoder.stream->time_base);
      packet_->stream_index = encoder.stream->index;
      av_interleaved_write_frame(output_, packet_);
    }
  }

  ClipSpec spec_;
  AVFormatContext* output_ = nullptr;
  AVPacket* packet_ = nullptr;
  Encoder video_;
  Encoder audio_;
};

int nearest_level(int value) {
  int best = 0;
  for (int i = 1; i < 4; ++i)
    if (std::abs(value - kLevels[i]) < std::abs(value - kLevels[best])) best = i;
  return best;
}

}  // namespace

const std::vector<std::string>& clip_extensions() {
  static const std::vector<std::string> extensions = [] {
    std::vector<std::string> all;
    for (const Container& container : kContainers)
      all.emplace_back(container.extension);
    return all;
  }();
  return extensions;
}

bool is_audio_only_extension(const std::string& extension) {
  const Container* container = container_of(extension);
  return container != nullptr && container->video_encoder == nullptr;
}

std::string write_clip(const std::filesystem::path& file, const ClipSpec& spec) {
  std::string extension = file.extension().string();
  if (!extension.empty()) extension.erase(0, 1);
  const Container* container = container_of(extension);
  if (container == nullptr) return "no container for \"" + extension + "\"";
  if (spec.seconds < 0 || spec.width < 16 || spec.height < 16 || spec.frames_per_second <= 0)
    return "not a clip to make";
  MediaLog quiet;
  LogScope scope(quiet);
  ClipFile clip(spec);
  return clip.write(file, *container);
}

COLORREF frame_colour(int index) {
  const int i = ((index % 64) + 64) % 64;
  return RGB(static_cast<BYTE>(kLevels[i % 4]), static_cast<BYTE>(kLevels[(i / 4) % 4]),
             static_cast<BYTE>(kLevels[(i / 16) % 4]));
}

std::optional<int> frame_index_of(COLORREF colour) {
  const int channels[] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
  int index = 0;
  for (int c = 2; c >= 0; --c) {
    const int level = nearest_level(channels[c]);
    if (std::abs(channels[c] - kLevels[level]) > 20) return std::nullopt;
    index = index * 4 + level;
  }
  return index;
}

}  // namespace media
