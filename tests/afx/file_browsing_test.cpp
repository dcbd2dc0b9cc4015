// CFileDialog and the browse field, as a dialog of the framework uses them, answered with the
// desktop's mouse and keyboard and through a scenario.
#include <optional>

#include "platform/driver/desktop_user.h"
#include "platform/driver/scenario.h"
#include "tests/afx/afx_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

constexpr wchar_t kShowFilter[] = L"Show files (*.ocsf)|*.ocsf|All Files (*.*)|*.*||";
constexpr int kPath = 1002;
constexpr int kFolderMode = 1010;
constexpr int kSaveShow = 1011;
constexpr UINT kPicture = 5410;

// What the dialog saw, kept by the test.
struct Seen {
  std::vector<std::wstring> path_changes;
  std::optional<std::wstring> saved;
  std::wstring name, extension, title, folder;
};

class BrowseDlg : public CDialog {
 public:
  explicit BrowseDlg(Seen& seen) : CDialog(100), seen_(seen) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    path_.SubclassDlgItem(kPath, this);
    path_.EnableFileBrowseButton(L"ocsf", kShowFilter, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
    return TRUE;
  }
  void OnPathChange() { seen_.path_changes.push_back(GetDlgItemText(kPath)); }
  void OnFolderMode() {
    path_.EnableFolderBrowseButton();
    path_.SetBrowseButtonImage(kPicture);
  }
  void OnSaveShow() {
    CFileDialog dialog(FALSE, L"*.ocsf", L"*.ocsf", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kShowFilter,
                       this);
    if (dialog.DoModal() != IDOK) return;
    seen_.saved = dialog.GetPathName();
    seen_.name = dialog.GetFileName();
    seen_.extension = dialog.GetFileExt();
    seen_.title = dialog.GetFileTitle();
    seen_.folder = dialog.GetFolderPath();
  }

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  Seen& seen_;
  CMFCEditBrowseCtrl path_;
};

BEGIN_MESSAGE_MAP(BrowseDlg, CDialog)
ON_EN_CHANGE(kPath, &BrowseDlg::OnPathChange)
ON_BN_CLICKED(kFolderMode, &BrowseDlg::OnFolderMode)
ON_BN_CLICKED(kSaveShow, &BrowseDlg::OnSaveShow)
END_MESSAGE_MAP()

class FileBrowsingTest : public AfxTest {
 protected:
  FileBrowsingTest() {
    CreateDirectoryW(L"C:\\Shows", nullptr);
    CreateDirectoryW(L"C:\\Shows\\2024", nullptr);
    write_file(L"C:\\Shows\\old.ocsf", "old");
    start_app([this] {
      BrowseDlg dialog(seen);
      return static_cast<int>(dialog.DoModal());
    });
  }

  HWND path_field() const { return GetDlgItem(find_dialog(L"Sample"), kPath); }

  // The browse button, right of the field's text, in the field's client coordinates.
  POINT browse_button() const {
    RECT window{};
    GetWindowRect(path_field(), &window);
    POINT inside{window.right - 4, (window.top + window.bottom) / 2};
    ScreenToClient(path_field(), &inside);
    return inside;
  }

  int text_width() const {
    RECT client{};
    GetClientRect(path_field(), &client);
    return client.right;
  }

  Seen seen;
  driver::DesktopUser user{machine};
};

TEST_F(FileBrowsingTest, TheButtonOpensTheFileDialogAndThePathComesBackWithOneChange) {
  RECT window{};
  GetWindowRect(path_field(), &window);
  EXPECT_LT(text_width(), window.right - window.left - 10);  // the button took its room
  user.answer_next_file_dialog(std::wstring(L"C:\\Shows\\old"));
  ASSERT_TRUE(user.click_at(path_field(), browse_button()));
  EXPECT_EQ(user.text_of(kPath), L"C:\\Shows\\old.ocsf");
  EXPECT_EQ(seen.path_changes, (std::vector<std::wstring>{L"C:\\Shows\\old.ocsf"}));
  EXPECT_EQ(user.target_window(), find_dialog(L"Sample"));
}

TEST_F(FileBrowsingTest, ACancelledBrowseLeavesTheFieldAsItWas) {
  ASSERT_TRUE(user.click(kPath));
  ASSERT_TRUE(user.type(L"C:\\Shows\\x"));
  seen.path_changes.clear();
  user.answer_next_file_dialog(std::nullopt);
  ASSERT_TRUE(user.click_at(path_field(), browse_button()));
  EXPECT_EQ(user.text_of(kPath), L"C:\\Shows\\x");
  EXPECT_TRUE(seen.path_changes.empty());
}

TEST_F(FileBrowsingTest, InFolderModeAltDownOpensTheFolderBrowserOnTheFolderTyped) {
  const int file_mode_width = text_width();
  ASSERT_TRUE(user.click(kFolderMode));
  EXPECT_NE(text_width(), file_mode_width);  // the picture's width, not the label's
  ASSERT_TRUE(user.click(kPath));
  ASSERT_TRUE(user.type(L"C:\\Shows"));
  seen.path_changes.clear();
  ASSERT_TRUE(user.key_down("ALT"));
  ASSERT_TRUE(user.key("DOWN"));
  ASSERT_TRUE(user.key_up("ALT"));
  HWND list = user.control(kBrowseFolderTree);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);  // "  Shows", under "C:\"
  user.answer_next_file_dialog(std::wstring(L"C:\\Shows\\2024"));
  driver::Outcome waited = user.wait(0);
  ASSERT_TRUE(waited) << waited.reason;
  EXPECT_EQ(user.text_of(kPath), L"C:\\Shows\\2024");
  EXPECT_EQ(seen.path_changes, (std::vector<std::wstring>{L"C:\\Shows\\2024"}));
}

TEST_F(FileBrowsingTest, TheFileDialogTakesTheFiltersAsTheFrameworkGivesThem) {
  ASSERT_TRUE(user.click(kSaveShow));
  HWND dialog = user.target_window();
  EXPECT_EQ(user.window_text(dialog), L"Save As");
  EXPECT_EQ(SendDlgItemMessageW(dialog, cmb1, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(user.text_of(cmb1), L"Show files (*.ocsf)");
  EXPECT_EQ(user.text_of(edt1), L"*.ocsf");
  user.answer_next_file_dialog(std::wstring(L"C:\\Shows\\2024\\finale"));
  ASSERT_TRUE(user.wait(0));
  EXPECT_EQ(seen.saved, L"C:\\Shows\\2024\\finale.ocsf");
  EXPECT_EQ(seen.name, L"finale.ocsf");
  EXPECT_EQ(seen.extension, L"ocsf");
  EXPECT_EQ(seen.title, L"finale");
  EXPECT_EQ(seen.folder, L"C:\\Shows\\2024");
}

TEST_F(FileBrowsingTest, AScenarioAnswersTheFileDialogWithAPathOrCancel) {
  driver::ScenarioRunner runner(user);
  driver::ScenarioResult result = runner.run(
      "answer CANCEL\n"
      "click 1011\n");
  ASSERT_TRUE(result) << result.line << ": " << result.reason;
  EXPECT_FALSE(seen.saved.has_value());
  result = runner.run(
      "answer IDNO          # keep the old show\n"
      "answer C:\\Shows\\old.ocsf\n"
      "click 1011\n"
      "answer IDYES         # now replace it\n"
      "answer C:\\Shows\\old.ocsf\n"
      "wait 0\n");
  ASSERT_TRUE(result) << result.line << ": " << result.reason;
  EXPECT_EQ(seen.saved, L"C:\\Shows\\old.ocsf");
  const auto boxes = user.message_boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].answer, IDNO);
  EXPECT_EQ(boxes[1].answer, IDYES);
  EXPECT_EQ(boxes[1].text, L"C:\\Shows\\old.ocsf already exists.\nDo you want to replace it?");
}

}  // namespace
