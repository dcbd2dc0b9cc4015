// The text work of the open and save dialogs.
#include <gtest/gtest.h>

#include "platform/win/file_dialog_names.h"
#include "tests/platform/desktop_fixture.h"

namespace {

TEST(FileDialogNamesTest, FiltersAreDescriptionsWithTheirPatterns) {
  const auto filters =
      file_dialog::parse_filters(L"Image files (*.png; *.bmp)\0*.png; *.bmp\0All Files (*.*)\0*.*\0\0");
  ASSERT_EQ(filters.size(), 2u);
  EXPECT_EQ(filters[0].description, L"Image files (*.png; *.bmp)");
  EXPECT_EQ(filters[0].patterns, (std::vector<std::wstring>{L"*.png", L"*.bmp"}));
  EXPECT_EQ(filters[1].patterns, (std::vector<std::wstring>{L"*.*"}));
  EXPECT_TRUE(file_dialog::parse_filters(nullptr).empty());
  // A description without its patterns ends the list.
  EXPECT_TRUE(file_dialog::parse_filters(L"Lonely\0\0").empty());
}

TEST(FileDialogNamesTest, PatternsMatchWithoutRegardToCase) {
  const std::vector<std::wstring> audio{L"*.mp3", L"*.wav"};
  EXPECT_TRUE(file_dialog::matches_any(audio, L"Tone.WAV"));
  EXPECT_FALSE(file_dialog::matches_any(audio, L"tone.ogg"));
  EXPECT_TRUE(file_dialog::matches_any({}, L"anything"));
}

TEST(FileDialogNamesTest, TheDefaultExtensionLosesItsWildcardAndDot) {
  struct Case {
    const wchar_t* given;
    const wchar_t* used;
  };
  const Case cases[] = {
      {L"*.ocsf", L"ocsf"}, {L".txt", L"txt"}, {L"png", L"png"}, {L"*.*", L""}, {nullptr, L""}};
  for (const Case& c : cases)
    EXPECT_EQ(file_dialog::default_extension(c.given), c.used) << (c.given ? c.given : L"null");
}

TEST(FileDialogNamesTest, ExtensionsAreFoundInTheLastNameOnly) {
  EXPECT_EQ(file_dialog::extension_offset(L"C:\\Shows\\a.ocsf"), 11u);
  EXPECT_EQ(file_dialog::extension_offset(L"C:\\v1.2\\notes"), 13u);
  EXPECT_FALSE(file_dialog::has_extension(L"C:\\v1.2\\notes"));
}

TEST(FileDialogNamesTest, FoldersHaveTheirChainFromTheRoot) {
  EXPECT_EQ(file_dialog::folder_chain(L"C:\\Users\\presenter"),
            (std::vector<std::wstring>{L"C:\\", L"C:\\Users", L"C:\\Users\\presenter"}));
  EXPECT_EQ(file_dialog::parent_folder(L"C:\\Users"), L"C:\\");
  EXPECT_EQ(file_dialog::parent_folder(L"C:\\"), L"");
}

class FileDialogResolveTest : public DesktopTest {};

TEST_F(FileDialogResolveTest, TypedNamesBecomeFullPathsInTheFolderShown) {
  EXPECT_EQ(file_dialog::resolve(L"C:\\Shows", L"a.ocsf"), L"C:\\Shows\\a.ocsf");
  EXPECT_EQ(file_dialog::resolve(L"C:\\Shows", L"..\\Music\\b.mp3"), L"C:\\Music\\b.mp3");
  EXPECT_EQ(file_dialog::resolve(L"C:\\Shows", L"D:\\x.txt"), L"D:\\x.txt");
  EXPECT_EQ(file_dialog::resolve(L"C:\\Shows", L"  "), std::nullopt);
  EXPECT_EQ(file_dialog::resolve(L"C:\\Shows", L"a<b.txt"), std::nullopt);
}

}  // namespace
