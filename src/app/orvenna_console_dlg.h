// The console's main dialog: the state that the presenter's actions share, the guards they begin
// with, and its side of the link to Orvenna. The window's controls, start-up, timers and actions
// live in files of their own, one feature each.
#pragma once

#include <array>
#include <atomic>
#include <string>
#include <vector>

#include "platform/afx/dialog.h"
#include "src/app/start_state_script.h"
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

// A recorded show: the script Orvenna runs at replay, and the command lines the console replays
// itself for the steps that cannot go into that script.
struct RecordedShow {
  std::wstring recordedScript;
  std::wstring commandList;
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
  static constexpr int InformationBoxId = 1058;
  static constexpr int LocationLabelId = 1127;
  static constexpr int FlyByButtonId = 1986;
  static constexpr int GetSimulationDataCommand = 983;
  static constexpr int ScriptPauseResumeCommand = 995;
  static constexpr int ScriptStopCommand = 1357;

  COrvennaConsoleDlg();

  // True when every guard let the action through.
  bool PassActionGuards(const ActionGuards& guards);

  // The stored interface language, also put into the state record; without one, the dialogs'
  // default (not stored).
  int ReadLanguageSetting();

  // The show recorder.
  void RecordStep(const std::wstring& script, const std::wstring& keyword, float durationMs);
  void StartRecording();
  void PauseResumeRecording();

  // The sky display toggles: posted keys.
  void OnAtmosphere();
  void OnFog();
  void OnBoundaries();
  void OnLines();
  void OnArt();
  void OnGround();
  void OnCardinalPoints();
  void OnEquatorialGrid();
  void OnEquatorLine();
  void OnAzimuthalGrid();
  void OnPlanetOrbits();
  void OnEcliptic();
  void OnConstellationNames();
  // Hot keys injected while Orvenna's view has the focus.
  void OnStarLabels();
  void OnPlanetLabels();
  void OnMeridian();
  void OnPlanetTrails();
  void OnToggleMount();
  // Scripted switches.
  void OnIsolateConstellation();
  void OnShootingStars();
  void OnMeteorShowerMarkers();
  void OnPrecessionCircles();
  void OnLongitudeLine();
  void OnGalacticGrid();
  void OnCelestialPoles();
  void OnCircumpolarCircles();
  void OnGalacticEquator();

  // The timer dispatcher; ids it does not know are left alone.
  void OnTimer(UINT_PTR id);
  static bool IsDispatchedTimer(UINT_PTR id);

  // The start state: the whole sky reset by one script, and the view settled after it.
  void ResetPlanetariumToStartState() override;
  // The start-state script from config.ini, OCconfig.ini and the registry, for the reset or as
  // the header every recording begins with (which first takes up OCconfig.ini's moon scale; the
  // recorder restores normal speed itself).
  std::wstring BuildStartStateScript(StartStateScriptUse use);
  // OCconfig.ini's moon-scale switch, when set, sets moonScaleOn (it never clears it).
  void ApplyMoonScaleSetting();
  void RunZoomOutResetScript();

  // Orvenna's rate, time and place, asked for and shown in the information box a second later.
  void OnGetSimulationData();
  void ShowSimulationData();

  // The running script paused or resumed, and stopped with every timed action of the console.
  void OnScriptPauseResume();
  void OnScriptStop();

  // A fixed text on the status line, cleared by timer 104 after the period.
  void ShowStatusText(const std::wstring& text, UINT clearAfterMs);
  void ClearStatusLine();

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
  // Orvenna draws the Moon enlarged.
  bool moonScaleOn = false;
  bool flyByCountdownStop = false;
  std::array<bool, 4> speedButtonActive{};
  bool timeRateNormal = false;
  // When the information script was started: output.txt written before then is old.
  FILETIME simulationDataRequested{};

  // The recorder. Times are the system clock's (UTC); spans in milliseconds.
  RecordedShow recordedShow;
  bool firstStepPending = false;
  bool recordingAvailable = false;
  SYSTEMTIME lastScriptStepTime{};
  SYSTEMTIME lastCommandPointTime{};
  float pendingScriptMs = 0;
  float lastScriptDurationMs = 0;
  float carriedMs = 0;
  // Paused time since each point, kept apart so a command step cannot use up what the next
  // scripted step must subtract.
  float pausedSinceScriptMs = 0;
  float pausedSinceCommandMs = 0;
  SYSTEMTIME pauseStartTime{};
  bool suppressNormalSpeedRecord = false;

  // The toggles' own state.
  bool shootingStarsOn = false;
  BYTE meteorMarkerState = 0;

 protected:
  // Neither Escape nor a close request ends the console.
  void OnCancel() override {}

  HWND ConsoleWindow() const override { return m_hWnd; }
  void QuitConsole(int result) override;
  bool ShowConsoleMessage(const ConsoleMessage& message) override;
  void ShowStatusMessage(UINT stringId, UINT clearAfterMs) override;
  void ReportFileError(const CFileException& error) override;

  DECLARE_MESSAGE_MAP()

 private:
  void EndFlyByOrSpeedSteps();
  StartStateValues ReadStartStateValues(StartStateScriptUse use);
  void BuildRecordingHeader();
  void AppendCommandLine(const std::wstring& command);
  void PostToggleKey(UINT commandId);
  // Posts the key-up of the toggle whose timer fired; other timers are not its.
  void ReleaseToggleKey(UINT_PTR timer);
  void InjectToggleHotkey(UINT commandId);
  void RunScriptedSwitch(UINT commandId);
  void BringConsoleForward();
};

// Construction's list of the constellations that have art: the western sky culture's pictures by
// title, then the figures drawn without a picture of their own; "-" reads as a blank and "hydra"
// as "Hya".
std::vector<std::wstring> ListConstellationArtNames(const std::wstring& installFolder);
// The monitor to the right of the primary one, or the primary one when there is none.
RECT SecondaryMonitorRect();
// A string-table entry; empty when it is missing.
std::wstring LoadConsoleString(UINT id);
