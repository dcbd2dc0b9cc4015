#include "platform/desktop/name_pattern.h"
#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

struct PatternCase {
  const wchar_t* pattern;
  const wchar_t* name;
  bool matches;
};

constexpr PatternCase kPatterns[] = {
    {L"*", L"anything.at.all", true},
    {L"*.*", L"README", true},  // no dot, matched all the same
    {L"*.*", L"sky.png", true},
    {L"*.ovs", L"Opening.OVS", true},
    {L"*.ovs", L"show.ovs.bak", false},
    {L"*.ovs", L"showovs", false},
    {L"*.ov", L"show.ovs", false},  // no short names to match through
    {L"*.jpg", L"photo.jpeg", false},
    {L"*.jpeg", L"photo.JPEG", true},
    {L"*.", L"README", true},  // only names without an extension
    {L"*.", L"notes.txt", false},
    {L"a?", L"a", true},  // a "?" at the end may match nothing
    {L"a?", L"ab", true},
    {L"a?", L"abc", false},
    {L"??.txt", L"a.txt", true},  // and before a dot too
    {L"a?c", L"abc", true},
    {L"a?c", L"a.c", false},
    {L"*1.*", L"file1.txt", true},
    {L"*a*", L"banana", true},
    {L"*.tar.gz", L"backup.tar.gz", true},
    {L"orvenna.exe", L"ORVENNA.EXE", true},
    {L"orvenna.exe", L"orvenna.exe2", false},
};

TEST(NamePatternTest, MatchesAsFindFirstFileDoes) {
  for (const PatternCase& test : kPatterns)
    EXPECT_EQ(desktop::matches_pattern(test.pattern, test.name), test.matches)
        << test.pattern << " " << test.name;
}

class FileSearchTest : public DesktopTest {
 protected:
  FileSearchTest() {
    CreateDirectoryW(L"C:\\Media", nullptr);
    CreateDirectoryW(L"C:\\Media\\Sub", nullptr);
    for (const wchar_t* name :
         {L"C:\\Media\\b.png", L"C:\\Media\\A.png", L"C:\\Media\\c.PNG", L"C:\\Media\\notes"})
      write_file(name, "1234");
  }

  struct Found {
    std::wstring name;
    DWORD attributes;
    DWORD size;
  };

  static std::vector<Found> search(const wchar_t* pattern) {
    std::vector<Found> found;
    WIN32_FIND_DATAW data{};
    HANDLE search = FindFirstFileW(pattern, &data);
    if (search == INVALID_HANDLE_VALUE) return found;
    do
      found.push_back({data.cFileName, data.dwFileAttributes, data.nFileSizeLow});
    while (FindNextFileW(search, &data));
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
    EXPECT_TRUE(FindClose(search));
    return found;
  }

  static std::vector<std::wstring> names(const std::vector<Found>& found) {
    std::vector<std::wstring> out;
    for (const Found& entry : found)
      out.push_back(entry.name);
    return out;
  }
};

TEST_F(FileSearchTest, ListsAFolderInWindowsOrderWithItsDotEntries) {
  std::vector<Found> found = search(L"c:\\media\\*");
  EXPECT_EQ(names(found),
            (std::vector<std::wstring>{L".", L"..", L"A.png", L"b.png", L"c.PNG", L"notes", L"Sub"}));
  ASSERT_EQ(found.size(), 7u);
  EXPECT_EQ(found[0].attributes, FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(found[2].attributes, FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(found[2].size, 4u);
  EXPECT_EQ(found[6].attributes, FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(names(search(L"C:\\Media\\*.*")), names(found));
}

TEST_F(FileSearchTest, PatternsPickTheirFiles) {
  EXPECT_EQ(names(search(L"C:\\Media\\*.png")), (std::vector<std::wstring>{L"A.png", L"b.png", L"c.PNG"}));
  EXPECT_EQ(names(search(L"C:\\Media\\*.")), (std::vector<std::wstring>{L".", L"..", L"notes", L"Sub"}));
  EXPECT_EQ(names(search(L"C:\\Media\\B.PNG")), (std::vector<std::wstring>{L"b.png"}));
  SetCurrentDirectoryW(L"C:\\Media");
  EXPECT_EQ(names(search(L"?.png")), (std::vector<std::wstring>{L"A.png", L"b.png", L"c.PNG"}));
  EXPECT_EQ(names(search(L"Sub\\..\\n*")), (std::vector<std::wstring>{L"notes"}));
}

TEST_F(FileSearchTest, ADriveRootHasNoDotEntries) {
  std::vector<std::wstring> root = names(search(L"C:\\*"));
  ASSERT_FALSE(root.empty());
  EXPECT_NE(root[0], L".");
  EXPECT_NE(std::find(root.begin(), root.end(), L"Media"), root.end());
  EXPECT_NE(std::find(root.begin(), root.end(), L"Users"), root.end());
}

TEST_F(FileSearchTest, FailuresOfASearch) {
  WIN32_FIND_DATAW data{};
  EXPECT_EQ(FindFirstFileW(L"C:\\Media\\*.mp4", &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(FindFirstFileW(L"C:\\Nowhere\\*", &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(FindFirstFileW(L"C:\\Media\\notes\\*", &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(FindFirstFileW(L"C:\\Media\\", &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);

  HANDLE search = FindFirstFileW(L"C:\\Media\\A.png", &data);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(FindNextFileW(search, &data));
  EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
  EXPECT_TRUE(FindClose(search));
  EXPECT_FALSE(FindClose(search));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(FileSearchTest, ASearchListsWhatWasThereWhenItStarted) {
  WIN32_FIND_DATAW data{};
  HANDLE search = FindFirstFileW(L"C:\\Media\\*.png", &data);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  write_file(L"C:\\Media\\d.png", "x");
  int count = 1;
  while (FindNextFileW(search, &data))
    ++count;
  FindClose(search);
  EXPECT_EQ(count, 3);
}

}  // namespace
