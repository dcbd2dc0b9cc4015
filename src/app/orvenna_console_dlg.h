// The console's main dialog: the state that the presenter's actions share, the guards they begin
// with, and its side of the link to Orvenna. The window's controls, start-up, timers and actions
// live in files of their own, one feature each.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "platform/afx/dialog.h"
#include "src/link/planetarium_link.h"
#include "src/settings/console_state.h"

// The guards an action performs before it acts, in this order; a guard that trips ends it.
struct ActionGuards {
  bool refuseWhileRecordingPaused = true;
  UINT pausedNoticeMs = 6000;
  bool refuseDuringFlyBy = false;
  // Actions that only run a script leave this to the script runner.
  bool ensurePlanetarium = false;
  bool refuseWhileScriptRuns = false;
  UINT scriptNoticeMs = 5000;
};

enum RecorderStateKind : WORD {
  RecorderIdle = 0,
  RecorderRecording = 1,
  RecorderPlaying = 2,
  RecorderPaused = 3
};

class COrvennaConsoleDlg : public CDialog, public PlanetariumLink {
 public:
  enum { IDD = 44496 };
  static constexpr int StatusLineId = 2042;

  COrvennaConsoleDlg();

  // True when every guard let the action through.
  bool PassActionGuards(const ActionGuards& guards);

  // The shared state (the link's part is in PlanetariumLink).
  bool scriptRunning = false;
  bool flyByRunning = false;
  // The fly-by's countdown thread reads it to leave the status line alone.
  std::atomic<bool> flyByNoticeShown = false;
  int SelectedBodyCode = -1;
  std::wstring CurrentObjectName;
  std::vector<std::wstring> ConstellationArtNames;
  RECT secondaryMonitorRect{};
  CConsoleState consoleState;
  int liveMonitorRefreshRate = 0;
  bool emergencyShown = false;
  bool emergencyPressed = false;
  bool emergencyHideOnRelease = false;
  bool zoomHeld = false;
  bool timeKeyHeld = false;
  HICON m_hIcon = nullptr;

 protected:
  // Neither Escape nor a close request ends the console.
  void OnCancel() override {}

  HWND ConsoleWindow() const override { return m_hWnd; }
  void QuitConsole(int result) override;
  bool ShowConsoleMessage(const ConsoleMessage& message) override;
  void ShowStatusMessage(UINT stringId, UINT clearAfterMs) override;
  void ReportFileError(const CFileException& error) override;
  void ResetPlanetariumToStartState() override;

  DECLARE_MESSAGE_MAP()
};

// Construction's list of the constellations that have art: the western sky culture's pictures by
// title, then the figures drawn without a picture of their own; "-" reads as a blank and "hydra"
// as "Hya".
std::vector<std::wstring> ListConstellationArtNames(const std::wstring& installFolder);
// The monitor to the right of the primary one, or the primary one when there is none.
RECT SecondaryMonitorRect();
// A string-table entry; empty when it is missing.
std::wstring LoadConsoleString(UINT id);
