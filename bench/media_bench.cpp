// The playback core's speed and memory, with the clips made at the start of each benchmark.
// - The stand-in players' whole path for a 1920x1080 H.264 clip (read through the desktop's
//   files, decoded, converted into a DIB section by the playback core, painted into a desktop
//   window) against libavcodec's bare decode of the same clip in the same run, both with the
//   playback core's decoding threads. Goal: the whole path at most 1.3 times the bare decode in
//   the process's CPU time, so other work on a shared machine counts against neither; the frame
//   rates in CPU time and in real time.
// - A 1080p30 clip played on a real clock, as ./run plays it, while four other cores are kept
//   busy: frames dropped and the latest frame. Goals: none dropped, none later than a frame.
// - The heap while a short and a long clip play: the same whatever the file's length.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "peers/media/clip_writer.h"
#include "peers/media/decoding_threads.h"
#include "peers/media/playback.h"
#include "platform/desktop/desktop.h"
#include "platform/win/win32.h"

namespace {

double cpu_seconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double wall_seconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double heap_bytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

// Threads spinning on as many cores while they live, as other programs on a busy computer.
class BusyCores {
 public:
  explicit BusyCores(int cores) {
    for (int i = 0; i < cores; ++i)
      threads_.emplace_back([](std::stop_token stop) {
        unsigned value = 1;
        while (!stop.stop_requested())
          benchmark::DoNotOptimize(value = value * 1664525u + 1013904223u);
      });
  }

 private:
  std::vector<std::jthread> threads_;
};

// One stream's decoder with the threads the playback core gives it.
AVCodecContext* open_decoder(const AVStream& stream) {
  const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
  AVCodecContext* context = avcodec_alloc_context3(codec);
  avcodec_parameters_to_context(context, stream.codecpar);
  context->thread_count =
      stream.codecpar->codec_type == AVMEDIA_TYPE_VIDEO ? media::video_decoding_threads() : 1;
  context->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
  context->pkt_timebase = stream.time_base;
  avcodec_open2(context, codec, nullptr);
  return context;
}

// Decodes every packet of the clip's video and audio as a bare player would, and nothing else;
// the number of video frames.
int bare_decode(const std::filesystem::path& file) {
  AVFormatContext* format = nullptr;
  if (avformat_open_input(&format, file.c_str(), nullptr, nullptr) < 0) return 0;
  avformat_find_stream_info(format, nullptr);
  const int video_stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  const int audio_stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  AVCodecContext* video = open_decoder(*format->streams[video_stream]);
  AVCodecContext* audio = audio_stream >= 0 ? open_decoder(*format->streams[audio_stream]) : nullptr;
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  int frames = 0;
  auto decode = [&](AVCodecContext* context, const AVPacket* sent) {
    if (avcodec_send_packet(context, sent) < 0) return;
    while (avcodec_receive_frame(context, frame) >= 0) {
      if (context == video) ++frames;
      av_frame_unref(frame);
    }
  };
  while (av_read_frame(format, packet) >= 0) {
    if (packet->stream_index == video_stream) decode(video, packet);
    if (audio != nullptr && packet->stream_index == audio_stream) decode(audio, packet);
    av_packet_unref(packet);
  }
  decode(video, nullptr);
  if (audio != nullptr) decode(audio, nullptr);
  av_frame_free(&frame);
  av_packet_free(&packet);
  avcodec_free_context(&video);
  avcodec_free_context(&audio);
  avformat_close_input(&format);
  return frames;
}

LRESULT CALLBACK paint_picture(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
  auto* picture = reinterpret_cast<media::FramePainter*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  PAINTSTRUCT paint{};
  HDC hdc = BeginPaint(hwnd, &paint);
  picture->draw(hdc);
  EndPaint(hwnd, &paint);
  return 0;
}

// A desktop with a clip on its drive C: and a window to play it in, as a player has.
class Stage {
 public:
  Stage(desktop::DesktopConfig config, const std::string& name, const media::ClipSpec& spec)
      : machine_(std::move(config)), path_(L"C:\\media\\" + std::wstring(name.begin(), name.end())) {
    machine_.attach(L"bench.exe");
    const std::filesystem::path folder = machine_.data_folder() / "C" / "media";
    std::filesystem::create_directories(folder);
    file_ = folder / name;
    why_ = media::write_clip(file_, spec);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = paint_picture;
    window_class.lpszClassName = L"Picture";
    RegisterClassExW(&window_class);
    window_ = CreateWindowExW(0, L"Picture", L"", WS_POPUP | WS_VISIBLE, 0, 0, spec.width, spec.height,
                              nullptr, nullptr, nullptr, nullptr);
  }
  ~Stage() {
    DestroyWindow(window_);
    machine_.end_other_threads();
    machine_.detach();
  }

  // Empty when the clip was written.
  const std::string& why_not() const { return why_; }
  const std::filesystem::path& file() const { return file_; }

  // Plays the clip to its end through the playback core, each new frame painted in the window;
  // after each tick, watch(playback) looks on.
  template <typename Watch>
  int play(Watch&& watch) {
    media::MediaLog log;
    media::Playback playback(log);
    if (!playback.open(path_).empty()) return 0;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&playback.picture()));
    RECT client{};
    GetClientRect(window_, &client);
    // As a player paints its new window black before the clock starts.
    UpdateWindow(window_);
    playback.start();
    for (;;) {
      const media::TickResult result = playback.tick(client.right, client.bottom);
      if (result.repaint) {
        InvalidateRect(window_, nullptr, FALSE);
        UpdateWindow(window_);
      }
      watch(playback, result);
      if (result.ended || !result.next_ms) break;
      machine_.advance(*result.next_ms);
    }
    return playback.frames_shown();
  }
  int play() {
    return play([](const media::Playback&, const media::TickResult&) {});
  }

 private:
  desktop::Desktop machine_;
  std::wstring path_;
  std::filesystem::path file_;
  std::string why_;
  HWND window_ = nullptr;
};

constexpr media::ClipSpec kFullHd{.seconds = 4,  // 100 frames
                                  .width = 1920,
                                  .height = 1080,
                                  .frames_per_second = 25,
                                  .textured = true};

void BM_FullHdClipWholePathAgainstBareDecode(benchmark::State& state) {
  Stage stage({}, "full_hd.mp4", kFullHd);
  if (!stage.why_not().empty()) {
    state.SkipWithError(stage.why_not().c_str());
    return;
  }
  double bare_cpu = 0, whole_cpu = 0, bare_wall = 0, whole_wall = 0;
  int bare_frames = 0, whole_frames = 0;
  for (auto _ : state) {
    const double bare_cpu_start = cpu_seconds(), bare_wall_start = wall_seconds();
    bare_frames += bare_decode(stage.file());
    const double whole_cpu_start = cpu_seconds(), whole_wall_start = wall_seconds();
    whole_frames += stage.play();
    bare_cpu += whole_cpu_start - bare_cpu_start;
    bare_wall += whole_wall_start - bare_wall_start;
    whole_cpu += cpu_seconds() - whole_cpu_start;
    whole_wall += wall_seconds() - whole_wall_start;
  }
  state.counters["threads"] = media::video_decoding_threads();
  state.counters["bare_fps"] = bare_frames / bare_cpu;
  state.counters["whole_fps"] = whole_frames / whole_cpu;
  state.counters["ratio"] = (whole_cpu / whole_frames) / (bare_cpu / bare_frames);
  state.counters["bare_wall_fps"] = bare_frames / bare_wall;
  state.counters["whole_wall_fps"] = whole_frames / whole_wall;
}
BENCHMARK(BM_FullHdClipWholePathAgainstBareDecode)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(3)
    ->DisplayAggregatesOnly();

// Played as ./run plays it, on a computer with four other cores busy: the desktop's clock is the
// real one, and a frame whose successor is due before it was shown is dropped.
void BM_FullHd30PlayedInRealTime(benchmark::State& state) {
  desktop::DesktopConfig config;
  config.clock = desktop::ClockKind::Real;
  media::ClipSpec spec = kFullHd;
  spec.seconds = 5;
  spec.frames_per_second = 30;
  Stage stage(std::move(config), "full_hd_30.mp4", spec);
  if (!stage.why_not().empty()) {
    state.SkipWithError(stage.why_not().c_str());
    return;
  }
  int shown = 0, dropped = 0;
  double latest = 0;
  const BusyCores others(4);
  for (auto _ : state) {
    shown += stage.play([&](const media::Playback& playback, const media::TickResult& result) {
      if (!result.repaint) return;
      // Frame n of a clip at a steady rate is due at n / rate seconds.
      const int frame = playback.frames_shown() + playback.frames_dropped() - 1;
      latest = std::max(latest, playback.position() - static_cast<double>(frame) / spec.frames_per_second);
      dropped = playback.frames_dropped();
    });
  }
  state.counters["threads"] = media::video_decoding_threads();
  state.counters["frames"] = static_cast<double>(spec.seconds * spec.frames_per_second);
  state.counters["shown"] = shown;
  state.counters["dropped"] = dropped;
  state.counters["latest_ms"] = latest * 1000;
}
BENCHMARK(BM_FullHd30PlayedInRealTime)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(10);

// The most heap in use while the clip of state.range(0) seconds plays, after each tick.
void BM_HeapWhileAClipPlays(benchmark::State& state) {
  media::ClipSpec spec{.seconds = static_cast<double>(state.range(0)),
                       .width = 640,
                       .height = 360,
                       .frames_per_second = 25,
                       .textured = true};
  Stage stage({}, "long.mp4", spec);
  if (!stage.why_not().empty()) {
    state.SkipWithError(stage.why_not().c_str());
    return;
  }
  double most = 0, before = 0;
  for (auto _ : state) {
    before = heap_bytes();
    stage.play(
        [&](const media::Playback&, const media::TickResult&) { most = std::max(most, heap_bytes()); });
  }
  state.counters["file_mb"] = static_cast<double>(std::filesystem::file_size(stage.file())) / 1e6;
  state.counters["heap_growth_mb"] = (most - before) / 1e6;
}
BENCHMARK(BM_HeapWhileAClipPlays)->Arg(10)->Arg(60)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
