#include "src/util/stdio_file_ex.h"

#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

class StdioFileExTest : public DesktopTest {
 protected:
  StdioFileExTest() { CreateDirectoryW(L"C:\\Shows", nullptr); }
  static constexpr const wchar_t* Path = L"C:\\Shows\\text.txt";

  std::vector<std::wstring> ReadLines(UINT flags, int codePage) {
    CStdioFileEx file;
    file.codePage = codePage;
    EXPECT_TRUE(file.Open(Path, flags));
    std::vector<std::wstring> lines;
    for (std::wstring line; file.ReadString(line);)
      lines.push_back(line);
    return lines;
  }

  std::string Written(UINT flags, int codePage, const std::vector<const wchar_t*>& pieces) {
    {
      CStdioFileEx file;
      file.codePage = codePage;
      EXPECT_TRUE(file.Open(Path, flags));
      for (const wchar_t* piece : pieces)
        file.WriteString(piece);
    }
    return read_file(Path);
  }
};

// The script writers' flags: create, write, share-deny-none, text.
constexpr UINT ScriptFlags = 0x5041;
constexpr UINT ReadText = CFile::modeRead | CFile::typeText;

struct ReadCase {
  std::string bytes;
  UINT flags;
  int codePage;
  std::vector<std::wstring> lines;
};

TEST_F(StdioFileExTest, ReadsUtf16AndCodePages) {
  const std::string utf16 =
      std::string("\xFF\xFE", 2) + std::string("M\0-\0\r\0\n\0\x3C\xD8\x0C\xDF\n\0z\0", 16);
  for (const ReadCase& c : {
           ReadCase{utf16, ReadText, Utf8CodePage, {L"M-", L"\U0001F30C", L"z"}},
           ReadCase{
               "\xEF\xBB\xBFVega\r\nD\xC3\xA9neb\n", ReadText, Utf8CodePage, {L"\uFEFFVega", L"D\u00E9neb"}},
           ReadCase{"D\xE9neb\r\n", ReadText, 1252, {L"D\u00E9neb"}},
           ReadCase{"D\xE9neb\r\n", ReadText, SystemCodePage, {L"D\u00E9neb"}},
           ReadCase{"abc\r\r\n", CFile::modeRead | CFile::typeBinary, 1252, {L"abc\r"}},
           ReadCase{"abc\r\r\n", ReadText, 1252, {L"abc"}},
           ReadCase{"\n\nx", ReadText, 1252, {L"", L"", L"x"}},
       }) {
    ASSERT_TRUE(write_file(Path, c.bytes));
    EXPECT_EQ(ReadLines(c.flags, c.codePage), c.lines) << c.bytes;
  }
}

TEST_F(StdioFileExTest, LongLinesComeInPieces) {
  ASSERT_TRUE(write_file(Path, std::string(5000, 'a') + "\r\nb"));
  std::vector<std::wstring> lines = ReadLines(ReadText, Utf8CodePage);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], std::wstring(4095, L'a'));
  EXPECT_EQ(lines[1], std::wstring(905, L'a'));
  EXPECT_EQ(lines[2], L"b");
}

struct WriteCase {
  UINT flags;
  int codePage;
  std::vector<const wchar_t*> pieces;
  std::string bytes;
};

TEST_F(StdioFileExTest, WritesBytesStraightToTheFile) {
  constexpr UINT WriteUnicode = ScriptFlags | CStdioFileEx::modeWriteUnicode;
  for (const WriteCase& c : {
           WriteCase{ScriptFlags, 1252, {L"\u00E9"}, "\xE9"},
           WriteCase{ScriptFlags, Utf8CodePage, {L"\u00E9"}, "\xC3\xA9"},
           WriteCase{ScriptFlags, 1252, {L"\u4E2D!"}, "#!"},
           WriteCase{
               ScriptFlags, Utf8CodePage, {L"core.wait(1);\r", L"\n", L"\r\n"}, "core.wait(1);\r\n\r\n"},
           WriteCase{ScriptFlags, Utf8CodePage, {L"", L"\U0001F30C"}, "\xF0\x9F\x8C\x8C"},
           WriteCase{WriteUnicode,
                     Utf8CodePage,
                     {L"A\n", L"\u00E9"},
                     std::string("\xFF\xFE"
                                 "A\0\n\0\xE9\0",
                                 8)},
       }) {
    EXPECT_EQ(Written(c.flags, c.codePage, c.pieces), c.bytes) << c.pieces.size();
  }
}

TEST_F(StdioFileExTest, UnicodeAndCodePageFilesRoundTrip) {
  const std::vector<const wchar_t*> lines{L"Orvenna\r\n", L"\u00C9toile polaire\r\n",
                                          L"\u5317\u6597\u4E03\r\n"};
  const std::vector<std::wstring> expected{L"Orvenna", L"\u00C9toile polaire", L"\u5317\u6597\u4E03"};
  Written(ScriptFlags | CStdioFileEx::modeWriteUnicode, Utf8CodePage, lines);
  HANDLE holder = CreateFileW(Path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_TRUE(IsFileUnicode(Path));
  CloseHandle(holder);
  EXPECT_EQ(ReadLines(ReadText, 1252), expected);
  Written(ScriptFlags, Utf8CodePage, lines);
  EXPECT_FALSE(IsFileUnicode(Path));
  EXPECT_EQ(ReadLines(ReadText, Utf8CodePage), expected);
  Written(ScriptFlags, 1252, {lines[0], lines[1]});
  EXPECT_EQ(ReadLines(ReadText, 1252), std::vector<std::wstring>(expected.begin(), expected.begin() + 2));
  EXPECT_FALSE(IsFileUnicode(L"C:\\Shows\\missing.txt"));
}

TEST_F(StdioFileExTest, OpeningAtOnceThrowsWhenTheFileIsMissing) {
  try {
    CStdioFileEx file(L"C:\\Missing\\loader.ovs", 0x1001);
    ADD_FAILURE() << "opened";
  } catch (CFileException* error) {
    EXPECT_EQ(error->m_cause, CFileException::badPath);
    error->Delete();
  }
  CStdioFileEx file(Path, 0x1001);
  EXPECT_EQ(file.codePage, SystemCodePage);
  file.WriteString(L"x\u00E9");
  file.Close();
  EXPECT_EQ(read_file(Path), "x\xE9");
}

}  // namespace
