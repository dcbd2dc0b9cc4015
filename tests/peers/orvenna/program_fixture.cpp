#include "tests/peers/orvenna/program_fixture.h"

#include "tests/platform/file_helpers.h"

namespace {

desktop::DesktopConfig two_monitors() {
  desktop::DesktopConfig config;
  config.monitors = {desktop::MonitorConfig{{0, 0, 1920, 1080}},
                     desktop::MonitorConfig{{1920, 0, 3840, 1080}}};
  return config;
}

LRESULT CALLBACK console_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

constexpr const char* kLoaderHead =
    "// Name: !Orvenna-Console\n// Note one.\n// Note two.\n"
    "// Description: It's used by Orvenna-Console program. It must be the first script of the list. "
    "Please, don't remove or change its position!  DO NOT RUN FROM WITHIN ORVENNA!";

}  // namespace

OrvennaProgramTest::OrvennaProgramTest() : machine(two_monitors()) {
  machine.attach(L"console.exe");
}

void OrvennaProgramTest::TearDown() {
  machine.end_other_threads();
}

OrvennaProgramTest::~OrvennaProgramTest() {
  if (process != nullptr) CloseHandle(process);
  machine.detach();
}

void OrvennaProgramTest::start(orvenna::ProgramSettings settings, const std::string& config) {
  probe = orvenna::register_orvenna_program(machine, std::move(settings));
  ASSERT_EQ(machine.install_program(kProgramPath), 0u);
  ASSERT_TRUE(CreateDirectoryW(L"C:\\Users\\presenter\\AppData\\Roaming\\Orvenna", nullptr) ||
              GetLastError() == ERROR_ALREADY_EXISTS);
  if (!config.empty()) {
    ASSERT_TRUE(write_file((std::wstring(kUserFolder) + L"\\config.ini").c_str(), config));
  }
  std::wstring command_line = L"orvenna.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessW(kProgramPath, command_line.data(), nullptr, nullptr, FALSE, 0x04000210, nullptr,
                             L"C:\\Program Files\\Orvenna", &startup, &started));
  CloseHandle(started.hThread);
  process = started.hProcess;
  ASSERT_EQ(WaitForInputIdle(process, 5000), 0u);
  main = probe->windows().main;
  render = probe->windows().render;
  view = render != nullptr ? render : main;
  ASSERT_NE(main, nullptr);
}

void OrvennaProgramTest::quit() {
  PostMessageW(main, WM_QUIT, 0, 0);
  machine.run_until_idle();
  CloseHandle(process);
  process = nullptr;
}

orvenna::SkyState OrvennaProgramTest::state() const {
  std::optional<orvenna::SkyState> published = probe->state();
  return published ? *published : orvenna::SkyState{};
}

bool OrvennaProgramTest::running() const {
  return WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
}

DWORD OrvennaProgramTest::exit_code() const {
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  return code;
}

HWND OrvennaProgramTest::console_window() {
  if (console != nullptr) return console;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = console_procedure;
  window_class.lpszClassName = L"Console";
  RegisterClassExW(&window_class);
  console = CreateWindowExW(0, L"Console", L"Orvenna Console", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 2000, 100,
                            964, 573, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(console);
  machine.run_until_idle();
  return console;
}

void OrvennaProgramTest::send_posted_key_burst() {
  const std::pair<UINT, std::pair<WPARAM, LPARAM>> burst[] = {
      {WM_ACTIVATEAPP, {1, 0}},
      {WM_NCACTIVATE, {1, 0}},
      {WM_ACTIVATE, {2, 0}},
      {WM_SETCURSOR, {0x00030C48, 0x02000001}},
      {WM_PARENTNOTIFY, {0xC9, 0x00010001}},
      {WM_IME_SETCONTEXT, {1, static_cast<LPARAM>(0xC000000F)}},
      {WM_IME_NOTIFY, {2, 0}},
      {WM_SETFOCUS, {0, 0}},
  };
  for (const auto& [message, parameters] : burst)
    SendMessageW(view, message, parameters.first, parameters.second);
}

void OrvennaProgramTest::activate_view() {
  SetActiveWindow(view);
  SetForegroundWindow(view);
  SetFocus(view);
  SendMessageW(view, WM_IME_SETCONTEXT, 1, static_cast<LPARAM>(0xC000000F));
  SendMessageW(view, WM_IME_NOTIFY, 2, 0);
  SendMessageW(view, WM_SETFOCUS, 0, 0);
  SendMessageW(view, WM_SETCURSOR, 0x00790BD6, 0x02000001);
  SendMessageW(view, WM_IME_SETCONTEXT, 0, static_cast<LPARAM>(0xC000000F));
  SendMessageW(view, WM_SETFOCUS, 0, 0);
  machine.advance(10);
}

void OrvennaProgramTest::post_message(UINT message, WPARAM wParam, LPARAM lParam) {
  PostMessageW(view, message, wParam, lParam);
  machine.advance(1);
}

void OrvennaProgramTest::inject_record(BYTE vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = KEYEVENTF_SCANCODE | (up ? KEYEVENTF_KEYUP : 0);
  SendInput(1, &input, sizeof(INPUT));
}

void OrvennaProgramTest::inject_key(SHORT key_word) {
  const BYTE modifiers = static_cast<BYTE>(key_word >> 8);
  const BYTE modifier_keys[] = {VK_LSHIFT, VK_CONTROL, VK_MENU};
  for (int i = 0; i < 3; ++i)
    if (modifiers & (1 << i)) inject_record(modifier_keys[i], false);
  inject_record(static_cast<BYTE>(key_word & 0xFF), false);
  inject_record(static_cast<BYTE>(key_word & 0xFF), true);
  for (int i = 0; i < 3; ++i)
    if (modifiers & (1 << i)) inject_record(modifier_keys[i], true);
  machine.advance(1);
}

void OrvennaProgramTest::inject_character(wchar_t character) {
  const HKL layout = GetKeyboardLayout(GetWindowThreadProcessId(main, nullptr));
  inject_key(VkKeyScanExW(character, layout));
}

void OrvennaProgramTest::run_script_as_console(const std::string& name, const std::string& text) {
  const std::wstring loader = std::wstring(kUserFolder) + L"\\orvenna-console.ovs";
  const std::string path = user_file(name);
  ASSERT_TRUE(
      write_file(loader.c_str(), std::string(kLoaderHead) + "\r\n\r\ninclude(\"" + path + "\");\r\n"));
  const std::wstring wide_path = std::wstring(kUserFolder) + L"\\" + std::wstring(name.begin(), name.end());
  ASSERT_TRUE(write_file(wide_path.c_str(), text));
  machine.advance(320);
  activate_view();
  machine.advance(110);
  inject_character(L'1');
  machine.advance(200);
  ASSERT_TRUE(write_file(loader.c_str(), std::string(kLoaderHead) + "\r\n\r\ninclude(\"##########\");\n"));
  ASSERT_TRUE(DeleteFileW(wide_path.c_str()));
}
