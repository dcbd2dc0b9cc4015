// Videos and audio in the media player control: a video inside Orvenna's view driven by the
// remote's keys, the volume and the moves kept within their bounds, audio that plays on in the
// background after its remote closed and is stopped from a remote opened on it again or ends by
// itself, a replay's soundtrack that no audio button reaches, and media that never started
// leaving nothing behind.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/media/players/media_players.h"
#include "src/media/players/wm_play_video.h"
#include "tests/media/player_fixture.h"

namespace {

constexpr wchar_t Clip[] = L"C:\\Shows\\sky.mp4";
constexpr wchar_t Tone[] = L"C:\\Shows\\tone.mp3";
constexpr int PlayPause = 550;
constexpr int FastForward = 551;
constexpr int FastReverse = 552;
constexpr int Mute = 554;
constexpr int Stop = 560;
constexpr int VolumeUp = 6200;
constexpr int VolumeDown = 6201;
constexpr int MoveUp = 6203;
constexpr int MoveDown = 6204;
constexpr int MoveLeft = 6205;
constexpr int MoveRight = 6206;
// The remote gives the control a second to open a video before it plays.
constexpr desktop::Tick VideoOpens = 1100;

class MediaPlayerRemoteTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    MakeClip(Clip, {.seconds = 30});
    MakeClip(Tone, {.seconds = 60, .video = false});
  }

  static VideoOptions Video(int x = 100, int y = 50, int volume = 80) {
    VideoOptions options;
    options.fileName = Clip;
    options.xOffset = x;
    options.yOffset = y;
    options.width = 320;
    options.height = 240;
    options.volume = volume;
    return options;
  }

  static VideoOptions Audio(const wchar_t* file = Tone) {
    VideoOptions options;
    options.fileName = file;
    return options;
  }

  HWND StartVideo(const VideoOptions& options) {
    SetUpButton(0, 2, options);
    HWND remote = OpenVideo(0);
    EXPECT_NE(remote, nullptr);
    Press(remote, PlayPause);
    Wait(VideoOpens);
    return remote;
  }

  HWND StartAudio(int k) {
    SetUpButton(k, 3, Audio());
    HWND remote = OpenAudio(k);
    EXPECT_NE(remote, nullptr);
    Press(remote, PlayPause);
    Wait(500);
    return remote;
  }

  media_player::PlayerView Control(std::size_t i) const {
    const std::vector<media_player::PlayerView> controls = mediaProbe->controls();
    return i < controls.size() ? controls[i] : media_player::PlayerView{};
  }

  // The host's place in its parent's client area.
  RECT HostPlace(HWND host) const {
    RECT place{};
    GetWindowRect(host, &place);
    MapWindowPoints(nullptr, GetParent(host), reinterpret_cast<POINT*>(&place), 2);
    return place;
  }
};

TEST_F(MediaPlayerRemoteTest, AVideoPlaysInsideOrvennasViewAndTheRemotesKeysDriveIt) {
  HWND remote = StartVideo(Video());
  ASSERT_EQ(mediaProbe->controls().size(), 1U);
  const media_player::PlayerView started = Control(0);
  EXPECT_EQ(started.state, "playing");
  EXPECT_EQ(started.ui_mode, L"none");
  EXPECT_EQ(started.volume, 80);
  EXPECT_EQ(VolumeLabel(remote), L"VOLUME: 80");
  HWND view = nullptr;
  Run([&view](TestConsoleDlg& dlg) { view = dlg.FindPlanetariumView(); });
  EXPECT_EQ(GetParent(started.host), view);
  const RECT place = HostPlace(started.host);
  EXPECT_EQ(place.left, 100);
  EXPECT_EQ(place.top, 50);
  EXPECT_EQ(place.right - place.left, 320);
  EXPECT_EQ(place.bottom - place.top, 240);
  Wait(1000);
  EXPECT_GT(Control(0).frames_shown, started.frames_shown) << "the frames go on with the clock";

  struct Step {
    const char* name;
    int press;
    std::string state;
    int rate;
    bool mute;
    int volume;
  };
  const Step steps[] = {
      {"pause", PlayPause, "paused", 1, false, 80},
      {"play on", PlayPause, "playing", 1, false, 80},
      {"fast forward", FastForward, "playing", 5, false, 80},
      {"normal speed again", FastForward, "playing", 1, false, 80},
      {"fast reverse", FastReverse, "playing", -5, false, 80},
      {"play ends the fast mode", PlayPause, "playing", 1, false, 80},
      {"mute", Mute, "playing", 1, true, 80},
      {"sound again", Mute, "playing", 1, false, 80},
      {"louder", VolumeUp, "playing", 1, false, 85},
      {"softer", VolumeDown, "playing", 1, false, 80},
  };
  for (const Step& step : steps) {
    Press(remote, step.press);
    const media_player::PlayerView now = Control(0);
    EXPECT_EQ(now.state, step.state) << step.name;
    EXPECT_EQ(now.rate, step.rate) << step.name;
    EXPECT_EQ(now.mute, step.mute) << step.name;
    EXPECT_EQ(now.volume, step.volume) << step.name;
  }
  EXPECT_EQ(VolumeLabel(remote), L"VOLUME: 80");

  Press(remote, PlayPause);
  const int held = Control(0).frames_shown;
  Wait(1000);
  EXPECT_EQ(Control(0).frames_shown, held) << "a paused video holds its picture";
  Press(remote, Stop);
  EXPECT_FALSE(IsWindow(started.host)) << "stop takes the player out of Orvenna's view";
  EXPECT_NE(ShownDialog(L"Player"), nullptr) << "the remote stays open";
  Press(remote, IDCANCEL);
  EXPECT_EQ(playResult, 1);
}

TEST_F(MediaPlayerRemoteTest, TheVolumeStaysWithinItsBounds) {
  struct Case {
    int volume;
    int press;
    int expected;
    std::wstring label;
  };
  const Case cases[] = {
      {95, VolumeUp, 100, L"VOLUME: 100"},
      {97, VolumeUp, 97, L"VOLUME: 97"},
      {5, VolumeDown, 0, L"VOLUME: 0"},
      {3, VolumeDown, 3, L"VOLUME: 3"},
  };
  for (const Case& c : cases) {
    HWND remote = StartVideo(Video(100, 50, c.volume));
    Press(remote, c.press);
    EXPECT_EQ(mediaProbe->controls().back().volume, c.expected) << c.volume;
    EXPECT_EQ(VolumeLabel(remote), c.label) << c.volume;
    Press(remote, IDCANCEL);
  }
}

TEST_F(MediaPlayerRemoteTest, TheMoveKeysKeepTheVideoWithinTheView) {
  struct Case {
    int x;
    int y;
    int press;
    POINT expected;
  };
  RECT view{};
  Run([&view](TestConsoleDlg& dlg) { ::GetClientRect(dlg.FindPlanetariumView(), &view); });
  const int lastX = view.right - 320 + 10;
  const int lastY = view.bottom - 240 + 10;
  const Case cases[] = {
      {100, 50, MoveRight, {110, 50}},
      {100, 50, MoveDown, {100, 60}},
      {100, 50, MoveUp, {100, 40}},
      {100, 50, MoveLeft, {90, 50}},
      {100, 10, MoveUp, {100, 10}},
      {10, 50, MoveLeft, {10, 50}},
      {lastX - 10, 50, MoveRight, {lastX, 50}},
      {lastX, 50, MoveRight, {lastX, 50}},
      {100, lastY, MoveDown, {100, lastY}},
  };
  for (const Case& c : cases) {
    HWND remote = StartVideo(Video(c.x, c.y));
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(remote, c.press)));
    Press(remote, c.press);
    const RECT place = HostPlace(mediaProbe->controls().back().host);
    EXPECT_EQ(place.left, c.expected.x) << c.x << "," << c.y << " " << c.press;
    EXPECT_EQ(place.top, c.expected.y) << c.x << "," << c.y << " " << c.press;
    EXPECT_EQ(place.right - place.left, 320) << "the size stays";
    Press(remote, IDCANCEL);
  }
}

TEST_F(MediaPlayerRemoteTest, AudioPlaysOnAfterItsRemoteClosesAndTheRemoteOpenedOnItStopsIt) {
  HWND remote = StartAudio(2);
  const media_player::PlayerView started = Control(0);
  EXPECT_EQ(started.state, "playing");
  EXPECT_EQ(started.ui_mode, L"invisible");
  EXPECT_EQ(started.volume, 100);
  EXPECT_EQ(GetParent(started.host), MainDialog());
  EXPECT_TRUE(dialog->backgroundAudioActive);
  EXPECT_EQ(dialog->backgroundAudioHost, started.host);
  Press(remote, IDCANCEL);
  EXPECT_EQ(playResult, AudioPlaysOn);
  EXPECT_TRUE(dialog->mediaActive[2]);
  Wait(2000);
  EXPECT_EQ(Control(0).state, "playing");
  EXPECT_GT(Control(0).position, started.position + 1.5) << "the audio goes on without its remote";

  HWND reopened = ReopenAudio(2);
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(VolumeLabel(reopened), L"VOLUME: 100") << "the remote is on the playing audio";
  EXPECT_EQ(mediaProbe->controls().size(), 1U) << "no second player";
  Press(reopened, Stop);
  EXPECT_EQ(ShownDialog(L"Player"), nullptr);
  EXPECT_EQ(playResult, BackgroundAudioStopped);
  EXPECT_FALSE(dialog->backgroundAudioActive);
  EXPECT_FALSE(IsWindow(started.host));
}

TEST_F(MediaPlayerRemoteTest, AudioStoppedOrNeverStartedInItsFirstRemoteLeavesNothing) {
  MakeTextFile(L"C:\\Shows\\noise.mp3", "not a sound");
  struct Case {
    const char* name;
    const wchar_t* file;
    std::vector<int> presses;
  };
  const Case cases[] = {
      {"stopped", Tone, {PlayPause, Stop}},
      {"closed before play", Tone, {IDCANCEL}},
      {"a file the player cannot play", L"C:\\Shows\\noise.mp3", {PlayPause, IDCANCEL}},
  };
  for (const Case& c : cases) {
    SetUpButton(1, 3, Audio(c.file));
    HWND remote = OpenAudio(1);
    ASSERT_NE(remote, nullptr) << c.name;
    for (int id : c.presses)
      Press(remote, id);
    EXPECT_EQ(ShownDialog(L"Player"), nullptr) << c.name;
    EXPECT_EQ(playResult, AudioStopped) << c.name;
    EXPECT_FALSE(dialog->mediaActive[1]) << c.name;
    EXPECT_FALSE(dialog->backgroundAudioActive) << c.name;
    EXPECT_EQ(dialog->backgroundAudioHost, nullptr) << c.name;
  }
}

TEST_F(MediaPlayerRemoteTest, AVideoBesideBackgroundAudioIsStoppedByItsOwnRemote) {
  Press(StartAudio(2), IDCANCEL);
  ASSERT_EQ(playResult, AudioPlaysOn);
  const HWND audioHost = dialog->backgroundAudioHost;
  HWND remote = StartVideo(Video());
  ASSERT_EQ(mediaProbe->controls().size(), 2U) << "the video does not take over the audio";
  const HWND videoHost = Control(1).host;
  Press(remote, Stop);
  EXPECT_FALSE(IsWindow(videoHost));
  EXPECT_TRUE(IsWindow(audioHost));
  EXPECT_EQ(Control(0).state, "playing");
  Press(remote, IDCANCEL);
  EXPECT_EQ(playResult, 1);
  EXPECT_TRUE(dialog->backgroundAudioActive);
  EXPECT_EQ(dialog->backgroundAudioHost, audioHost);
}

TEST_F(MediaPlayerRemoteTest, AFullScreenVideoStaysWhereItIsWhateverMoveIsPressed) {
  VideoOptions options = Video();
  options.fullScreen = true;
  HWND remote = StartVideo(options);
  const RECT filled = HostPlace(Control(0).host);
  for (int id : {MoveDown, MoveRight, MoveUp, MoveLeft}) {
    Press(remote, id);
    const RECT now = HostPlace(Control(0).host);
    EXPECT_TRUE(EqualRect(&now, &filled)) << id;
  }
  Press(remote, IDCANCEL);
}

TEST_F(MediaPlayerRemoteTest, PausedBackgroundAudioResumesAtOnePressOfPlay) {
  HWND remote = StartAudio(2);
  Press(remote, PlayPause);
  ASSERT_EQ(Control(0).state, "paused");
  Press(remote, IDCANCEL);
  ASSERT_EQ(playResult, AudioPlaysOn);
  HWND reopened = ReopenAudio(2);
  ASSERT_NE(reopened, nullptr);
  Press(reopened, PlayPause);
  EXPECT_EQ(Control(0).state, "playing");
  Press(reopened, Stop);
}

TEST_F(MediaPlayerRemoteTest, AudioThatEndsByItselfIsPutAwayAsItsStopWould) {
  MakeClip(L"C:\\Shows\\short.mp3", {.seconds = 2, .video = false});
  struct Case {
    const char* name;
    bool remoteOpen;
    INT_PTR result;
  };
  const Case cases[] = {
      {"after its remote closed", false, AudioPlaysOn},
      {"while its first remote is open", true, AudioStopped},
  };
  for (const Case& c : cases) {
    SetUpButton(1, 3, Audio(L"C:\\Shows\\short.mp3"));
    HWND remote = OpenAudio(1);
    ASSERT_NE(remote, nullptr) << c.name;
    Press(remote, PlayPause);
    if (!c.remoteOpen) Press(remote, IDCANCEL);
    const HWND host = dialog->backgroundAudioHost;
    ASSERT_NE(host, nullptr) << c.name;
    Wait(3000);
    EXPECT_EQ(ShownDialog(L"Player"), nullptr) << c.name;
    EXPECT_EQ(playResult, c.result) << c.name;
    EXPECT_FALSE(dialog->backgroundAudioActive) << c.name << ": a video would be refused";
    EXPECT_FALSE(dialog->mediaActive[1]) << c.name;
    EXPECT_EQ(dialog->backgroundAudioHost, nullptr) << c.name;
    EXPECT_FALSE(IsWindow(host)) << c.name;
    EXPECT_EQ(StatusLine(), L"") << c.name << ": a sound that played to its end did not fail";
  }
}

// A sound with not a sample in it ends as soon as it plays: the presenter is told, whether the
// remote's first look or the main dialog's watch for ended sounds sees it first.
TEST_F(MediaPlayerRemoteTest, ASoundThatEndsAtOnceIsToldAndLeavesNothingRunning) {
  constexpr wchar_t Empty[] = L"C:\\Shows\\empty.wav";
  MakeClip(Empty, {.seconds = 0, .video = false});
  for (bool watchFirst : {false, true}) {
    SetUpButton(1, 3, Audio(Empty));
    HWND remote = OpenAudio(1);
    ASSERT_NE(remote, nullptr);
    Press(remote, PlayPause);
    Wait(50);
    if (watchFirst) Run([](TestConsoleDlg& dlg) { dlg.EndFinishedSounds(); });
    Wait(1000);
    EXPECT_EQ(ShownDialog(L"Player"), nullptr) << watchFirst;
    EXPECT_EQ(playResult, AudioStopped) << watchFirst;
    EXPECT_EQ(StatusLine(), L"The player could not play C:\\Shows\\empty.wav.") << watchFirst;
    EXPECT_FALSE(dialog->backgroundAudioActive) << watchFirst;
    EXPECT_FALSE(dialog->mediaActive[1]) << watchFirst;
    Wait(5000);
  }
}

class SoundtrackTest : public MediaPlayerRemoteTest {
 protected:
  void SetUp() override {
    MediaPlayerRemoteTest::SetUp();
    MakeClip(L"C:\\Shows\\show.mp3", {.seconds = 60, .video = false});
    Run([](TestConsoleDlg& dlg) {
      dlg.recordedShow = {L"core.wait(1);\r", L"version|5.2.1|0.000000\rorvenna|0.18.2|0.000000\r"};
      dlg.recordingAvailable = true;
      dlg.planetariumVersion = L"0.18.2";
      dlg.soundtrackPath = L"C:\\Shows\\show.mp3";
      dlg.soundtrackName = L"show.mp3";
      dlg.useSoundtrack = true;
    });
  }
  void PlayOrStopShow() {
    RunToEnd([](TestConsoleDlg& dlg) { dlg.PlayOrStopRecording(); });
    Wait(500);
  }
};

TEST_F(SoundtrackTest, AnAudioButtonAfterAShowPlaysItsOwnFile) {
  PlayOrStopShow();
  ASSERT_EQ(Control(0).state, "playing") << "the soundtrack";
  EXPECT_TRUE(dialog->soundtrackActive);
  EXPECT_FALSE(dialog->backgroundAudioActive) << "the panel's audio plays nothing";
  PlayOrStopShow();
  ASSERT_EQ(Control(0).state, "stopped");
  HWND remote = StartAudio(1);
  ASSERT_EQ(mediaProbe->controls().size(), 2U) << "a player of its own";
  EXPECT_EQ(Control(1).url, Tone);
  EXPECT_EQ(Control(1).state, "playing");
  EXPECT_EQ(Control(0).state, "stopped") << "the soundtrack stays silent";
  Press(remote, Stop);
  EXPECT_EQ(Control(1).state, "closed");
  EXPECT_FALSE(dialog->backgroundAudioActive);
}

TEST_F(SoundtrackTest, AShowStoppedLeavesThePanelsAudioPlayingUnderItsButton) {
  PlayOrStopShow();
  Press(StartAudio(1), IDCANCEL);
  ASSERT_EQ(playResult, AudioPlaysOn) << "music from the panel during the show";
  PlayOrStopShow();
  EXPECT_EQ(Control(0).state, "stopped") << "the soundtrack";
  EXPECT_EQ(Control(1).state, "playing") << "the music plays on";
  EXPECT_TRUE(dialog->backgroundAudioActive) << "a video stays refused while the music plays";
  EXPECT_TRUE(dialog->mediaActive[1]);
  HWND reopened = ReopenAudio(1);
  ASSERT_NE(reopened, nullptr);
  Press(reopened, Stop);
  EXPECT_EQ(playResult, BackgroundAudioStopped);
  EXPECT_FALSE(IsWindow(Control(1).host)) << "its remote still reaches it";
}

TEST_F(SoundtrackTest, ASoundtrackThatEndsByItselfLetsItsFlagGo) {
  MakeClip(L"C:\\Shows\\show.mp3", {.seconds = 2, .video = false});
  PlayOrStopShow();
  ASSERT_TRUE(dialog->soundtrackActive);
  Wait(3000);
  EXPECT_EQ(Control(0).state, "ended");
  EXPECT_FALSE(dialog->soundtrackActive);
  const auto checks = [this] {
    return std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), SoundEndTimer);
  };
  const auto checked = checks();
  Wait(2000);
  EXPECT_EQ(checks(), checked) << "nothing left to watch";
  PlayOrStopShow();
  EXPECT_EQ(dialog->RecorderState, RecorderIdle);
}

TEST_F(MediaPlayerRemoteTest, WithoutOrvennasViewAVideoDoesNotPlay) {
  Run([](TestConsoleDlg& dlg) { ::SendMessageW(dlg.FindPlanetariumWindow(), WM_CLOSE, 0, 0); });
  Wait(1000);
  SetUpButton(0, 2, Video());
  HWND remote = OpenVideo(0);
  ASSERT_NE(remote, nullptr);
  Press(remote, PlayPause);
  Wait(VideoOpens);
  EXPECT_TRUE(mediaProbe->controls().empty());
  EXPECT_EQ(StatusLine(), L"The player could not play C:\\Shows\\sky.mp4.") << "not in silence";
  Press(remote, PlayPause);
  Press(remote, Stop);
  Press(remote, IDCANCEL);
  EXPECT_EQ(playResult, 1);
}

}  // namespace
