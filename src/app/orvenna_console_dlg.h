// The console's main dialog: the state that the presenter's actions share, the guards they begin
// with, and its side of the link to Orvenna. The window's controls, start-up, timers and actions
// live in files of their own, one feature each.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/afx/dialog.h"
#include "platform/afx/tool_tip_ctrl.h"
#include "src/app/main_dialog_controls.h"
#include "src/app/show/event_script.h"
#include "src/app/show/recorded_show.h"
#include "src/app/sky/start_state_script.h"
#include "src/app/window/control_scaling.h"
#include "src/catalog/constellation_art_names.h"
#include "src/catalog/constellation_list.h"
#include "src/catalog/solar_system_catalogue.h"
#include "src/controls/btn_planet.h"
#include "src/controls/edit_ex.h"
#include "src/controls/external_image.h"
#include "src/controls/monitors.h"
#include "src/controls/splash.h"
#include "src/controls/static_ex.h"
#include "src/link/held_keys.h"
#include "src/link/planetarium_link.h"
#include "src/media/console_media_state.h"
#include "src/settings/console_state.h"

struct VideoOptions;
struct IWMPPlayer;
struct IWMPControls;
struct IWMPSettings;
// The guards an action performs before it acts, in this order; a guard that trips ends it.
struct ActionGuards {
  bool refuseWhileRecordingPaused = true;
  UINT pausedNoticeMs = 6000;
  bool refuseDuringFlyBy = false;
  // Actions that only run a script leave this to the script runner.
  bool ensurePlanetarium = false;
  bool refuseWhileScriptRuns = false;
  UINT scriptNoticeMs = 5000;
  // A scripted action's script would stop a replayed show's: refused as while a script runs.
  bool refuseDuringReplay = false;
};

// The guard of an action that runs a script and has no other.
inline constexpr ActionGuards ReplayRefusal{.refuseWhileRecordingPaused = false, .refuseDuringReplay = true};

enum RecorderStateKind : WORD {
  RecorderIdle = 0,
  RecorderRecording = 1,
  RecorderPlaying = 2,
  RecorderPaused = 3
};

inline constexpr float DesignAspect = DesignWidth / DesignHeight;

// What the live monitor knows of Orvenna's screen beside the console.
struct LiveMonitorScreen {
  int width = 0;
  int height = 0;
  float aspect = DesignAspect;
};
// Orvenna's screen from its main window's rectangle and the console's (both empty when absent).
LiveMonitorScreen MeasureLiveMonitorScreen(const RECT& planetarium, const RECT& console,
                                           bool consoleOnPrimary);

class COrvennaConsoleDlg : public CDialog, public PlanetariumLink, public ConsoleMediaState {
 public:
  enum { IDD = 44496 };
  static constexpr int StatusLineId = 2042;
  static constexpr int ClockLabelId = 2038;
  static constexpr int StopwatchStartId = 2039;
  static constexpr int StopwatchLabelId = 2040;
  static constexpr int StopwatchResetId = 2041;
  static constexpr int EmergencyButtonId = 10000;
  static constexpr int InformationBoxId = 1058;
  static constexpr int LocationLabelId = 1127;
  static constexpr int FlyByButtonId = 1986;
  static constexpr int GetSimulationDataCommand = 983;
  static constexpr int ScriptPauseResumeCommand = 995;
  static constexpr int ScriptStopCommand = 1357;
  // The information box, over which the live monitor draws.
  static constexpr int LiveMonitorAreaId = 1058;

  COrvennaConsoleDlg();
  ~COrvennaConsoleDlg() override;

  // Moves and resizes one control from the 1920 by 1080 design by the factors.
  void ScaleControl(int id, float sx, float sy);
  // (Re)builds the stretched background picture; called at every size change.
  BOOL BuildBackground();

  // True when every guard let the action through.
  bool PassActionGuards(const ActionGuards& guards);

  // The stored interface language, also put into the state record; without one, the dialogs'
  // default (not stored).
  int ReadLanguageSetting();

  // The name tables: constellations by Latin name with their isolated flags, and the art.
  void InitConstellationNames();
  std::uint8_t FindConstellationIndex(std::wstring_view name) const;
  bool IsConstellationArtName(std::wstring_view name) const;

  // The show recorder.
  void RecordStep(const std::wstring& script, const std::wstring& keyword, float durationMs);
  // A step that opens what a later step closes (a held zoom, a speed button's rate): once it is in,
  // its closing step, named by its script or else its keyword, is kept even in a full recording.
  void RecordOpeningStep(const std::wstring& script, const std::wstring& keyword, float durationMs,
                         const std::wstring& closingStep);
  void RecordClosingStep(const std::wstring& script, const std::wstring& keyword);
  void StartRecording();
  void PauseResumeRecording();
  // The replay: plays the recorded show from idle, otherwise stops whatever the recorder does.
  void PlayOrStopRecording();
  // Timer 300: the keyword due now, then the wait for the next command line.
  void OnReplayStep();
  // -1 refused, 0 no usable version line (the command list is not replayed), 1 accepted.
  int CheckRecordingVersion(const std::wstring& commandList);
  // False when the recording needs a later Orvenna.
  bool CheckRecordingPlanetariumVersion(const std::wstring& commandList);
  // Releases a held zoom at once rather than by its safety timer.
  void ReleaseHeldZoom();
  // Ends a replay, a fly-by and the held keys as their own stops end them, before Orvenna is
  // left to itself or restarted.
  void StopRunningActions();

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
  // The demonstrations: fixed scripts (the look directions send keys) that show the sky at work.
  void OnFindPolaris();
  void OnPrecessionNorth();
  void OnPrecessionSouth();
  void OnZodiac();
  void OnZodiac13();
  void OnLookDirection(UINT id);
  void OnMilkyWay();

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

  // The monitoring window (modal) and the live monitor over the information box, switched on and
  // off by its key; timer 201 draws each live frame.
  void OnMonitorWindow();
  void OnLiveMonitor();
  void ShowLiveFrame();
  // A new bitmap of the screen's pixels in the rectangle, null for an empty one.
  HBITMAP CapturePlanetariumScreen(const RECT& rect);
  // Stretches the frame over the information box's place, in the fitted size.
  void DrawLiveMonitor(const RECT& fitted, HDC dc, HBITMAP frame);

  // Confirms, clears the pictures, closes Orvenna or leaves it at rest, and ends the console.
  void OnExit();
  // The options dialog, refused while a script or the rate keys run; afterwards the event labels
  // (when it wrote settings), the captions and the tips are set again.
  void OnOptions();
  virtual INT_PTR RunOptionsDialog();

  // The held buttons and the arrow keys, before the controls see them; every other key press on
  // the console is swallowed. Pen and finger presses count as mouse presses.
  BOOL PreTranslateMessage(MSG* msg) override;
  // Shift and the arrow (0 down, 1 up, 2 left, 3 right) to Orvenna's view; a timer releases them.
  void SendArrowKey(int direction);
  // user32's RegisterTouchWindow, looked up by name, for the main window; 0 when it is missing.
  BOOL RegisterForTouch();
  // Touch gestures are not used: the touches arrive as mouse messages marked as pen or touch.
  BOOL OnTouchInput(CPoint point, int index, int count, PTOUCHINPUT input) override;

  // View, selection and go-to: the go-to button's two stages, the view's reset, the selection
  // dropped, the selected object's live position, and the openers of two panels.
  void OnGoTo();
  void OnResetView();
  void OnDeselect();
  void OnObjectPosition();
  void OnPdfDocuments();
  void OnMultimedia();
  // Orvenna's auto-zoom-out key, typed where its keyboard layout has it; timer 187 releases it.
  void PressAutoZoomOut();
  void ReleaseAutoZoomOutKey();
  // The go-to and fly-by controls back to their nothing-selected texts, the go-to at its first
  // stage.
  void ClearSelectionDisplay();
  // No body selected any more, and the go-to and fly-by tips say so; the go-to keeps its stage,
  // its caption and the found object's name.
  void ForgetSelectedBody();
  // The refusals of the go-to and the object position: nothing selected (that notice), a fly-by.
  bool PassSelectionGuards(UINT nothingSelectedNotice);
  // The selected body as the go-to button names it, else the found object's name.
  std::wstring GoToSelectionName();
  // The PDF list and the multimedia panel, run modally; their results are not used.
  virtual INT_PTR RunPdfListDialog();
  virtual INT_PTR RunMultimediaDialog(bool twoMonitorLayout);

  // Observer location: a pole or the equator of a chosen body, a place on the world map, the
  // home place or the start state, and the surface of the selected body.
  void OnPoleOrEquator(UINT id);
  void OnWorldMap();
  void OnHome();
  void OnFromHere();
  // The planet buttons (codes 0 to 10) select a body; the fly-by orbits it, or stops the fly-by.
  void OnPlanetButton(UINT id);
  void OnFlyOver();
  // Timer expiries: a landing timer names the moon, the end timers end the fly-by.
  void ShowFlyByLanding(UINT_PTR timer);
  void EndFlyBy(UINT_PTR timer);
  // The countdown's text, shared with its thread.
  void SetFlyByCountdownText(std::wstring text);
  std::wstring FlyByCountdownText() const;
  // Stops the countdown thread and waits for it; the dialog's window must still be there.
  void EndFlyByCountdown();
  // The choosers, run modally: the pole chooser (its body into the state record's
  // homePlanetIndex), the world map (its script into scriptBuffer) and the home question.
  virtual INT_PTR RunPoleChooser();
  virtual INT_PTR RunWorldMap();
  virtual INT_PTR RunHomeQuestion();
  // The place into the location label, and a step that lets a replay show it again.
  void ShowLocation(const std::wstring& place);
  // The script-running refusal that also counts the speed buttons' rate keys as a running script.
  bool PassScriptOrRateKeysGuard(UINT noticeMs);

  // The timer dispatcher; ids it does not know are left alone.
  void OnTimer(UINT_PTR id);
  static bool IsDispatchedTimer(UINT_PTR id);
  // Runs the expiry of every pending key-release timer now, so that no key stays held in Orvenna.
  void ReleasePendingKeys();

  // The start state: the whole sky reset by one script, and the view settled after it.
  void ResetPlanetariumToStartState() override;
  void StartStateGaveWay() override;
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

  // Time control: pause, normal rate, now, the season dates, the keypad's date, the date on
  // Orvenna's screen and the four programmable speed buttons.
  void OnPause();
  void OnNormalSpeed();
  // The normal rate without the button's guards: the exit, the start-state reset and the
  // recorder's header must leave Orvenna at it whatever the recorder's state.
  void RestoreNormalSpeed();
  void OnNow();
  void OnSeasonDate(UINT id);
  void OnSetDateTime();
  void OnShowDateTime();
  void OnSpeedButton(UINT id);
  void OnSpeedHoldRelease(UINT id);
  void OnInvertTime();
  void UnpackSpeedButtonSettings();
  void UpdateSpeedButtonCaptions();
  void RunSetDateScript(int hour, int minute, int second, const std::wstring& date, bool local);
  // The keypad's date and time into the state record's entry; 0 when one was entered.
  virtual INT_PTR RunDateTimeKeypad();

  // The Find button: the search dialog's target selected in Orvenna.
  void OnBnClickedFind();
  void FindObject();
  // The search dialog, run modally; it leaves its target in the state record (empty: none).
  virtual INT_PTR RunSearchDialog();

  // The event buttons (commands 1060 to 1064): the slot's date, then its place, view and target.
  void OnEventButton(UINT id);
  // False when nothing ran.
  bool GoToEventSite(BYTE slot);
  void ReportUnreadableEventDate(int slot);

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
  // The constellation found last in isolate-selected mode.
  std::wstring IsolatedConstellationName;
  BYTE HasIsolatedConstellation = 0;
  std::vector<std::wstring> ConstellationArtNames;
  ConstellationList ConstellationNames;
  // The solar system's bodies by English name, filled at start-up.
  std::vector<std::wstring> SolarSystemNameList;
  // The body a planet button looked up last.
  SolarSystemBodyRecord solarSystemBody;
  CMonitors monitors;
  // The monitor to the right of the primary one, or the primary one when there is none.
  RECT secondaryMonitorRect{};
  CConsoleState consoleState;
  int liveMonitorRefreshRate = 0;
  bool emergencyShown = false;
  bool emergencyPressed = false;
  bool emergencyHideOnRelease = false;
  bool zoomHeld = false;
  bool timeKeyHeld = false;
  // Shift, Ctrl and Alt injected around a posted key, until its key-up timer releases them.
  HeldKeys heldKeys;
  HICON m_hIcon = nullptr;
  // Orvenna draws the Moon enlarged.
  bool moonScaleOn = false;
  // Read by the fly-by's countdown thread.
  std::atomic<bool> flyByCountdownStop = false;
  std::atomic<long long> flyByEndTime = 0;
  CWinThread* flyByCountdownThread = nullptr;
  // The speed buttons' settings, each button's unpacked from speedOptions.
  std::array<int, 4> speedSteps{1, 1, 1, 1};
  DWORD speedOptions = 0xFFFFFF;
  std::array<bool, 4> speedForward{};
  std::array<int, 4> speedDateStep{};
  std::array<bool, 4> speedRateMode{};
  std::array<bool, 4> speedSidereal{};
  std::array<bool, 4> speedButtonActive{};
  // The button pressed last, whose direction the rate keys take, and the keys still to send.
  int speedButtonIndex = 0;
  int speedKeySteps = 0;
  // What the console believes of Orvenna's rate, and whether a speed button drives it by keys.
  bool timeRateNormal = true;
  bool speedKeysActive = false;
  // When the information script was started: output.txt written before then is old.
  FILETIME simulationDataRequested{};
  // The template's controls, bound by id at start-up; statusLine and the information box are the
  // two edit fields, in the table's order.
  std::array<CBtnPlanet, CountMainDialogControls(MainDialogControl::ImageButton)> imageButtons;
  std::array<CEditEx, CountMainDialogControls(MainDialogControl::Text)> textFields;
  std::array<CStaticEx, CountMainDialogControls(MainDialogControl::Label)> labels;
  // Shown from the start-up until timer 110 hides it.
  SPLASH splash;
  CDC backgroundDC;
  WINDOWINFO liveMonitorBox{};
  LiveMonitorScreen liveMonitorScreen;
  bool liveMonitorOn = false;
  // The part of each live frame that is Orvenna's screen.
  SIZE liveFrameSource{};

  // The recorder. Times are the system clock's (UTC); spans in milliseconds.
  RecordedShow recordedShow;
  bool firstStepPending = false;
  bool recordingAvailable = false;
  // A step would have made the show larger than a file can give back: later steps are left out.
  bool recordingFull = false;
  // The closing steps that recorded opening steps still wait for.
  std::vector<std::wstring> owedClosingSteps;
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

  // The soundtrack a replayed recording plays, chosen in the options.
  std::wstring soundtrackPath;
  std::wstring soundtrackName;
  bool useSoundtrack = false;
  // The soundtrack's own player, hidden in the main dialog, which no multimedia button reaches.
  bool soundtrackActive = false;
  HWND soundtrackHost = nullptr;
  IWMPPlayer* soundtrackPlayer = nullptr;
  IWMPControls* soundtrackControls = nullptr;
  IWMPSettings* soundtrackSettings = nullptr;

  // The replay: the next command line, the keyword due when timer 300 fires, the last place.
  int nextCommandIndex = 0;
  std::wstring replayKeyword;
  std::wstring replayPlaceName;
  // While the replay performs a keyword: the recorded action passes the replay's refusal.
  bool performingReplayStep = false;

  // The event played last, -1 before the first.
  int currentEventIndex = -1;
  // The events whose stored date could not be read and was reported.
  std::array<bool, 5> eventDateReported{};
  // File errors reported so far, so that an action can stop at its first.
  int fileErrorsReported = 0;

  // The world map leaves the script of the chosen place here.
  std::wstring scriptBuffer;

  // The toggles' own state.
  bool shootingStarsOn = false;
  BYTE meteorMarkerState = 0;

  // The zodiac tour is shown until the next press undoes it; the walk's next step, 0 to 13.
  bool zodiacTourShown = false;
  std::uint16_t zodiac13Step = 0;

  // Go-to stage: false while the next press centres on the selection.
  bool goToStage = false;
  // 1 while the view stands at its initial field (the reset then only presses the zoom-out key).
  int viewZoomedOut = 1;

  // The stopwatch, read by the clock thread: the start is written before the flag is set.
  std::atomic<bool> stopwatchRunning = false;
  std::atomic<long long> stopwatchStart = 0;

  // Pictures over Orvenna's window: button k's picture as a square over its client area, in
  // front of the black backdrop. False, and nothing shown, when the picture cannot be read or
  // Orvenna's window is not there.
  bool ShowImageOverPlanetarium(int k, const std::wstring& path);
  bool PlaceImageOverPlanetarium(int k, const std::wstring& path);
  bool IsAnyPictureShown() const;
  // The players of the multimedia buttons. An empty suffix plays button k's own file, else the
  // suffix is appended to its folder. PlayAudio gives 5 when the audio plays on in the background.
  virtual INT_PTR PlayVideo(const std::wstring& suffix, int k);
  virtual INT_PTR PlayAudio(int k, const std::wstring& suffix);
  // The player re-opened on button k's background audio: 3 when stopped there, 5 when it plays on.
  INT_PTR ReopenBackgroundAudio(int k);
  // Button k's options, its path with the suffix; false, with the status line's notice, when the
  // file cannot be opened.
  bool OpenMediaFile(int k, const std::wstring& suffix, VideoOptions& options);
  // A sound that ends by itself is put away as its stop button would: checked every half second
  // while the background audio or the soundtrack plays.
  void WatchSoundEnds();
  void EndFinishedSounds();
  void EndBackgroundAudio();
  std::array<CExternalImage, MediaButtonCount> pictureOverlays;
  CExternalImage emergencyPicture;
  CExternalImage pictureBackdrop;

 protected:
  BOOL OnInitDialog() override;
  // Neither Escape nor a close request ends the console.
  void OnCancel() override {}

  int OnCreate(LPCREATESTRUCTW create);
  void OnSize(UINT type, int cx, int cy);
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* dc);
  HCURSOR OnQueryDragIcon();
  // The transparent controls ask for the background under them.
  LRESULT OnTransparentCtrlBackground(WPARAM childDC, LPARAM child);
  // The dialog that waited for the presenter while an action pressed Orvenna's keys gets the
  // keyboard back, if it still waits.
  LRESULT OnReturnKeyboard(WPARAM dialog, LPARAM);

  HWND ConsoleWindow() const override { return m_hWnd; }
  void QuitConsole(int result) override;
  bool ShowConsoleMessage(const ConsoleMessage& message) override;
  void ShowStatusMessage(UINT stringId, UINT clearAfterMs) override;
  void ReportFileError(const CFileException& error) override;
  void OnDestroy();

  DECLARE_MESSAGE_MAP()

 private:
  void EndFlyByOrSpeedSteps();
  void StartFlyBy(std::size_t flyBy, unsigned language);
  // The presenter's stop goes through the normal-speed button's guards; the start-state reset
  // and the script stop restore the normal rate whatever the recorder's state.
  void StopFlyBy(bool byPresenter);
  // The fly-by's countdown, timers, caption and place ended, without a key to Orvenna.
  void EndFlyByDisplay();
  void StartFlyByCountdown(long long endTime);
  static UINT FlybyCountdownThreadProc(LPVOID dialog);
  StartStateValues ReadStartStateValues(StartStateScriptUse use);
  // Shows the taskbar again and ends the dialog with the result.
  BOOL QuitStartup(int result);
  // False after telling the presenter that the screen is scaled.
  bool ScreenIsAt96Dpi();
  // By layout: over the desktop or the secondary monitor (shown or hidden, z-order unchanged), or
  // the training window at the bottom right, topmost and with a caption.
  void PlaceConsole(bool show);
  ScalingFrame CurrentScalingFrame() const;
  void ScaleAllControls();
  // Gives each image button its pictures, then binds every control to its member by id.
  void BindControls();
  void ShowInitialTexts();
  void SwitchOffPenFeedback();
  void MeasureLiveMonitorScreen();

  // Selects the replaced bitmap back and frees the background's bitmap and DC.
  void FreeBackground();

  CBitmap backgroundBitmap;
  // A handle: the framework's wrapper of it is temporary.
  HGDIOBJ backgroundPrevious = nullptr;
  void BuildRecordingHeader();
  // Appends the step if the show still loads back with the spare kept free; otherwise leaves it out.
  bool KeepStep(const std::wstring& script, const std::wstring& keyword, float durationMs, std::size_t spare);
  void AppendStep(const std::wstring& script, const std::wstring& keyword, float durationMs);
  void AppendCommandLine(const std::wstring& command);
  void StartPlayback();
  void StopPlayback();
  std::wstring NextCommandLine();
  void SchedulePlaybackStep(double seconds);
  void PerformReplayKeyword(const std::wstring& keyword);
  void ReplayZoomKey(BYTE key, bool down);
  // The soundtrack through the media player control; a soundtrack that cannot play is told on
  // the status line and the show goes on without it.
  void StartSoundtrack();
  bool OpenSoundtrack();
  void StopSoundtrack();
  void ReleaseSoundtrack();
  void PostToggleKey(UINT commandId);
  // Posts the key-up of the toggle whose timer fired; other timers are not its.
  void ReleaseToggleKey(UINT_PTR timer);
  void InjectToggleHotkey(UINT commandId);
  void RunScriptedSwitch(UINT commandId);
  void ResetWholeSky();
  void ReturnHome();
  void BringConsoleForward();
  void RunPrecession(bool south);
  // The refusals of an event: recording paused, a script or the rate keys running, a fly-by.
  bool PassEventGuards();
  // The event's target as its script shows it; sets CurrentObjectName and the go-to tip.
  std::optional<EventTargetShown> ShowEventTarget(int slot);
  void RunZodiacScript(const std::wstring& script, const wchar_t* file, UINT scriptFlagMs, float recordedMs);
  // What a press or a release of a held button did with the message.
  enum class HeldAnswer { NotForIt, Consumed, ToButtonOnly, ToDialogOnly, GoesOn };
  HeldAnswer PressHeldButton(int controlId);
  HeldAnswer ReleaseHeldButton(int controlId);
  HeldAnswer PressZoom(int controlId);
  HeldAnswer ReleaseZoom(int controlId);
  HeldAnswer PressTimeStep(int controlId);
  HeldAnswer ReleaseTimeStep(int controlId);
  // Timer expiries: one more time step, a held zoom's safety release, an arrow's key-up.
  void StepHeldTime(UINT_PTR timer);
  void ReleaseZoomKeys(UINT_PTR timer);
  void ReleaseArrowKey(UINT_PTR timer);
  // The training layout's once-a-second check that Orvenna and the console are on the primary.
  void KeepInPlace();
  static UINT ClockThreadProc(LPVOID dialog);
  void ShowClockTick();
  void SetTooltip(int controlId, const std::wstring& text);

  // Time control's own steps.
  void EndRunningSpeedButtons();
  void EndTimeStepping();
  void PostTimeKey(BYTE key, UINT_PTR releaseTimer);
  // Posts the key-up of the normal-rate or the now key, by the timer that fired, when Orvenna's
  // view is there.
  void ReleaseTimeKey(UINT_PTR timer);
  void StartRateSpeedButton(int k);
  void StopRateSpeedButton(int k);
  void StartDateSpeedButton(int k);
  void StopDateSpeedButton(int k);
  // A date-stepping run whose script another action stopped in Orvenna ends as its second press
  // ends it, without a second stop key.
  void EndDateSteppingRuns();
  void EndDateSpeedButton(int k);
  void StepRateKeys();
  // Ends a recorded looping step with the rounds that ran in the time since it began.
  void CloseOpenEndedStep(float secondsPerRound);

  struct Tooltip {
    int controlId;
    std::unique_ptr<CToolTipCtrl> control;
  };
  std::vector<Tooltip> tooltips_;
  CWinThread* clockThread_ = nullptr;
  HANDLE clockStop_ = nullptr;
  HWND clockWindow_ = nullptr;
  mutable std::mutex flyByCountdownLock_;
  std::wstring flyByCountdownText;
  HWND flyByStatusWindow_ = nullptr;
};

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
// SendArrowKey's direction for an arrow key; none for every other key.
std::optional<int> ArrowDirection(WPARAM key);
// A planet button's body (code 0 to 10) as the tips name it; empty for any other code.
std::wstring PlanetTipName(int bodyCode, unsigned language);
// A string-table entry; empty when it is missing.
std::wstring LoadConsoleString(UINT id);
