#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

extern "C" {
#include <libavutil/cpu.h>
}

#include "peers/media/clip_writer.h"
#include "peers/media/playback.h"
#include "tests/peers/media/media_fixture.h"

namespace {

class PlaybackTest : public MediaTest {
 protected:
  // Plays to the end as a player's timer would, noting the frame each new picture shows.
  std::vector<int> play_to_end(media::Playback& playback, int width = 160, int height = 120) {
    playback.start();
    return play_on(playback, width, height);
  }
  // The same from where the playback is, as after go_to.
  std::vector<int> play_on(media::Playback& playback, int width = 160, int height = 120) {
    std::vector<int> shown;
    for (int ticks = 0; ticks < 10'000; ++ticks) {
      media::TickResult result = playback.tick(width, height);
      if (result.repaint)
        shown.push_back(media::frame_index_of(playback.picture().centre_colour()).value_or(-1));
      if (result.ended || !result.next_ms) break;
      machine.advance(*result.next_ms);
    }
    return shown;
  }
  media::MediaLog log;
};

class EveryContainer : public PlaybackTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(EveryContainer, PlaysEachFrameOnTimeAndItsTone) {
  const std::string extension = GetParam();
  const std::wstring path = make_clip("clip." + extension, {.seconds = 1});
  media::Playback playback(log);
  ASSERT_EQ(playback.open(path), "");
  const DWORD started = GetTickCount();
  std::vector<int> shown = play_to_end(playback);
  const DWORD took = GetTickCount() - started;
  if (media::is_audio_only_extension(extension)) {
    EXPECT_TRUE(shown.empty());
  } else {
    std::vector<int> expected(25);
    for (int i = 0; i < 25; ++i)
      expected[i] = i;
    EXPECT_EQ(shown, expected);
  }
  // Audio codecs pad their last frame, and the last sound buffer plays out before the end.
  EXPECT_NEAR(took, 1000, 150) << extension;
  const audio::StreamRecord* sound = machine.audio().last_stream_of(L"harness.exe");
  ASSERT_NE(sound, nullptr);
  EXPECT_NEAR(static_cast<double>(sound->frames_played), 48000, 4800);
  EXPECT_NEAR(machine.audio().level_of(*sound).rms, 0.5 / std::sqrt(2.0), 0.03);
}

INSTANTIATE_TEST_SUITE_P(Clips, EveryContainer, ::testing::ValuesIn(media::clip_extensions()));

TEST_F(PlaybackTest, AClipWithoutSoundPlaysEachFrameOnTime) {
  media::Playback playback(log);
  ASSERT_EQ(playback.open(make_clip("silent.mp4", {.seconds = 1, .audio = false})), "");
  const DWORD started = GetTickCount();
  const std::vector<int> shown = play_to_end(playback);
  ASSERT_EQ(shown.size(), 25u);
  for (int i = 0; i < 25; ++i)
    EXPECT_EQ(shown[i], i);
  EXPECT_NEAR(GetTickCount() - started, 960, 40);
  EXPECT_EQ(playback.frames_dropped(), 0);
}

// The machine's core count as libavcodec sees it, for one test: decoding threads on any machine.
class ForcedCores {
 public:
  explicit ForcedCores(int cores) { av_cpu_force_count(cores); }
  ~ForcedCores() { av_cpu_force_count(0); }
};

// Clips whose frames are stored out of the order they are shown in, one for each kind of
// threading its decoder has: frames and slices (H.264), frames (MPEG-4), slices (MPEG-1).
class ReorderedClip : public PlaybackTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ReorderedClip, DecodingThreadsShowEachFrameInItsOrder) {
  const ForcedCores cores(8);
  const std::string name = "reordered." + GetParam();
  media::Playback playback(log);
  ASSERT_EQ(playback.open(make_clip(name, {.seconds = 1, .reordered = true})), "");
  EXPECT_GT(playback.decoding_threads(), 1) << name;
  std::vector<int> expected(25);
  for (int i = 0; i < 25; ++i)
    expected[i] = i;
  EXPECT_EQ(play_to_end(playback), expected) << name;
  EXPECT_EQ(playback.frames_dropped(), 0) << name;
  // From a key frame in the middle the decoders start again, and the frames still come in order.
  playback.go_to(0.5);
  const std::vector<int> after_seek = play_on(playback);
  ASSERT_FALSE(after_seek.empty()) << name;
  EXPECT_LT(after_seek.size(), 25u) << name;
  for (std::size_t i = 1; i < after_seek.size(); ++i)
    EXPECT_EQ(after_seek[i], after_seek[i - 1] + 1) << name << " " << i;
  EXPECT_EQ(after_seek.back(), 24) << name;
}

INSTANTIATE_TEST_SUITE_P(Clips, ReorderedClip, ::testing::Values("mp4", "avi", "mpeg"));

struct TurnCase {
  int rotation;
  bool flip;
  SIZE window;
  POINT bar;   // black, beside the picture
  POINT mark;  // where the frame's top left corner mark lands
};

TEST_F(PlaybackTest, RotationAndFlipTurnThePictureInItsWindow) {
  // A 2:1 frame in a 200 by 200 window: 200x100 upright, 100x200 on its side; in a 160 by 120
  // window at its own size, drawn into the window as it is converted.
  const TurnCase cases[] = {
      {0, false, {200, 200}, {100, 10}, {10, 55}},    {0, true, {200, 200}, {100, 10}, {10, 145}},
      {90, false, {200, 200}, {10, 100}, {140, 10}},  {180, false, {200, 200}, {100, 10}, {190, 145}},
      {270, false, {200, 200}, {10, 100}, {60, 190}}, {90, true, {200, 200}, {10, 100}, {60, 10}},
      {0, false, {160, 120}, {80, 10}, {10, 30}},     {0, true, {160, 120}, {80, 110}, {10, 90}},
  };
  const std::wstring path =
      make_clip("marked.mp4", {.seconds = 0.2, .width = 160, .height = 80, .mark_top_left = true});
  for (const TurnCase& c : cases) {
    media::Playback playback(log);
    ASSERT_EQ(playback.open(path), "");
    playback.set_orientation({c.rotation, c.flip});
    playback.start();
    playback.tick(c.window.cx, c.window.cy);
    // The picture as its window shows it.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP window = CreateCompatibleBitmap(screen, c.window.cx, c.window.cy);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, window);
    EXPECT_TRUE(playback.picture().draw(memory));
    const std::string name = std::to_string(c.rotation) + (c.flip ? " flipped" : "") + " in " +
                             std::to_string(c.window.cx) + "x" + std::to_string(c.window.cy);
    EXPECT_EQ(GetPixel(memory, c.bar.x, c.bar.y), RGB(0, 0, 0)) << name;
    EXPECT_GT(GetRValue(GetPixel(memory, c.mark.x, c.mark.y)), 240) << name;
    EXPECT_EQ(media::frame_index_of(GetPixel(memory, c.window.cx / 2, c.window.cy / 2)), 0) << name;
    EXPECT_EQ(playback.picture().centre_colour(), GetPixel(memory, c.window.cx / 2, c.window.cy / 2)) << name;
    SelectObject(memory, previous);
    DeleteObject(window);
    DeleteDC(memory);
  }
}

struct BadFileCase {
  const char* name;
  std::string bytes;
};

TEST_F(PlaybackTest, WhatIsNotMediaFailsWithAReason) {
  make_clip("good.mp4", {.seconds = 1});
  const std::string clip = read_media_file(machine, "good.mp4");
  const BadFileCase cases[] = {
      {"text.mp4", "this is not a video at all, only words\n"},
      {"empty.avi", ""},
      {"head.mp4", clip.substr(0, 64)},
  };
  for (const BadFileCase& c : cases) {
    media::Playback playback(log);
    EXPECT_NE(playback.open(make_file(c.name, c.bytes)), "") << c.name;
  }
  media::Playback missing(log);
  EXPECT_NE(missing.open(L"C:\\media\\nowhere.mp4").find("error 2"), std::string::npos);
  EXPECT_FALSE(log.lines().empty());
}

TEST_F(PlaybackTest, ASessionDescriptionIsRefusedWithoutReachingTheNetwork) {
  const std::string session =
      "v=0\r\no=- 0 0 IN IP4 127.0.0.1\r\ns=x\r\nc=IN IP4 127.0.0.1\r\nt=0 0\r\nm=audio 5004 RTP/AVP 0\r\n";
  media::Playback playback(log);
  EXPECT_EQ(playback.open(make_file("session.mp4", session)).rfind("not a media file", 0), 0u);
}

// A PCM WAV file of 101 silent bytes whose header claims this rate and these channels.
std::string WavFile(std::uint32_t rate, std::uint16_t channels) {
  std::string bytes;
  auto put = [&bytes](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
      bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  };
  const std::uint32_t data = 101;
  bytes += "RIFF";
  put(36 + data, 4);
  bytes += "WAVEfmt ";
  put(16, 4);
  put(1, 2);
  put(channels, 2);
  put(rate, 4);
  put(rate * channels * 2, 4);
  put(channels * 2u, 2);
  put(16, 2);
  bytes += "data";
  put(data, 4);
  bytes.append(data, '\0');
  return bytes;
}

struct AudioHeaderCase {
  std::uint32_t rate;
  std::uint16_t channels;
  bool opens;
};

TEST_F(PlaybackTest, AudioOfAnImpossibleRateOrTooManyChannelsIsRefused) {
  const AudioHeaderCase cases[] = {
      {1'250'000'000, 1, false}, {999, 1, false},    {768'001, 2, false}, {44100, 9, false},
      {1000, 1, true},           {768'000, 2, true}, {48000, 8, true},
  };
  for (const AudioHeaderCase& c : cases) {
    const std::string name = "tone" + std::to_string(c.rate) + "x" + std::to_string(c.channels) + ".wav";
    media::Playback playback(log);
    EXPECT_EQ(playback.open(make_file(name, WavFile(c.rate, c.channels))).empty(), c.opens) << name;
  }
}

TEST_F(PlaybackTest, ATruncatedClipPlaysWhatItHasAndEnds) {
  make_clip("whole.mpeg", {.seconds = 2});
  const std::string clip = read_media_file(machine, "whole.mpeg");
  media::Playback playback(log);
  ASSERT_EQ(playback.open(make_file("half.mpeg", clip.substr(0, clip.size() / 2))), "");
  std::vector<int> shown = play_to_end(playback);
  EXPECT_TRUE(playback.ended());
  EXPECT_GT(shown.size(), 5u);
  EXPECT_LT(shown.size(), 50u);
}

double heap_bytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

TEST_F(PlaybackTest, TheHeapDoesNotGrowWithTheClipsLength) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the sanitizer's allocator keeps the heap out of malloc's count";
#endif
  // Grainy frames make a file of megabytes, so holding it whole would show at once.
  struct Played {
    double file_bytes = 0;
    double heap_growth = 0;
  };
  auto play = [&](const std::string& name, double seconds) {
    const std::wstring path =
        make_clip(name, {.seconds = seconds, .width = 320, .height = 240, .textured = true});
    Played played;
    played.file_bytes = static_cast<double>(read_media_file(machine, name).size());
    media::Playback playback(log);
    EXPECT_EQ(playback.open(path), "");
    const double before = heap_bytes();
    double most = before;
    playback.start();
    for (int ticks = 0; ticks < 100'000; ++ticks) {
      media::TickResult result = playback.tick(160, 120);
      most = std::max(most, heap_bytes());
      if (result.ended || !result.next_ms) break;
      machine.advance(*result.next_ms);
    }
    EXPECT_TRUE(playback.ended()) << name;
    played.heap_growth = most - before;
    return played;
  };
  const Played short_clip = play("short.mp4", 2);
  const Played long_clip = play("long.mp4", 12);
  ASSERT_GT(long_clip.file_bytes - short_clip.file_bytes, 2e6);
  EXPECT_LT(long_clip.heap_growth, short_clip.heap_growth + 1e6)
      << short_clip.heap_growth << " " << long_clip.heap_growth;
}

}  // namespace
