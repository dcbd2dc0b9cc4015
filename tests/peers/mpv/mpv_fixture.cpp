#include "tests/peers/mpv/mpv_fixture.h"

#include "peers/mpv/mpv_program.h"

namespace {

struct Search {
  HWND found = nullptr;
};

BOOL CALLBACK find_mpv(HWND hwnd, LPARAM data) {
  wchar_t title[8]{};
  GetWindowTextW(hwnd, title, 8);
  if (std::wstring(title).rfind(L"mpv", 0) != 0) return TRUE;
  reinterpret_cast<Search*>(data)->found = hwnd;
  return FALSE;
}

desktop::DesktopConfig two_monitors() {
  desktop::DesktopConfig config;
  config.monitors.push_back({RECT{1920, 0, 3840, 1080}});
  return config;
}

}  // namespace

MpvTest::MpvTest() : machine(two_monitors()) {
  machine.attach(L"console.exe");
  probe = mpv::register_mpv_program(machine);
  EXPECT_EQ(mpv::install_mpv(machine, kProgramFolder), 0u);
}

MpvTest::Started MpvTest::start_mpv(const std::wstring& arguments) {
  const std::wstring program = std::wstring(kProgramFolder) + L"mpv.exe";
  std::wstring command_line = L"mpv.exe " + arguments;
  STARTUPINFOW startup{};
  startup.cb = 68;
  PROCESS_INFORMATION started{};
  Started result;
  if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE,
                      CREATE_NEW_CONSOLE | CREATE_NEW_PROCESS_GROUP | CREATE_DEFAULT_ERROR_MODE, nullptr,
                      kProgramFolder, &startup, &started)) {
    ADD_FAILURE() << "mpv.exe did not start: " << GetLastError();
    return result;
  }
  CloseHandle(started.hThread);
  result.process = started.hProcess;
  if (WaitForInputIdle(started.hProcess, 5000) == 0) {
    Search search;
    EnumWindows(find_mpv, reinterpret_cast<LPARAM>(&search));
    result.window = search.found;
  }
  return result;
}

void MpvTest::press(wchar_t character) {
  const SHORT scan = VkKeyScanExW(character, GetKeyboardLayout(0));
  const bool shift = (HIBYTE(scan) & 1) != 0;
  if (shift) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = VK_SHIFT;
    SendInput(1, &down, sizeof(INPUT));
  }
  press_key(LOBYTE(scan));
  if (shift) {
    INPUT up{};
    up.type = INPUT_KEYBOARD;
    up.ki.wVk = VK_SHIFT;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &up, sizeof(INPUT));
  }
}

void MpvTest::press_key(BYTE vk) {
  INPUT keys[2]{};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = vk;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
  machine.run_until_idle();
}

std::optional<DWORD> MpvTest::exit_code(HANDLE process) {
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  if (code == STILL_ACTIVE) return std::nullopt;
  return code;
}

double MpvTest::mpv_level() {
  const audio::StreamRecord* stream = machine.audio().last_stream_of(L"mpv.exe");
  return stream ? machine.audio().level_of(*stream).rms : -1;
}
