#include "tests/link/link_fixture.h"

#include "peers/orvenna/install/installer.h"
#include "platform/win/win32.h"
#include "src/settings/planetarium_config.h"
#include "src/util/user_folder.h"
#include "tests/platform/file_helpers.h"

namespace {

desktop::DesktopConfig MachineOf(const LinkMachine& setup) {
  desktop::DesktopConfig config;
  config.monitors.clear();
  for (const RECT& rect : setup.monitors)
    config.monitors.push_back(desktop::MonitorConfig{rect});
  config.start_shell = true;
  return config;
}

orvenna::InstallSettings WithoutPictures(orvenna::InstallSettings settings) {
  settings.pictures = false;
  return settings;
}

LRESULT CALLBACK ConsoleProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

LinkTest::LinkTest(const LinkMachine& setup)
    : machine(MachineOf(setup)), install(WithoutPictures(setup.install)) {
  machine.attach(L"orvenna-console.exe");
  probe = orvenna::register_orvenna_program(machine, setup.program);
  EXPECT_TRUE(orvenna::install_orvenna(machine, install));
  // The console's start-up binds Orvenna's script keys before Orvenna starts.
  RewritePlanetariumConfig();
  machine.run_until_idle();

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = ConsoleProcedure;
  windowClass.lpszClassName = L"OrvennaConsole";
  RegisterClassExW(&windowClass);
  const RECT& last = setup.monitors.back();
  console = CreateWindowExW(0, L"OrvennaConsole", L"Orvenna Console", WS_POPUP | WS_VISIBLE, last.right - 968,
                            last.bottom - 621, 964, 573, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(console);
  link = std::make_unique<LinkHost>(console);
}

LinkTest::~LinkTest() {
  link.reset();
  machine.detach();
}

std::vector<UINT_PTR> LinkTest::PumpTimers(desktop::Tick ms) {
  std::vector<UINT_PTR> fired;
  const UINT_PTR endTimer = SetTimer(nullptr, 0, static_cast<UINT>(ms), nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0)) {
    if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == endTimer) break;
    if (msg.message == WM_TIMER && msg.hwnd == console) {
      fired.push_back(msg.wParam);
      KillTimer(console, msg.wParam);
    }
    DispatchMessageW(&msg);
  }
  KillTimer(nullptr, endTimer);
  return fired;
}

void LinkTest::StartPlanetariumByHand() {
  std::wstring commandLine = L"orvenna.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  const std::wstring exe = orvenna::install_folder_of(install) + L"orvenna.exe";
  ASSERT_TRUE(CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &started));
  ASSERT_EQ(WaitForInputIdle(started.hProcess, 5000), 0u);
  CloseHandle(started.hProcess);
  CloseHandle(started.hThread);
}

RECT LinkTest::PlanetariumRect() const {
  RECT rect{};
  GetWindowRect(probe->windows().main, &rect);
  return rect;
}

std::string LinkTest::UserFile(const wchar_t* name) const {
  return read_file(PlanetariumUserFile(name).c_str());
}

bool LinkTest::UserFileExists(const wchar_t* name) const {
  return GetFileAttributesW(PlanetariumUserFile(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}
