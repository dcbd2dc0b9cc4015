// Two small programs of the desktop: a launcher starts a writer with CreateProcessW, finds its
// window, brings it to the front and types into it with SendInput, as the console does with
// the planetarium.
#include "tests/platform/desktop_fixture.h"

namespace {

constexpr const wchar_t* kWriterPath = L"C:\\Program Files\\Writer\\writer.exe";
constexpr const wchar_t* kLauncherPath = L"C:\\Program Files\\Launcher\\launcher.exe";

LRESULT CALLBACK writer_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR) {
    wchar_t title[64];
    GetWindowTextW(hwnd, title, 64);
    std::wstring typed = std::wstring(title) + static_cast<wchar_t>(wParam);
    SetWindowTextW(hwnd, typed.c_str());
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Shows what it is typed as its title.
int writer_main(const std::wstring&) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = writer_procedure;
  window_class.lpszClassName = L"Writer";
  RegisterClassExW(&window_class);
  CreateWindowExW(0, L"Writer", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr,
                  nullptr, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

void type_scan_code(WORD scan) {
  INPUT records[2]{};
  for (INPUT& record : records) {
    record.type = INPUT_KEYBOARD;
    record.ki.wScan = scan;
    record.ki.dwFlags = KEYEVENTF_SCANCODE;
  }
  records[1].ki.dwFlags |= KEYEVENTF_KEYUP;
  SendInput(2, records, sizeof(INPUT));
}

int launcher_main(const std::wstring&) {
  std::wstring command_line = L"\"" + std::wstring(kWriterPath) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started))
    return 1;
  if (WaitForInputIdle(started.hProcess, 5000) != 0) return 2;
  HWND writer = FindWindowW(L"Writer", L"");
  if (writer == nullptr) return 3;
  SetForegroundWindow(writer);
  Sleep(50);
  for (WORD scan : {0x23, 0x17})
    type_scan_code(scan);  // 'h', 'i' on a US layout
  Sleep(100);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return 0;
}

TEST(ExampleProgramsTest, ALauncherStartsAWriterAndTypesIntoIt) {
  desktop::Desktop machine;
  machine.register_program(L"writer.exe", writer_main);
  machine.register_program(L"launcher.exe", launcher_main);
  machine.install_program(kWriterPath);
  machine.install_program(kLauncherPath);
  machine.attach(L"harness.exe");

  desktop::LaunchRequest request;
  request.path = kLauncherPath;
  desktop::Launch launch = machine.launch_program(request);
  ASSERT_EQ(launch.error, 0u);
  machine.advance(1000);

  EXPECT_TRUE(launch.process->object->signalled);
  EXPECT_EQ(launch.process->object->exit_code, 0u);
  HWND writer = FindWindowW(L"Writer", nullptr);
  ASSERT_NE(writer, nullptr);
  wchar_t title[16];
  GetWindowTextW(writer, title, 16);
  EXPECT_STREQ(title, L"hi");
  EXPECT_EQ(GetForegroundWindow(), writer);
  machine.detach();
}

}  // namespace

namespace {

using RunTimeLookupTest = DesktopTest;

TEST_F(RunTimeLookupTest, UserLibraryExportsWhatTheConsoleLooksUp) {
  HMODULE user32 = LoadLibraryW(L"user32.dll");
  ASSERT_NE(user32, nullptr);
  for (const char* name : {"SwitchToThisWindow", "RegisterTouchWindow"})
    EXPECT_NE(GetProcAddress(user32, name), nullptr) << name;
  using SwitchTo = void(WINAPI*)(HWND, BOOL);
  auto switch_to = reinterpret_cast<SwitchTo>(GetProcAddress(user32, "SwitchToThisWindow"));
  MessageLog::register_class(L"Looked");
  HWND back = create_logged_window(L"Looked", L"back", WS_POPUP | WS_VISIBLE);
  create_logged_window(L"Looked", L"front", WS_POPUP | WS_VISIBLE);
  switch_to(back, TRUE);
  EXPECT_EQ(GetForegroundWindow(), back);
}

TEST_F(RunTimeLookupTest, AnOlderSystemLacksARemovedFunction) {
  machine.libraries().remove_export(L"user32.dll", "RegisterTouchWindow");
  HMODULE user32 = LoadLibraryW(L"user32.dll");
  ASSERT_NE(user32, nullptr);
  EXPECT_EQ(GetProcAddress(user32, "RegisterTouchWindow"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
  EXPECT_NE(GetProcAddress(user32, "SwitchToThisWindow"), nullptr);
}

}  // namespace
