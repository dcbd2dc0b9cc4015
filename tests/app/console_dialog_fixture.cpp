#include "tests/app/console_dialog_fixture.h"

#include "peers/orvenna/install/installer.h"
#include "platform/afx/message_map_entries.h"
#include "platform/afx/win_app.h"
#include "res/console_resources.h"
#include "src/app/orvenna_console_app.h"
#include "src/settings/planetarium_config.h"

namespace {

constexpr UINT Click = 0x00F5;

// The main dialog's template is the console's own resource; this one holds the status line alone.
constexpr DialogItemTemplate BareMainItems[] = {
    {L"Edit", COrvennaConsoleDlg::StatusLineId, L"", 10, 640, 600, 14, WS_CHILD | WS_VISIBLE | WS_DISABLED,
     0},
};
constexpr DialogResource BareMainDialog[] = {
    {COrvennaConsoleDlg::IDD,
     {WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 0, 0, 1300, 664, L"", L"MS Sans Serif", 8, BareMainItems, 1}},
};

const ResourceTable& TestResources() {
  static const ResourceTable table = [] {
    ResourceTable resources = console_resources();
    resources.dialogs = BareMainDialog;
    resources.dialog_count = 1;
    return resources;
  }();
  return table;
}

desktop::DesktopConfig MachineOn(const std::vector<RECT>& monitors) {
  desktop::DesktopConfig config;
  config.monitors.clear();
  for (const RECT& rect : monitors)
    config.monitors.push_back(desktop::MonitorConfig{rect});
  config.start_shell = true;
  return config;
}

}  // namespace

BEGIN_MESSAGE_MAP(TestConsoleDlg, COrvennaConsoleDlg)
ON_MESSAGE(TestConsoleDlg::RunStepMessage, &TestConsoleDlg::OnRunStep)
ON_WM_TIMER()
END_MESSAGE_MAP()

LRESULT TestConsoleDlg::OnRunStep(WPARAM, LPARAM) {
  if (step) step(*this);
  return 0;
}

void TestConsoleDlg::OnTimer(UINT_PTR id) {
  firedTimers.push_back(id);
  COrvennaConsoleDlg::OnTimer(id);
  // What the dialog does not dispatch yet fires once here.
  if (!IsDispatchedTimer(id)) KillTimer(id);
}

ConsoleDialogTest::ConsoleDialogTest(std::vector<RECT> monitors, orvenna::ProgramSettings program)
    : machine(MachineOn(monitors)) {
  machine.attach(L"harness.exe");
  probe = orvenna::register_orvenna_program(machine, std::move(program));
  orvenna::InstallSettings install;
  install.pictures = false;
  EXPECT_TRUE(orvenna::install_orvenna(machine, install));
  RewritePlanetariumConfig();
  machine.run_until_idle();
}

ConsoleDialogTest::~ConsoleDialogTest() {
  machine.detach();
}

void ConsoleDialogTest::StartDialog(std::function<void(TestConsoleDlg&)> prepare) {
  console = &machine.create_process(L"orvenna-console.exe");
  machine.start_thread(*console, [this, prepare] {
    SetModuleResources(&TestResources());
    CWinAppEx app(L"Orvenna Console");
    TestConsoleDlg main;
    dialog = &main;
    if (prepare) prepare(main);
    app.m_pMainWnd = &main;
    const INT_PTR result = main.DoModal();
    app.m_pMainWnd = nullptr;
    dialog = nullptr;
    return static_cast<DWORD>(result);
  });
  machine.run_until_idle();
}

void ConsoleDialogTest::StartApplication() {
  console = &machine.create_process(L"orvenna-console.exe");
  machine.start_thread(*console, [] {
    COrvennaConsoleApp app;
    SetModuleResources(&TestResources());
    return static_cast<DWORD>(AfxWinMain(L""));
  });
  machine.run_until_idle();
}

void ConsoleDialogTest::Run(std::function<void(TestConsoleDlg&)> step) {
  ASSERT_NE(dialog, nullptr);
  dialog->step = std::move(step);
  PostMessageW(dialog->GetSafeHwnd(), TestConsoleDlg::RunStepMessage, 0, 0);
  machine.run_until_idle();
}

void ConsoleDialogTest::LaunchPlanetarium() {
  std::wstring commandLine = L"orvenna.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessW(L"C:\\Program Files\\Orvenna\\orvenna.exe", commandLine.data(), nullptr, nullptr,
                             FALSE, 0, nullptr, nullptr, &startup, &started));
  ASSERT_EQ(WaitForInputIdle(started.hProcess, 5000), 0u);
  CloseHandle(started.hProcess);
  CloseHandle(started.hThread);
  Run([](TestConsoleDlg& dlg) { dlg.EnsurePlanetarium(); });
  Wait(5000);
}

void ConsoleDialogTest::Wait(desktop::Tick ms) {
  machine.advance(ms);
  machine.run_until_idle();
}

HWND ConsoleDialogTest::MainDialog() const {
  return FindWindowW(WC_DIALOG, L"");
}

HWND ConsoleDialogTest::MessageBoxShown() const {
  HWND box = FindWindowW(WC_DIALOG, L"Orvenna Console");
  return box != nullptr && IsWindowVisible(box) ? box : nullptr;
}

std::wstring ConsoleDialogTest::MessageBoxText(HWND box) const {
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t text[1024] = {};
    GetWindowTextW(child, text, 1024);
    if (GetDlgCtrlID(child) != IDOK && GetDlgCtrlID(child) != IDYES && GetDlgCtrlID(child) != IDNO &&
        text[0] != L'\0')
      return text;
  }
  return {};
}

void ConsoleDialogTest::Answer(HWND box, int button) {
  PostMessageW(GetDlgItem(box, button), Click, 0, 0);
  machine.run_until_idle();
}

std::wstring ConsoleDialogTest::StatusLine() const {
  wchar_t text[512] = {};
  GetDlgItemTextW(MainDialog(), COrvennaConsoleDlg::StatusLineId, text, 512);
  return text;
}

long ConsoleDialogTest::ExitCode() const {
  if (console == nullptr || !console->object->signalled) return -1;
  return static_cast<long>(console->object->exit_code);
}
