#include <cerrno>
#include <cstring>

#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

using CrtFilesTest = DesktopTest;

std::vector<std::string> lines_of(std::FILE* stream) {
  std::vector<std::string> lines;
  char line[128];
  while (std::fgets(line, sizeof line, stream) != nullptr)
    lines.emplace_back(line);
  return lines;
}

TEST_F(CrtFilesTest, TextModeWritesAndReadsWindowsLineEnds) {
  std::FILE* out = _wfopen(L"C:\\Users\\presenter\\notes.txt", L"w");
  ASSERT_NE(out, nullptr);
  std::fputs("first\nsecond\n", out);
  ASSERT_EQ(std::fclose(out), 0);
  EXPECT_EQ(read_file(L"C:\\Users\\presenter\\notes.txt"), "first\r\nsecond\r\n");

  std::FILE* text = _wfopen(L"c:\\users\\presenter\\NOTES.TXT", L"rt");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(lines_of(text), (std::vector<std::string>{"first\n", "second\n"}));
  EXPECT_TRUE(std::feof(text));
  std::fclose(text);

  std::FILE* binary = _wfopen(L"C:\\Users\\presenter\\notes.txt", L"rb");
  ASSERT_NE(binary, nullptr);
  EXPECT_EQ(lines_of(binary), (std::vector<std::string>{"first\r\n", "second\r\n"}));
  std::fclose(binary);
}

TEST_F(CrtFilesTest, OnlyACarriageReturnBeforeALineFeedGoes) {
  ASSERT_TRUE(write_file(L"C:\\cr.txt", "abc\r\r\nx\ry"));
  std::FILE* text = _wfopen(L"C:\\cr.txt", L"r");
  EXPECT_EQ(lines_of(text), (std::vector<std::string>{"abc\r\n", "x\ry"}));
  std::fclose(text);
  std::FILE* binary = _wfopen(L"C:\\cr.txt", L"rb");
  EXPECT_EQ(lines_of(binary), (std::vector<std::string>{"abc\r\r\n", "x\ry"}));
  std::fclose(binary);
}

TEST_F(CrtFilesTest, OpenModes) {
  ASSERT_TRUE(write_file(L"C:\\there.txt", "old"));
  struct Case {
    const wchar_t* path;
    const wchar_t* mode;
    int error;  // 0 when it opens
  };
  static constexpr Case kCases[] = {
      {L"C:\\missing.txt", L"r", ENOENT}, {L"C:\\Nowhere\\x.txt", L"w", ENOENT},
      {L"C:\\there.txt", L"r+b", 0},      {L"C:\\there.txt", L"wx", EEXIST},
      {L"C:\\new.txt", L"wx", 0},         {L"C:\\there.txt", L"rw", EINVAL},
      {L"C:\\there.txt", L"rbt", EINVAL}, {L"C:\\there.txt", L"", EINVAL},
      {L"C:\\there.txt", L"q", EINVAL},   {L"C:\\there.txt", L"r, ccs=UTF-8", EINVAL},
      {L"C:\\Windows", L"r", EACCES},
  };
  for (const Case& test : kCases) {
    errno = 0;
    std::FILE* stream = nullptr;
    errno_t result = _wfopen_s(&stream, test.path, test.mode);
    EXPECT_EQ(result, test.error) << test.path << " " << test.mode;
    EXPECT_EQ(stream != nullptr, test.error == 0) << test.path << " " << test.mode;
    if (stream != nullptr) std::fclose(stream);
  }
}

TEST_F(CrtFilesTest, AppendWritesAtTheEndAndPlusModesReadToo) {
  ASSERT_TRUE(write_file(L"C:\\log.txt", "one\r\n"));
  std::FILE* log = _wfopen(L"C:\\log.txt", L"a+");
  ASSERT_NE(log, nullptr);
  std::fseek(log, 0, SEEK_SET);
  char line[16] = {};
  ASSERT_NE(std::fgets(line, sizeof line, log), nullptr);
  EXPECT_STREQ(line, "one\n");
  std::fseek(log, 0, SEEK_SET);
  std::fputs("two\n", log);
  std::fclose(log);
  EXPECT_EQ(read_file(L"C:\\log.txt"), "one\r\ntwo\r\n");
}

TEST_F(CrtFilesTest, PositionsRoundTripInBothModes) {
  ASSERT_TRUE(write_file(L"C:\\lines.txt", "alpha\r\nbeta\r\ngamma\r\n"));
  for (const wchar_t* mode : {L"r", L"rb"}) {
    std::FILE* stream = _wfopen(L"C:\\lines.txt", mode);
    char line[16];
    std::fgets(line, sizeof line, stream);
    long after_first = std::ftell(stream);
    std::fgets(line, sizeof line, stream);
    std::string second = line;
    std::fgets(line, sizeof line, stream);
    ASSERT_EQ(std::fseek(stream, after_first, SEEK_SET), 0);
    std::fgets(line, sizeof line, stream);
    EXPECT_EQ(std::string(line), second) << mode;
    std::fseek(stream, 0, SEEK_END);
    EXPECT_EQ(std::ftell(stream), std::wstring(mode) == L"rb" ? 20 : 17);
    std::fclose(stream);
  }
}

TEST_F(CrtFilesTest, RemovingRenamingAndProbing) {
  ASSERT_TRUE(write_file(L"C:\\a.txt", "a"));
  ASSERT_TRUE(write_file(L"C:\\b.txt", "b"));
  EXPECT_EQ(_waccess(L"C:\\A.TXT", 0), 0);
  EXPECT_EQ(_waccess(L"C:\\a.txt", 6), 0);
  EXPECT_EQ(_waccess(L"C:\\Windows", 2), 0);
  EXPECT_EQ(_waccess(L"C:\\none.txt", 0), -1);
  EXPECT_EQ(errno, ENOENT);
  EXPECT_EQ(_wrename(L"C:\\a.txt", L"C:\\b.txt"), -1);
  EXPECT_EQ(errno, EACCES);
  EXPECT_EQ(_wrename(L"C:\\a.txt", L"C:\\c.txt"), 0);
  SetFileAttributesW(L"C:\\c.txt", FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(_waccess(L"C:\\c.txt", 2), -1);
  EXPECT_EQ(errno, EACCES);
  EXPECT_EQ(_wremove(L"C:\\c.txt"), -1);
  EXPECT_EQ(errno, EACCES);
  EXPECT_EQ(_wremove(L"C:\\none.txt"), -1);
  EXPECT_EQ(errno, ENOENT);
  EXPECT_EQ(_wremove(L"C:\\b.txt"), 0);
  EXPECT_EQ(_waccess(L"C:\\b.txt", 0), -1);
}

TEST_F(CrtFilesTest, StreamsMeetTheInjectedFailures) {
  CreateDirectoryW(L"C:\\Locked", nullptr);
  machine.drives().set_read_only(L"C:\\Locked", true);
  EXPECT_EQ(_wfopen(L"C:\\Locked\\x.txt", L"w"), nullptr);
  EXPECT_EQ(errno, EACCES);

  std::FILE* stream = _wfopen(L"C:\\full.bin", L"wb");
  ASSERT_NE(stream, nullptr);
  machine.drives().set_free_space(L'C', 4);
  std::fwrite("123456", 1, 6, stream);
  EXPECT_NE(std::fflush(stream), 0);
  EXPECT_EQ(errno, ENOSPC);
  EXPECT_TRUE(std::ferror(stream));
  std::fclose(stream);
}

TEST_F(CrtFilesTest, SharingFlagsOfAStream) {
  std::FILE* writer = _wfsopen(L"C:\\shared.txt", L"w", _SH_DENYWR);
  ASSERT_NE(writer, nullptr);
  EXPECT_EQ(_wfopen(L"C:\\shared.txt", L"a"), nullptr);
  EXPECT_EQ(errno, EACCES);
  std::FILE* reader = _wfsopen(L"C:\\shared.txt", L"r", _SH_DENYNO);
  EXPECT_NE(reader, nullptr);
  std::fclose(reader);
  std::fclose(writer);
}

TEST_F(CrtFilesTest, ADescriptorTakesOverAHandleAndSharesItsPosition) {
  HANDLE handle = CreateFileW(L"C:\\both.txt", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  int fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_TEXT);
  ASSERT_GE(fd, 3);
  EXPECT_EQ(_get_osfhandle(fd), reinterpret_cast<std::intptr_t>(handle));
  std::FILE* stream = _fdopen(fd, "r+");
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(_fileno(stream), fd);

  // Bytes written on the handle go through no stream, so "\n" stays one byte.
  DWORD written = 0;
  WriteFile(handle, "a\nb\r\n", 5, &written, nullptr);
  EXPECT_EQ(std::ftell(stream), 4);  // "\r\n" counts once in text mode
  std::rewind(stream);
  EXPECT_EQ(lines_of(stream), (std::vector<std::string>{"a\n", "b\n"}));

  std::fclose(stream);
  EXPECT_FALSE(CloseHandle(handle));  // closed with the stream
  EXPECT_EQ(_get_osfhandle(fd), -1);
  EXPECT_EQ(_close(fd), -1);
  EXPECT_EQ(errno, EBADF);
}

TEST_F(CrtFilesTest, AProcessThatEndsClosesItsStreams) {
  start_program(L"careless.exe", [] {
    std::FILE* stream = _wfopen(L"C:\\left-open.txt", L"w");
    std::fputs("unflushed", stream);
    return DWORD{0};
  });
  machine.run_until_idle();
  HANDLE alone = CreateFileW(L"C:\\left-open.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(alone, INVALID_HANDLE_VALUE);
  CloseHandle(alone);
  EXPECT_EQ(read_file(L"C:\\left-open.txt"), "unflushed");
}

}  // namespace
