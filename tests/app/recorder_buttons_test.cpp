// The recorder's buttons in the options dialog, pressed with the mouse: a show recorded, saved
// through the save dialog and loaded back through the open dialog; a cancelled, a failed and an
// empty save; files the load refuses.
#include <string>

#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/app/show/script_set_file.h"
#include "src/dialogs/options/options_dialog.h"
#include "tests/app/console_dialog_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

constexpr wchar_t Folder[] = L"C:\\Users\\presenter\\Documents";
constexpr wchar_t ShowPath[] = L"C:\\Users\\presenter\\Documents\\talk.ocsf";
constexpr wchar_t RecordSymbol[] = L"\x25CF";
constexpr wchar_t PlaySymbol[] = L"\x25BA";
constexpr int OptionsButton = 2002;

std::string Utf16(std::wstring_view text) {
  std::string bytes;
  for (wchar_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
  }
  return bytes;
}

class RecorderButtonsTest : public ConsoleWithOrvennaTest {
 protected:
  void SetUp() override {
    ConsoleWithOrvennaTest::SetUp();
    CreateDirectoryW(Folder, nullptr);
  }
  // The Options button clicked with the mouse, the real options dialog run.
  void OpenOptions() {
    Run([this](TestConsoleDlg& dlg) {
      dlg.optionsDialog = [this](TestConsoleDlg& console) {
        result = OptionsDialog(console.consoleState, console).DoModal();
        return result;
      };
    });
    const driver::Outcome clicked = user.click_in(MainDialog(), OptionsButton);
    ASSERT_TRUE(clicked) << clicked.reason;
    ASSERT_NE(user.control(OptionsDialog::RecordButton), nullptr) << "the options dialog is open";
  }
  void Press(int id) {
    const driver::Outcome pressed = user.click(id);
    ASSERT_TRUE(pressed) << id << ": " << pressed.reason;
  }
  void StartRecording() {
    OpenOptions();
    Press(OptionsDialog::RecordButton);
    Wait(500);
    ASSERT_EQ(result, OptionsDialog::RecorderStarted);
    ASSERT_EQ(dialog->RecorderState, RecorderRecording);
  }
  void RecordAShow() {
    StartRecording();
    RunToEnd([](TestConsoleDlg& dlg) { dlg.OnMilkyWay(); });
    Wait(8000);
    RunToEnd([](TestConsoleDlg& dlg) { dlg.OnAtmosphere(); });
    Wait(3000);
    RunToEnd([](TestConsoleDlg& dlg) { dlg.OnDeselect(); });
    Wait(1000);
  }
  bool Enabled(int id) const { return IsWindowEnabled(user.control(id)) != FALSE; }
  std::wstring BoxText() const {
    HWND box = MessageBoxShown();
    return box == nullptr ? L"" : MessageBoxText(box);
  }
  // The message boxes the driver answered, their texts joined.
  std::wstring BoxesShown() const {
    std::wstring texts;
    for (const desktop::ShownMessageBox& box : user.message_boxes())
      texts += box.text + L"\n";
    return texts;
  }

  driver::DesktopUser user{machine};
  INT_PTR result = -1;
};

TEST_F(RecorderButtonsTest, ARecordedShowIsSavedAndLoadedBack) {
  RecordAShow();
  const RecordedShow recorded = dialog->recordedShow;
  ASSERT_EQ(recorded.recordedScript.rfind(L"xQJOC", 0), 0u);
  OpenOptions();
  user.answer_next_file_dialog(ShowPath);
  Press(OptionsDialog::RecordButton);
  EXPECT_EQ(user.pending_answers(), 0u);

  const std::string bytes = read_file(ShowPath);
  EXPECT_EQ(bytes.substr(0, 10), Utf16(L"xQJOC")) << "no byte-order mark";
  EXPECT_EQ(bytes.substr(bytes.size() - 8), Utf16(L"xQJE"));
  EXPECT_EQ(bytes, Utf16(ComposeScriptSetText(recorded)));
  EXPECT_EQ(dialog->RecorderState, RecorderIdle);
  EXPECT_TRUE(dialog->recordingAvailable);
  EXPECT_TRUE(dialog->firstStepPending);
  EXPECT_EQ(dialog->recordedShow.recordedScript, recorded.recordedScript.substr(5)) << "the marker goes";
  EXPECT_EQ(user.text_of(OptionsDialog::RecordButton), RecordSymbol);
  EXPECT_EQ(user.text_of(OptionsDialog::PlayButton), PlaySymbol);
  EXPECT_TRUE(Enabled(OptionsDialog::PlayButton));
  EXPECT_TRUE(Enabled(OptionsDialog::LoadButton));

  Run([](TestConsoleDlg& dlg) {
    dlg.recordedShow = {};
    dlg.recordingAvailable = false;
  });
  user.answer_next_file_dialog(ShowPath);
  Press(OptionsDialog::LoadButton);
  EXPECT_EQ(dialog->recordedShow.recordedScript, recorded.recordedScript.substr(5));
  EXPECT_EQ(dialog->recordedShow.commandList, recorded.commandList);
  EXPECT_TRUE(dialog->recordingAvailable);
  EXPECT_TRUE(Enabled(OptionsDialog::PlayButton));
  EXPECT_EQ(BoxesShown(), L"");
}

TEST_F(RecorderButtonsTest, ACancelledSaveAsksAndNoShowsTheDialogAgainWhileYesLetsTheShowGo) {
  RecordAShow();
  OpenOptions();
  user.answer_next_file_dialog(std::nullopt);
  user.answer_next_message_box(IDNO);
  user.answer_next_file_dialog(ShowPath);
  Press(OptionsDialog::RecordButton);
  EXPECT_EQ(user.pending_answers(), 0u);
  EXPECT_NE(BoxesShown().find(L"If you answer Yes, the recording will be deleted."), std::wstring::npos);
  EXPECT_FALSE(read_file(ShowPath).empty());
  EXPECT_TRUE(dialog->recordingAvailable);

  Press(IDCANCEL);
  Wait(500);
  StartRecording();
  RunToEnd([](TestConsoleDlg& dlg) { dlg.OnAtmosphere(); });
  OpenOptions();
  user.answer_next_file_dialog(std::nullopt);
  user.answer_next_message_box(IDYES);
  Press(OptionsDialog::RecordButton);
  EXPECT_EQ(dialog->RecorderState, RecorderIdle);
  EXPECT_FALSE(dialog->recordingAvailable) << "also after a show was saved before";
  EXPECT_TRUE(dialog->firstStepPending);
  EXPECT_FALSE(Enabled(OptionsDialog::PlayButton));
  EXPECT_TRUE(Enabled(OptionsDialog::LoadButton));
}

TEST_F(RecorderButtonsTest, ExitDuringARecordingAsksWhereToSaveItAsTheStopDoes) {
  RecordAShow();
  const RecordedShow recorded = dialog->recordedShow;
  user.answer_next_message_box(IDYES);  // exit
  user.answer_next_file_dialog(std::nullopt);
  user.answer_next_message_box(IDNO);  // keep the show
  user.answer_next_file_dialog(ShowPath);
  user.answer_next_message_box(IDNO);  // leave Orvenna running
  const driver::Outcome clicked = user.click_in(MainDialog(), 1051);
  ASSERT_TRUE(clicked) << clicked.reason;
  Wait(3000);
  EXPECT_EQ(user.pending_answers(), 0u);
  EXPECT_NE(BoxesShown().find(L"If you answer Yes, the recording will be deleted."), std::wstring::npos);
  EXPECT_EQ(read_file(ShowPath), Utf16(ComposeScriptSetText(recorded)));
  EXPECT_EQ(ExitCode(), 1);
}

TEST_F(RecorderButtonsTest, AFailedSaveIsToldAndTheRecordingKeptForAnotherFile) {
  RecordAShow();
  const RecordedShow recorded = dialog->recordedShow;
  OpenOptions();
  user.answer_next_file_dialog(L"C:\\No such folder\\talk.ocsf");
  user.answer_next_message_box(IDOK);
  user.answer_next_file_dialog(ShowPath);
  Press(OptionsDialog::RecordButton);
  EXPECT_EQ(user.pending_answers(), 0u);
  EXPECT_NE(BoxesShown().find(L"could not be saved in C:\\No such folder\\talk.ocsf"), std::wstring::npos)
      << BoxesShown();
  EXPECT_EQ(read_file(ShowPath), Utf16(ComposeScriptSetText(recorded)));
  EXPECT_TRUE(dialog->recordingAvailable);
}

// Saving over a show on a full drive: one box says so, the old show is whole and the new one
// is kept for another file.
TEST_F(RecorderButtonsTest, ASaveOverAShowOnAFullDriveIsToldOnceAndKeepsTheOldShow) {
  RecordAShow();
  OpenOptions();
  user.answer_next_file_dialog(ShowPath);
  Press(OptionsDialog::RecordButton);
  const std::string old = read_file(ShowPath);
  ASSERT_FALSE(old.empty());
  Press(IDCANCEL);
  Wait(500);
  StartRecording();
  RunToEnd([](TestConsoleDlg& dlg) { dlg.OnAtmosphere(); });
  Wait(1000);
  const RecordedShow recorded = dialog->recordedShow;
  OpenOptions();
  machine.drives().set_free_space(L'C', 0);
  user.answer_next_file_dialog(ShowPath);
  user.answer_next_message_box(IDYES);
  user.answer_next_message_box(IDOK);
  user.answer_next_file_dialog(std::nullopt);
  user.answer_next_message_box(IDYES);
  Press(OptionsDialog::RecordButton);
  machine.drives().set_free_space(L'C', std::nullopt);
  EXPECT_EQ(user.pending_answers(), 0u);
  const std::wstring boxes = BoxesShown();
  const std::size_t told = boxes.find(L"could not be saved in " + std::wstring(ShowPath));
  ASSERT_NE(told, std::wstring::npos) << boxes;
  EXPECT_EQ(boxes.find(L"could not be saved", told + 1), std::wstring::npos) << "once: " << boxes;
  EXPECT_EQ(boxes.find(L"Disk full"), std::wstring::npos) << boxes;
  EXPECT_EQ(read_file(ShowPath), old);
  EXPECT_NE(read_file(ShowPath), Utf16(ComposeScriptSetText(recorded)));
}

TEST_F(RecorderButtonsTest, StoppingBeforeAnyStepWritesNothingAndLeavesNoShowToPlay) {
  Run([](TestConsoleDlg& dlg) {
    dlg.recordedShow = {L"core.wait(1);\r", L"version|5.2.1|0\r"};
    dlg.recordingAvailable = true;
  });
  StartRecording();
  OpenOptions();
  Press(OptionsDialog::RecordButton);
  EXPECT_EQ(dialog->RecorderState, RecorderIdle);
  EXPECT_EQ(BoxesShown(), L"") << "nothing asked";
  EXPECT_TRUE(read_file(ShowPath).empty());
  EXPECT_FALSE(dialog->recordingAvailable) << "the recording started emptied the show";
  EXPECT_FALSE(Enabled(OptionsDialog::PlayButton));
  Press(IDCANCEL);
  Wait(500);
  OpenOptions();
  EXPECT_FALSE(Enabled(OptionsDialog::PlayButton));
}

TEST_F(RecorderButtonsTest, SavingReleasesAHeldZoomAndRecordsItsEnd) {
  RecordAShow();
  Run([](TestConsoleDlg& dlg) {
    dlg.zoomHeld = true;
    dlg.SetTimer(ZoomInSafetyTimer, 20000, nullptr);
  });
  const std::size_t first = probe->messages().size();
  OpenOptions();
  user.answer_next_file_dialog(ShowPath);
  Press(OptionsDialog::RecordButton);
  const auto received = probe->messages();
  EXPECT_TRUE(std::any_of(received.begin() + static_cast<std::ptrdiff_t>(first), received.end(),
                          [](const auto& m) { return m.message == WM_KEYUP && m.wParam == VK_PRIOR; }))
      << "the zoom key let go";
  EXPECT_FALSE(dialog->zoomHeld);
  const auto loaded = LoadScriptSetFile(ShowPath);
  ASSERT_TRUE(loaded.show && loaded.show->commandList);
  EXPECT_NE(loaded.show->commandList->find(L"zoomIn_End|"), std::wstring::npos);
  Wait(30000);
  EXPECT_EQ(std::count(dialog->firedTimers.begin(), dialog->firedTimers.end(), UINT_PTR{ZoomInSafetyTimer}),
            0);
}

TEST_F(RecorderButtonsTest, ALoadThatFailsChangesNothing) {
  struct Case {
    const char* what;
    std::string bytes;
    bool locked;  // held open by another program that shares it with no one
    const wchar_t* message;
  };
  const Case cases[] = {
      {"the markers alone", Utf16(L"xQJOCxQJE"), false, L"File format not valid!"},
      {"no @ between the markers", Utf16(L"xQJOCx1DxQJE"), false, L"File format not valid!"},
      {"a byte-order mark", "\xFF\xFE" + Utf16(L"xQJOCx1D@x54xQJE"), false, L"File format not valid!"},
      {"markers in another case", Utf16(L"XQJOCx1D@x54xqje"), false, L"File format not valid!"},
      {"a file that cannot be read", Utf16(L"xQJOCx1D@x54xQJE"), true, L"could not be read"},
  };
  const RecordedShow kept{L"core.wait(2);\r", L"version|5.2.1|0\r"};
  Run([&kept](TestConsoleDlg& dlg) {
    dlg.recordedShow = kept;
    dlg.recordingAvailable = false;
  });
  OpenOptions();
  const std::wstring path = std::wstring(Folder) + L"\\bad.ocsf";
  for (const Case& c : cases) {
    ASSERT_TRUE(write_file(path.c_str(), c.bytes));
    HANDLE holder = c.locked ? CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                             : INVALID_HANDLE_VALUE;
    const std::size_t shown = user.message_boxes().size();
    user.answer_next_file_dialog(path);
    user.answer_next_message_box(IDOK);
    Press(OptionsDialog::LoadButton);
    if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);
    EXPECT_EQ(user.pending_answers(), 0u) << c.what;
    ASSERT_EQ(user.message_boxes().size(), shown + 1) << c.what;
    EXPECT_NE(user.message_boxes().back().text.find(c.message), std::wstring::npos) << c.what;
    EXPECT_EQ(dialog->recordedShow.recordedScript, kept.recordedScript) << c.what;
    EXPECT_EQ(dialog->recordedShow.commandList, kept.commandList) << c.what;
    EXPECT_FALSE(dialog->recordingAvailable) << c.what;
    EXPECT_FALSE(Enabled(OptionsDialog::PlayButton)) << c.what;
  }
}

TEST_F(RecorderButtonsTest, PlayAndStopFromTheOptions) {
  Run([](TestConsoleDlg& dlg) {
    dlg.recordedShow = {L"core.wait(1);\r", L"version|5.2.1|0\rorvenna|0.18.2|0\ratmo|1.0\r"};
    dlg.recordingAvailable = true;
  });
  OpenOptions();
  Press(OptionsDialog::PlayButton);
  Wait(3000);
  EXPECT_EQ(result, OptionsDialog::RecorderStarted);
  EXPECT_EQ(dialog->RecorderState, RecorderPlaying);
  OpenOptions();
  EXPECT_FALSE(Enabled(OptionsDialog::RecordButton));
  EXPECT_EQ(user.text_of(OptionsDialog::PlayButton), L"\x25A0");
  Press(OptionsDialog::PlayButton);
  Wait(3000);
  EXPECT_EQ(dialog->RecorderState, RecorderIdle);
  EXPECT_TRUE(Enabled(OptionsDialog::RecordButton));
  EXPECT_TRUE(Enabled(OptionsDialog::LoadButton));
  EXPECT_EQ(user.text_of(OptionsDialog::PlayButton), PlaySymbol);
}

}  // namespace
