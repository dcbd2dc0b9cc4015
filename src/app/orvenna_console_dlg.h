// The console's main dialog: the state that the presenter's actions share, the guards they begin
// with, and its side of the link to Orvenna. The window's controls, start-up, timers and actions
// live in files of their own, one feature each.
#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/afx/dialog.h"
#include "platform/afx/tool_tip_ctrl.h"
#include "src/controls/external_image.h"
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

// What the start-state script is built for: Orvenna's reset, or the head of a recording.
enum class StartStateScriptUse { Reset, RecordingHeader };

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
  static constexpr int ClockLabelId = 2038;
  static constexpr int StopwatchStartId = 2039;
  static constexpr int StopwatchLabelId = 2040;
  static constexpr int StopwatchResetId = 2041;
  static constexpr int EmergencyButtonId = 10000;

  COrvennaConsoleDlg();
  ~COrvennaConsoleDlg() override;

  // True when every guard let the action through.
  bool PassActionGuards(const ActionGuards& guards);

  // The stored interface language, also put into the state record; without one, the dialogs'
  // default (not stored).
  int ReadLanguageSetting();

  // The show recorder.
  void RecordStep(const std::wstring& script, const std::wstring& keyword, float durationMs);
  void StartRecording();
  void PauseResumeRecording();
  // The start-state script from the settings: StartOC.ovs for a reset, or the header that every
  // recording begins with (reading the moon-scale flag, the start toggles and the home place,
  // and restoring normal speed without recording it, as the header's values need).
  std::wstring BuildStartStateScript(StartStateScriptUse use);

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

  // Captions and tooltips in the interface language; both work on whichever controls exist.
  void ApplyLanguage();
  void CreateTooltips();
  // New texts for every tip but the season and mount-mode ones, which keep their first texts.
  void RefreshTooltips();
  void UpdateHomeTip();
  void UpdateGoToTip();
  void UpdateFlyByTip();
  void UpdateSpeedTips();
  void RelayToTooltips(MSG* msg);
  // The tip of that control, empty when it has none.
  std::wstring TooltipText(int controlId) const;

  // The clock and stopwatch labels, refreshed every 500 ms by a thread of their own until the
  // dialog's window goes.
  void StartClockThread();
  void StopClockThread();
  void OnStopwatchStart();
  void OnStopwatchReset();
  void ShowWelcomeMessage();

  // The emergency button's press and release, and the picture shown when it was held a second.
  void OnEmergencyPressed();
  void OnEmergencyReleased();
  void ShowEmergencyImage();

  // Confirms, clears the pictures, closes Orvenna or leaves it at rest, and ends the console.
  void OnExit();

  // The timer dispatcher; ids it does not know are left alone.
  void OnTimer(UINT_PTR id);
  static bool IsDispatchedTimer(UINT_PTR id);

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

  // Go-to stage: false while the next press centres on the selection.
  bool goToStage = false;

  // The stopwatch, read by the clock thread: the start is written before the flag is set.
  std::atomic<bool> stopwatchRunning = false;
  std::atomic<long long> stopwatchStart = 0;

  // The screen the live monitor shows, measured at start-up; 0 until then.
  int liveScreenWidth = 0;
  int liveScreenHeight = 0;

  // Pictures over Orvenna's window.
  std::array<CExternalImage, 16> pictureOverlays;
  CExternalImage emergencyPicture;
  CExternalImage pictureBackdrop;

 protected:
  // Neither Escape nor a close request ends the console.
  void OnCancel() override {}

  HWND ConsoleWindow() const override { return m_hWnd; }
  void QuitConsole(int result) override;
  bool ShowConsoleMessage(const ConsoleMessage& message) override;
  void ShowStatusMessage(UINT stringId, UINT clearAfterMs) override;
  void ReportFileError(const CFileException& error) override;
  void ResetPlanetariumToStartState() override;

  // A fixed text on the status line, cleared by timer 104 after the period.
  void ShowStatusText(const std::wstring& text, UINT clearAfterMs);
  void OnDestroy();

  DECLARE_MESSAGE_MAP()

 private:
  void BuildRecordingHeader();
  void AppendCommandLine(const std::wstring& command);
  void PostToggleKey(UINT commandId);
  // Posts the key-up of the toggle whose timer fired; other timers are not its.
  void ReleaseToggleKey(UINT_PTR timer);
  void InjectToggleHotkey(UINT commandId);
  void RunScriptedSwitch(UINT commandId);
  void BringConsoleForward();
  static UINT ClockThreadProc(LPVOID dialog);
  void ShowClockTick();
  void SetTooltip(int controlId, const std::wstring& text);

  struct Tooltip {
    int controlId;
    std::unique_ptr<CToolTipCtrl> control;
  };
  std::vector<Tooltip> tooltips_;
  CWinThread* clockThread_ = nullptr;
  HANDLE clockStop_ = nullptr;
  HWND clockWindow_ = nullptr;
};

// Construction's list of the constellations that have art: the western sky culture's pictures by
// title, then the figures drawn without a picture of their own; "-" reads as a blank and "hydra"
// as "Hya".
std::vector<std::wstring> ListConstellationArtNames(const std::wstring& installFolder);
// The monitor to the right of the primary one, or the primary one when there is none.
RECT SecondaryMonitorRect();
// The tip of speed button k (0 to 3) from the speed settings, in that language.
struct SpeedOptions;
std::wstring SpeedButtonTip(const SpeedOptions& options, int k, unsigned language);
// The welcome text of WelcomeOC.ini, when it is to be shown.
struct WelcomeMessage {
  std::wstring text;
  int durationSeconds = 10;
  int fontSize = 20;
  std::wstring colour;  // after the "#"
};
// The value of a key of the welcome section; none when it is missing.
using WelcomeKeyReader = std::function<std::optional<std::wstring>(const wchar_t* key)>;
// None when a key is missing or the text is not to be visible.
std::optional<WelcomeMessage> ParseWelcomeMessage(const WelcomeKeyReader& read);
// The text above the middle of a screen that size, then below it.
std::wstring BuildWelcomeScript(const WelcomeMessage& message, int width, int height);
// The emergency picture's path: a value beginning with "%" starts with an environment variable's
// name between two "%"; none when the second "%" is missing.
std::optional<std::wstring> ExpandEmergencyPath(const std::wstring& value);
// The emergency picture's square in screen coordinates over Orvenna's window rectangle.
RECT EmergencyPictureRect(const RECT& window, int clientWidth, int clientHeight);
// "hh:mm:ss" of an elapsed time, whole days dropped.
std::wstring StopwatchText(long long elapsedSeconds);
// A string-table entry; empty when it is missing.
std::wstring LoadConsoleString(UINT id);
