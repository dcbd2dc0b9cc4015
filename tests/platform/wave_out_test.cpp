#include <cmath>
#include <filesystem>
#include <vector>

#include "platform/win/wave_out_api.h"
#include "tests/platform/desktop_fixture.h"

namespace {

constexpr int kRate = 48000;

WAVEFORMATEX stereo_pcm(int rate = kRate) {
  return {WAVE_FORMAT_PCM, 2, static_cast<DWORD>(rate), static_cast<DWORD>(rate * 4), 4, 16, 0};
}

// A buffer of frames of a 440 Hz sine at amplitude, both channels alike.
struct ToneBuffer {
  ToneBuffer(int frames, double amplitude) : samples(static_cast<std::size_t>(frames) * 2) {
    for (int i = 0; i < frames; ++i) {
      auto value =
          static_cast<std::int16_t>(std::lround(amplitude * 32767 * std::sin(2 * M_PI * 440 * i / kRate)));
      samples[2 * i] = samples[2 * i + 1] = value;
    }
    header.lpData = reinterpret_cast<char*>(samples.data());
    header.dwBufferLength = static_cast<DWORD>(samples.size() * 2);
  }
  bool done() const { return (header.dwFlags & WHDR_DONE) != 0; }

  std::vector<std::int16_t> samples;
  WAVEHDR header{};
};

class WaveOutTest : public DesktopTest {
 protected:
  HWAVEOUT open(DWORD_PTR callback = 0, DWORD flags = CALLBACK_NULL) {
    HWAVEOUT out = nullptr;
    WAVEFORMATEX format = stereo_pcm();
    EXPECT_EQ(waveOutOpen(&out, WAVE_MAPPER, &format, callback, 0, flags), MMSYSERR_NOERROR);
    return out;
  }
  void write(HWAVEOUT out, ToneBuffer& buffer) {
    ASSERT_EQ(waveOutPrepareHeader(out, &buffer.header, sizeof(WAVEHDR)), MMSYSERR_NOERROR);
    ASSERT_EQ(waveOutWrite(out, &buffer.header, sizeof(WAVEHDR)), MMSYSERR_NOERROR);
  }
};

TEST_F(WaveOutTest, BuffersAreDoneWhenTheirFramesHavePlayedOnTheClock) {
  HWAVEOUT out = open();
  ToneBuffer first(4800, 0.5), second(2400, 0.5);
  write(out, first);
  write(out, second);
  // The harness wakes before the device at the same tick, so it sees a buffer done one tick on.
  machine.advance(99);
  EXPECT_FALSE(first.done());
  machine.advance(2);
  EXPECT_TRUE(first.done());
  EXPECT_FALSE(second.done());
  machine.advance(48);
  EXPECT_FALSE(second.done());
  machine.advance(2);
  EXPECT_TRUE(second.done());
  EXPECT_EQ(waveOutClose(out), MMSYSERR_NOERROR);
}

TEST_F(WaveOutTest, TheDeviceKeepsEachStreamsProgramFramesAndLevel) {
  HWAVEOUT out = open();
  ToneBuffer tone(48000, 0.5);
  write(out, tone);
  machine.advance(1001);
  const audio::StreamRecord* record = machine.audio().last_stream_of(L"harness.exe");
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->format.channels, 2);
  EXPECT_EQ(record->format.sample_rate, kRate);
  EXPECT_EQ(record->frames_played, 48000u);
  audio::Level level = machine.audio().level_of(*record);
  EXPECT_NEAR(level.rms, 0.5 / std::sqrt(2.0), 0.002);
  EXPECT_NEAR(level.peak, 0.5, 0.002);
  EXPECT_EQ(waveOutClose(out), MMSYSERR_NOERROR);
  EXPECT_FALSE(record->open);
  EXPECT_NE(machine.audio().dump_json().find("\"rms\": 0.353"), std::string::npos);
}

TEST_F(WaveOutTest, PauseHoldsTheBufferAndRestartGoesOn) {
  HWAVEOUT out = open();
  ToneBuffer buffer(4800, 0.5);
  write(out, buffer);
  machine.advance(50);
  waveOutPause(out);
  machine.advance(500);
  EXPECT_FALSE(buffer.done());
  waveOutRestart(out);
  machine.advance(49);
  EXPECT_FALSE(buffer.done());
  machine.advance(2);
  EXPECT_TRUE(buffer.done());
  waveOutClose(out);
}

TEST_F(WaveOutTest, ResetReturnsEveryBufferAndCloseWaitsForIt) {
  HWAVEOUT out = open();
  ToneBuffer first(48000, 0.5), second(48000, 0.5);
  write(out, first);
  write(out, second);
  machine.advance(10);
  EXPECT_EQ(waveOutClose(out), WAVERR_STILLPLAYING);
  EXPECT_EQ(waveOutUnprepareHeader(out, &second.header, sizeof(WAVEHDR)), WAVERR_STILLPLAYING);
  EXPECT_EQ(waveOutReset(out), MMSYSERR_NOERROR);
  EXPECT_TRUE(first.done());
  EXPECT_TRUE(second.done());
  EXPECT_EQ(waveOutUnprepareHeader(out, &second.header, sizeof(WAVEHDR)), MMSYSERR_NOERROR);
  EXPECT_EQ(waveOutClose(out), MMSYSERR_NOERROR);
  EXPECT_EQ(waveOutClose(out), MMSYSERR_INVALHANDLE);
}

TEST_F(WaveOutTest, AWindowCallbackHearsOfEachDoneBuffer) {
  MessageLog::register_class(L"AudioOwner");
  HWND owner = create_logged_window(L"AudioOwner", L"owner", WS_OVERLAPPEDWINDOW);
  HWAVEOUT out = open(reinterpret_cast<DWORD_PTR>(owner), CALLBACK_WINDOW);
  ToneBuffer buffer(480, 0.5);
  write(out, buffer);
  machine.advance(11);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageW(&message);
  auto seen = MessageLog::messages_of(owner);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), MM_WOM_OPEN), 1);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), MM_WOM_DONE), 1);
  waveOutClose(out);
}

struct FormatCase {
  WORD tag, channels;
  DWORD rate;
  WORD block_align, bits;
};

TEST_F(WaveOutTest, OnlySixteenBitPcmOpens) {
  const FormatCase cases[] = {
      {3, 2, 48000, 8, 32},               // float
      {WAVE_FORMAT_PCM, 2, 48000, 2, 8},  // 8-bit
      {WAVE_FORMAT_PCM, 6, 48000, 12, 16},
      {WAVE_FORMAT_PCM, 2, 1000, 4, 16},
      {WAVE_FORMAT_PCM, 2, 48000, 3, 16},
  };
  for (const FormatCase& c : cases) {
    WAVEFORMATEX format{c.tag, c.channels, c.rate, c.rate * c.block_align, c.block_align, c.bits, 0};
    HWAVEOUT out = nullptr;
    EXPECT_EQ(waveOutOpen(&out, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL), WAVERR_BADFORMAT) << c.channels;
  }
  WAVEFORMATEX format = stereo_pcm();
  HWAVEOUT out = nullptr;
  EXPECT_EQ(waveOutOpen(&out, 7, &format, 0, 0, CALLBACK_NULL), MMSYSERR_BADDEVICEID);
}

TEST_F(WaveOutTest, AProgramThatEndsClosesItsStreams) {
  start_program(L"player.exe", [] {
    HWAVEOUT out = nullptr;
    WAVEFORMATEX format = stereo_pcm();
    waveOutOpen(&out, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL);
    static ToneBuffer buffer(48000, 0.25);
    waveOutPrepareHeader(out, &buffer.header, sizeof(WAVEHDR));
    waveOutWrite(out, &buffer.header, sizeof(WAVEHDR));
    Sleep(300);
    return DWORD{0};
  });
  machine.advance(100);
  const audio::StreamRecord* record = machine.audio().last_stream_of(L"player.exe");
  ASSERT_NE(record, nullptr);
  EXPECT_TRUE(record->open);
  machine.advance(500);
  EXPECT_FALSE(record->open);
}

class WaveFileTest : public ::testing::Test {
 protected:
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("wave-file-test-" + std::to_string(getpid()));
  void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST_F(WaveFileTest, TheWavSinkKeepsWhatPlayed) {
  std::filesystem::create_directories(folder);
  {
    desktop::DesktopConfig config;
    config.audio_wav_file = folder / "sound.wav";
    desktop::Desktop machine(config);
    machine.attach(L"harness.exe");
    HWAVEOUT out = nullptr;
    WAVEFORMATEX format = stereo_pcm();
    waveOutOpen(&out, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL);
    ToneBuffer buffer(4800, 0.5);
    waveOutPrepareHeader(out, &buffer.header, sizeof(WAVEHDR));
    waveOutWrite(out, &buffer.header, sizeof(WAVEHDR));
    machine.advance(100);
    waveOutClose(out);
    machine.end_other_threads();
    machine.detach();
  }
  EXPECT_EQ(std::filesystem::file_size(folder / "sound.wav"), 44u + 4800u * 4u);
}

}  // namespace
