#include "tests/app/console_dialog_fixture.h"

#include "peers/orvenna/install/installer.h"
#include "platform/afx/message_map_entries.h"
#include "platform/afx/win_app.h"
#include "res/console_resources.h"
#include "src/app/orvenna_console_app.h"
#include "src/settings/ini_files.h"
#include "src/settings/planetarium_config.h"

namespace {

constexpr UINT Click = 0x00F5;

const ResourceTable& TestResources() {
  return console_resources();
}

}  // namespace

desktop::DesktopConfig ConsoleDialogTest::MachineOn(const std::vector<RECT>& monitors) {
  desktop::DesktopConfig config;
  config.monitors.clear();
  for (const RECT& rect : monitors)
    config.monitors.push_back(desktop::MonitorConfig{rect});
  config.start_shell = true;
  return config;
}

BEGIN_MESSAGE_MAP(TestConsoleDlg, COrvennaConsoleDlg)
ON_MESSAGE(TestConsoleDlg::RunStepMessage, &TestConsoleDlg::OnRunStep)
ON_WM_TIMER()
ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL TestConsoleDlg::OnInitDialog() {
  return runStartUp ? COrvennaConsoleDlg::OnInitDialog() : CDialog::OnInitDialog();
}

void TestConsoleDlg::OnSize(UINT type, int cx, int cy) {
  if (runStartUp)
    COrvennaConsoleDlg::OnSize(type, cx, cy);
  else
    CDialog::OnSize(type, cx, cy);
}

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
    : ConsoleDialogTest(MachineOn(monitors), std::move(program)) {}

ConsoleDialogTest::ConsoleDialogTest(desktop::DesktopConfig config, orvenna::ProgramSettings program)
    : machine(std::move(config)) {
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

HWND ConsoleDialogTest::MainDialog() const {
  for (HWND window = FindWindowExW(nullptr, nullptr, WC_DIALOG, nullptr); window != nullptr;
       window = FindWindowExW(nullptr, window, WC_DIALOG, nullptr))
    if (GetDlgItem(window, COrvennaConsoleDlg::StatusLineId) != nullptr) return window;
  return nullptr;
}

void ConsoleDialogTest::WriteConsoleOptions() {
  ASSERT_TRUE(WriteIniValue(ConsoleIniFile, L"startup", L"zoomSpeed", L"10"));
  ASSERT_TRUE(WriteIniValue(ConsoleIniFile, L"behavior", L"FadingEffectDuration", L"4"));
  ASSERT_TRUE(WriteIniValue(ConsoleIniFile, L"startup", L"wantMoonScale", L"false"));
}

void ConsoleDialogTest::StartOrvenna() {
  desktop::LaunchRequest request;
  request.path = orvenna::install_folder_of({}) + orvenna::kExecutableName;
  ASSERT_EQ(machine.launch_program(request).error, 0u);
  machine.advance(3000);
  machine.run_until_idle();
  ASSERT_NE(FindWindowW(L"Qt5QWindowIcon", nullptr), nullptr);
}

HWND ConsoleDialogTest::Chooser() const {
  return FindWindowW(WC_DIALOG, L"Orvenna Console - Edition");
}

void ConsoleDialogTest::ChooseLayout(int layoutRadio, int screenRadio) {
  HWND chooser = Chooser();
  ASSERT_NE(chooser, nullptr);
  for (int radio : {screenRadio, layoutRadio, static_cast<int>(IDOK)}) {
    if (radio == 0) continue;
    PostMessageW(GetDlgItem(chooser, radio), Click, 0, 0);
    machine.run_until_idle();
  }
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
