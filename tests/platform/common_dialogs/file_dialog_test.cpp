// The open and save dialogs, answered with the mouse and the keyboard as a presenter would.
#include <array>
#include <cwchar>
#include <optional>

#include "tests/platform/common_dialogs/common_dialog_fixture.h"

namespace {

constexpr wchar_t kFilter[] = L"Show files (*.ocsf)\0*.ocsf\0All Files (*.*)\0*.*\0\0";

class FileDialogTest : public CommonDialogTest {
 protected:
  HWND open_dialog(bool saving, DWORD flags, const wchar_t* def_ext = nullptr, const wchar_t* initial = L"") {
    file.fill(L'\0');
    std::wcsncpy(file.data(), initial, file.size() - 1);
    title.fill(L'\0');
    request = OPENFILENAMEW{};
    request.lStructSize = sizeof(OPENFILENAMEW);
    request.lpstrFilter = kFilter;
    request.nFilterIndex = 1;
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.lpstrFileTitle = title.data();
    request.nMaxFileTitle = static_cast<DWORD>(title.size());
    request.lpstrInitialDir = L"C:\\Shows";
    request.Flags = flags;
    request.lpstrDefExt = def_ext;
    answer.reset();
    return open([this, saving] {
      answer = saving ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request);
      error = CommDlgExtendedError();
    });
  }

  std::vector<std::wstring> rows(HWND dialog) const { return list_view_rows(GetDlgItem(dialog, lst1)); }

  std::array<wchar_t, MAX_PATH> file{};
  std::array<wchar_t, MAX_PATH> title{};
  OPENFILENAMEW request{};
  std::optional<BOOL> answer;
  DWORD error = 0xDEAD;
};

// Each case types its name and presses Open or Save; a box it raises takes its answer.
struct FlagCase {
  const char* what;
  bool saving;
  DWORD flags;
  const wchar_t* def_ext;
  const wchar_t* typed;
  int box_answer;         // 0 when no box may come
  const wchar_t* box;     // what the box says, in part
  const wchar_t* chosen;  // the path chosen, or null when the dialog stays open
};

constexpr DWORD kSave = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
constexpr DWORD kOpen = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;

const FlagCase kFlagCases[] = {
    {"overwrite answered yes", true, kSave, L"*.ocsf", L"C:\\Shows\\old.ocsf", IDYES, L"already exists",
     L"C:\\Shows\\old.ocsf"},
    {"overwrite answered no", true, kSave, L"*.ocsf", L"C:\\Shows\\old", IDNO,
     L"C:\\Shows\\old.ocsf already exists", nullptr},
    {"no overwrite prompt without its flag", true, OFN_HIDEREADONLY, nullptr, L"C:\\Shows\\old.ocsf", 0,
     nullptr, L"C:\\Shows\\old.ocsf"},
    {"a missing path refused", false, OFN_PATHMUSTEXIST, nullptr, L"C:\\Nowhere\\a.ocsf", IDOK,
     L"Path does not exist", nullptr},
    {"a missing path refused when saving", true, kSave | OFN_PATHMUSTEXIST, nullptr, L"C:\\Nowhere\\a.ocsf",
     IDOK, L"Path does not exist", nullptr},
    {"a missing file refused", false, kOpen, nullptr, L"C:\\Shows\\none.ocsf", IDOK, L"File not found",
     nullptr},
    {"a missing file taken without its flag", false, OFN_PATHMUSTEXIST, nullptr, L"C:\\Shows\\none.ocsf", 0,
     nullptr, L"C:\\Shows\\none.ocsf"},
    {"the default extension added", true, kSave, L"*.ocsf", L"C:\\Shows\\new", 0, nullptr,
     L"C:\\Shows\\new.ocsf"},
    {"a typed extension kept", true, kSave, L"ocsf", L"C:\\Shows\\new.txt", 0, nullptr,
     L"C:\\Shows\\new.txt"},
    {"a name without extension found with it", false, kOpen, L"ocsf", L"C:\\Shows\\old", 0, nullptr,
     L"C:\\Shows\\old.ocsf"},
    {"a name relative to the folder shown", false, kOpen, nullptr, L"2024\\talk.ocsf", 0, nullptr,
     L"C:\\Shows\\2024\\talk.ocsf"},
};

TEST_F(FileDialogTest, TheFlagsDecideWhatANameTypedLeadsTo) {
  for (const FlagCase& c : kFlagCases) {
    SCOPED_TRACE(c.what);
    HWND dialog = open_dialog(c.saving, c.flags, c.def_ext);
    ASSERT_NE(GetDlgItem(dialog, edt1), nullptr);
    const std::size_t boxes_before = user.message_boxes().size();
    if (c.box_answer != 0) user.answer_next_message_box(c.box_answer);
    user.answer_next_file_dialog(std::wstring(c.typed));
    ASSERT_TRUE(user.wait(0));
    const auto boxes = user.message_boxes();
    ASSERT_EQ(boxes.size(), boxes_before + (c.box_answer != 0 ? 1 : 0));
    if (c.box != nullptr) {
      EXPECT_NE(boxes.back().text.find(c.box), std::wstring::npos);
    }
    if (c.chosen != nullptr) {
      ASSERT_TRUE(answer.has_value());
      EXPECT_EQ(*answer, TRUE);
      EXPECT_EQ(std::wstring(file.data()), c.chosen);
      continue;
    }
    EXPECT_FALSE(answer.has_value());
    EXPECT_TRUE(IsWindowVisible(dialog));
    user.answer_next_file_dialog(std::nullopt);
    ASSERT_TRUE(user.wait(0));
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, FALSE);
    EXPECT_EQ(error, 0u);
  }
}

TEST_F(FileDialogTest, TheChosenNameFillsTheRequest) {
  HWND dialog = open_dialog(true, kSave, L"*.ocsf");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(user.window_text(dialog), L"Save As");
  user.answer_next_file_dialog(std::wstring(L"C:\\Shows\\2024\\finale"));
  ASSERT_TRUE(user.wait(0));
  ASSERT_EQ(answer, TRUE);
  const std::wstring path = file.data();
  EXPECT_EQ(path, L"C:\\Shows\\2024\\finale.ocsf");
  EXPECT_EQ(path.substr(request.nFileOffset), L"finale.ocsf");
  EXPECT_EQ(path.substr(request.nFileExtension), L"ocsf");
  EXPECT_EQ(std::wstring(title.data()), L"finale.ocsf");
  EXPECT_EQ(request.nFilterIndex, 1u);
  EXPECT_EQ(request.Flags & OFN_EXTENSIONDIFFERENT, 0u);
}

TEST_F(FileDialogTest, CancelAndEscapeFailWithoutAnError) {
  for (bool escape : {false, true}) {
    HWND dialog = open_dialog(false, kOpen, nullptr, L"*.ocsf");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(user.window_text(dialog), L"Open");
    if (escape)
      ASSERT_TRUE(user.key("ESCAPE"));
    else
      ASSERT_TRUE(user.click(IDCANCEL));
    ASSERT_EQ(answer, FALSE);
    EXPECT_EQ(error, 0u);
    EXPECT_EQ(std::wstring(file.data()), L"*.ocsf");
  }
}

TEST_F(FileDialogTest, APathLongerThanTheBufferIsAFailureThatSaysSo) {
  HWND dialog = open_dialog(false, kOpen);
  ASSERT_NE(dialog, nullptr);
  request.nMaxFile = 10;
  user.answer_next_file_dialog(std::wstring(L"C:\\Shows\\old.ocsf"));
  ASSERT_TRUE(user.wait(0));
  ASSERT_EQ(answer, FALSE);
  EXPECT_EQ(error, FNERR_BUFFERTOOSMALL);
  EXPECT_EQ(file[0], static_cast<wchar_t>(18));
}

TEST_F(FileDialogTest, AProgramEndedWhileTheDialogIsOpenEndsCleanly) {
  HWND dialog = open_dialog(false, kOpen);
  ASSERT_TRUE(user.choose_row(lst1, 0, false));
  machine.end_other_threads();
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_FALSE(answer.has_value());
}

TEST_F(FileDialogTest, AWrongStructureSizeFailsAtOnce) {
  OPENFILENAMEW wrong{};
  wrong.lStructSize = 12;
  EXPECT_FALSE(GetOpenFileNameW(&wrong));
  EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);
}

TEST_F(FileDialogTest, TheListFollowsTheFolderAndTheFilterByMouseAndKeyboard) {
  HWND dialog = open_dialog(false, kOpen, nullptr, L"*.ocsf");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(user.text_of(edt1), L"*.ocsf");
  EXPECT_EQ(rows(dialog), (std::vector<std::wstring>{L"2024", L"old.ocsf"}));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, chx1)));  // OFN_HIDEREADONLY

  // All files through the filter list, then back to the shows.
  ASSERT_TRUE(user.choose(cmb1, 1));
  EXPECT_EQ(rows(dialog), (std::vector<std::wstring>{L"2024", L"notes.txt", L"old.ocsf"}));
  ASSERT_TRUE(user.choose(cmb1, 0));

  // A double click goes into a folder; the look-in list shows where.
  ASSERT_TRUE(user.choose_row(lst1, 0, true));
  EXPECT_EQ(rows(dialog), (std::vector<std::wstring>{L"talk.ocsf"}));
  EXPECT_EQ(user.text_of(cmb2), L"    2024");
  // Backspace in the list goes up, and a click on a folder with Enter goes in again.
  ASSERT_TRUE(user.choose_row(lst1, 0, false));
  EXPECT_EQ(user.text_of(edt1), L"talk.ocsf");
  ASSERT_TRUE(user.key("BACK"));
  EXPECT_EQ(rows(dialog), (std::vector<std::wstring>{L"2024", L"old.ocsf"}));
  ASSERT_TRUE(user.choose_row(lst1, 0, false));
  ASSERT_TRUE(user.key("RETURN"));
  EXPECT_EQ(rows(dialog), (std::vector<std::wstring>{L"talk.ocsf"}));
  // The Up button, then the drive's root from the look-in list.
  ASSERT_TRUE(user.click(psh1));
  EXPECT_EQ(user.text_of(cmb2), L"  Shows");
  ASSERT_TRUE(user.choose(cmb2, 0));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, psh1)));
  const auto at_root = rows(dialog);
  EXPECT_NE(std::find(at_root.begin(), at_root.end(), L"Shows"), at_root.end());

  // A name with wildcards typed filters the list; a folder's name typed goes into it.
  ASSERT_TRUE(user.click(edt1));
  ASSERT_TRUE(user.click(edt1));  // the double click selects the name to type over
  ASSERT_TRUE(user.type(L"Shows\\*.txt"));
  ASSERT_TRUE(user.key("RETURN"));
  EXPECT_EQ(rows(dialog), (std::vector<std::wstring>{L"2024", L"notes.txt"}));
  EXPECT_FALSE(answer.has_value());

  // A file's row clicked, then Open.
  ASSERT_TRUE(user.choose_row(lst1, 1, false));
  ASSERT_TRUE(user.click(IDOK));
  ASSERT_EQ(answer, TRUE);
  EXPECT_EQ(std::wstring(file.data()), L"C:\\Shows\\notes.txt");
}

TEST_F(FileDialogTest, AFileDoubleClickedIsChosenInTheFolderTheInitialNameNames) {
  HWND dialog = open_dialog(false, kOpen, nullptr, L"C:\\Shows\\2024\\");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(rows(dialog), (std::vector<std::wstring>{L"talk.ocsf"}));
  ASSERT_TRUE(user.choose_row(lst1, 0, true));
  ASSERT_EQ(answer, TRUE);
  EXPECT_EQ(std::wstring(file.data()), L"C:\\Shows\\2024\\talk.ocsf");
}

TEST_F(FileDialogTest, TabMovesThroughTheControlsInOrder) {
  HWND dialog = open_dialog(true, kSave);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(user.type(L"fresh"));  // the focus starts in the name
  ASSERT_TRUE(user.key("TAB"));      // to the filters
  ASSERT_TRUE(user.key("TAB"));      // to Save
  ASSERT_TRUE(user.key("SPACE"));
  ASSERT_EQ(answer, TRUE);
  EXPECT_EQ(std::wstring(file.data()), L"C:\\Shows\\fresh");
}

}  // namespace
