#include "tests/platform/desktop_fixture.h"

namespace {

int WINAPI answer(int base) {
  return base + 42;
}

class ModulesTest : public DesktopTest {
 protected:
  ModulesTest() { machine.register_export(L"user32.dll", "AnswerOf", &answer); }
};

TEST_F(ModulesTest, AProgramKnowsItsOwnFileAndModule) {
  machine.register_program(L"console.exe", [](const std::wstring&) {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    EXPECT_EQ(std::wstring(path, length), L"C:\\Program Files\\Console\\console.exe");
    EXPECT_EQ(GetModuleFileNameW(GetModuleHandleW(nullptr), path, MAX_PATH), length);
    EXPECT_EQ(GetModuleHandleW(L"CONSOLE.EXE"), GetModuleHandleW(nullptr));
    EXPECT_EQ(GetModuleHandleW(L"console"), GetModuleHandleW(nullptr));

    // A short buffer gets the start of the path, ended by a zero, and its whole size back.
    wchar_t short_buffer[8];
    EXPECT_EQ(GetModuleFileNameW(nullptr, short_buffer, 8), 8u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(std::wstring(short_buffer), L"C:\\Prog");
    return 0;
  });
  machine.install_program(L"C:\\Program Files\\Console\\console.exe");
  desktop::LaunchRequest request;
  request.path = L"C:\\Program Files\\Console\\console.exe";
  ASSERT_EQ(machine.launch_program(request).error, ERROR_SUCCESS);
  machine.run_until_idle();
}

TEST_F(ModulesTest, SystemDllsExportWhatWasRegistered) {
  HMODULE user32 = LoadLibraryW(L"user32.dll");
  ASSERT_NE(user32, nullptr);
  EXPECT_EQ(LoadLibraryW(L"USER32"), user32);
  EXPECT_EQ(LoadLibraryW(L"C:\\Windows\\System32\\User32.dll"), user32);
  EXPECT_EQ(GetModuleHandleW(L"user32.dll"), user32);
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(user32, path, MAX_PATH);
  EXPECT_EQ(std::wstring(path), L"C:\\Windows\\System32\\user32.dll");

  using AnswerFunction = int(WINAPI*)(int);
  auto found = reinterpret_cast<AnswerFunction>(GetProcAddress(user32, "AnswerOf"));
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found(1), 43);
  EXPECT_EQ(GetProcAddress(user32, "answerof"), nullptr);  // export names keep their case
  EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
  EXPECT_EQ(GetProcAddress(user32, reinterpret_cast<LPCSTR>(std::uintptr_t{5})), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
  EXPECT_NE(LoadLibraryW(L"kernel32.dll"), nullptr);
  EXPECT_EQ(GetProcAddress(LoadLibraryW(L"kernel32.dll"), "AnswerOf"), nullptr);
  EXPECT_TRUE(FreeLibrary(user32));
}

TEST_F(ModulesTest, UnknownDllsAreNotFound) {
  EXPECT_EQ(LoadLibraryW(L"nothere.dll"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
  EXPECT_EQ(LoadLibraryW(L"C:\\Elsewhere\\user32.dll"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
  EXPECT_EQ(GetModuleHandleW(L"nothere.dll"), nullptr);
  EXPECT_EQ(GetProcAddress(reinterpret_cast<HMODULE>(0x1000), "AnswerOf"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
  EXPECT_FALSE(FreeLibrary(reinterpret_cast<HMODULE>(0x1000)));
}

}  // namespace
