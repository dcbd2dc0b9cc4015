// CWMPlayVideo: the remote through which every video and audio file of the console plays. Audio
// and, unless OCconfig.ini chooses mpv, videos play in the media player control, hosted inside
// Orvenna's view (videos) or hidden inside the main dialog (audio, which plays on after the
// remote closes); otherwise the video plays in mpv, started from the console's folder and steered
// by its keys.
#pragma once

#include <array>
#include <string>

#include "platform/afx/afx.h"
#include "platform/com/media_player_api.h"
#include "src/controls/btn_planet.h"
#include "src/controls/edit_ex.h"
#include "src/media/players/mpv_player_choice.h"

class COrvennaConsoleDlg;

inline constexpr UINT PlayerTemplate = 41337;
// DoModal: the media was stopped, or the remote closed without background audio.
inline constexpr INT_PTR PlayerStopped = 3;
// DoModal: the remote closed while its audio plays on in the background.
inline constexpr INT_PTR PlayerAudioPlaysOn = 5;
// LaunchMpv: mpv was started and still runs (the result of a wait that timed out).
inline constexpr DWORD MpvRunning = 258;

// The first top-level window titled "mpv..." (in any case); the last error 0, or
// ERROR_FILE_NOT_FOUND when there is none.
HWND FindMpvWindow();
BOOL CALLBACK FindMpvWindowProc(HWND window, LPARAM found);
// The first visible top-level window of the process, or none.
HWND FindProcessWindow(DWORD processId);

class CWMPlayVideo : public CDialog {
 public:
  CWMPlayVideo(COrvennaConsoleDlg* owner, int volume, int rotation, bool flip, bool fullScreen, int x, int y,
               int width, int height, int buttonIndex, const std::wstring& fileName, bool audioMode);
  ~CWMPlayVideo() override;

  // The background audio this remote plays has reached its end: stopped as by the stop button.
  // False when the remote plays other audio or none.
  bool StopEndedAudio();

  // Starts mpv with the arguments; MpvRunning, 0 when it ended at once, or the system's error.
  DWORD LaunchMpv(const std::wstring& programPath, std::wstring arguments);

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override;
  BOOL OnEraseBkgnd(CDC* dc);
  void OnPlayPause();
  void OnStop();
  void OnFastForward();
  void OnFastReverse();
  void OnMute();
  void OnVolume(UINT id);
  void OnMoveVideo(UINT id);
  void OnTimer(UINT_PTR id);
  DECLARE_MESSAGE_MAP()

 private:
  void SetUpButtons();
  void EnableMoveButtons(bool enable);
  void ShowVolume(int value);
  // The status line says the file did not play: its player did not start or ended at once.
  void ShowCannotPlay();
  // The first look after a start, for a player that ended at once.
  void LookSoonForEarlyEnd();
  bool EndedAtOnce();
  // The next position of the video for a move button, within the view; false when it may not go.
  bool StepPosition(UINT id, const CRect& view, const CRect& video);

  // The media player control.
  void AttachToBackgroundAudio();
  bool StartMediaPlayer();
  bool CreatePlayerHost(HWND parent);
  void PlaceHost(HWND view);
  void ReleaseInterfaces();
  void DestroyHost();
  void PlayPauseMediaPlayer();
  void StopMediaPlayer();
  void FastMediaPlayer(UINT id, const wchar_t* control);
  void MuteMediaPlayer();
  void VolumeMediaPlayer(bool up);
  void MoveMediaPlayer(UINT id);

  // mpv.
  std::wstring MpvArguments();
  // False, with mpv forgotten, once it has ended by itself.
  bool MpvRuns();
  // mpv's window, looked up by its process when it was not found at the launch.
  HWND MpvWindow();
  // mpv's window brought to the front for a key; none while mpv shows none.
  HWND MpvWindowForKeys();
  void SendMpvKey(wchar_t key);
  void SendMpvKeyWord(SHORT keyWord);
  void ForgetMpv();
  void PlayPauseMpv();
  void StopMpv();
  void FastMpv(wchar_t speedKey);
  void VolumeMpv(bool up);
  void MoveMpv(UINT id);

  COrvennaConsoleDlg* owner;
  int volume;
  int rotation;
  bool flip;
  bool fullScreen;
  int x;
  int y;
  int width;
  int height;
  int buttonIndex;
  std::wstring fileName;
  bool audioMode;
  bool useMpv;
  HWND hostWindow = nullptr;
  IWMPPlayer* player = nullptr;
  IWMPControls* controls = nullptr;
  IWMPSettings* settings = nullptr;
  bool playing = false;
  bool fastMode = false;
  bool firstLookDue = false;
  HWND mpvWindow = nullptr;
  DWORD mpvProcessId = 0;
  // Kept to tell that mpv ended by itself and to end one whose window was never found.
  HANDLE mpvProcess = nullptr;

  std::array<CBtnPlanet, 12> buttons;
  CEditEx volumeLabel;
};
