#include "tests/app/console_dialog_fixture.h"

#include <iterator>

#include "peers/orvenna/install/installer.h"
#include "platform/afx/message_map_entries.h"
#include "platform/afx/win_app.h"
#include "platform/driver/desktop_user.h"
#include "platform/win/win32.h"
#include "res/console_resources.h"
#include "src/app/orvenna_console_app.h"
#include "src/settings/ini_files.h"
#include "src/settings/planetarium_config.h"
#include "src/util/user_folder.h"

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

INT_PTR TestConsoleDlg::RunDateTimeKeypad() {
  return keypad ? keypad(consoleState) : COrvennaConsoleDlg::RunDateTimeKeypad();
}

INT_PTR TestConsoleDlg::RunSearchDialog() {
  ++searchesShown;
  return search ? search(consoleState) : COrvennaConsoleDlg::RunSearchDialog();
}

INT_PTR TestConsoleDlg::RunPoleChooser() {
  return poleChooser ? poleChooser(consoleState) : COrvennaConsoleDlg::RunPoleChooser();
}

INT_PTR TestConsoleDlg::RunWorldMap() {
  return worldMap ? worldMap(scriptBuffer) : COrvennaConsoleDlg::RunWorldMap();
}

INT_PTR TestConsoleDlg::RunHomeQuestion() {
  return homeQuestion ? homeQuestion() : COrvennaConsoleDlg::RunHomeQuestion();
}

INT_PTR TestConsoleDlg::RunOptionsDialog() {
  return optionsDialog ? optionsDialog(*this) : COrvennaConsoleDlg::RunOptionsDialog();
}

INT_PTR TestConsoleDlg::RunPdfListDialog() {
  ++pdfListsOpened;
  return IDCANCEL;
}

INT_PTR TestConsoleDlg::RunMultimediaDialog(bool twoMonitorLayout) {
  multimediaPanelsOpened.push_back(twoMonitorLayout);
  return IDCANCEL;
}

INT_PTR TestConsoleDlg::PlayVideo(const std::wstring& suffix, int k) {
  videosPlayed.emplace_back(suffix, k);
  return 0;
}

INT_PTR TestConsoleDlg::PlayAudio(int k, const std::wstring& suffix) {
  audioPlayed.emplace_back(suffix, k);
  mediaActive[k] = audioResult == 5;
  return audioResult;
}

LRESULT TestConsoleDlg::OnRunStep(WPARAM, LPARAM) {
  // A step may open a modal dialog, inside which the harness runs further steps.
  if (!step) return 0;
  const std::function<void(TestConsoleDlg&)> running = step;
  running(*this);
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
  WriteConsoleIniDefaults();
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

void WriteConsoleIniDefaults() {
  DeleteFileW(PlanetariumUserFile(ConsoleIniFile).c_str());
  for (const ConsoleIniEntry& entry : ConsoleIniDefaults)
    EXPECT_TRUE(WriteIniValue(entry.file, entry.section, entry.key, entry.value));
}

void ConsoleDialogTest::StartPlanetarium() {
  std::wstring commandLine = L"orvenna.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessW(L"C:\\Program Files\\Orvenna\\orvenna.exe", commandLine.data(), nullptr, nullptr,
                             FALSE, 0, nullptr, nullptr, &startup, &started));
  ASSERT_EQ(WaitForInputIdle(started.hProcess, 5000), 0u);
  CloseHandle(started.hProcess);
  CloseHandle(started.hThread);
  machine.run_until_idle();
}

std::wstring ConsoleDialogTest::DialogText(int id) const {
  wchar_t text[1024] = {};
  GetDlgItemTextW(MainDialog(), id, text, 1024);
  return text;
}

void ConsoleDialogTest::Run(std::function<void(TestConsoleDlg&)> step) {
  ASSERT_NE(dialog, nullptr);
  dialog->step = std::move(step);
  PostMessageW(dialog->GetSafeHwnd(), TestConsoleDlg::RunStepMessage, 0, 0);
  machine.run_until_idle();
}

void ConsoleDialogTest::RunToEnd(std::function<void(TestConsoleDlg&)> step) {
  bool done = false;
  Run([&done, &step](TestConsoleDlg& dlg) {
    step(dlg);
    done = true;
  });
  constexpr desktop::Tick Slice = 5;
  constexpr desktop::Tick Longest = 60000;
  for (desktop::Tick waited = 0; !done && waited < Longest; waited += Slice)
    machine.advance(Slice);
  ASSERT_TRUE(done) << "the step waits for more than a minute";
}

void ConsoleDialogTest::LaunchPlanetarium() {
  StartPlanetarium();
  Run([](TestConsoleDlg& dlg) { dlg.EnsurePlanetarium(); });
  Wait(5000);
}

void ConsoleDialogTest::Wait(desktop::Tick ms) {
  machine.advance(ms);
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
  // With the mouse, as the presenter answers: the box must be on top.
  const driver::Outcome clicked = driver::DesktopUser(machine).click_in(box, button);
  EXPECT_TRUE(clicked) << clicked.reason;
}

std::wstring ConsoleDialogTest::StatusLine() const {
  return DialogText(COrvennaConsoleDlg::StatusLineId);
}

long ConsoleDialogTest::ExitCode() const {
  if (console == nullptr || !console->object->signalled) return -1;
  return static_cast<long>(console->object->exit_code);
}

std::vector<BYTE> ConsoleDialogTest::HeldModifiers() {
  std::vector<BYTE> held;
  for (BYTE key :
       {VK_SHIFT, VK_LSHIFT, VK_RSHIFT, VK_CONTROL, VK_LCONTROL, VK_RCONTROL, VK_MENU, VK_LMENU, VK_RMENU})
    if (machine.keyboard().async_state(key) & 0x80) held.push_back(key);
  return held;
}

void ConsoleWithOrvennaTest::SetUp() {
  StartDialog([](TestConsoleDlg& dlg) {
    dlg.ConsoleLayout = TwoMonitorLayout;
    dlg.ConsoleScreen = 1;
  });
  StartPlanetarium();
  int readiness = PlanetariumDidNotAppear;
  RunToEnd([&readiness](TestConsoleDlg& dlg) { readiness = dlg.EnsurePlanetarium(); });
  ASSERT_LT(readiness, 1);
  ASSERT_TRUE(probe->state().has_value());
}

void ConsoleWithOrvennaTest::Click(UINT id) {
  RunToEnd([id](TestConsoleDlg& dlg) {
    HWND button = ::GetDlgItem(dlg.GetSafeHwnd(), static_cast<int>(id));
    ::SendMessageW(dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
  });
  Wait(0);
}

std::string ConsoleWithOrvennaTest::LastScriptRun() const {
  const std::vector<orvenna::ScriptRun> runs = probe->scripts();
  return runs.empty() ? std::string() : runs.back().text;
}

bool RanExactly(const std::string& run, const std::wstring& perRunScript) {
  // The loader's include line is replaced by the per-run text, which ends before its "\n\r\n".
  const std::string tail = std::string(perRunScript.begin(), perRunScript.end()) + "\n\r\n";
  const std::size_t include = run.find("\r\n\r\n");
  return include != std::string::npos && run.substr(include + 4) == tail;
}
