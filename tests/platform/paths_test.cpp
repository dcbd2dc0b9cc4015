#include "platform/desktop/windows_path.h"
#include "tests/platform/desktop_fixture.h"

namespace {

struct FullPathCase {
  const wchar_t* path;
  const wchar_t* current_directory;
  const wchar_t* full;  // null when the path is refused
  DWORD error;
};

constexpr FullPathCase kFullPaths[] = {
    {L"C:\\Users\\presenter", L"C:\\", L"C:\\Users\\presenter", ERROR_SUCCESS},
    {L"c:/Users//presenter/", L"C:\\", L"C:\\Users\\presenter\\", ERROR_SUCCESS},
    {L"C:\\\\Users\\\\presenter\\\\AppData", L"C:\\", L"C:\\Users\\presenter\\AppData", ERROR_SUCCESS},
    {L"C:\\a\\.\\b\\..\\c", L"C:\\", L"C:\\a\\c", ERROR_SUCCESS},
    {L"C:\\..\\..\\a", L"C:\\", L"C:\\a", ERROR_SUCCESS},
    {L"C:\\a\\..", L"C:\\", L"C:\\", ERROR_SUCCESS},
    {L"notes.txt", L"C:\\Work", L"C:\\Work\\notes.txt", ERROR_SUCCESS},
    {L"..\\x", L"C:\\Work\\Sub", L"C:\\Work\\x", ERROR_SUCCESS},
    {L".", L"C:\\Work", L"C:\\Work", ERROR_SUCCESS},
    {L"\\Windows", L"D:\\Data", L"D:\\Windows", ERROR_SUCCESS},
    {L"C:rel", L"C:\\Work", L"C:\\Work\\rel", ERROR_SUCCESS},
    {L"D:rel", L"C:\\Work", L"D:\\rel", ERROR_SUCCESS},
    {L"c:", L"C:\\Work", L"C:\\Work", ERROR_SUCCESS},
    {L"C:\\a\\name.", L"C:\\", L"C:\\a\\name", ERROR_SUCCESS},
    {L"C:\\a\\name. . ", L"C:\\", L"C:\\a\\name", ERROR_SUCCESS},
    {L"C:\\a.\\b", L"C:\\", L"C:\\a\\b", ERROR_SUCCESS},
    {L"C:\\a\\...\\b", L"C:\\", L"C:\\a\\...\\b", ERROR_SUCCESS},
    {L"\\\\?\\C:\\a", L"C:\\", L"C:\\a", ERROR_SUCCESS},
    {L"\\\\server\\share\\x", L"C:\\", nullptr, ERROR_BAD_NETPATH},
    {L"", L"C:\\", nullptr, ERROR_PATH_NOT_FOUND},
};

TEST(FullWindowsPathTest, FoldsAndResolvesAsWindowsDoes) {
  for (const FullPathCase& test : kFullPaths) {
    desktop::FullPath full = desktop::full_windows_path(test.path, test.current_directory);
    EXPECT_EQ(full.error, test.error) << test.path;
    if (test.full != nullptr) {
      EXPECT_EQ(full.path, test.full) << test.path;
    }
  }
}

using PathsTest = DesktopTest;

HANDLE create(const wchar_t* path, DWORD disposition = CREATE_NEW) {
  return CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

TEST_F(PathsTest, GetFullPathNameReportsTheSizeItNeedsAndTheFilePart) {
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\Users"));
  wchar_t buffer[64];
  LPWSTR file_part = nullptr;
  DWORD length = GetFullPathNameW(L"presenter\\..\\Public\\notes.txt", 64, buffer, &file_part);
  EXPECT_EQ(std::wstring(buffer), L"C:\\Users\\Public\\notes.txt");
  EXPECT_EQ(length, 25u);
  EXPECT_EQ(std::wstring(file_part), L"notes.txt");
  EXPECT_EQ(GetFullPathNameW(L"notes.txt", 5, buffer, nullptr), 19u);  // "C:\Users\notes.txt" and its zero
  GetFullPathNameW(L"C:\\Users\\", 64, buffer, &file_part);
  EXPECT_EQ(file_part, nullptr);
}

TEST_F(PathsTest, CurrentDirectoryIsPerProcessAndMustBeAFolder) {
  wchar_t buffer[MAX_PATH];
  ASSERT_TRUE(SetCurrentDirectoryW(L"c:/users/PRESENTER/"));
  GetCurrentDirectoryW(MAX_PATH, buffer);
  EXPECT_EQ(std::wstring(buffer), L"C:\\users\\PRESENTER");  // kept as given, as Windows does
  EXPECT_EQ(GetCurrentDirectoryW(3, buffer), 19u);
  ASSERT_TRUE(SetCurrentDirectoryW(L"AppData"));
  GetCurrentDirectoryW(MAX_PATH, buffer);
  EXPECT_EQ(std::wstring(buffer), L"C:\\users\\PRESENTER\\AppData");

  EXPECT_FALSE(SetCurrentDirectoryW(L"Missing"));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  HANDLE file = create(L"plain.txt");
  CloseHandle(file);
  EXPECT_FALSE(SetCurrentDirectoryW(L"plain.txt"));
  EXPECT_EQ(GetLastError(), ERROR_DIRECTORY);

  std::wstring seen;
  start_program(L"other.exe", [&] {
    wchar_t other[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, other);
    seen = other;
    return DWORD{0};
  });
  machine.run_until_idle();
  EXPECT_EQ(seen, L"C:\\");
}

TEST_F(PathsTest, NamesAreFoundWhateverTheirCaseAndKeepTheCaseTheyWereMadeWith) {
  ASSERT_TRUE(CreateDirectoryW(L"C:\\Shows", nullptr));
  HANDLE file = create(L"C:\\SHOWS\\Opening Night.OVS");
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);

  EXPECT_TRUE(std::filesystem::exists(machine.data_folder() / "C" / "Shows" / "Opening Night.OVS"));
  HANDLE again = CreateFileW(L"c:\\shows\\opening night.ovs", GENERIC_READ, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(again, INVALID_HANDLE_VALUE);
  CloseHandle(again);
  EXPECT_EQ(create(L"C:\\shows\\OPENING NIGHT.ovs"), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);

  desktop::HostPath at = machine.drives().locate(L"C:\\SHOWS\\OPENING NIGHT.OVS");
  EXPECT_EQ(at.windows, L"C:\\Shows\\Opening Night.OVS");
  EXPECT_EQ(machine.drives().windows_path_of(at.host), L"C:\\Shows\\Opening Night.OVS");
}

TEST_F(PathsTest, OtherDrivesExistOnlyWhenAdded) {
  EXPECT_EQ(create(L"D:\\data.txt"), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  machine.drives().add_drive(L'd', machine.data_folder() / "D");
  HANDLE file = create(L"d:\\data.txt");
  EXPECT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  EXPECT_TRUE(std::filesystem::exists(machine.data_folder() / "D" / "data.txt"));
}

TEST_F(PathsTest, TemporaryFilesGoToTheUsersTempFolder) {
  wchar_t buffer[MAX_PATH];
  DWORD length = GetTempPathW(MAX_PATH, buffer);
  EXPECT_EQ(std::wstring(buffer), L"C:\\Users\\presenter\\AppData\\Local\\Temp\\");
  EXPECT_EQ(length, 38u);
  EXPECT_EQ(GetFileAttributesW(buffer), FILE_ATTRIBUTE_DIRECTORY);
  SetEnvironmentVariableW(L"TMP", L"C:\\Scratch");
  GetTempPathW(MAX_PATH, buffer);
  EXPECT_EQ(std::wstring(buffer), L"C:\\Scratch\\");
}

TEST_F(PathsTest, PathFileExistsSeesFilesAndFolders) {
  EXPECT_TRUE(PathFileExistsW(L"C:\\Windows"));
  EXPECT_TRUE(PathFileExistsW(L"c:\\program files"));
  EXPECT_FALSE(PathFileExistsW(L"C:\\Program Files\\Orvenna\\orvenna.exe"));
  machine.install_program(L"C:\\Program Files\\Orvenna\\orvenna.exe");
  EXPECT_TRUE(PathFileExistsW(L"C:\\Program Files\\Orvenna\\orvenna.exe"));
}

}  // namespace
