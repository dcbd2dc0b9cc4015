// The folder browser, answered with the mouse and the keyboard, and the list it answers with.
#include <optional>

#include "tests/platform/common_dialogs/common_dialog_fixture.h"

namespace {

int CALLBACK open_on(HWND browser, UINT message, LPARAM, LPARAM folder) {
  if (message == BFFM_INITIALIZED) SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, folder);
  return 0;
}

class FolderBrowserTest : public CommonDialogTest {
 protected:
  HWND open_browser(UINT flags, const wchar_t* start = nullptr) {
    name[0] = L'\0';
    info = BROWSEINFOW{};
    info.pszDisplayName = name;
    info.lpszTitle = L"Choose the slides";
    info.ulFlags = flags;
    if (start != nullptr) {
      info.lpfn = open_on;
      info.lParam = reinterpret_cast<LPARAM>(start);
    }
    path.reset();
    return open([this] {
      PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
      wchar_t text[MAX_PATH]{};
      path = SHGetPathFromIDListW(chosen, text) ? std::wstring(text) : std::wstring(L"(none)");
      CoTaskMemFree(chosen);
    });
  }

  std::vector<std::wstring> rows() const { return list_box_rows(user.control(kBrowseFolderTree)); }

  POINT row_centre(int row) const {
    RECT item{};
    SendMessageW(user.control(kBrowseFolderTree), LB_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  }

  wchar_t name[MAX_PATH]{};
  BROWSEINFOW info{};
  std::optional<std::wstring> path;
};

TEST_F(FolderBrowserTest, ADoubleClickOpensAFolderAndAClickChoosesOne) {
  HWND browser = open_browser(BIF_RETURNONLYFSDIRS);
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(user.window_text(browser), L"Browse For Folder");
  EXPECT_EQ(user.text_of(kBrowseFolderTitle), L"Choose the slides");
  EXPECT_FALSE(IsWindowVisible(user.control(kBrowseFolderEdit)));
  EXPECT_EQ(rows(), (std::vector<std::wstring>{L"C:\\"}));
  HWND list = user.control(kBrowseFolderTree);
  for (int click = 0; click < 2; ++click)
    ASSERT_TRUE(user.click_at(list, row_centre(0)));
  const auto opened = rows();
  const auto shows = std::find(opened.begin(), opened.end(), L"  Shows");
  ASSERT_NE(shows, opened.end());
  const int row = static_cast<int>(shows - opened.begin());
  for (int click = 0; click < 2; ++click)
    ASSERT_TRUE(user.click_at(list, row_centre(row)));
  EXPECT_EQ(rows(), (std::vector<std::wstring>{L"C:\\", L"  Shows", L"    2024"}));
  ASSERT_TRUE(user.click_at(list, row_centre(2)));
  ASSERT_TRUE(user.click(IDOK));
  EXPECT_EQ(path, L"C:\\Shows\\2024");
  EXPECT_EQ(std::wstring(name), L"2024");
}

TEST_F(FolderBrowserTest, TheCallbackOpensItOnAFolderAndTheArrowKeysChoose) {
  HWND browser = open_browser(BIF_RETURNONLYFSDIRS, L"C:\\Shows");
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(rows(), (std::vector<std::wstring>{L"C:\\", L"  Shows", L"    2024"}));
  EXPECT_EQ(SendMessageW(user.control(kBrowseFolderTree), LB_GETCURSEL, 0, 0), 1);
  ASSERT_TRUE(user.key("DOWN"));
  ASSERT_TRUE(user.key("RETURN"));
  EXPECT_EQ(path, L"C:\\Shows\\2024");
}

TEST_F(FolderBrowserTest, CancelAnswersWithNoList) {
  ASSERT_NE(open_browser(BIF_RETURNONLYFSDIRS, L"C:\\Shows"), nullptr);
  ASSERT_TRUE(user.key("ESCAPE"));
  EXPECT_EQ(path, L"(none)");
}

TEST_F(FolderBrowserTest, TheDriverAnswersWithTheEditOrThroughTheList) {
  ASSERT_NE(open_browser(BIF_RETURNONLYFSDIRS | BIF_EDITBOX), nullptr);
  EXPECT_TRUE(IsWindowVisible(user.control(kBrowseFolderEdit)));
  user.answer_next_file_dialog(std::wstring(L"C:\\Shows\\2024"));
  ASSERT_TRUE(user.wait(0));
  EXPECT_EQ(path, L"C:\\Shows\\2024");

  ASSERT_NE(open_browser(BIF_RETURNONLYFSDIRS), nullptr);
  user.answer_next_file_dialog(std::wstring(L"C:\\Shows"));
  ASSERT_TRUE(user.wait(0));
  EXPECT_EQ(path, L"C:\\Shows");

  ASSERT_NE(open_browser(BIF_RETURNONLYFSDIRS | BIF_EDITBOX), nullptr);
  user.answer_next_message_box(IDOK);
  user.answer_next_file_dialog(std::wstring(L"C:\\Nowhere"));
  ASSERT_TRUE(user.wait(0));
  EXPECT_FALSE(path.has_value());
  EXPECT_NE(user.message_boxes().back().text.find(L"The folder does not exist"), std::wstring::npos);
  user.answer_next_file_dialog(std::nullopt);
  ASSERT_TRUE(user.wait(0));
  EXPECT_EQ(path, L"(none)");
}

// The program's end with the browser open unwinds past the browser before its windows go.
TEST_F(FolderBrowserTest, AProgramEndedWhileTheBrowserIsOpenEndsCleanly) {
  ASSERT_NE(open_browser(BIF_RETURNONLYFSDIRS, L"C:\\Shows"), nullptr);
  machine.end_other_threads();
  EXPECT_FALSE(path.has_value());
}

TEST(ItemIdListTest, AListHoldsItsPathUntilFreed) {
  PIDLIST_ABSOLUTE list = ILCreateFromPathW(L"C:\\Shows");
  ASSERT_NE(list, nullptr);
  wchar_t path[MAX_PATH]{};
  ASSERT_TRUE(SHGetPathFromIDListW(list, path));
  EXPECT_EQ(std::wstring(path), L"C:\\Shows");
  CoTaskMemFree(list);
  EXPECT_FALSE(SHGetPathFromIDListW(nullptr, path));
  EXPECT_EQ(path[0], L'\0');
}

}  // namespace
