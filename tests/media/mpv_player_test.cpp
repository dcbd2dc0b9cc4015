// Videos in mpv: chosen by OCconfig.ini, started from the console's folder with the command line
// that places them over Orvenna's view, steered by the remote's keys, and ended by stop or close,
// also when mpv never showed a window or ended by itself, which is told when it was at once.
#include <gtest/gtest.h>

#include "peers/mpv/mpv_program.h"
#include "platform/win/win32.h"
#include "src/media/players/wm_play_video.h"
#include "tests/media/player_fixture.h"

namespace {

constexpr wchar_t Clip[] = L"C:\\Shows\\My Clips\\sky.mp4";
constexpr int PlayPause = 550;
constexpr int FastForward = 551;
constexpr int FastReverse = 552;
constexpr int Mute = 554;
constexpr int Stop = 560;
constexpr int VolumeUp = 6200;
constexpr int VolumeDown = 6201;
constexpr int MoveDown = 6204;
constexpr int MoveRight = 6206;

class MpvPlayerTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    MakeClip(Clip, {.seconds = 20});
    ChoosePlayer(L"mpv");
  }

  static VideoOptions Windowed(const wchar_t* file = Clip) {
    VideoOptions options;
    options.fileName = file;
    options.xOffset = 100;
    options.yOffset = 50;
    options.width = 640;
    options.height = 360;
    options.volume = 80;
    return options;
  }

  RECT ViewRect() {
    RECT view{};
    Run([&view](TestConsoleDlg& dlg) { ::GetWindowRect(dlg.FindPlanetariumView(), &view); });
    return view;
  }

  // The remote opened on button 0 and its play key pressed.
  HWND StartVideo(const VideoOptions& options) {
    SetUpButton(0, 2, options);
    HWND remote = OpenVideo(0);
    EXPECT_NE(remote, nullptr);
    Press(remote, PlayPause);
    Wait(200);
    return remote;
  }
};

TEST_F(MpvPlayerTest, OCconfigChoosesMpvInAnyCaseForVideosOnly) {
  struct Case {
    const wchar_t* usePlayer;
    bool mpv;
  };
  const Case cases[] = {{L"MPV", true}, {L"mpv", true}, {L"Mpv", true}, {L"wmp", false}, {L"", false}};
  for (const Case& c : cases) {
    ChoosePlayer(c.usePlayer);
    bool chosen = !c.mpv;
    Run([&chosen](TestConsoleDlg&) { chosen = IsMpvPlayerSelected(); });
    EXPECT_EQ(chosen, c.mpv) << "usePlayer=" << std::string(c.usePlayer, c.usePlayer + wcslen(c.usePlayer));
  }
  ChoosePlayer(L"MPV");
  MakeClip(L"C:\\Shows\\tone.mp3", {.seconds = 5, .video = false});
  VideoOptions audio;
  audio.fileName = L"C:\\Shows\\tone.mp3";
  SetUpButton(1, 3, audio);
  HWND remote = OpenAudio(1);
  ASSERT_NE(remote, nullptr);
  Press(remote, PlayPause);
  EXPECT_TRUE(mpvProbe->runs().empty()) << "audio never plays in mpv";
}

TEST_F(MpvPlayerTest, MpvStartsWithTheCommandLineOverOrvennasView) {
  struct Case {
    const char* name;
    BYTE layout;
    bool fullScreen;
    const wchar_t* geometry;
    RECT window;
  };
  const RECT view = ViewRect();
  ASSERT_EQ(view.left, 1920) << "Orvenna's view is on the second monitor";
  const Case cases[] = {
      {"windowed", TwoMonitorLayout, false, L" --geometry=640x360+2020+50 ", {2020, 50, 2660, 410}},
      {"full screen on the dome", TwoMonitorLayout, true, L" --screen=1 --geometry=1920x1080+0+0 ", view},
      {"full screen in training", TrainingLayout, true, L" --geometry=1920x1080+1920+0 ", view},
  };
  for (const Case& c : cases) {
    Run([&c](TestConsoleDlg& dlg) { dlg.ConsoleLayout = c.layout; });
    VideoOptions options = Windowed();
    options.fullScreen = c.fullScreen;
    options.flip = true;
    options.rotation = 90;
    HWND remote = StartVideo(options);
    const std::optional<mpv::MpvRun> run = mpvProbe->last();
    ASSERT_TRUE(run.has_value()) << c.name;
    EXPECT_EQ(run->command_line,
              L"mpv.exe --ontop --no-border --no-osc --no-osd-bar --osd-level=0  --vf=flip  "
              L"--volume=80 --video-rotate=90 " +
                  std::wstring(c.geometry) + L" \"" + Clip + L"\" ")
        << c.name;
    EXPECT_EQ(run->end, "") << c.name << ": " << (run->log.empty() ? "" : run->log.back());
    EXPECT_EQ(run->rect.left, c.window.left) << c.name;
    EXPECT_EQ(run->rect.top, c.window.top) << c.name;
    EXPECT_EQ(run->rect.right, c.window.right) << c.name;
    EXPECT_EQ(run->rect.bottom, c.window.bottom) << c.name;
    EXPECT_TRUE(run->topmost) << c.name;
    Press(remote, IDCANCEL);
    EXPECT_EQ(playResult, 1) << c.name;
    EXPECT_EQ(mpvProbe->last()->end, "close") << c.name << ": closing the remote closes mpv";
  }
}

TEST_F(MpvPlayerTest, FullScreenGoesOnTheMonitorThatHoldsOrvenna) {
  Run([](TestConsoleDlg& dlg) {
    ::SetWindowPos(dlg.FindPlanetariumWindow(), nullptr, 0, 0, 1920, 1080, SWP_NOZORDER | SWP_NOACTIVATE);
  });
  ASSERT_EQ(ViewRect().left, 0);
  VideoOptions options = Windowed();
  options.fullScreen = true;
  StartVideo(options);
  const std::optional<mpv::MpvRun> run = mpvProbe->last();
  ASSERT_TRUE(run.has_value());
  EXPECT_NE(run->command_line.find(L" --screen=0 --geometry=1920x1080+0+0 "), std::wstring::npos)
      << std::string(run->command_line.begin(), run->command_line.end());
  EXPECT_EQ(run->rect.left, 0);
  EXPECT_EQ(run->rect.right, 1920);
}

TEST_F(MpvPlayerTest, TheRemotesKeysReachMpv) {
  struct Case {
    const char* name;
    std::vector<int> presses;
    std::vector<std::string> keys;
    bool paused;
    bool muted;
    int volume;
    double speed;
    std::wstring label;
  };
  const Case cases[] = {
      {"pause", {PlayPause}, {"p"}, true, false, 80, 1, L""},
      {"pause and go on", {PlayPause, PlayPause}, {"p", "p"}, false, false, 80, 1, L""},
      {"mute", {Mute}, {"m"}, false, true, 80, 1, L""},
      {"louder", {VolumeUp, VolumeUp}, {"0", "0"}, false, false, 84, 1, L"VOLUME: 84"},
      {"softer", {VolumeDown}, {"9"}, false, false, 78, 1, L"VOLUME: 78"},
      {"faster", {FastForward}, {"}"}, false, false, 80, 2, L""},
      {"slower", {FastReverse}, {"{"}, false, false, 80, 0.5, L""},
      {"faster, then normal speed", {FastForward, FastForward}, {"}", "BS"}, false, false, 80, 1, L""},
  };
  for (const Case& c : cases) {
    HWND remote = StartVideo(Windowed());
    // Each key waits for mpv to take the focus first.
    for (int id : c.presses) {
      Press(remote, id);
      Wait(100);
    }
    const std::optional<mpv::MpvRun> run = mpvProbe->last();
    ASSERT_TRUE(run.has_value()) << c.name;
    std::vector<std::string> keys;
    for (const mpv::KeyReceived& key : run->keys)
      keys.push_back(key.key);
    EXPECT_EQ(keys, c.keys) << c.name;
    EXPECT_EQ(run->paused, c.paused) << c.name;
    EXPECT_EQ(run->muted, c.muted) << c.name;
    EXPECT_EQ(run->volume, c.volume) << c.name;
    EXPECT_DOUBLE_EQ(run->speed, c.speed) << c.name;
    EXPECT_EQ(VolumeLabel(remote), c.label) << c.name;
    Press(remote, IDCANCEL);
  }
}

TEST_F(MpvPlayerTest, TheMoveKeysMoveMpvsWindowOverTheView) {
  HWND remote = StartVideo(Windowed());
  ASSERT_TRUE(IsWindowEnabled(GetDlgItem(remote, MoveRight)));
  Press(remote, MoveRight);
  Press(remote, MoveDown);
  Wait(100);
  const std::optional<mpv::MpvRun> run = mpvProbe->last();
  ASSERT_TRUE(run.has_value());
  RECT moved{};
  GetWindowRect(run->window, &moved);
  EXPECT_EQ(moved.left, 2030);
  EXPECT_EQ(moved.top, 60);
  EXPECT_EQ(moved.right - moved.left, 640) << "the size stays";
}

TEST_F(MpvPlayerTest, StopClosesMpvAndTheNextPlayStartsItAgain) {
  HWND remote = StartVideo(Windowed());
  Press(remote, Stop);
  ASSERT_EQ(mpvProbe->runs().size(), 1U);
  EXPECT_EQ(mpvProbe->last()->end, "close");
  EXPECT_NE(ShownDialog(L"Player"), nullptr) << "the remote stays open";
  Press(remote, PlayPause);
  Wait(200);
  EXPECT_EQ(mpvProbe->runs().size(), 2U);
  EXPECT_EQ(mpvProbe->last()->end, "");
}

TEST_F(MpvPlayerTest, AnMpvThatEndedByItselfCountsAsStopped) {
  MakeClip(L"C:\\Shows\\short.mp4", {.seconds = 1});
  HWND remote = StartVideo(Windowed(L"C:\\Shows\\short.mp4"));
  Wait(2000);
  ASSERT_EQ(mpvProbe->last()->end, "end of file");
  Press(remote, PlayPause);
  Wait(200);
  EXPECT_EQ(mpvProbe->runs().size(), 2U) << "play starts the video again";
}

TEST_F(MpvPlayerTest, AnMpvThatEndsAtOnceIsToldAndOneThatPlayedOnIsNot) {
  struct Case {
    const wchar_t* file;
    double seconds;
    bool told;
  };
  const Case cases[] = {{L"C:\\Shows\\blink.mp4", 0.08, true}, {L"C:\\Shows\\short.mp4", 1, false}};
  for (const Case& c : cases) {
    MakeClip(c.file, {.seconds = c.seconds});
    HWND remote = StartVideo(Windowed(c.file));
    Wait(2000);
    ASSERT_EQ(mpvProbe->last()->end, "end of file");
    EXPECT_EQ(StatusLine() == L"The player could not play " + std::wstring(c.file) + L".", c.told)
        << StatusLine();
    Press(remote, IDCANCEL);
    Wait(5000);
  }
}

TEST_F(MpvPlayerTest, AnMpvWithoutAWindowIsEndedAtStopAndAtClose) {
  // A video file that holds sound alone: mpv plays it without a window to find.
  MakeClip(L"C:\\Shows\\sound.mp4", {.seconds = 20, .video = false});
  for (int ending : {Stop, IDCANCEL}) {
    HWND remote = StartVideo(Windowed(L"C:\\Shows\\sound.mp4"));
    Wait(500);
    ASSERT_TRUE(MpvSoundOpen());
    Press(remote, ending);
    Wait(100);
    EXPECT_FALSE(MpvSoundOpen()) << "mpv still plays after " << ending;
    if (ending == Stop) Press(remote, IDCANCEL);
  }
}

TEST_F(MpvPlayerTest, WithoutMpvNothingPlaysAndTheNextPlayTriesAgain) {
  ASSERT_TRUE(DeleteFileW((std::wstring(ConsoleFolder) + L"mpv.exe").c_str()));
  HWND remote = StartVideo(Windowed());
  EXPECT_TRUE(mpvProbe->runs().empty());
  ASSERT_EQ(mpv::install_mpv(machine, ConsoleFolder), 0U);
  Press(remote, PlayPause);
  EXPECT_EQ(mpvProbe->runs().size(), 1U);
}

TEST_F(MpvPlayerTest, AFileThatCannotBeOpenedIsReportedOnTheStatusLine) {
  SetUpButton(0, 2, Windowed(L"C:\\Shows\\gone.mp4"));
  EXPECT_EQ(OpenVideo(0), nullptr);
  EXPECT_EQ(playResult, -1);
  EXPECT_EQ(StatusLine(), L"I can't open C:\\Shows\\gone.mp4 file");
  Wait(5000);
  EXPECT_EQ(StatusLine(), L"");
  EXPECT_TRUE(mpvProbe->runs().empty());
}

TEST_F(MpvPlayerTest, AFileChosenInTheFolderIsPlayed) {
  VideoOptions folder = Windowed(L"C:\\Shows\\My Clips");
  SetUpButton(0, 2, folder);
  HWND remote = OpenVideo(0, L"\\sky.mp4");
  ASSERT_NE(remote, nullptr);
  Press(remote, PlayPause);
  ASSERT_TRUE(mpvProbe->last().has_value());
  EXPECT_EQ(mpvProbe->last()->end, "");
}

}  // namespace
