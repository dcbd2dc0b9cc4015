#include <algorithm>

#include "src/util/compare_no_case.h"
#include "src/util/date_text.h"
#include "src/util/folder_listings.h"
#include "src/util/split_string.h"
#include "src/util/stopwatch.h"
#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

struct SplitCase {
  const wchar_t* text;
  const wchar_t* delimiters;
  std::vector<std::wstring> pieces;
};

TEST(SharedHelpersTest, SplitStringKeepsInnerEmptyPieces) {
  for (const SplitCase& c : {
           SplitCase{L"Orvenna 0.18.2", L" .", {L"Orvenna", L"0", L"18", L"2"}},
           SplitCase{L"a,,b", L",", {L"a", L"", L"b"}},
           SplitCase{L"a,", L",", {L"a"}},
           SplitCase{L",a", L",", {L"", L"a"}},
           SplitCase{L"", L",", {}},
           SplitCase{L"no delimiter", L",", {L"no delimiter"}},
       }) {
    std::vector<std::wstring> pieces{L"kept"};
    EXPECT_EQ(SplitString(c.text, c.delimiters, pieces), static_cast<int>(c.pieces.size())) << c.text;
    pieces.erase(pieces.begin());
    EXPECT_EQ(pieces, c.pieces) << c.text;
  }
}

TEST(SharedHelpersTest, CompareNoCaseFoldsOnlyLetters) {
  EXPECT_TRUE(CompareNoCase(L"apple", L"Banana"));
  EXPECT_FALSE(CompareNoCase(L"BANANA", L"apple"));
  EXPECT_FALSE(CompareNoCase(L"Vega", L"vEGA"));
  EXPECT_TRUE(CompareNoCase(L"Veg", L"vega"));
  EXPECT_TRUE(CompareNoCase(L"a_b", L"ab"));  // "_" sorts before the lower-case letters
  std::vector<std::wstring> names{L"mars", L"Earth", L"venus", L"Jupiter"};
  std::sort(names.begin(), names.end(), CompareNoCase);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Earth", L"Jupiter", L"mars", L"venus"}));
}

TEST(SharedHelpersTest, DateTextsSplitIntoThreePieces) {
  DateYMDParts parts;
  ASSERT_TRUE(ParseDateYMD(L"-00044/3/15", parts));
  EXPECT_EQ(parts.year, L"-00044");
  EXPECT_EQ(parts.month, L"3");
  EXPECT_EQ(parts.day, L"15");
  parts = {L"y", L"m", L"d"};
  EXPECT_FALSE(ParseDateYMD(L"2020/3", parts));
  EXPECT_FALSE(ParseDateYMD(L"today", parts));
  EXPECT_EQ(parts.year, L"y");
}

using SharedHelpersDesktopTest = DesktopTest;

TEST_F(SharedHelpersDesktopTest, TheLocalDateWithoutLeadingZeros) {
  // 2026-01-01 12:00 UTC; an hour before midnight UTC is already the next day in Rome.
  EXPECT_EQ(FormatDateYMD(1767268800), L"2026/1/1");
  EXPECT_EQ(FormatDateYMD(1772319600), L"2026/3/1");
  EXPECT_EQ(FormatDateYMD(0), L"1970/1/1");
}

TEST_F(SharedHelpersDesktopTest, MillisecondsOnTheSystemClock) {
  SYSTEMTIME start{};
  GetSystemTime(&start);
  machine.advance(1500);
  EXPECT_DOUBLE_EQ(MillisecondsSince(start), 1500.0);
  SYSTEMTIME later = start;
  later.wYear = static_cast<WORD>(later.wYear + 1);
  EXPECT_DOUBLE_EQ(MillisecondsSince(later), 0.0);
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> names) {
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(SharedHelpersDesktopTest, FolderListingsByKind) {
  const std::wstring folder = L"C:\\Media";
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW((folder + L"\\Slides").c_str(), nullptr);
  CreateDirectoryW((folder + L"\\old.png").c_str(), nullptr);
  for (const wchar_t* name :
       {L"sky.png", L"moon.JPG", L"nebula.jpeg", L"map.bmp", L"anim.gif", L"intro.mp4", L"flash.swf",
        L"typo.sfw", L"clip.flv", L"film.mov", L"music.mp3", L"voice.wav", L"show.ovs", L"notes.txt"})
    ASSERT_TRUE(write_file((folder + L"\\" + name).c_str(), "x"));

  EXPECT_EQ(Sorted(ListImageFiles(folder)),
            Sorted({L"sky.png", L"moon.JPG", L"nebula.jpeg", L"map.bmp", L"anim.gif"}));
  EXPECT_EQ(Sorted(ListVideoFiles(folder)), Sorted({L"intro.mp4", L"flash.swf", L"clip.flv", L"film.mov"}));
  EXPECT_EQ(Sorted(ListAudioFiles(folder)), Sorted({L"music.mp3", L"voice.wav"}));
  EXPECT_EQ(ListScriptFiles(folder), std::vector<std::wstring>{L"show.ovs"});
  EXPECT_EQ(ListFileTitles(folder, L"*.png"), std::vector<std::wstring>{L"sky"});
  EXPECT_EQ(Sorted(ListSubfolders(folder)), Sorted({L"Slides", L"old.png"}));
  EXPECT_TRUE(ListImageFiles(L"C:\\Nowhere").empty());
}

}  // namespace
