// The multimedia panel: its captions from the registry's set-up and the main dialog's media
// state, the refusals of a press in their order, and what each kind of button does.
#include "src/media/multimedia_control_dlg.h"

#include <filesystem>

#include "platform/win/win32.h"
#include "src/settings/multimedia_settings.h"
#include "tests/media/media_fixture.h"

namespace {

struct ButtonSetUp {
  int k;
  int type;
  const wchar_t* path;
  bool wholeFolder = false;
};

class MultimediaPanelTest : public MediaTest {
 protected:
  void SetUp() override {
    MediaTest::SetUp();
    MakeFile(L"Shows\\intro.ovs", "core.wait(1);\n");
    MakeFile(L"Shows\\track.mp3", "ID3");
    MakeFile(L"Shows\\clip.mp4", "....");
    MakePicture(L"Shows\\m31.png");
    MakePicture(L"Shows\\m42.png");
  }

  void TearDown() override {
    for (const wchar_t* caption :
         {L"Slide show remote", L"Slide show", L"Choose a file", L"Multimedia window"})
      if (HWND open = ShownDialog(caption)) Press(open, IDCANCEL);
    MediaTest::TearDown();
  }

  void MakeFile(const std::wstring& path, const char* text) {
    std::wstring native = path;
    std::replace(native.begin(), native.end(), L'\\', L'/');
    const std::filesystem::path made = machine.data_folder() / "C" / native;
    std::filesystem::create_directories(made.parent_path());
    std::FILE* out = std::fopen(made.c_str(), "w");
    ASSERT_NE(out, nullptr);
    std::fputs(text, out);
    std::fclose(out);
  }

  void SetUpButtons(const std::vector<ButtonSetUp>& buttons) {
    Run([&buttons](TestConsoleDlg&) {
      ScriptButtons setUp{};
      setUp.types.fill(-1);
      std::array<bool, MultimediaButtonCount> folders{};
      for (const ButtonSetUp& button : buttons) {
        setUp.types[button.k] = button.type;
        setUp.names[button.k] = button.path;
        folders[button.k] = button.wholeFolder;
      }
      SaveScriptButtons(setUp);
      SaveUseFolderFlags(folders);
    });
  }

  // The panel as the main dialog opens it, left open.
  void OpenPanel() {
    dialog->step = [](TestConsoleDlg& dlg) { dlg.COrvennaConsoleDlg::RunMultimediaDialog(true); };
    PostMessageW(dialog->GetSafeHwnd(), TestConsoleDlg::RunStepMessage, 0, 0);
    machine.run_until_idle();
    panel = ShownDialog(L"Multimedia window");
    ASSERT_NE(panel, nullptr);
  }

  void ClosePanel() {
    Press(panel, IDCANCEL);
    ASSERT_EQ(ShownDialog(L"Multimedia window"), nullptr);
  }

  std::wstring Caption(int k) const {
    wchar_t text[1024] = {};
    GetDlgItemTextW(panel, FirstMediaButtonId + k, text, 1024);
    return text;
  }

  void PressButton(int k) { Press(panel, FirstMediaButtonId + k); }

  // The slide show of photo-folder button k, opened from the panel and drawn.
  HWND OpenSlideShow(int k) {
    PressButton(k);
    Wait(200);
    return ShownDialog(L"Slide show");
  }

  void ClickThumbnail(HWND browser, int frameId) {
    RECT frame{};
    GetWindowRect(GetDlgItem(browser, frameId), &frame);
    POINT middle{(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
    ScreenToClient(browser, &middle);
    PostMessageW(browser, WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y));
    machine.run_until_idle();
  }

  HWND panel = nullptr;
};

TEST_F(MultimediaPanelTest, CaptionsComeFromTheSetUpAndTheMediaThatRuns) {
  SetUpButtons({{0, 0, L"C:\\Shows\\intro.ovs"},
                {1, 1, L"C:\\Shows\\m31.png"},
                {2, 3, L"C:\\Shows\\track.mp3"},
                {3, 0, L"!orvenna-console.ovs"},
                {4, 2, L"C:\\Shows\\gone.mp4"},
                {5, 1, L"C:\\Shows", true}});
  Run([](TestConsoleDlg& dlg) { dlg.mediaActive[2] = true; });
  OpenPanel();
  EXPECT_EQ(Caption(0), L"SCRIPT\n\u25BA\nintro");
  EXPECT_EQ(Caption(1), L"PHOTO\nm31");
  EXPECT_EQ(Caption(2), L"\u25A0");
  EXPECT_EQ(Caption(3), L"NO ACTION");
  EXPECT_EQ(Caption(4), L"FILE NOT FOUND");
  EXPECT_EQ(Caption(5), L"PHOTO FOLDER\nShows");
  EXPECT_EQ(Caption(15), L"NO ACTION");
}

TEST_F(MultimediaPanelTest, APressIsRefusedInOrder) {
  struct Case {
    const char* name;
    WORD recorder;
    bool scriptRunning;
    bool speedKeys;
    bool backgroundAudio;
    int k;
    std::wstring statusLine;
  };
  const std::wstring recording = L"Feature not available during recording";
  const std::wstring scriptRuns =
      L"Another simulation script is currently running. You can stop it or wait for it to complete, "
      L"depending on "
      L"the script...";
  const Case cases[] = {
      {"recording before a running script", RecorderRecording, true, false, false, 0, recording},
      {"recording before no action", RecorderRecording, false, false, false, 9, recording},
      {"no action says nothing", 0, true, false, false, 9, L""},
      {"a running script", 0, true, false, false, 1, scriptRuns},
      {"speed stepping", 0, false, true, false, 1, scriptRuns},
      {"a running script before background audio", 0, true, false, true, 2, scriptRuns},
  };
  SetUpButtons(
      {{0, 0, L"C:\\Shows\\intro.ovs"}, {1, 1, L"C:\\Shows\\m31.png"}, {2, 2, L"C:\\Shows\\clip.mp4"}});
  for (const Case& c : cases) {
    Run([&c](TestConsoleDlg& dlg) {
      dlg.ClearStatusLine();
      dlg.RecorderState = c.recorder;
      dlg.scriptRunning = c.scriptRunning;
      dlg.speedKeysActive = c.speedKeys;
      dlg.backgroundAudioActive = c.backgroundAudio;
    });
    const std::size_t scripts = probe->scripts().size();
    OpenPanel();
    PressButton(c.k);
    EXPECT_EQ(StatusLine(), c.statusLine) << c.name;
    EXPECT_EQ(probe->scripts().size(), scripts) << c.name;
    EXPECT_FALSE(dialog->pictureOverlays[1].IsVisible()) << c.name;
    EXPECT_TRUE(dialog->videosPlayed.empty()) << c.name;
    ClosePanel();
  }
  Run([](TestConsoleDlg& dlg) {
    dlg.RecorderState = 0;
    dlg.scriptRunning = false;
    dlg.speedKeysActive = false;
  });
  Wait(5000);
  EXPECT_EQ(StatusLine(), L"") << "cleared after five seconds";
}

TEST_F(MultimediaPanelTest, AScriptButtonRunsItsFileAndItsNextPressStopsIt) {
  SetUpButtons({{0, 0, L"C:\\Shows\\intro.ovs"}});
  OpenPanel();
  PressButton(0);
  EXPECT_EQ(Caption(0), L"\u25A0");
  EXPECT_TRUE(dialog->mediaActive[0]);
  EXPECT_TRUE(dialog->scriptRunning);
  Wait(1000);
  EXPECT_NE(LastScriptRun().find("core.wait(1);"), std::string::npos);
  PressButton(0);
  EXPECT_EQ(Caption(0), L"SCRIPT\n\u25BA\nintro");
  EXPECT_FALSE(dialog->mediaActive[0]);
  EXPECT_FALSE(dialog->scriptRunning);
}

TEST_F(MultimediaPanelTest, AMissingScriptChangesNothing) {
  SetUpButtons({{0, 0, L"C:\\Shows\\gone.ovs"}});
  OpenPanel();
  PressButton(0);
  EXPECT_EQ(Caption(0), L"FILE NOT FOUND");
  EXPECT_FALSE(dialog->mediaActive[0]);
  EXPECT_FALSE(dialog->scriptRunning) << "every scripted action would be refused";
}

TEST_F(MultimediaPanelTest, AScriptWhoseLoaderCannotBeWrittenLeavesItsButtonIdle) {
  SetUpButtons({{0, 0, L"C:\\Shows\\intro.ovs"}});
  OpenPanel();
  machine.drives().set_free_space(L'C', 0);
  PressButton(0);
  HWND box = MessageBoxShown();
  ASSERT_NE(box, nullptr) << "the failed write is reported";
  Answer(box, IDOK);
  machine.drives().set_free_space(L'C', std::nullopt);
  EXPECT_EQ(Caption(0), L"SCRIPT\n\u25BA\nintro");
  EXPECT_FALSE(dialog->mediaActive[0]);
  EXPECT_FALSE(dialog->scriptRunning) << "every scripted action would be refused";
}

TEST_F(MultimediaPanelTest, AScriptStoppedFromTheMainDialogReadsIdleAtTheNextOpening) {
  SetUpButtons({{0, 0, L"C:\\Shows\\intro.ovs"}});
  OpenPanel();
  PressButton(0);
  Wait(1000);
  ClosePanel();
  Run([](TestConsoleDlg& dlg) { dlg.scriptRunning = false; });
  OpenPanel();
  EXPECT_EQ(Caption(0), L"SCRIPT\n\u25BA\nintro");
  EXPECT_FALSE(dialog->mediaActive[0]);
}

TEST_F(MultimediaPanelTest, APictureButtonShowsAndHidesItsPictureAndAnotherPictureReplacesIt) {
  SetUpButtons({{0, 1, L"C:\\Shows\\m31.png"}, {1, 1, L"C:\\Shows\\m42.png"}});
  OpenPanel();
  PressButton(0);
  EXPECT_EQ(Caption(0), L"(Hide)");
  EXPECT_TRUE(dialog->mediaActive[0]);
  EXPECT_TRUE(dialog->pictureOverlays[0].IsVisible());
  EXPECT_TRUE(dialog->pictureBackdrop.IsVisible());
  PressButton(1);
  EXPECT_FALSE(dialog->pictureOverlays[0].IsVisible()) << "hidden at once";
  EXPECT_EQ(Caption(0), L"PHOTO\nm31");
  EXPECT_FALSE(dialog->mediaActive[0]);
  EXPECT_EQ(Caption(1), L"(Hide)");
  ClosePanel();
  OpenPanel();
  EXPECT_EQ(Caption(1), L"(Hide)");
  PressButton(1);
  EXPECT_EQ(Caption(1), L"PHOTO\nm42");
  EXPECT_FALSE(dialog->pictureBackdrop.IsVisible());
  Wait(3000);
  EXPECT_FALSE(dialog->pictureOverlays[1].IsVisible());
}

TEST_F(MultimediaPanelTest, APictureThatCannotBeShownLeavesItsButtonIdle) {
  MakeFile(L"Shows\\broken.png", "not a picture");
  SetUpButtons({{0, 1, L"C:\\Shows\\broken.png"}});
  OpenPanel();
  PressButton(0);
  EXPECT_EQ(Caption(0), L"PHOTO\nbroken");
  EXPECT_FALSE(dialog->mediaActive[0]);
}

TEST_F(MultimediaPanelTest, APictureThatCannotBeShownTakesTheBackdropAwayWithTheLastPicture) {
  MakeFile(L"Shows\\broken.png", "not a picture");
  for (const wchar_t* path : {L"C:\\Shows\\broken.png", L"C:\\Shows\\gone.png"}) {
    SetUpButtons({{0, 1, L"C:\\Shows\\m31.png"}, {1, 1, path}});
    OpenPanel();
    PressButton(0);
    ASSERT_TRUE(dialog->pictureBackdrop.IsVisible());
    PressButton(1);
    EXPECT_FALSE(dialog->pictureOverlays[0].IsVisible()) << testing::PrintToString(std::wstring(path));
    EXPECT_FALSE(dialog->pictureBackdrop.IsVisible()) << "no black dome without a picture";
    EXPECT_EQ(Caption(0), L"PHOTO\nm31");
    ClosePanel();
  }
}

TEST_F(MultimediaPanelTest, AScriptFolderButtonReadsIdleOnceItsScriptWasStoppedFromTheMainDialog) {
  SetUpButtons({{0, 0, L"C:\\Shows", true}});
  Run([](TestConsoleDlg& dlg) {
    dlg.mediaActive[0] = true;
    dlg.scriptRunning = true;
  });
  OpenPanel();
  EXPECT_EQ(Caption(0), L"\u25A0") << "its script runs";
  ClosePanel();
  Run([](TestConsoleDlg& dlg) { dlg.scriptRunning = false; });
  OpenPanel();
  EXPECT_EQ(Caption(0), L"SCRIPT FOLDER\nShows");
  EXPECT_FALSE(dialog->mediaActive[0]);
}

TEST_F(MultimediaPanelTest, AudioThatEndsWhileThePanelIsOpenGivesItsButtonBack) {
  SetUpButtons({{1, 3, L"C:\\Shows\\track.mp3"}, {2, 3, L"C:\\Shows", true}, {3, 2, L"C:\\Shows\\clip.mp4"}});
  for (int k : {1, 2}) {
    // The player's host has gone with its file's end.
    Run([k](TestConsoleDlg& dlg) {
      dlg.mediaActive[k] = true;
      dlg.backgroundAudioActive = true;
      dlg.backgroundAudioButton = k;
      dlg.WatchSoundEnds();
    });
    OpenPanel();
    EXPECT_EQ(Caption(k), L"\u25A0");
    Wait(1000);
    EXPECT_EQ(Caption(k), k == 1 ? L"AUDIO\n\u25BA\ntrack" : L"AUDIO FOLDER\nShows");
    EXPECT_FALSE(dialog->mediaActive[k]);
    PressButton(3);
    EXPECT_EQ(dialog->videosPlayed.size(), static_cast<std::size_t>(k))
        << "no refusal for a sound that ended";
    ClosePanel();
  }
}

TEST_F(MultimediaPanelTest, VideoAndAudioButtonsCallTheirPlayers) {
  SetUpButtons({{0, 2, L"C:\\Shows\\clip.mp4"}, {1, 3, L"C:\\Shows\\track.mp3"}});
  Run([](TestConsoleDlg& dlg) { dlg.audioResult = 5; });
  OpenPanel();
  PressButton(0);
  ASSERT_EQ(dialog->videosPlayed.size(), 1U);
  EXPECT_EQ(dialog->videosPlayed[0], (std::pair<std::wstring, int>{L"", 0}));
  PressButton(1);
  ASSERT_EQ(dialog->audioPlayed.size(), 1U);
  EXPECT_EQ(dialog->audioPlayed[0], (std::pair<std::wstring, int>{L"", 1}));
  EXPECT_EQ(Caption(1), L"\u25A0") << "plays on in the background";
}

TEST_F(MultimediaPanelTest, BackgroundAudioRefusesAVideo) {
  SetUpButtons({{0, 2, L"C:\\Shows\\clip.mp4"}});
  Run([](TestConsoleDlg& dlg) { dlg.backgroundAudioActive = true; });
  OpenPanel();
  PressButton(0);
  EXPECT_TRUE(dialog->videosPlayed.empty());
  EXPECT_EQ(StatusLine().rfind(L"Before launching this video", 0), 0U)
      << testing::PrintToString(StatusLine());
}

TEST_F(MultimediaPanelTest, APhotoFolderOpensItsSlideShow) {
  MakeSlideFolder(3);
  SetUpButtons({{2, 1, SlideFolder, true}});
  OpenPanel();
  EXPECT_EQ(Caption(2), L"PHOTO FOLDER\nFolder");
  PressButton(2);
  ASSERT_NE(ShownDialog(L"Slide show"), nullptr);
  EXPECT_EQ(dialog->slideCount, 3);
  EXPECT_EQ(dialog->slideButton, 2);
  EXPECT_EQ(dialog->slideFolder, SlideFolder);
  EXPECT_EQ(dialog->savedButtonCaption, L"PHOTO FOLDER\nFolder");
}

TEST_F(MultimediaPanelTest, APictureLeftOnTheDomeByASlideShowIsHiddenByItsFolderButton) {
  MakeSlideFolder(3);
  SetUpButtons({{2, 1, SlideFolder, true}});
  OpenPanel();
  HWND browser = OpenSlideShow(2);
  ASSERT_NE(browser, nullptr);
  ClickThumbnail(browser, 1731);
  Press(browser, IDCANCEL);
  ASSERT_TRUE(dialog->pictureOverlays[2].IsVisible());
  EXPECT_EQ(Caption(2), L"(Hide)") << "its next press hides the picture";
  ClosePanel();
  OpenPanel();
  EXPECT_EQ(Caption(2), L"(Hide)") << "on the panel opened again";
  PressButton(2);
  EXPECT_EQ(Caption(2), L"PHOTO FOLDER\nFolder");
  EXPECT_FALSE(dialog->mediaActive[2]);
  Wait(3000);
  EXPECT_FALSE(dialog->pictureOverlays[2].IsVisible());
  EXPECT_EQ(ShownDialog(L"Slide show"), nullptr) << "the press hid the picture and opened nothing";
}

TEST_F(MultimediaPanelTest, ASlideShowThatTookItsPictureAwayLeavesTheFolderCaption) {
  MakeSlideFolder(3);
  SetUpButtons({{2, 1, SlideFolder, true}});
  OpenPanel();
  HWND browser = OpenSlideShow(2);
  ASSERT_NE(browser, nullptr);
  Press(browser, 1740);
  HWND remote = ShownDialog(L"Slide show remote");
  ASSERT_NE(remote, nullptr);
  Press(remote, 560);
  Press(browser, IDCANCEL);
  EXPECT_EQ(Caption(2), L"PHOTO FOLDER\nFolder") << "while the stopped show's picture fades out";
  EXPECT_FALSE(dialog->mediaActive[2]);
}

}  // namespace
