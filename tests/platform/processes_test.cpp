#include "tests/platform/desktop_fixture.h"
#include "tests/platform/file_helpers.h"

namespace {

constexpr const wchar_t* kViewerPath = L"C:\\Program Files\\Sky Viewer\\viewer.exe";

// What the viewer saw of its start, for the tests to look at.
struct ViewerStart {
  std::wstring command_line;
  std::wstring module;
  std::wstring directory;
  std::wstring show;
};

LRESULT CALLBACK viewer_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(7);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A small windowed program: a window titled by its "--title=" argument and a message loop.
int viewer_main(const std::wstring& command_line, ViewerStart& start) {
  wchar_t buffer[MAX_PATH];
  start.command_line = GetCommandLineW();
  GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  start.module = buffer;
  GetCurrentDirectoryW(MAX_PATH, buffer);
  start.directory = buffer;
  DWORD length = GetEnvironmentVariableW(L"SHOW", buffer, MAX_PATH);
  start.show = std::wstring(buffer, length);

  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = viewer_procedure;
  window_class.lpszClassName = L"ViewerWindow";
  RegisterClassExW(&window_class);
  std::size_t at = command_line.find(L"--title=");
  std::wstring title = at == std::wstring::npos ? L"Viewer" : command_line.substr(at + 8);
  CreateWindowExW(0, L"ViewerWindow", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                  nullptr, nullptr, nullptr, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0)
    DispatchMessageW(&msg);
  return static_cast<int>(msg.wParam);
}

class ProcessesTest : public DesktopTest {
 protected:
  ProcessesTest() {
    machine.register_program(L"Viewer.exe",
                             [this](const std::wstring& line) { return viewer_main(line, start); });
    machine.install_program(kViewerPath);
  }

  BOOL launch(const wchar_t* application, const wchar_t* command_line, const wchar_t* directory = nullptr,
              DWORD flags = 0, LPVOID environment = nullptr) {
    std::wstring writable = command_line ? command_line : L"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    return CreateProcessW(application, command_line ? writable.data() : nullptr, nullptr, nullptr, FALSE,
                          flags, environment, directory, &startup, &information);
  }

  DWORD exit_code() {
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeProcess(information.hProcess, &code));
    return code;
  }

  ViewerStart start;
  PROCESS_INFORMATION information{};
};

TEST_F(ProcessesTest, AnInstalledProgramStartsShowsItsWindowAndEnds) {
  ASSERT_TRUE(launch(kViewerPath, L"viewer.exe --title=Sky", L"C:\\Program Files\\Sky Viewer",
                     CREATE_DEFAULT_ERROR_MODE | CREATE_NEW_PROCESS_GROUP | CREATE_NEW_CONSOLE));
  EXPECT_NE(information.dwProcessId, 0u);
  EXPECT_EQ(WaitForSingleObject(information.hProcess, 0), WAIT_TIMEOUT);
  EXPECT_EQ(WaitForInputIdle(information.hProcess, 5000), 0u);

  HWND window = FindWindowW(L"ViewerWindow", L"Sky");
  ASSERT_NE(window, nullptr);
  DWORD owner = 0;
  EXPECT_EQ(GetWindowThreadProcessId(window, &owner), information.dwThreadId);
  EXPECT_EQ(owner, information.dwProcessId);
  EXPECT_EQ(GetProcessId(information.hProcess), information.dwProcessId);
  EXPECT_EQ(exit_code(), STILL_ACTIVE);
  EXPECT_EQ(start.command_line, L"viewer.exe --title=Sky");
  EXPECT_EQ(start.module, kViewerPath);
  EXPECT_EQ(start.directory, L"C:\\Program Files\\Sky Viewer");

  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(information.hProcess, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(exit_code(), 7u);
  EXPECT_EQ(FindWindowW(L"ViewerWindow", nullptr), nullptr);
  EXPECT_TRUE(CloseHandle(information.hProcess));
  EXPECT_TRUE(CloseHandle(information.hThread));
}

TEST_F(ProcessesTest, AProgramInheritsItsParentsEnvironmentAndFolderUnlessGivenOthers) {
  SetEnvironmentVariableW(L"SHOW", L"Aurora");
  SetCurrentDirectoryW(L"C:\\Users");
  ASSERT_TRUE(launch(kViewerPath, nullptr));
  WaitForInputIdle(information.hProcess, 5000);
  EXPECT_EQ(start.show, L"Aurora");
  EXPECT_EQ(start.directory, L"C:\\Users");
  EXPECT_EQ(start.command_line, kViewerPath);
  TerminateProcess(information.hProcess, 0);

  const wchar_t block[] = L"SHOW=Eclipse\0OTHER=1\0";
  ASSERT_TRUE(
      launch(kViewerPath, nullptr, L"..\\Windows", CREATE_UNICODE_ENVIRONMENT, const_cast<wchar_t*>(block)));
  WaitForInputIdle(information.hProcess, 5000);
  EXPECT_EQ(start.show, L"Eclipse");
  EXPECT_EQ(start.directory, L"C:\\Windows");
  TerminateProcess(information.hProcess, 0);

  const char narrow[] = "SHOW=Transit\0";
  ASSERT_TRUE(launch(kViewerPath, nullptr, nullptr, 0, const_cast<char*>(narrow)));
  WaitForInputIdle(information.hProcess, 5000);
  EXPECT_EQ(start.show, L"Transit");
}

TEST_F(ProcessesTest, TheProgramOfACommandLineIsFoundAsWindowsFindsIt) {
  static constexpr const wchar_t* kCommandLines[] = {
      L"\"C:\\Program Files\\Sky Viewer\\viewer.exe\" --title=Quoted",
      L"C:\\Program Files\\Sky Viewer\\viewer.exe --title=Unquoted",
      L"  c:\\program files\\sky viewer\\VIEWER --title=NoExtension",
  };
  for (const wchar_t* line : kCommandLines) {
    ASSERT_TRUE(launch(nullptr, line)) << line;
    WaitForInputIdle(information.hProcess, 5000);
    EXPECT_EQ(start.command_line, line);
    EXPECT_EQ(start.module, kViewerPath);
    TerminateProcess(information.hProcess, 0);
  }
  // A bare name is looked for in the current folder and on the PATH.
  SetCurrentDirectoryW(L"C:\\Program Files\\Sky Viewer");
  EXPECT_TRUE(launch(nullptr, L"viewer --title=Here"));
  TerminateProcess(information.hProcess, 0);
  SetCurrentDirectoryW(L"C:\\");
  EXPECT_FALSE(launch(nullptr, L"viewer --title=Here"));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  SetEnvironmentVariableW(L"PATH", L"C:\\Windows;C:\\Program Files\\Sky Viewer");
  EXPECT_TRUE(launch(nullptr, L"viewer.exe"));
}

TEST_F(ProcessesTest, FailedStartsSayWhy) {
  ASSERT_TRUE(write_file(L"C:\\Program Files\\Sky Viewer\\readme.txt", "hello"));
  machine.install_program(L"C:\\Tools\\unknown.exe");
  struct Case {
    const wchar_t* application;
    const wchar_t* directory;
    DWORD error;
  };
  static constexpr Case kCases[] = {
      {L"C:\\Program Files\\Sky Viewer\\missing.exe", nullptr, ERROR_FILE_NOT_FOUND},
      {L"C:\\Program Files\\Nowhere\\viewer.exe", nullptr, ERROR_PATH_NOT_FOUND},
      {L"C:\\Program Files\\Sky Viewer\\readme.txt", nullptr, ERROR_BAD_EXE_FORMAT},
      {L"C:\\Tools\\unknown.exe", nullptr, ERROR_BAD_EXE_FORMAT},
      {L"C:\\Program Files\\Sky Viewer", nullptr, ERROR_ACCESS_DENIED},
      {kViewerPath, L"C:\\No Such Folder", ERROR_DIRECTORY},
      {kViewerPath, L"C:\\Program Files\\Sky Viewer\\readme.txt", ERROR_DIRECTORY},
      {L"viewer.exe", nullptr, ERROR_FILE_NOT_FOUND},  // an application name is not searched for
  };
  for (const Case& test : kCases) {
    EXPECT_FALSE(launch(test.application, L"x", test.directory)) << test.application;
    EXPECT_EQ(GetLastError(), test.error) << test.application;
  }
}

TEST_F(ProcessesTest, WaitingForInputIdleWaitsForTheFirstLookAtAnEmptyQueue) {
  machine.register_program(L"slow.exe", [](const std::wstring&) {
    Sleep(2000);
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
    Sleep(INFINITE);
    return 0;
  });
  machine.register_program(L"quick.exe", [](const std::wstring&) { return 3; });
  machine.install_program(L"C:\\Tools\\slow.exe");
  machine.install_program(L"C:\\Tools\\quick.exe");

  ASSERT_TRUE(launch(L"C:\\Tools\\slow.exe", nullptr));
  DWORD started = GetTickCount();
  EXPECT_EQ(WaitForInputIdle(information.hProcess, 1000), WAIT_TIMEOUT);
  EXPECT_EQ(GetTickCount() - started, 1000u);
  EXPECT_EQ(WaitForInputIdle(information.hProcess, 5000), 0u);
  EXPECT_EQ(GetTickCount() - started, 2000u);
  EXPECT_EQ(WaitForInputIdle(information.hProcess, 0), 0u);  // and it stays idle
  TerminateProcess(information.hProcess, 0);

  ASSERT_TRUE(launch(L"C:\\Tools\\quick.exe", nullptr));
  EXPECT_EQ(WaitForInputIdle(information.hProcess, 5000), WAIT_FAILED);
  EXPECT_EQ(exit_code(), 3u);
  EXPECT_EQ(WaitForInputIdle(reinterpret_cast<HANDLE>(0x1234), 10), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(ProcessesTest, TerminatingAProcessEndsAllItsThreadsWithTheCode) {
  ASSERT_TRUE(launch(kViewerPath, L"viewer --title=Doomed"));
  WaitForInputIdle(information.hProcess, 5000);
  ASSERT_NE(FindWindowW(L"ViewerWindow", L"Doomed"), nullptr);
  EXPECT_TRUE(TerminateProcess(information.hProcess, 42));
  EXPECT_EQ(WaitForSingleObject(information.hProcess, 1000), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(information.hThread, 0), WAIT_OBJECT_0);
  EXPECT_EQ(exit_code(), 42u);
  DWORD thread_code = 0;
  GetExitCodeThread(information.hThread, &thread_code);
  EXPECT_EQ(thread_code, 42u);
  EXPECT_EQ(FindWindowW(L"ViewerWindow", L"Doomed"), nullptr);
  EXPECT_FALSE(TerminateProcess(information.hProcess, 1));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_EQ(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, information.dwProcessId), nullptr);
}

TEST_F(ProcessesTest, ExitProcessFromAnyThreadEndsTheProgram) {
  machine.register_program(L"quitter.exe", [](const std::wstring&) {
    CreateThread(
        nullptr, 0,
        [](LPVOID) -> DWORD {
          Sleep(500);
          ExitProcess(9);
        },
        nullptr, 0, nullptr);
    Sleep(INFINITE);
    return 0;
  });
  machine.install_program(L"C:\\Tools\\quitter.exe");
  ASSERT_TRUE(launch(L"C:\\Tools\\quitter.exe", nullptr));
  HANDLE opened = OpenProcess(SYNCHRONIZE, FALSE, information.dwProcessId);
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(WaitForSingleObject(opened, 400), WAIT_TIMEOUT);
  EXPECT_EQ(WaitForSingleObject(opened, 1000), WAIT_OBJECT_0);
  EXPECT_EQ(exit_code(), 9u);
}

TEST_F(ProcessesTest, ASuspendedProgramRunsOnceResumed) {
  ASSERT_TRUE(launch(kViewerPath, L"viewer --title=Later", nullptr, CREATE_SUSPENDED));
  machine.advance(1000);
  EXPECT_EQ(FindWindowW(L"ViewerWindow", L"Later"), nullptr);
  EXPECT_EQ(ResumeThread(information.hThread), 1u);
  EXPECT_EQ(WaitForInputIdle(information.hProcess, 5000), 0u);
  EXPECT_NE(FindWindowW(L"ViewerWindow", L"Later"), nullptr);
}

TEST_F(ProcessesTest, TheDesktopStartsProgramsFromOutsideToo) {
  desktop::LaunchRequest request;
  request.path = L"c:\\PROGRAM FILES\\sky viewer\\viewer.exe";
  request.command_line = L"viewer.exe --title=Shell";
  desktop::Launch launched = machine.launch_program(request);
  ASSERT_EQ(launched.error, ERROR_SUCCESS);
  machine.run_until_idle();
  EXPECT_EQ(launched.process->image_name, L"viewer.exe");
  EXPECT_EQ(start.directory, L"C:\\Program Files\\Sky Viewer");  // the program's own folder
  EXPECT_NE(FindWindowW(L"ViewerWindow", L"Shell"), nullptr);
}

}  // namespace
