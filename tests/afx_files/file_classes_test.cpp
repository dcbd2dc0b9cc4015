#include <gtest/gtest.h>

#include <set>

#include "platform/afx/file.h"
#include "platform/afx/file_find.h"
#include "platform/afx/stdio_file.h"
#include "platform/afx/win_app.h"
#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

class FileClassesTest : public DesktopTest {
 protected:
  FileClassesTest() { CreateDirectoryW(Folder, nullptr); }
  static constexpr const wchar_t* Folder = L"C:\\Shows";
  static std::wstring PathOf(const wchar_t* name) { return std::wstring(Folder) + L"\\" + name; }
};

// The cause a throwing call raised, or -1 when it did not throw.
template <typename Call>
int CauseThrownBy(Call call) {
  try {
    call();
  } catch (CFileException* error) {
    int cause = error->m_cause;
    error->Delete();
    return cause;
  }
  return -1;
}

struct OpenCase {
  const wchar_t* name;
  UINT flags;
  bool opens;
  int cause;
};

TEST_F(FileClassesTest, OpenReportsTheCauseAndTheFullPath) {
  ASSERT_TRUE(write_file(PathOf(L"there.txt").c_str(), "x"));
  CFile holder;
  ASSERT_TRUE(
      holder.Open(PathOf(L"held.txt").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive));
  for (const OpenCase& c : {
           OpenCase{L"there.txt", CFile::modeRead, true, CFileException::none},
           OpenCase{L"absent.txt", CFile::modeRead, false, CFileException::fileNotFound},
           OpenCase{L"absent.txt", CFile::modeCreate | CFile::modeWrite, true, CFileException::none},
           OpenCase{L"no folder\\a.txt", CFile::modeCreate | CFile::modeWrite, false,
                    CFileException::badPath},
           OpenCase{L"held.txt", CFile::modeRead | CFile::shareDenyNone, false,
                    CFileException::sharingViolation},
       }) {
    CFile file;
    CFileException error;
    EXPECT_EQ(file.Open(PathOf(c.name).c_str(), c.flags, &error) != FALSE, c.opens) << c.name;
    EXPECT_EQ(error.m_cause, c.cause) << c.name;
    EXPECT_EQ(file.GetFilePath(), PathOf(c.name)) << c.name;
  }
  CFileException named(CFileException::fileNotFound, 2, L"C:\\Shows\\absent.txt");
  EXPECT_EQ(named.ErrorMessage(), L"C:\\Shows\\absent.txt was not found.");
  EXPECT_EQ(CauseThrownBy([&] { CFile(PathOf(L"missing.txt").c_str(), CFile::modeRead); }),
            CFileException::fileNotFound);
}

TEST_F(FileClassesTest, ReadsWritesSeeksAndAFullDisk) {
  CFile file(PathOf(L"data.bin").c_str(), CFile::modeCreate | CFile::modeReadWrite);
  file.Write("planetarium", 11);
  EXPECT_EQ(file.GetLength(), 11u);
  EXPECT_EQ(file.Seek(6, CFile::begin), 6u);
  char read[8] = {};
  EXPECT_EQ(file.Read(read, sizeof read), 5u);
  EXPECT_EQ(std::string(read, 5), "arium");
  file.SetLength(6);
  EXPECT_EQ(file.SeekToEnd(), 6u);

  machine.drives().set_free_space(L'C', 3);
  EXPECT_EQ(CauseThrownBy([&] { file.Write("sky", 4); }), CFileException::diskFull);
  machine.drives().set_free_space(L'C', std::nullopt);
  file.Close();
  EXPECT_EQ(file.m_hFile, CFile::hFileNull);
}

TEST_F(FileClassesTest, TextStreamsReadLinesUpToCtrlZ) {
  ASSERT_TRUE(write_file(PathOf(L"lines.txt").c_str(), "ab\r\ncaf\xE9\r\r\n\nlast\x1Ahidden\r\n"));
  CStdioFile text(PathOf(L"lines.txt").c_str(), CFile::modeRead | CFile::typeText);
  std::vector<std::wstring> lines;
  for (std::wstring line; text.ReadString(line);)
    lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"ab", L"caf\u00E9\r", L"", L"last"}));
  text.Close();

  CStdioFile binary(PathOf(L"lines.txt").c_str(), CFile::modeRead | CFile::typeBinary);
  char all[64] = {};
  EXPECT_EQ(binary.Read(all, sizeof all), 25u);  // Ctrl-Z ends only text
}

TEST_F(FileClassesTest, TextStreamsWriteOneBytePerCharacter) {
  {
    CStdioFile text(PathOf(L"out.txt").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    text.WriteString(L"a\nb\u00E9\u4E2D");
    text.Close();
  }
  EXPECT_EQ(read_file(PathOf(L"out.txt").c_str()), "a\r\nb\xE9?");
  {
    CStdioFile binary(PathOf(L"wide.txt").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
    binary.WriteString(L"\u00E9\n\U0001F30C");
  }
  EXPECT_EQ(read_file(PathOf(L"wide.txt").c_str()), std::string("\xE9\0\n\0\x3C\xD8\x0C\xDF", 8));
  CStdioFile back(PathOf(L"wide.txt").c_str(), CFile::modeRead | CFile::typeBinary);
  std::wstring line;
  EXPECT_TRUE(back.ReadString(line));
  EXPECT_EQ(line, L"\u00E9");
  EXPECT_TRUE(back.ReadString(line));
  EXPECT_EQ(line, L"\U0001F30C");
  EXPECT_FALSE(back.ReadString(line));
}

TEST_F(FileClassesTest, FindingFilesStepsOneAhead) {
  CreateDirectoryW(PathOf(L"Landscapes").c_str(), nullptr);
  ASSERT_TRUE(write_file(PathOf(L"sky.png").c_str(), "12345"));
  ASSERT_TRUE(write_file(PathOf(L"notes.txt").c_str(), ""));
  CFileFind find;
  ASSERT_TRUE(find.FindFile(PathOf(L"*").c_str()));
  std::set<std::wstring> files;
  std::set<std::wstring> folders;
  bool more = true;
  while (more) {
    more = find.FindNextFile();
    if (find.IsDots()) continue;
    (find.IsDirectory() ? folders : files).insert(find.GetFileName());
    if (find.GetFileName() == L"sky.png") {
      EXPECT_EQ(find.GetFilePath(), PathOf(L"sky.png"));
      EXPECT_EQ(find.GetFileTitle(), L"sky");
      EXPECT_EQ(find.GetLength(), 5u);
    }
  }
  EXPECT_EQ(files, (std::set<std::wstring>{L"sky.png", L"notes.txt"}));
  EXPECT_EQ(folders, (std::set<std::wstring>{L"Landscapes"}));
  EXPECT_FALSE(find.FindFile(PathOf(L"*.mov").c_str()));
}

class ReportingApp : public CWinApp {
 public:
  int DoMessageBox(LPCWSTR prompt, UINT type, UINT) override {
    shown = prompt;
    shownType = type;
    return IDOK;
  }
  std::wstring shown;
  UINT shownType = 0;
};

TEST_F(FileClassesTest, AnErrorIsReportedInAMessageBoxNamingTheFile) {
  std::wstring shown;
  UINT type = 0;
  start_program(L"console.exe", [&] {
    ReportingApp app;
    try {
      CStdioFile file(L"C:\\Shows\\Missing\\loader.ovs", CFile::modeCreate | CFile::modeWrite);
    } catch (CFileException* error) {
      error->ReportError(MB_ICONEXCLAMATION);
      error->Delete();
    }
    shown = app.shown;
    type = app.shownType;
    return DWORD{0};
  });
  machine.run_until_idle();
  EXPECT_EQ(shown, L"C:\\Shows\\Missing\\loader.ovs contains an invalid path.");
  EXPECT_EQ(type, MB_ICONEXCLAMATION);
}

}  // namespace
