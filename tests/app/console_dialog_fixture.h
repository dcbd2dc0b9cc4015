// The console program on a two-monitor desktop with the stand-in Orvenna installed: its main
// dialog from a bare template (only the status line), run modally by the application object or
// by a test's own dialog that carries out one step inside the dialog when the harness asks.
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

  std::function<void(TestConsoleDlg&)> step;
  std::vector<UINT_PTR> firedTimers;
  int startStateResets = 0;

  LRESULT OnRunStep(WPARAM, LPARAM);
  void OnTimer(UINT_PTR id);

 protected:
  DECLARE_MESSAGE_MAP()
};

class ConsoleDialogTest : public ::testing::Test {
 protected:
  explicit ConsoleDialogTest(std::vector<RECT> monitors = {{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}},
                             orvenna::ProgramSettings program = {});
  ~ConsoleDialogTest() override;
  void TearDown() override { machine.end_other_threads(); }

  // Starts the console program with a TestConsoleDlg; returns once it waits.
  void StartDialog(std::function<void(TestConsoleDlg&)> prepare = {});
  // Starts the console program through its application object.
  void StartApplication();
  // Starts the stand-in Orvenna and has the dialog place it; returns once it waits.
  void LaunchPlanetarium();
  // Lets the desktop's time go on and everything then due run.
  void Wait(desktop::Tick ms);
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
