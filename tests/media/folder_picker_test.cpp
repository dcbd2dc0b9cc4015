// The paged picker of a script, video or audio folder: its pages and label, and a picked name
// run or played through the button's routes.
#include "src/media/folder_dialog.h"

#include "src/media/multimedia_control_dlg.h"

#include <filesystem>

#include "platform/win/win32.h"
#include "src/settings/multimedia_settings.h"
#include "tests/media/media_fixture.h"

namespace {

class FolderPickerTest : public MediaTest {
 protected:
  void TearDown() override {
    for (const wchar_t* caption : {L"Choose a file", L"Multimedia window"})
      if (HWND open = ShownDialog(caption)) Press(open, IDCANCEL);
    MediaTest::TearDown();
  }

  // That many files named 00.<ending> ... in C:\Shows\Picks, and button 7 bound to the folder.
  void MakeFolder(int count, int type, const char* ending) {
    const std::filesystem::path folder = machine.data_folder() / "C" / "Shows" / "Picks";
    std::filesystem::create_directories(folder);
    for (int i = 0; i < count; ++i) {
      char name[16] = {};
      std::snprintf(name, sizeof(name), "%02d.%s", i, ending);
      std::FILE* out = std::fopen((folder / name).c_str(), "w");
      ASSERT_NE(out, nullptr);
      std::fputs("core.wait(1);\n", out);
      std::fclose(out);
    }
    Run([type](TestConsoleDlg&) {
      ScriptButtons setUp{};
      setUp.types.fill(-1);
      setUp.types[7] = type;
      setUp.names[7] = L"C:\\Shows\\Picks";
      SaveScriptButtons(setUp);
      std::array<bool, MultimediaButtonCount> folders{};
      folders[7] = true;
      SaveUseFolderFlags(folders);
    });
  }

  void OpenPicker() {
    dialog->step = [](TestConsoleDlg& dlg) { dlg.COrvennaConsoleDlg::RunMultimediaDialog(true); };
    PostMessageW(dialog->GetSafeHwnd(), TestConsoleDlg::RunStepMessage, 0, 0);
    machine.run_until_idle();
    panel = ShownDialog(L"Multimedia window");
    ASSERT_NE(panel, nullptr);
    Press(panel, FirstMediaButtonId + 7);
    picker = ShownDialog(L"Choose a file");
    ASSERT_NE(picker, nullptr);
  }

  std::wstring Text(int id) const {
    wchar_t text[256] = {};
    GetDlgItemTextW(picker, id, text, 256);
    return text;
  }

  std::vector<std::wstring> Rows() const {
    std::vector<std::wstring> rows;
    for (int id = 1750; id <= 1759; ++id)
      rows.push_back(Text(id));
    return rows;
  }

  void ClickAt(POINT client) {
    PostMessageW(picker, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    machine.run_until_idle();
  }

  void ClickRow(int row) {
    RECT place{};
    GetWindowRect(GetDlgItem(picker, 1750 + row), &place);
    POINT middle{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    ScreenToClient(picker, &middle);
    ClickAt(middle);
  }

  HWND panel = nullptr;
  HWND picker = nullptr;
};

TEST(PickerPagesTest, TenNamesAPageAndAtLeastOnePage) {
  const std::tuple<std::size_t, int, std::wstring> cases[] = {
      {0, 1, L"1/1"}, {10, 1, L"1/1"}, {11, 2, L"1/2"}, {25, 3, L"1/3"}};
  for (const auto& [entries, pages, label] : cases) {
    EXPECT_EQ(PickerPageCount(entries), pages) << entries;
    EXPECT_EQ(PickerPageLabel(1, entries), label) << entries;
  }
}

TEST_F(FolderPickerTest, PagesWrapAroundAndTheLastShowsWhatIsLeft) {
  MakeFolder(11, 0, "ovs");
  OpenPicker();
  EXPECT_EQ(Text(1760), L"1/2");
  EXPECT_EQ(Rows().front(), L"00.ovs");
  EXPECT_EQ(Rows().back(), L"09.ovs");
  Press(picker, 11146);
  EXPECT_EQ(Text(1760), L"2/2");
  EXPECT_EQ(Rows()[0], L"10.ovs");
  EXPECT_EQ(Rows()[1], L"");
  Press(picker, 11146);
  EXPECT_EQ(Text(1760), L"1/2");
  Press(picker, 11145);
  EXPECT_EQ(Text(1760), L"2/2");
}

TEST_F(FolderPickerTest, AnEmptyFolderShowsOnePageAndClicksDoNothing) {
  MakeFolder(0, 0, "ovs");
  OpenPicker();
  EXPECT_EQ(Text(1760), L"1/1");
  EXPECT_EQ(Rows(), std::vector<std::wstring>(10));
  ClickRow(0);
  EXPECT_NE(ShownDialog(L"Choose a file"), nullptr);
  EXPECT_FALSE(dialog->scriptRunning);
}

TEST_F(FolderPickerTest, APickedScriptRunsInOrvennaAndMarksItsButton) {
  MakeFolder(3, 0, "ovs");
  OpenPicker();
  ClickAt(POINT{2, 2});
  ASSERT_NE(ShownDialog(L"Choose a file"), nullptr) << "a click beside the rows";
  ClickRow(1);
  Wait(1000);
  EXPECT_EQ(ShownDialog(L"Choose a file"), nullptr);
  EXPECT_TRUE(dialog->mediaActive[7]);
  EXPECT_TRUE(dialog->scriptRunning);
  EXPECT_NE(LastScriptRun().find("core.wait(1);"), std::string::npos);
}

TEST_F(FolderPickerTest, AScriptDeletedSinceTheListingRunsNothingAndLeavesTheConsoleFree) {
  MakeFolder(2, 0, "ovs");
  OpenPicker();
  const std::size_t scripts = probe->scripts().size();
  std::filesystem::remove(machine.data_folder() / "C" / "Shows" / "Picks" / "01.ovs");
  ClickRow(1);
  Wait(1000);
  EXPECT_EQ(ShownDialog(L"Choose a file"), nullptr);
  EXPECT_FALSE(dialog->mediaActive[7]);
  EXPECT_FALSE(dialog->scriptRunning) << "every scripted action would be refused";
  EXPECT_EQ(probe->scripts().size(), scripts);
}

TEST_F(FolderPickerTest, PickedVideosAndAudioGoToTheirPlayersWithTheirNames) {
  MakeFolder(12, 2, "mp4");
  OpenPicker();
  Press(picker, 11146);
  ClickRow(1);
  ASSERT_EQ(dialog->videosPlayed.size(), 1U);
  EXPECT_EQ(dialog->videosPlayed[0], (std::pair<std::wstring, int>{L"\\11.mp4", 7}));
}

TEST_F(FolderPickerTest, AudioThatPlaysOnMarksItsButtonRunning) {
  MakeFolder(2, 3, "mp3");
  Run([](TestConsoleDlg& dlg) { dlg.audioResult = 5; });
  OpenPicker();
  ClickRow(0);
  ASSERT_EQ(dialog->audioPlayed.size(), 1U);
  EXPECT_EQ(dialog->audioPlayed[0], (std::pair<std::wstring, int>{L"\\00.mp3", 7}));
  wchar_t caption[64] = {};
  GetDlgItemTextW(panel, FirstMediaButtonId + 7, caption, 64);
  EXPECT_EQ(std::wstring(caption), L"\u25A0");
}

}  // namespace
