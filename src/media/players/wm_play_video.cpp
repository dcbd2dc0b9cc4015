#include "src/media/players/wm_play_video.h"

#include "platform/com/atl_host_api.h"
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/settings/console_settings.h"
#include "src/util/format_text.h"

namespace {

struct RemoteButton {
  int id;
  int normalBitmap;
  int activeBitmap;
};

constexpr int PlayPauseId = 550;
constexpr int FastForwardId = 551;
constexpr int FastReverseId = 552;
constexpr int MuteId = 554;
constexpr int StopId = 560;
constexpr int VolumeUpId = 6200;
constexpr int VolumeDownId = 6201;
constexpr int VolumeLabelId = 6202;
constexpr int MoveUpId = 6203;
constexpr int MoveDownId = 6204;
constexpr int MoveLeftId = 6205;
constexpr int MoveRightId = 6206;

constexpr std::array<RemoteButton, 12> RemoteButtons{{
    {PlayPauseId, 8460, 8461},
    {FastReverseId, 350, 351},
    {FastForwardId, 350, 351},
    {StopId, 5410, 5411},
    {MuteId, 8430, 8431},
    {IDCANCEL, 5126, 5128},
    {VolumeUpId, 8100, 8101},
    {VolumeDownId, 8102, 8103},
    {MoveUpId, 7470, 7471},
    {MoveDownId, 7472, 7473},
    {MoveLeftId, 7474, 7475},
    {MoveRightId, 7476, 7477},
}};
constexpr int MoveButtonIds[] = {MoveUpId, MoveDownId, MoveLeftId, MoveRightId};

constexpr BYTE PlayerAlpha = 240;
constexpr wchar_t VolumeText[] = L"VOLUME: %d";
constexpr int MoveStep = 10;
constexpr UINT CannotPlayText = 12710;
constexpr UINT CannotPlayMs = 5000;

}  // namespace

BEGIN_MESSAGE_MAP(CWMPlayVideo, CDialog)
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_BN_CLICKED(PlayPauseId, &CWMPlayVideo::OnPlayPause)
ON_BN_CLICKED(StopId, &CWMPlayVideo::OnStop)
ON_BN_CLICKED(FastForwardId, &CWMPlayVideo::OnFastForward)
ON_BN_CLICKED(FastReverseId, &CWMPlayVideo::OnFastReverse)
ON_BN_CLICKED(MuteId, &CWMPlayVideo::OnMute)
ON_COMMAND_RANGE(VolumeUpId, VolumeDownId, &CWMPlayVideo::OnVolume)
ON_COMMAND_RANGE(MoveUpId, MoveRightId, &CWMPlayVideo::OnMoveVideo)
END_MESSAGE_MAP()

CWMPlayVideo::CWMPlayVideo(COrvennaConsoleDlg* owner, int volume, int rotation, bool flip, bool fullScreen,
                           int x, int y, int width, int height, int buttonIndex, const std::wstring& fileName,
                           bool audioMode)
    : CDialog(PlayerTemplate),
      owner(owner),
      volume(volume),
      rotation(rotation),
      flip(flip),
      fullScreen(fullScreen),
      x(x),
      y(y),
      width(width),
      height(height),
      buttonIndex(buttonIndex),
      fileName(fileName),
      audioMode(audioMode),
      useMpv(!audioMode && IsMpvPlayerSelected()) {}

CWMPlayVideo::~CWMPlayVideo() {
  if (owner->audioRemote == this) owner->audioRemote = nullptr;
  ReleaseInterfaces();
  if (mpvProcess != nullptr) ::CloseHandle(mpvProcess);
}

BOOL CWMPlayVideo::OnInitDialog() {
  CDialog::OnInitDialog();
  ModifyStyleEx(0, WS_EX_LAYERED);
  ::SetLayeredWindowAttributes(m_hWnd, 0, PlayerAlpha, LWA_ALPHA);
  AtlAxWinInit();
  SetUpButtons();
  EnableMoveButtons(false);
  // Only an audio remote takes over the audio that plays on from an earlier one.
  if (audioMode) {
    owner->audioRemote = this;
    if (owner->backgroundAudioHost != nullptr) AttachToBackgroundAudio();
  }
  return TRUE;
}

bool CWMPlayVideo::StopEndedAudio() {
  if (!audioMode || hostWindow == nullptr || hostWindow != owner->backgroundAudioHost) return false;
  // Ended before this remote's first look: it ended at once.
  if (firstLookDue) ShowCannotPlay();
  StopMediaPlayer();
  return true;
}

void CWMPlayVideo::SetUpButtons() {
  for (std::size_t i = 0; i < RemoteButtons.size(); ++i) {
    buttons[i].m_nNormalId = RemoteButtons[i].normalBitmap;
    buttons[i].m_nActiveId = RemoteButtons[i].activeBitmap;
    buttons[i].SubclassDlgItem(RemoteButtons[i].id, this);
  }
  volumeLabel.SubclassDlgItem(VolumeLabelId, this);
}

void CWMPlayVideo::ShowCannotPlay() {
  const std::wstring format = LoadConsoleString(CannotPlayText + ReadLanguage());
  owner->ShowStatusText(FormatText(format.c_str(), fileName.c_str()), CannotPlayMs);
}

void CWMPlayVideo::EnableMoveButtons(bool enable) {
  for (int id : MoveButtonIds)
    if (CWnd* button = GetDlgItem(id)) button->EnableWindow(enable ? TRUE : FALSE);
}

void CWMPlayVideo::ShowVolume(int value) {
  volumeLabel.SetWindowText(FormatText(VolumeText, value).c_str());
}

BOOL CWMPlayVideo::OnEraseBkgnd(CDC* dc) {
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(&client, RGB(0, 0, 0));
  return TRUE;
}

void CWMPlayVideo::OnPlayPause() {
  if (useMpv)
    PlayPauseMpv();
  else
    PlayPauseMediaPlayer();
}

void CWMPlayVideo::OnStop() {
  if (useMpv)
    StopMpv();
  else
    StopMediaPlayer();
}

void CWMPlayVideo::OnFastForward() {
  if (useMpv)
    FastMpv(L'}');
  else
    FastMediaPlayer(FastForwardId, L"fastForward");
}

void CWMPlayVideo::OnFastReverse() {
  if (useMpv)
    FastMpv(L'{');
  else
    FastMediaPlayer(FastReverseId, L"fastReverse");
}

void CWMPlayVideo::OnMute() {
  if (!useMpv) {
    MuteMediaPlayer();
  } else if (MpvWindowForKeys() != nullptr) {
    SendMpvKey(L'm');
  }
}

void CWMPlayVideo::OnVolume(UINT id) {
  if (useMpv)
    VolumeMpv(id == VolumeUpId);
  else
    VolumeMediaPlayer(id == VolumeUpId);
}

void CWMPlayVideo::OnMoveVideo(UINT id) {
  // A full-screen video fills Orvenna's view: there is nowhere to move it.
  if (fullScreen) return;
  if (useMpv)
    MoveMpv(id);
  else
    MoveMediaPlayer(id);
}

bool CWMPlayVideo::StepPosition(UINT id, const CRect& view, const CRect& video) {
  switch (id) {
    case MoveUpId:
      if (y <= MoveStep) return false;
      y -= MoveStep;
      return true;
    case MoveDownId:
      if (y >= view.Height() - video.Height() + MoveStep) return false;
      y += MoveStep;
      return true;
    case MoveLeftId:
      if (x <= MoveStep) return false;
      x -= MoveStep;
      return true;
    case MoveRightId:
      if (x >= view.Width() - video.Width() + MoveStep) return false;
      x += MoveStep;
      return true;
    default:
      return false;
  }
}

void CWMPlayVideo::OnCancel() {
  // Audio closed while it plays (or waits paused) goes on in the background.
  if (audioMode && owner->backgroundAudioActive) {
    EndDialog(playing || owner->backgroundAudioHost != nullptr ? PlayerAudioPlaysOn : PlayerStopped);
    return;
  }
  if (useMpv) {
    StopMpv();
  } else if (hostWindow != nullptr && !audioMode) {
    ReleaseInterfaces();
    DestroyHost();
  }
  EndDialog(PlayerStopped);
}
