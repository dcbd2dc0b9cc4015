// The media player control hosted as the console hosts it: frames on screen as the clock runs,
// the transport controls, volume and mute heard on the audio device, the invisible mode, the end
// of the media, the host going away, and files or installs that cannot play.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "peers/orvenna/install/installer.h"
#include "peers/orvenna/orvenna_program.h"
#include "platform/com/atl_host_api.h"
#include "platform/com/com_api.h"
#include "platform/win/win32.h"
#include "tests/peers/media_player/player_host_fixture.h"

namespace {

constexpr POINT kCentre{160, 120};
const COLORREF kBlack = RGB(0, 0, 0);

class MediaPlayerTest : public PlayerHostTest {
 protected:
  // Opens the host, and a clip in it with uiMode "none".
  void open_clip(const std::string& name, const media::ClipSpec& spec = {.seconds = 4}) {
    ASSERT_EQ(open_host().created, S_OK);
    ASSERT_NE(hosted.player, nullptr);
    ASSERT_EQ(set_ui_mode(L"none"), S_OK);
    ASSERT_EQ(set_url(make_clip(name, spec)), S_OK);
  }
  HRESULT play() {
    return on_host([this] { return hosted.controls->play(); });
  }
  HRESULT pause() {
    return on_host([this] { return hosted.controls->pause(); });
  }
  HRESULT stop() {
    return on_host([this] { return hosted.controls->stop(); });
  }
  HRESULT set_volume(LONG volume) {
    return on_host([this, volume] { return hosted.settings->put_volume(volume); });
  }
  HRESULT set_mute(bool mute) {
    return on_host([this, mute] { return hosted.settings->put_mute(mute ? VARIANT_TRUE : VARIANT_FALSE); });
  }
};

struct FrameCase {
  const char* step;  // "play", "pause", "stop", "forward", "reverse"
  DWORD then_ms;     // the clock runs this long after the step
  int frame;         // the frame on screen then, 25 a second (its colour tells it modulo 64); -1 for black
  const char* state;
  int rate;
};

// Each row follows the one before on one clip of 25 frames a second; fast reverse shows the key
// frame at or before its time, every 12th frame in these clips.
TEST_F(MediaPlayerTest, TheTransportControlsMoveThePictureOnScreenAsTheClockRuns) {
  open_clip("count.mp4", {.seconds = 8});
  const FrameCase cases[] = {
      {"play", 420, 10, "playing", 1},     {"play", 600, 25, "playing", 1},
      {"pause", 1000, 25, "paused", 1},    {"play", 200, 30, "playing", 1},
      {"forward", 200, 55, "playing", 5},  {"play", 400, 65, "playing", 1},
      {"reverse", 220, 36, "playing", -5}, {"play", 200, 45, "playing", 1},
      {"stop", 500, -1, "stopped", 1},     {"play", 420, 10, "playing", 1},
  };
  for (const FrameCase& c : cases) {
    const std::string step = c.step;
    HRESULT result = E_FAIL;
    if (step == "play") result = play();
    if (step == "pause") result = pause();
    if (step == "stop") result = stop();
    if (step == "forward") result = on_host([this] { return hosted.controls->fastForward(); });
    if (step == "reverse") result = on_host([this] { return hosted.controls->fastReverse(); });
    EXPECT_EQ(result, S_OK) << step;
    machine.advance(c.then_ms);
    if (c.frame < 0)
      EXPECT_EQ(at(kCentre), kBlack) << step;
    else
      EXPECT_NEAR(frame_at(kCentre), c.frame % 64, c.rate == 1 ? 0 : 1) << step << " then " << c.then_ms;
    EXPECT_EQ(view().state, c.state) << step;
    EXPECT_EQ(view().rate, c.rate) << step;
  }
}

TEST_F(MediaPlayerTest, TheFrameFitsTheHostWithBlackBars) {
  ASSERT_EQ(open_host({40, 30, 360, 150}).created, S_OK);
  ASSERT_EQ(set_ui_mode(L"none"), S_OK);
  ASSERT_EQ(set_url(make_clip("wide.mp4", {.seconds = 2})), S_OK);
  ASSERT_EQ(play(), S_OK);
  machine.advance(220);
  // 160 by 120 in 320 by 120: 160 wide in the middle, 80-pixel bars either side.
  EXPECT_EQ(frame_at({160, 60}), 5);
  EXPECT_EQ(frame_at({85, 60}), 5);
  EXPECT_EQ(at({75, 60}), kBlack);
  EXPECT_EQ(at({245, 60}), kBlack);
  EXPECT_EQ(view().frames_shown, 6);
  EXPECT_EQ(media::frame_index_of(view().last_centre), 5);
}

// The console hosts a video in Orvenna's render window, a window of another program that paints
// its sky again whenever it changes.
TEST_F(MediaPlayerTest, AVideoInOrvennasRenderWindowStaysOverTheSky) {
  std::shared_ptr<orvenna::ProgramProbe> orvenna = orvenna::register_orvenna_program(machine);
  ASSERT_TRUE(orvenna::install_orvenna(machine));
  std::wstring path = orvenna::install_folder_of({}) + orvenna::kExecutableName;
  std::wstring command_line = L"orvenna.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &started));
  CloseHandle(started.hThread);
  ASSERT_EQ(WaitForInputIdle(started.hProcess, 5000), 0u);
  CloseHandle(started.hProcess);
  const HWND render = orvenna->windows().render;
  ASSERT_NE(render, nullptr);
  ASSERT_EQ(open_host({100, 50, 420, 290}, render).created, S_OK);
  // Only the video is wanted on screen, not the host program's own frame.
  on_host([this] { return ShowWindow(hosted.frame, SW_HIDE) ? S_OK : S_FALSE; });
  ASSERT_EQ(set_ui_mode(L"none"), S_OK);
  ASSERT_EQ(set_url(make_clip("over.mp4", {.seconds = 4})), S_OK);
  ASSERT_EQ(play(), S_OK);
  machine.advance(1020);
  EXPECT_EQ(frame_at(kCentre), 25);
  // The atmosphere key makes Orvenna draw its sky again.
  const bool atmosphere = orvenna->state()->flag(orvenna::SkyFlag::atmosphere);
  PostMessageW(render, WM_KEYDOWN, 'A', 0x001E0001);
  PostMessageW(render, WM_KEYUP, 'A', 0xC01E0001);
  machine.advance(200);
  EXPECT_NE(orvenna->state()->flag(orvenna::SkyFlag::atmosphere), atmosphere);
  EXPECT_EQ(frame_at(kCentre), 30);
}

struct AvailableCase {
  const char* after;  // the step taken before the question
  bool play, pause, stop, forward, reverse;
};

TEST_F(MediaPlayerTest, IsAvailableAnswersByWhatTheMediaIsDoing) {
  ASSERT_EQ(open_host().created, S_OK);
  const AvailableCase cases[] = {
      {"nothing", false, false, false, false, false}, {"url", true, false, false, true, false},
      {"play", false, true, true, true, true},        {"forward", true, true, true, true, true},
      {"pause", true, false, true, true, true},       {"stop", true, false, false, true, false},
      {"close", false, false, false, false, false},
  };
  const std::wstring clip = make_clip("ask.mp4", {.seconds = 4});
  for (const AvailableCase& c : cases) {
    const std::string after = c.after;
    if (after == "url") set_url(clip);
    if (after == "play") play();
    if (after == "forward") on_host([this] { return hosted.controls->fastForward(); });
    if (after == "pause") pause();
    if (after == "stop") stop();
    if (after == "close") on_host([this] { return hosted.player->close(); });
    EXPECT_EQ(is_available(L"play"), c.play) << after;
    EXPECT_EQ(is_available(L"pause"), c.pause) << after;
    EXPECT_EQ(is_available(L"stop"), c.stop) << after;
    EXPECT_EQ(is_available(L"fastForward"), c.forward) << after;
    EXPECT_EQ(is_available(L"fastReverse"), c.reverse) << after;
  }
  EXPECT_FALSE(is_available(L"eject"));
}

TEST_F(MediaPlayerTest, VolumeScalesTheSoundAndMuteSilencesIt) {
  open_clip("tone.mp4", {.seconds = 8});
  ASSERT_EQ(set_volume(100), S_OK);
  ASSERT_EQ(play(), S_OK);
  machine.advance(1500);
  const double full = level();
  EXPECT_NEAR(full, 0.5 / std::sqrt(2.0), 0.03);
  ASSERT_EQ(set_volume(50), S_OK);
  machine.advance(1500);
  EXPECT_NEAR(level() / full, 0.5, 0.02);
  ASSERT_EQ(set_mute(true), S_OK);
  machine.advance(1500);
  EXPECT_EQ(level(), 0);
  ASSERT_EQ(set_mute(false), S_OK);
  machine.advance(1500);
  EXPECT_NEAR(level() / full, 0.5, 0.02);
  LONG volume = 0;
  EXPECT_EQ(set_volume(101), E_INVALIDARG);
  EXPECT_EQ(set_volume(-1), E_INVALIDARG);
  on_host([&] { return hosted.settings->get_volume(&volume); });
  EXPECT_EQ(volume, 50);
}

TEST_F(MediaPlayerTest, InvisibleModePlaysTheSoundAndDrawsNothing) {
  ASSERT_EQ(open_host().created, S_OK);
  ASSERT_EQ(set_ui_mode(L"invisible"), S_OK);
  ASSERT_EQ(set_url(make_clip("both.mp4", {.seconds = 4})), S_OK);
  const COLORREF before = at(kCentre);
  ASSERT_EQ(play(), S_OK);
  machine.advance(1500);
  EXPECT_EQ(view().state, "playing");
  EXPECT_NEAR(level(), 0.5 / std::sqrt(2.0) / 2, 0.02);
  EXPECT_EQ(at(kCentre), before);
  EXPECT_EQ(view().frames_shown, 0);
  EXPECT_FALSE(IsWindowVisible(view().window));
}

TEST_F(MediaPlayerTest, TheEndOfTheMediaStopsItAndPlayStartsItAgain) {
  open_clip("short.mp4", {.seconds = 1});
  ASSERT_EQ(play(), S_OK);
  machine.advance(2500);
  EXPECT_EQ(view().state, "ended");
  EXPECT_NEAR(view().position, 1.0, 0.1);
  EXPECT_EQ(control_timers(), 0);
  EXPECT_EQ(at(kCentre), kBlack);
  EXPECT_EQ(level(), 0);
  ASSERT_EQ(play(), S_OK);
  machine.advance(220);
  EXPECT_EQ(frame_at(kCentre), 5);
}

TEST_F(MediaPlayerTest, ItPlaysOnInsideAModalLoopOfItsThread) {
  open_clip("modal.mp4");
  ASSERT_EQ(play(), S_OK);
  on_host([this] {
    SetTimer(hosted.frame, 7, 0, [](HWND frame, UINT, UINT_PTR, DWORD) {
      KillTimer(frame, 7);
      MessageBoxW(frame, L"Playing on", L"Host", MB_OK);
    });
    return S_OK;
  });
  machine.advance(1020);
  HWND box = FindWindowW(L"#32770", L"Host");
  ASSERT_NE(box, nullptr);
  // The box stands over the middle of the picture.
  EXPECT_EQ(frame_at({20, 20}), 25);
  SendMessageW(box, WM_COMMAND, IDOK, 0);
  machine.run_until_idle();
}

TEST_F(MediaPlayerTest, DestroyingTheHostWhilePlayingClosesTheSoundAndLeavesNoTimer) {
  open_clip("gone.mp4");
  ASSERT_EQ(play(), S_OK);
  machine.advance(500);
  ASSERT_TRUE(stream_open());
  ASSERT_EQ(control_timers(), 1);
  on_host([this] { return DestroyWindow(hosted.host) ? S_OK : E_FAIL; });
  EXPECT_FALSE(stream_open());
  EXPECT_EQ(control_timers(), 0);
  EXPECT_EQ(view().state, "closed");
  EXPECT_FALSE(view().released);  // the host program still holds its interfaces
  EXPECT_EQ(play(), E_UNEXPECTED);
  machine.advance(500);
  on_host([this] { return DestroyWindow(hosted.frame) ? S_OK : E_FAIL; });
  EXPECT_TRUE(view().released);
}

// As a replay that starts again makes a new control in its host: the old one's last reference
// goes, and its sound with it.
TEST_F(MediaPlayerTest, ANewControlInTheHostReplacesTheOldOneAndEndsItsSound) {
  open_clip("replaced.mp4");
  ASSERT_EQ(play(), S_OK);
  machine.advance(300);
  ASSERT_TRUE(stream_open());
  const HRESULT made = on_host([this] {
    hosted.settings->Release();
    hosted.controls->Release();
    hosted.player->Release();
    hosted.settings = nullptr;
    hosted.controls = nullptr;
    hosted.player = nullptr;
    return AtlAxCreateControl(kMediaPlayerClassIdText, hosted.host, nullptr, nullptr);
  });
  ASSERT_EQ(made, S_OK);
  EXPECT_FALSE(stream_open());
  const auto controls = probe->controls();
  ASSERT_EQ(controls.size(), 2u);
  EXPECT_TRUE(controls[0].released);
  EXPECT_EQ(controls[1].state, "closed");
  EXPECT_EQ(control_timers(), 0);
}

struct BadFileCase {
  const char* name;
  const char* bytes;  // null: no such file
  HRESULT result;
};

TEST_F(MediaPlayerTest, AFileThatCannotPlayLeavesTheControlFailedAndSaysWhy) {
  ASSERT_EQ(open_host().created, S_OK);
  const BadFileCase cases[] = {
      {"notes.mp4", "These are my notes, not a film.", HRESULT_FROM_WIN32(ERROR_BAD_FORMAT)},
      {"empty.wmv", "", HRESULT_FROM_WIN32(ERROR_BAD_FORMAT)},
      {"missing.mp4", nullptr, HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)},
  };
  for (const BadFileCase& c : cases) {
    const std::wstring path =
        c.bytes ? make_file(c.name, c.bytes) : L"C:\\media\\" + std::wstring(c.name, c.name + strlen(c.name));
    EXPECT_EQ(set_url(path), c.result) << c.name;
    EXPECT_EQ(view().state, "failed") << c.name;
    EXPECT_FALSE(view().failure.empty()) << c.name;
    EXPECT_EQ(play(), c.result) << c.name;
    EXPECT_FALSE(is_available(L"play")) << c.name;
    machine.advance(500);
    EXPECT_EQ(at(kCentre), kBlack) << c.name;
    EXPECT_EQ(control_timers(), 0) << c.name;
  }
}

TEST_F(MediaPlayerTest, ATruncatedClipPlaysWhatItHoldsOrFailsAndNeverHangs) {
  ASSERT_EQ(open_host().created, S_OK);
  for (const char* extension : {"mp4", "avi", "mpeg", "mp3"}) {
    const std::string name = std::string("whole.") + extension;
    make_clip(name, {.seconds = 2});
    const std::string bytes = read_media_file(machine, name);
    const std::wstring cut = make_file(std::string("cut.") + extension, bytes.substr(0, bytes.size() / 2));
    if (set_url(cut) == S_OK) {
      ASSERT_EQ(play(), S_OK) << extension;
      machine.advance(3000);
      EXPECT_EQ(view().state, "ended") << extension;
    } else {
      EXPECT_EQ(view().state, "failed") << extension;
    }
    EXPECT_EQ(control_timers(), 0) << extension;
  }
}

TEST_F(MediaPlayerTest, AControlNotInstalledFailsAsOnWindows) {
  media_player::uninstall_media_player();
  EXPECT_EQ(open_host().created, REGDB_E_CLASSNOTREG);
  EXPECT_TRUE(probe->controls().empty());
}

TEST_F(MediaPlayerTest, TheDumpSectionTellsEachControlsMediaStateAndHost) {
  open_clip("dumped.mp4");
  ASSERT_EQ(play(), S_OK);
  machine.advance(420);
  const std::string dump = machine.observations().dump_sections.at("media_player")();
  for (const char* part :
       {"\"installed\": true", "\"url\": \"C:\\\\media\\\\dumped.mp4\"", "\"ui_mode\": \"none\"",
        "\"state\": \"playing\"", "\"position\": 0.400", "\"duration\": 4.0", "\"rate\": 1", "\"volume\": 50",
        "\"mute\": false", "\"frames_shown\": 11", "\"host_rect\": [40, 30, 360, 270]", "opened C:\\\\media"})
    EXPECT_NE(dump.find(part), std::string::npos) << part << " in " << dump;
}

}  // namespace
