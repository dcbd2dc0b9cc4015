// The console program on a two-monitor desktop with the stand-in Orvenna installed: its main
// dialog run modally by the application object or by a test's own dialog that carries out one
// step inside the dialog when the harness asks. The test's dialog skips the layout chooser and the
// start-up unless it is told to run them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "peers/orvenna/orvenna_program.h"
#include "src/app/orvenna_console_dlg.h"
#include "tests/platform/desktop_fixture.h"

// Runs the harness's steps inside the dialog and keeps the timers that fire.
class TestConsoleDlg : public COrvennaConsoleDlg {
 public:
  static constexpr UINT RunStepMessage = WM_APP + 1;

  bool runStartUp = false;
  std::function<void(TestConsoleDlg&)> step;
  std::vector<UINT_PTR> firedTimers;
  int startStateResets = 0;

  LRESULT OnRunStep(WPARAM, LPARAM);
  void OnTimer(UINT_PTR id);
  void OnSize(UINT type, int cx, int cy);

 protected:
  BOOL OnInitDialog() override;

  DECLARE_MESSAGE_MAP()
};

class ConsoleDialogTest : public ::testing::Test {
 protected:
  explicit ConsoleDialogTest(std::vector<RECT> monitors = {{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}},
                             orvenna::ProgramSettings program = {});
  explicit ConsoleDialogTest(desktop::DesktopConfig config, orvenna::ProgramSettings program = {});
  // Two monitors side by side, with the shell, as the tests' machines are.
  static desktop::DesktopConfig MachineOn(const std::vector<RECT>& monitors);
  ~ConsoleDialogTest() override;
  void TearDown() override { machine.end_other_threads(); }

  // Starts the console program with a TestConsoleDlg; returns once it waits.
  void StartDialog(std::function<void(TestConsoleDlg&)> prepare = {});
  // Starts the console program through its application object.
  void StartApplication();
  // The console's start-up options in OCconfig.ini, as after its first run.
  void WriteConsoleOptions();
  // Starts the stand-in Orvenna as the presenter would before a show, and waits for its window.
  void StartOrvenna();
  // Answers the layout chooser: the screen radio first when given, then the layout radio and OK.
  void ChooseLayout(int layoutRadio, int screenRadio = 0);
  HWND Chooser() const;
  // Runs the step inside the dialog and lets the desktop go on until everything waits.
  void Run(std::function<void(TestConsoleDlg&)> step);
  HWND MainDialog() const;
  // The message box on top of the main dialog, or null.
  HWND MessageBoxShown() const;
  std::wstring MessageBoxText(HWND box) const;
  void Answer(HWND box, int button);
  std::wstring StatusLine() const;
  long ExitCode() const;

  desktop::Desktop machine;
  std::shared_ptr<orvenna::ProgramProbe> probe;
  desktop::Process* console = nullptr;
  TestConsoleDlg* dialog = nullptr;
};
