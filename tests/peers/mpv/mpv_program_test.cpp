#include <cmath>

#include "peers/media/clip_writer.h"
#include "tests/peers/mpv/mpv_fixture.h"

namespace {

constexpr wchar_t kStart[] = L" --ontop --no-border --no-osc --no-osd-bar --osd-level=0 ";

struct PlaceCase {
  const wchar_t* options;
  RECT rect;
  bool topmost;
};

TEST_F(MpvTest, TheWindowStandsWhereGeometryScreenAndOntopPutIt) {
  const std::wstring file = make_clip(machine, "clip.mp4", {.seconds = 5});
  const PlaceCase cases[] = {
      {L" --ontop --no-border  --geometry=640x360+100+50 ", {100, 50, 740, 410}, true},
      {L" --no-border  --geometry=640x360+2020+50 ", {2020, 50, 2660, 410}, false},
      {L" --ontop --no-border  --screen=1 --geometry=1920x1080+0+0 ", {1920, 0, 3840, 1080}, true},
      {L" --no-border  --screen=1 --geometry=320x240+10+20 ", {1930, 20, 2250, 260}, false},
      {L" --no-border ", {880, 480, 1040, 600}, false},  // the video's size, centred on the primary
  };
  for (const PlaceCase& c : cases) {
    Started mpv = start_mpv(std::wstring(c.options) + L" \"" + file + L"\" ");
    ASSERT_NE(mpv.window, nullptr);
    wchar_t class_name[16]{};
    GetClassNameW(mpv.window, class_name, 16);
    EXPECT_STREQ(class_name, L"mpv");
    wchar_t title[64]{};
    GetWindowTextW(mpv.window, title, 64);
    EXPECT_STREQ(title, L"mpv - clip.mp4");
    RECT rect{};
    GetWindowRect(mpv.window, &rect);
    EXPECT_EQ(rect.left, c.rect.left) << c.options;
    EXPECT_EQ(rect.top, c.rect.top) << c.options;
    EXPECT_EQ(rect.right, c.rect.right) << c.options;
    EXPECT_EQ(rect.bottom, c.rect.bottom) << c.options;
    EXPECT_EQ((GetWindowLongW(mpv.window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, c.topmost) << c.options;
    SendMessageW(mpv.window, WM_CLOSE, 0, 0);
    machine.run_until_idle();
    EXPECT_EQ(exit_code(mpv.process), 0u);
    CloseHandle(mpv.process);
  }
}

struct TurnCase {
  const wchar_t* options;
  POINT mark;  // where the frame's top left corner mark shows, in the window
};

TEST_F(MpvTest, RotationAndFlipShowInTheWindowsPixels) {
  // A 2:1 clip in a 200 by 200 window: upright it is 200x100 between bars, on its side 100x200.
  const std::wstring file =
      make_clip(machine, "marked.mp4", {.seconds = 5, .width = 160, .height = 80, .mark_top_left = true});
  const TurnCase cases[] = {
      {L" --video-rotate=0 ", {10, 55}},
      {L" --vf=flip  --video-rotate=0 ", {10, 145}},
      {L" --video-rotate=90 ", {140, 10}},
      {L" --video-rotate=180 ", {190, 145}},
      {L" --vf=flip  --video-rotate=90 ", {60, 10}},
      {L" --video-rotate=45 ", {140, 10}},
      {L" --video-rotate=44 ", {10, 55}},
      {L" --video-rotate=359 ", {10, 55}},
  };
  for (const TurnCase& c : cases) {
    Started mpv =
        start_mpv(std::wstring(kStart) + c.options + L" --geometry=200x200+0+0  \"" + file + L"\" ");
    ASSERT_NE(mpv.window, nullptr);
    machine.advance(100);
    HDC dc = GetDC(mpv.window);
    EXPECT_GT(GetRValue(GetPixel(dc, c.mark.x, c.mark.y)), 240) << c.options;
    EXPECT_EQ(media::frame_index_of(GetPixel(dc, 100, 100)), 2) << c.options;
    ReleaseDC(mpv.window, dc);
    SendMessageW(mpv.window, WM_CLOSE, 0, 0);
    machine.run_until_idle();
    CloseHandle(mpv.process);
  }
}

struct KeyCase {
  const wchar_t* keys;  // typed one after the other; '\b' is Backspace
  bool paused;
  bool muted;
  int volume;
  double speed;
};

TEST_F(MpvTest, KeysChangeWhatPlaysAsMpvsDefaultsDo) {
  const std::wstring file = make_clip(machine, "clip.mp4", {.seconds = 20});
  const KeyCase cases[] = {
      {L"p", true, false, 50, 1},   {L"pp", false, false, 50, 1},  {L" ", true, false, 50, 1},
      {L"m", false, true, 50, 1},   {L"mm", false, false, 50, 1},  {L"999", false, false, 44, 1},
      {L"00", false, false, 54, 1}, {L"]", false, false, 50, 1.1}, {L"[", false, false, 50, 1 / 1.1},
      {L"}", false, false, 50, 2},  {L"{", false, false, 50, 0.5}, {L"}}\b", false, false, 50, 1},
  };
  for (const KeyCase& c : cases) {
    Started mpv = start_mpv(std::wstring(kStart) +
                            L" --volume=50 --video-rotate=0  --geometry=320x240+0+0  \"" + file + L"\" ");
    ASSERT_NE(mpv.window, nullptr);
    SetForegroundWindow(mpv.window);
    machine.advance(200);
    for (const wchar_t* key = c.keys; *key != 0; ++key) {
      if (*key == L'\b')
        press_key(VK_BACK);
      else
        press(*key);
    }
    std::optional<mpv::MpvRun> run = probe->last();
    ASSERT_TRUE(run);
    EXPECT_EQ(run->paused, c.paused) << c.keys;
    EXPECT_EQ(run->muted, c.muted) << c.keys;
    EXPECT_EQ(run->volume, c.volume) << c.keys;
    EXPECT_NEAR(run->speed, c.speed, 1e-9) << c.keys;
    EXPECT_EQ(run->keys.size(), std::wcslen(c.keys)) << c.keys;
    SendMessageW(mpv.window, WM_CLOSE, 0, 0);
    machine.run_until_idle();
    CloseHandle(mpv.process);
  }
}

TEST_F(MpvTest, PausingStopsThePictureAndTheSound) {
  const std::wstring file = make_clip(machine, "clip.mp4", {.seconds = 20});
  Started mpv = start_mpv(std::wstring(kStart) + L" --geometry=320x240+0+0  \"" + file + L"\" ");
  SetForegroundWindow(mpv.window);
  machine.advance(1000);
  press(L'p');
  const mpv::MpvRun paused = *probe->last();
  machine.advance(2000);
  EXPECT_EQ(probe->last()->frames_shown, paused.frames_shown);
  EXPECT_NEAR(probe->last()->position, paused.position, 1e-9);
  EXPECT_LT(mpv_level(), 0.01);  // the last second heard nothing
  press(L'p');
  machine.advance(1000);
  EXPECT_NEAR(probe->last()->position, paused.position + 1, 0.05);
  SendMessageW(mpv.window, WM_CLOSE, 0, 0);
  machine.run_until_idle();
}

TEST_F(MpvTest, VolumeFiftyIsHalfTheLevelOfAHundredAndMuteIsSilence) {
  const std::wstring file = make_clip(machine, "tone.mp4", {.seconds = 20});
  auto level_with = [&](const std::wstring& options, const wchar_t* keys) {
    Started mpv = start_mpv(std::wstring(kStart) + options + L" --geometry=320x240+0+0  \"" + file + L"\" ");
    SetForegroundWindow(mpv.window);
    for (const wchar_t* key = keys; *key != 0; ++key)
      press(*key);
    machine.advance(2000);
    const double level = mpv_level();
    SendMessageW(mpv.window, WM_CLOSE, 0, 0);
    machine.run_until_idle();
    CloseHandle(mpv.process);
    return level;
  };
  const double full = level_with(L" --volume=100 ", L"");
  EXPECT_NEAR(full, 0.5 / std::sqrt(2.0), 0.03);
  EXPECT_NEAR(level_with(L" --volume=50 ", L"") / full, 0.5, 0.01);
  EXPECT_NEAR(level_with(L" --volume=50 ", L"00000") / full, 0.6, 0.01);
  EXPECT_LT(level_with(L" --volume=100 ", L"m"), 0.001);
}

struct EndCase {
  const char* how;
  const char* end;
};

TEST_F(MpvTest, ItEndsOnCloseOnQAndAtTheEndOfTheFile) {
  const std::wstring file = make_clip(machine, "clip.mp4", {.seconds = 1});
  const EndCase cases[] = {{"WM_CLOSE", "close"}, {"q", "quit"}, {"end", "end of file"}};
  for (const EndCase& c : cases) {
    Started mpv = start_mpv(std::wstring(kStart) + L" --geometry=320x240+0+0  \"" + file + L"\" ");
    ASSERT_NE(mpv.window, nullptr);
    SetForegroundWindow(mpv.window);
    machine.advance(300);
    EXPECT_EQ(exit_code(mpv.process), std::nullopt) << c.how;
    if (std::string(c.how) == "WM_CLOSE") SendMessageW(mpv.window, WM_CLOSE, 0, 0);
    if (std::string(c.how) == "q") press(L'q');
    machine.advance(1000);
    EXPECT_EQ(exit_code(mpv.process), 0u) << c.how;
    EXPECT_FALSE(IsWindow(mpv.window)) << c.how;
    EXPECT_EQ(probe->last()->end, c.end);
    const audio::StreamRecord* sound = machine.audio().last_stream_of(L"mpv.exe");
    ASSERT_NE(sound, nullptr);
    EXPECT_FALSE(sound->open) << c.how;
    CloseHandle(mpv.process);
  }
  EXPECT_EQ(probe->last()->frames_shown, 25);
}

struct FailureCase {
  const char* what;
  std::wstring arguments;
  DWORD exit_code;
  const char* logged;
};

TEST_F(MpvTest, BadOptionsAndBadFilesEndItWithoutAWindow) {
  const std::wstring clip = make_clip(machine, "clip.mp4", {.seconds = 1});
  const std::wstring text = make_file(machine, "notes.mp4", "these are the presenter's notes, not a video\n");
  const std::wstring empty = make_file(machine, "empty.avi", "");
  const FailureCase cases[] = {
      {"unknown option", L" --fullscreen-please  \"" + clip + L"\" ", 1,
       "Error parsing option fullscreen-please (option not found)"},
      {"bad value", L" --volume=loud  \"" + clip + L"\" ", 1,
       "Error parsing option volume (invalid value \"loud\")"},
      {"no file", L" --ontop ", 1, "no file to play"},
      {"missing file", L" \"C:\\media\\gone.mp4\" ", 2, "Failed to open C:\\media\\gone.mp4."},
      {"not media", L" \"" + text + L"\" ", 2, "Failed to open C:\\media\\notes.mp4."},
      {"empty", L" \"" + empty + L"\" ", 2, "Failed to open C:\\media\\empty.avi."},
  };
  for (const FailureCase& c : cases) {
    Started mpv = start_mpv(std::wstring(kStart) + c.arguments);
    machine.run_until_idle();
    EXPECT_EQ(mpv.window, nullptr) << c.what;
    EXPECT_EQ(exit_code(mpv.process), c.exit_code) << c.what;
    const std::vector<std::string> log = probe->last()->log;
    EXPECT_NE(std::find(log.begin(), log.end(), c.logged), log.end()) << c.what;
    EXPECT_EQ(log.back(), "Exiting... (Fatal error)") << c.what;
    CloseHandle(mpv.process);
  }
}

TEST_F(MpvTest, TheDumpTellsEachRun) {
  const std::wstring file = make_clip(machine, "clip.mp4", {.seconds = 1});
  Started mpv = start_mpv(std::wstring(kStart) + L" --geometry=320x240+0+0  \"" + file + L"\" ");
  SetForegroundWindow(mpv.window);
  press(L'm');
  machine.advance(1500);
  const std::string dump = machine.observations().dump_sections.at("mpv")();
  EXPECT_NE(dump.find("\"starts\": 1"), std::string::npos);
  EXPECT_NE(dump.find("\"title\": \"mpv - clip.mp4\""), std::string::npos);
  EXPECT_NE(dump.find("\"key\": \"m\""), std::string::npos);
  EXPECT_NE(dump.find("\"end\": \"end of file\", \"exit_code\": 0"), std::string::npos);
  const std::string colour = "\"last_centre\": \"#";
  EXPECT_NE(dump.find(colour), std::string::npos);
  CloseHandle(mpv.process);
}

}  // namespace
