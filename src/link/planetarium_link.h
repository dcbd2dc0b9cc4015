// The main dialog's side of the link to Orvenna: finding and activating its windows, running
// scripts through the loader, making sure it runs and placing its window by the console's layout.
// COrvennaConsoleDlg derives from it and supplies what only the dialog has: its window, its end,
// its status line, its message boxes and the start-state reset.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/afx/file_exception.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_types.h"
#include "src/settings/console_state.h"

// A message box of the link: a string-table entry (language index added), or a fixed English text.
struct ConsoleMessage {
  enum class Kind { Error, Warning, YesNoQuestion };
  UINT stringId = 0;
  std::wstring text;  // used when stringId is 0
  Kind kind = Kind::Error;
  int errorNumber = 0;  // shown as the entry's "Error # %d" when not 0
};

// EnsurePlanetarium's results; any value below 1 means Orvenna is ready.
enum PlanetariumReadiness : int {
  PlanetariumStartedOrPlaced = -1,
  PlanetariumAlreadyPlaced = 0,
  PlanetariumOnSecondaryMonitor = 2,
  PlanetariumMainWindowMissing = 4,
  PlanetariumDidNotAppear = 5,
  PlanetariumStartDeclined = 6,
  PlanetariumMonitorsMissing = 8,
};

enum ConsoleLayoutKind : BYTE { TwoMonitorLayout = 1, TrainingLayout = 2, LayoutNotChosen = 255 };

// The end-of-script timers that the runner arms on the main dialog.
enum LinkTimerId : UINT_PTR {
  StartStateScriptEndTimer = 99,
  ScriptEndTimer = 100,
  StatusClearTimer = 104,
  LoaderResetTimer = 105,
};

class PlanetariumLink {
 public:
  explicit PlanetariumLink(CConsoleState& state);
  virtual ~PlanetariumLink() = default;
  PlanetariumLink(const PlanetariumLink&) = delete;
  PlanetariumLink& operator=(const PlanetariumLink&) = delete;

  // Orvenna's windows; the first two record the version of the main window found.
  HWND FindPlanetariumWindow();
  HWND FindPlanetariumView();
  HWND GetPlanetariumViewIfRunning();
  // Gives the view the focus and the messages Orvenna expects when it gains it.
  void ActivatePlanetariumView(HWND view);
  // Posted to the console's window by ActivatePlanetariumView when a dialog of the console was
  // waiting for the presenter: wParam is that dialog, which gets the keyboard back once the action
  // that pressed Orvenna's keys is over.
  static constexpr UINT ReturnKeyboardMessage = WM_APP + 0x120;
  // Called before the console brings Orvenna's view to the front.
  void ReturnKeyboardAfterwards();
  // Orvenna's keyboard layout; without Orvenna, the warning and the US layout.
  HKL SyncKeyboardLayout();

  // Scripts. Each is false when nothing was started.
  bool RunScript(std::wstring text, const std::wstring& name, bool armEndTimer, int expectedMs);
  // Refused during a recording or a replay.
  bool RunScriptFile(const std::wstring& path);
  void StopPlanetariumScript();
  // The loader in its active form and the per-run file; false, after the report and with the
  // loader idle, when one could not be written.
  bool WriteRunFiles(const std::wstring& perRunPath, const std::wstring& text);
  // Writes the files a run needs; false, after the report, when one could not be written.
  using RunFilesWriter = std::function<bool()>;
  // Makes sure Orvenna runs and presses its run key. An Orvenna started for the run may have run
  // the start state through the loader meanwhile: the run's files are written again, and the
  // start state's script gives way.
  bool TriggerPlanetariumScript(const RunFilesWriter& writeRunFiles);

  // Availability, launch and placement.
  int EnsurePlanetarium();
  // Fills out with the install folder; PlanetariumFolderCode, with the message when not installed.
  int FindPlanetariumFolder(std::wstring& out);
  int LaunchProcess(const std::wstring& exePath, const std::wstring& arguments, int waitSeconds);
  // Places an Orvenna the console has just started, as the start-up does for the layout; the
  // training layout's placement also brings it to the start state. False when it is not there.
  bool PlaceStartedPlanetarium();
  void HideTaskbar(bool hide);

  BYTE ConsoleLayout = LayoutNotChosen;
  BYTE ConsoleScreen = 1;
  WORD RecorderState = 0;
  bool scriptPaused = false;
  bool clearLabelsFirst = false;
  bool meteorPluginLoaded = false;
  std::wstring planetariumVersion;
  bool planetariumPlaced = false;
  bool planetariumPlacementPending = true;
  int planetariumHalfSizeX = 0;
  int planetariumHalfSizeY = 0;
  DWORD launchedProcessId = 0;
  std::wstring loaderScriptPath;

 protected:
  virtual HWND ConsoleWindow() const = 0;
  // Ends the main dialog with the result: the console quits.
  virtual void QuitConsole(int result) = 0;
  // True when a question was answered Yes.
  virtual bool ShowConsoleMessage(const ConsoleMessage& message) = 0;
  // The status line shows the entry, cleared by timer 104 after the period.
  virtual void ShowStatusMessage(UINT stringId, UINT clearAfterMs) = 0;
  virtual void ReportFileError(const CFileException& error) = 0;
  virtual void ResetPlanetariumToStartState() = 0;
  // The start state's script was stopped before its end for a run of the presenter's.
  virtual void StartStateGaveWay() = 0;

 private:
  bool IsOnConsolesMonitor(HWND main) const;
  void PressPlanetariumKey(wchar_t character);
  void LeaveFullScreen(HWND main, HWND view, DWORD waitMs);
  void MoveToOtherMonitor(HWND main);
  void FixWindowed(HWND main);
  void SquarePlacement(HWND main);
  int FirstSquarePlacement(HWND main);
  // Orvenna's view in front with the focus, its main window restored; null when Orvenna is not there.
  HWND BringPlanetariumViewForward();
  int PlaceAfterStart();
  int PlaceRunningOnOtherMonitor();
  int PlacePendingSquare();
  int KeepSquare();

  CConsoleState& state_;
};
