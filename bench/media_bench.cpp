// The stand-in players' whole path for a 1920x1080 H.264 clip (read through the desktop's files,
// decoded, converted and fitted into a DIB section by the playback core, painted into a desktop
// window) against libavcodec's bare decode of the same clip, in the same run. Goals: the whole
// path at most 1.3 times the bare decode, and at least 120 frames a second on one core.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "peers/media/clip_writer.h"
#include "peers/media/playback.h"
#include "platform/desktop/desktop.h"
#include "platform/win/win32.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr double kSeconds = 4;  // 100 frames

using Clock = std::chrono::steady_clock;

// Decodes every frame of the file as a bare player would: one thread, nothing else.
int bare_decode(const std::filesystem::path& file) {
  AVFormatContext* format = nullptr;
  if (avformat_open_input(&format, file.c_str(), nullptr, nullptr) < 0) return 0;
  avformat_find_stream_info(format, nullptr);
  const int stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  const AVCodec* codec = avcodec_find_decoder(format->streams[stream]->codecpar->codec_id);
  AVCodecContext* context = avcodec_alloc_context3(codec);
  avcodec_parameters_to_context(context, format->streams[stream]->codecpar);
  context->thread_count = 1;
  avcodec_open2(context, codec, nullptr);
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  int frames = 0;
  auto drain = [&] {
    while (avcodec_receive_frame(context, frame) >= 0) {
      ++frames;
      av_frame_unref(frame);
    }
  };
  while (av_read_frame(format, packet) >= 0) {
    if (packet->stream_index == stream && avcodec_send_packet(context, packet) >= 0) drain();
    av_packet_unref(packet);
  }
  avcodec_send_packet(context, nullptr);
  drain();
  av_frame_free(&frame);
  av_packet_free(&packet);
  avcodec_free_context(&context);
  avformat_close_input(&format);
  return frames;
}

LRESULT CALLBACK paint_picture(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
  const auto* picture = reinterpret_cast<const media::FramePainter*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  PAINTSTRUCT paint{};
  HDC hdc = BeginPaint(hwnd, &paint);
  HDC memory = CreateCompatibleDC(hdc);
  HGDIOBJ previous = SelectObject(memory, picture->bitmap());
  BitBlt(hdc, 0, 0, picture->width(), picture->height(), memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  EndPaint(hwnd, &paint);
  return 0;
}

// Plays the clip through the playback core into a window, frame by frame on the virtual clock.
int whole_path(desktop::Desktop& machine, HWND window, const std::wstring& path) {
  media::MediaLog log;
  media::Playback playback(log);
  if (!playback.open(path).empty()) return 0;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&playback.picture()));
  playback.start();
  for (;;) {
    const media::TickResult result = playback.tick(kWidth, kHeight);
    if (result.repaint) {
      InvalidateRect(window, nullptr, FALSE);
      UpdateWindow(window);
    }
    if (result.ended || !result.next_ms) break;
    machine.advance(*result.next_ms);
  }
  return playback.frames_shown();
}

void BM_FullHdClipWholePathAgainstBareDecode(benchmark::State& state) {
  desktop::Desktop machine;
  machine.attach(L"bench.exe");
  const std::filesystem::path folder = machine.data_folder() / "C" / "media";
  std::filesystem::create_directories(folder);
  const std::filesystem::path file = folder / "full_hd.mp4";
  const std::string why = media::write_clip(file, {.seconds = kSeconds,
                                                   .video = true,
                                                   .width = kWidth,
                                                   .height = kHeight,
                                                   .frames_per_second = 25,
                                                   .textured = true});
  if (!why.empty()) {
    state.SkipWithError(why.c_str());
    return;
  }
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = paint_picture;
  window_class.lpszClassName = L"Picture";
  RegisterClassExW(&window_class);
  HWND window = CreateWindowExW(0, L"Picture", L"", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr,
                                nullptr, nullptr, nullptr);
  double bare_seconds = 0, whole_seconds = 0;
  int bare_frames = 0, whole_frames = 0;
  for (auto _ : state) {
    const auto bare_start = Clock::now();
    bare_frames += bare_decode(file);
    const auto whole_start = Clock::now();
    whole_frames += whole_path(machine, window, L"C:\\media\\full_hd.mp4");
    const auto end = Clock::now();
    bare_seconds += std::chrono::duration<double>(whole_start - bare_start).count();
    whole_seconds += std::chrono::duration<double>(end - whole_start).count();
  }
  state.counters["bare_fps"] = bare_frames / bare_seconds;
  state.counters["whole_fps"] = whole_frames / whole_seconds;
  state.counters["ratio"] = (whole_seconds / whole_frames) / (bare_seconds / bare_frames);
  DestroyWindow(window);
  machine.end_other_threads();
  machine.detach();
}
BENCHMARK(BM_FullHdClipWholePathAgainstBareDecode)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
