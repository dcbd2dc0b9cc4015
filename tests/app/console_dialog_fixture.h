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

struct ConsoleIniEntry {
  const wchar_t* file;
  const wchar_t* section;
  const wchar_t* key;
  const wchar_t* value;
};

// OCconfig.ini as the console's first start leaves it, with the start-up options' defaults.
inline constexpr ConsoleIniEntry ConsoleIniDefaults[] = {
    {L"OCconfig.ini", L"startup", L"startAtmo", L"true"},
    {L"OCconfig.ini", L"startup", L"startFog", L"true"},
    {L"OCconfig.ini", L"startup", L"startMilkyWay", L"true"},
    {L"OCconfig.ini", L"startup", L"startDate", L"today"},
    {L"OCconfig.ini", L"startup", L"startTime", L"now"},
    {L"OCconfig.ini", L"star_appearance", L"starAbsMag", L"100"},
    {L"OCconfig.ini", L"star_appearance", L"starRelMag", L"110"},
    {L"OCconfig.ini", L"star_appearance", L"boundariesColor", L"1.0,1.0,1.0"},
};
// Replaces OCconfig.ini with the defaults.
void WriteConsoleIniDefaults();

// Runs the harness's steps inside the dialog and keeps the timers that fire.
class TestConsoleDlg : public COrvennaConsoleDlg {
 public:
  static constexpr UINT RunStepMessage = WM_APP + 1;

  bool runStartUp = false;
  std::function<void(TestConsoleDlg&)> step;
  std::vector<UINT_PTR> firedTimers;
  int startStateResets = 0;

  // The presenter at the keypad: fills the state record's entry and gives the keypad's result.
  std::function<INT_PTR(CConsoleState&)> keypad;
  INT_PTR RunDateTimeKeypad() override;
  // The presenter on the search dialog: sets the state record's target and gives the result.
  std::function<INT_PTR(CConsoleState&)> search;
  int searchesShown = 0;
  INT_PTR RunSearchDialog() override;
  // The presenter at the location choosers, each given what the real chooser writes; the real
  // chooser runs when none is set.
  std::function<INT_PTR(CConsoleState&)> poleChooser;
  std::function<INT_PTR(std::wstring& scriptBuffer)> worldMap;
  std::function<INT_PTR()> homeQuestion;
  INT_PTR RunPoleChooser() override;
  INT_PTR RunWorldMap() override;
  INT_PTR RunHomeQuestion() override;
  // The panels the presenter opened: the PDF list's count, the multimedia panel's layout flags.
  int pdfListsOpened = 0;
  std::vector<bool> multimediaPanelsOpened;
  INT_PTR RunPdfListDialog() override;
  INT_PTR RunMultimediaDialog(bool twoMonitorLayout) override;
  // The players the multimedia buttons called: each call's suffix and button, and what the audio
  // player gives back.
  std::vector<std::pair<std::wstring, int>> videosPlayed;
  std::vector<std::pair<std::wstring, int>> audioPlayed;
  INT_PTR audioResult = 1;
  INT_PTR PlayVideo(const std::wstring& suffix, int k) override;
  INT_PTR PlayAudio(int k, const std::wstring& suffix) override;

  // The presenter in the options dialog; the real dialog runs when none is set.
  std::function<INT_PTR(TestConsoleDlg&)> optionsDialog;
  INT_PTR RunOptionsDialog() override;

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
  // Starts Orvenna as the presenter would, outside the console, and waits until it is ready.
  void StartPlanetarium();
  // The console's start-up options in OCconfig.ini, as after its first run.
  void WriteConsoleOptions();
  // Starts the stand-in Orvenna as the presenter would before a show, and waits for its window.
  void StartOrvenna();
  // Answers the layout chooser: the screen radio first when given, then the layout radio and OK.
  void ChooseLayout(int layoutRadio, int screenRadio = 0);
  HWND Chooser() const;
  // Starts the stand-in Orvenna and has the dialog place it; returns once it waits.
  void LaunchPlanetarium();
  // Lets the desktop's time go on and everything then due run.
  void Wait(desktop::Tick ms);
  // Runs the step inside the dialog and lets the desktop go on until everything waits.
  void Run(std::function<void(TestConsoleDlg&)> step);
  // Runs the step and lets the desktop's clock go on until the step has returned.
  void RunToEnd(std::function<void(TestConsoleDlg&)> step);
  HWND MainDialog() const;
  // The message box on top of the main dialog, or null.
  HWND MessageBoxShown() const;
  std::wstring MessageBoxText(HWND box) const;
  // Clicks the box's button with the mouse; a box another window covers fails the test.
  void Answer(HWND box, int button);
  std::wstring StatusLine() const;
  std::wstring DialogText(int id) const;
  long ExitCode() const;
  // The modifiers (Shift, Ctrl, Alt, either hand) that the desktop's key state shows held.
  std::vector<BYTE> HeldModifiers();

  desktop::Desktop machine;
  std::shared_ptr<orvenna::ProgramProbe> probe;
  desktop::Process* console = nullptr;
  TestConsoleDlg* dialog = nullptr;
};

// The console in the two-monitor layout with Orvenna started and placed.
class ConsoleWithOrvennaTest : public ConsoleDialogTest {
 protected:
  using ConsoleDialogTest::ConsoleDialogTest;
  void SetUp() override;
  // The last script Orvenna ran ends with this text, the per-run script as the console wrote it.
  std::string LastScriptRun() const;
  // The button clicked as the presenter clicks it, through the dialog's command map.
  void Click(UINT id);
};

// Whether the text Orvenna ran for the loader holds the per-run script exactly.
bool RanExactly(const std::string& run, const std::wstring& perRunScript);
