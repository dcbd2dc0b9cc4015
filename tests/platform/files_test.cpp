#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

constexpr const wchar_t* kUserFolder = L"C:\\Users\\presenter\\AppData\\Roaming\\Orvenna";

class FilesTest : public DesktopTest {
 protected:
  FilesTest() { CreateDirectoryW(kUserFolder, nullptr); }

  static HANDLE open(const wchar_t* path, DWORD access, DWORD share, DWORD disposition) {
    return CreateFileW(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
};

TEST_F(FilesTest, WritesReadsMovesThePointerAndCutsTheFile) {
  HANDLE file = open(L"C:\\data.bin", GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD count = 0;
  ASSERT_TRUE(WriteFile(file, "0123456789", 10, &count, nullptr));
  EXPECT_EQ(count, 10u);
  EXPECT_EQ(GetFileSize(file, nullptr), 10u);

  EXPECT_EQ(SetFilePointer(file, -4, nullptr, FILE_END), 6u);
  char buffer[16] = {};
  ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &count, nullptr));
  EXPECT_EQ(std::string(buffer, count), "6789");
  ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &count, nullptr));
  EXPECT_EQ(count, 0u);  // at the end a read succeeds with nothing

  EXPECT_EQ(SetFilePointer(file, 3, nullptr, FILE_BEGIN), 3u);
  ASSERT_TRUE(SetEndOfFile(file));
  LARGE_INTEGER size{};
  ASSERT_TRUE(GetFileSizeEx(file, &size));
  EXPECT_EQ(size.QuadPart, 3);

  // Past the end the file grows, with zeros between.
  LONG high = 0;
  EXPECT_EQ(SetFilePointer(file, 5, &high, FILE_CURRENT), 8u);
  WriteFile(file, "!", 1, &count, nullptr);
  EXPECT_EQ(SetFilePointer(file, -1, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
  EXPECT_TRUE(FlushFileBuffers(file));
  CloseHandle(file);
  EXPECT_EQ(read_file(L"C:\\data.bin"), std::string("012\0\0\0\0\0!", 9));
}

TEST_F(FilesTest, CreationDispositionsOnAMissingAndAnExistingFile) {
  struct Case {
    DWORD disposition;
    bool exists;
    bool opens;
    DWORD error;
    const char* content_after;
  };
  static constexpr Case kCases[] = {
      {CREATE_NEW, false, true, ERROR_SUCCESS, ""},
      {CREATE_NEW, true, false, ERROR_FILE_EXISTS, "old"},
      {CREATE_ALWAYS, false, true, ERROR_SUCCESS, ""},
      {CREATE_ALWAYS, true, true, ERROR_ALREADY_EXISTS, ""},
      {OPEN_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
      {OPEN_EXISTING, true, true, ERROR_SUCCESS, "old"},
      {OPEN_ALWAYS, false, true, ERROR_SUCCESS, ""},
      {OPEN_ALWAYS, true, true, ERROR_ALREADY_EXISTS, "old"},
      {TRUNCATE_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
      {TRUNCATE_EXISTING, true, true, ERROR_SUCCESS, ""},
  };
  for (const Case& test : kCases) {
    DeleteFileW(L"C:\\case.txt");
    if (test.exists) {
      ASSERT_TRUE(write_file(L"C:\\case.txt", "old"));
    }
    SetLastError(12345);
    HANDLE file = open(L"C:\\case.txt", GENERIC_READ | GENERIC_WRITE, 0, test.disposition);
    EXPECT_EQ(file != INVALID_HANDLE_VALUE, test.opens) << test.disposition << " " << test.exists;
    EXPECT_EQ(GetLastError(), test.error) << test.disposition << " " << test.exists;
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    EXPECT_EQ(PathFileExistsW(L"C:\\case.txt"), test.content_after != nullptr);
    if (test.content_after != nullptr) {
      EXPECT_EQ(read_file(L"C:\\case.txt"), test.content_after);
    }
  }
}

TEST_F(FilesTest, PathsThatLeadNowhere) {
  ASSERT_TRUE(write_file(L"C:\\plain.txt", "x"));
  struct Case {
    const wchar_t* path;
    DWORD error;
  };
  static constexpr Case kCases[] = {
      {L"C:\\Missing\\file.txt", ERROR_PATH_NOT_FOUND},
      {L"C:\\plain.txt\\inside.txt", ERROR_PATH_NOT_FOUND},
      {L"C:\\Windows", ERROR_ACCESS_DENIED},
      {L"C:\\what?.txt", ERROR_INVALID_NAME},
      {L"C:\\a<b.txt", ERROR_INVALID_NAME},
      {L"C:\\plain.txt\\", ERROR_INVALID_NAME},
      {L"\\\\server\\share\\x.txt", ERROR_BAD_NETPATH},
  };
  for (const Case& test : kCases) {
    EXPECT_EQ(open(test.path, GENERIC_WRITE, 0, OPEN_ALWAYS), INVALID_HANDLE_VALUE) << test.path;
    EXPECT_EQ(GetLastError(), test.error) << test.path;
  }
}

TEST_F(FilesTest, HandlesKeepTheirAccess) {
  ASSERT_TRUE(write_file(L"C:\\log.txt", "abc"));
  HANDLE reader = open(L"C:\\log.txt", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  DWORD count = 0;
  EXPECT_FALSE(WriteFile(reader, "x", 1, &count, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(SetEndOfFile(reader));
  EXPECT_TRUE(CloseHandle(reader));
  EXPECT_FALSE(ReadFile(reader, &count, 1, &count, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);

  // Append-only access writes at the end wherever the pointer is.
  HANDLE appender = open(L"C:\\log.txt", FILE_APPEND_DATA, FILE_SHARE_READ, OPEN_EXISTING);
  SetFilePointer(appender, 0, nullptr, FILE_BEGIN);
  WriteFile(appender, "def", 3, &count, nullptr);
  CloseHandle(appender);
  EXPECT_EQ(read_file(L"C:\\log.txt"), "abcdef");
}

TEST_F(FilesTest, SharingModesOfOpenFilesAreHonoured) {
  ASSERT_TRUE(write_file(L"C:\\shared.txt", "data"));
  HANDLE writer = open(L"C:\\shared.txt", GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);

  // A reader must share writing with the open writer; a second writer is refused.
  HANDLE polite = open(L"C:\\shared.txt", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  EXPECT_NE(polite, INVALID_HANDLE_VALUE);
  EXPECT_EQ(open(L"C:\\shared.txt", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
  EXPECT_EQ(open(L"C:\\shared.txt", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
  EXPECT_FALSE(DeleteFileW(L"C:\\shared.txt"));
  EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);

  CloseHandle(writer);
  CloseHandle(polite);
  EXPECT_TRUE(DeleteFileW(L"C:\\shared.txt"));
}

TEST_F(FilesTest, ReadOnlyAttributeRefusesWritesAndDeletion) {
  ASSERT_TRUE(write_file(L"C:\\locked.txt", "keep"));
  ASSERT_TRUE(SetFileAttributesW(L"C:\\locked.txt", FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(GetFileAttributesW(L"C:\\LOCKED.TXT"), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(open(L"C:\\locked.txt", GENERIC_WRITE, 0, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_EQ(open(L"C:\\locked.txt", GENERIC_READ, 0, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(DeleteFileW(L"C:\\locked.txt"));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_EQ(read_file(L"C:\\locked.txt"), "keep");

  ASSERT_TRUE(SetFileAttributesW(L"C:\\locked.txt", FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(GetFileAttributesW(L"C:\\locked.txt"), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_TRUE(DeleteFileW(L"C:\\locked.txt"));
  EXPECT_EQ(GetFileAttributesW(L"C:\\locked.txt"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(GetFileAttributesW(L"C:\\Nowhere\\locked.txt"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST_F(FilesTest, ReadOnlyFolderRefusesEveryChangeInsideIt) {
  std::wstring config = std::wstring(kUserFolder) + L"\\config.ini";
  std::wstring nested = std::wstring(kUserFolder) + L"\\scripts";
  ASSERT_TRUE(write_file(config.c_str(), "[main]"));
  ASSERT_TRUE(CreateDirectoryW(nested.c_str(), nullptr));
  machine.drives().set_read_only(L"c:/users/presenter/appdata/roaming/orvenna", true);

  EXPECT_EQ(read_file(config.c_str()), "[main]");
  EXPECT_FALSE(write_file(config.c_str(), "changed"));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(write_file((std::wstring(kUserFolder) + L"\\new.ovs").c_str(), "x"));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(write_file((nested + L"\\deep.ovs").c_str(), "x"));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(DeleteFileW(config.c_str()));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(CreateDirectoryW((std::wstring(kUserFolder) + L"\\more").c_str(), nullptr));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(MoveFileW(config.c_str(), L"C:\\config.ini"));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(RemoveDirectoryW(nested.c_str()));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_TRUE(write_file(L"C:\\Users\\presenter\\AppData\\Roaming\\beside.txt", "x"));

  machine.drives().set_read_only(kUserFolder, false);
  EXPECT_TRUE(write_file(config.c_str(), "changed"));
}

TEST_F(FilesTest, AFullDriveRefusesWritesPastItsRoom) {
  HANDLE file = open(L"C:\\big.bin", GENERIC_WRITE, 0, CREATE_NEW);
  machine.drives().set_free_space(L'C', 10);
  DWORD count = 0;
  EXPECT_TRUE(WriteFile(file, "12345678", 8, &count, nullptr));
  EXPECT_FALSE(WriteFile(file, "12345678", 8, &count, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
  EXPECT_EQ(count, 0u);
  EXPECT_TRUE(WriteFile(file, "12", 2, &count, nullptr));
  CloseHandle(file);
  EXPECT_FALSE(CopyFileW(L"C:\\big.bin", L"C:\\copy.bin", TRUE));
  EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);

  machine.drives().set_free_space(L'C', std::nullopt);
  EXPECT_TRUE(CopyFileW(L"C:\\big.bin", L"C:\\copy.bin", TRUE));
  EXPECT_EQ(read_file(L"C:\\copy.bin"), "1234567812");
}

TEST_F(FilesTest, MovingAndCopying) {
  ASSERT_TRUE(write_file(L"C:\\a.txt", "first"));
  ASSERT_TRUE(write_file(L"C:\\b.txt", "second"));
  EXPECT_FALSE(MoveFileW(L"C:\\a.txt", L"C:\\B.TXT"));
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_FALSE(MoveFileW(L"C:\\none.txt", L"C:\\c.txt"));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(MoveFileW(L"C:\\a.txt", L"C:\\No\\c.txt"));
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  ASSERT_TRUE(MoveFileExW(L"C:\\a.txt", L"C:\\b.txt", MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(read_file(L"C:\\b.txt"), "first");
  EXPECT_FALSE(PathFileExistsW(L"C:\\a.txt"));

  // Only the case changes, which Windows allows on the same file.
  ASSERT_TRUE(MoveFileW(L"C:\\b.txt", L"C:\\B.Txt"));
  EXPECT_TRUE(std::filesystem::exists(machine.data_folder() / "C" / "B.Txt"));
  EXPECT_FALSE(std::filesystem::exists(machine.data_folder() / "C" / "b.txt"));

  ASSERT_TRUE(write_file(L"C:\\c.txt", "third"));
  EXPECT_FALSE(CopyFileW(L"C:\\B.Txt", L"C:\\c.txt", TRUE));
  EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
  EXPECT_TRUE(CopyFileW(L"C:\\B.Txt", L"C:\\c.txt", FALSE));
  EXPECT_EQ(read_file(L"C:\\c.txt"), "first");
  EXPECT_FALSE(CopyFileW(L"C:\\B.Txt", L"C:\\b.txt", FALSE));
  EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);

  ASSERT_TRUE(CreateDirectoryW(L"C:\\Folder", nullptr));
  EXPECT_TRUE(MoveFileW(L"C:\\c.txt", L"C:\\folder\\moved.txt"));
  EXPECT_EQ(read_file(L"C:\\Folder\\moved.txt"), "first");
}

TEST_F(FilesTest, FoldersAreMadeAndRemovedOnlyWhenEmpty) {
  EXPECT_TRUE(CreateDirectoryW(L"C:\\Shows\\", nullptr));
  EXPECT_FALSE(CreateDirectoryW(L"C:\\SHOWS", nullptr));
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_FALSE(CreateDirectoryW(L"C:\\Missing\\Shows", nullptr));
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  ASSERT_TRUE(write_file(L"C:\\Shows\\one.ovs", "x"));
  EXPECT_FALSE(RemoveDirectoryW(L"C:\\Shows"));
  EXPECT_EQ(GetLastError(), ERROR_DIR_NOT_EMPTY);
  EXPECT_FALSE(RemoveDirectoryW(L"C:\\Shows\\one.ovs"));
  EXPECT_EQ(GetLastError(), ERROR_DIRECTORY);
  EXPECT_FALSE(DeleteFileW(L"C:\\Shows"));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_TRUE(DeleteFileW(L"C:\\Shows\\one.ovs"));
  EXPECT_TRUE(RemoveDirectoryW(L"c:\\shows"));
  EXPECT_EQ(GetFileAttributesW(L"C:\\Shows"), INVALID_FILE_ATTRIBUTES);
}

ULONGLONG ticks_of(const FILETIME& time) {
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

TEST_F(FilesTest, FileTimesFollowTheDesktopClock) {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  ASSERT_TRUE(write_file(L"C:\\early.txt", "x"));
  machine.advance(60'000);
  ASSERT_TRUE(write_file(L"C:\\late.txt", "x"));

  WIN32_FILE_ATTRIBUTE_DATA early{}, late{};
  ASSERT_TRUE(GetFileAttributesExW(L"C:\\early.txt", GetFileExInfoStandard, &early));
  ASSERT_TRUE(GetFileAttributesExW(L"C:\\late.txt", GetFileExInfoStandard, &late));
  EXPECT_EQ(ticks_of(early.ftLastWriteTime), ticks_of(now));
  EXPECT_EQ(ticks_of(late.ftLastWriteTime) - ticks_of(early.ftLastWriteTime), 60'000ull * 10'000);
  EXPECT_EQ(late.nFileSizeLow, 1u);

  // A copy keeps its original's time of last write.
  machine.advance(5000);
  ASSERT_TRUE(CopyFileW(L"C:\\early.txt", L"C:\\copy.txt", TRUE));
  HANDLE copy = open(L"C:\\copy.txt", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  FILETIME written{};
  ASSERT_TRUE(GetFileTime(copy, nullptr, nullptr, &written));
  CloseHandle(copy);
  EXPECT_EQ(ticks_of(written), ticks_of(early.ftLastWriteTime));
}

}  // namespace
