// The remote's media player control: made in a host window in Orvenna's view (video) or hidden
// in the main dialog (audio), played, paused, sped up, muted, louder or softer, and moved.
#include "platform/com/atl_host_api.h"
#include "platform/com/ole_auto_api.h"
#include "platform/win/win32.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/media/players/hosted_player.h"
#include "src/media/players/wm_play_video.h"

namespace {

constexpr wchar_t VideoMode[] = L"none";
constexpr wchar_t AudioMode[] = L"invisible";
constexpr DWORD HostStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
// The control is given time to open the video before it is told to play.
constexpr DWORD VideoOpenMs = 1000;
constexpr int VolumeStep = 5;
constexpr int LoudestBelowStep = 95;

// An automation string for one call.
class CallText {
 public:
  explicit CallText(const wchar_t* text) : text(SysAllocString(text)) {}
  ~CallText() { SysFreeString(text); }
  CallText(const CallText&) = delete;
  CallText& operator=(const CallText&) = delete;
  operator BSTR() const { return text; }

 private:
  BSTR text;
};

template <typename Interface>
void Release(Interface*& held) {
  if (held != nullptr) held->Release();
  held = nullptr;
}

}  // namespace

void CWMPlayVideo::AttachToBackgroundAudio() {
  HWND host = owner->backgroundAudioHost;
  if (!::IsWindow(host)) return;
  IWMPPlayer* attached = PlayerIn(host);
  if (attached == nullptr) return;
  player = attached;
  hostWindow = host;
  player->get_settings(&settings);
  LONG current = 0;
  if (settings != nullptr) settings->get_volume(&current);
  ShowVolume(static_cast<int>(current));
  player->get_controls(&controls);
  // Paused audio waits for one press of play.
  WMPPlayState state = wmppsUndefined;
  player->get_playState(&state);
  playing = state == wmppsPlaying || state == wmppsScanForward || state == wmppsScanReverse;
}

bool CWMPlayVideo::CreatePlayerHost(HWND parent) {
  hostWindow = ::CreateWindowExW(0, kAxHostWindowClass, L"", HostStyle, 0, 0, 0, 0, parent, nullptr,
                                 AfxGetInstanceHandle(), nullptr);
  if (hostWindow == nullptr) return false;
  if (SUCCEEDED(AtlAxCreateControl(kMediaPlayerClassIdText, hostWindow, nullptr, nullptr)))
    player = PlayerIn(hostWindow);
  if (player != nullptr) player->get_settings(&settings);
  if (player != nullptr) player->get_controls(&controls);
  if (player != nullptr && settings != nullptr && controls != nullptr) return true;
  ReleaseInterfaces();
  DestroyHost();
  return false;
}

bool CWMPlayVideo::StartMediaPlayer() {
  // A remote re-opened on audio that has gone has nothing to play; without Orvenna's view a
  // video has nowhere to play.
  if (fileName.empty()) return false;
  HWND view = owner->FindPlanetariumView();
  HWND parent = audioMode ? owner->GetSafeHwnd() : view;
  if (parent == nullptr || !CreatePlayerHost(parent)) return false;
  settings->put_volume(volume);
  ShowVolume(volume);
  player->put_enabled(VARIANT_TRUE);
  if (audioMode) ::SetWindowPos(hostWindow, nullptr, 0, 0, 0, 0, SWP_NOZORDER);
  player->put_uiMode(CallText(audioMode ? AudioMode : VideoMode));
  HRESULT opened = player->put_URL(CallText(fileName.c_str()));
  if (SUCCEEDED(opened) && !audioMode) {
    player->put_fullScreen(fullScreen ? VARIANT_TRUE : VARIANT_FALSE);
    ::Sleep(VideoOpenMs);
  }
  if (FAILED(opened) || FAILED(controls->play())) {
    ReleaseInterfaces();
    DestroyHost();
    return false;
  }
  // The audio counts as playing in the background only once it really plays.
  if (audioMode) {
    owner->backgroundAudioHost = hostWindow;
    owner->backgroundAudioActive = true;
    owner->backgroundAudioButton = buttonIndex;
    owner->mediaActive[buttonIndex] = true;
    owner->WatchSoundEnds();
  } else {
    PlaceHost(view);
  }
  EnableMoveButtons(true);
  playing = true;
  LookSoonForEarlyEnd();
  return true;
}

void CWMPlayVideo::PlaceHost(HWND view) {
  if (fullScreen) {
    CRect client;
    ::GetClientRect(view, &client);
    ::SetWindowPos(hostWindow, nullptr, client.left, client.top, client.Width(), client.Height(),
                   SWP_NOZORDER | SWP_SHOWWINDOW);
    return;
  }
  ::SetWindowPos(hostWindow, nullptr, x, y, width, height, SWP_NOZORDER | SWP_SHOWWINDOW);
}

void CWMPlayVideo::ReleaseInterfaces() {
  Release(controls);
  Release(settings);
  Release(player);
}

void CWMPlayVideo::DestroyHost() {
  if (::IsWindow(hostWindow)) ::DestroyWindow(hostWindow);
  hostWindow = nullptr;
}

void CWMPlayVideo::PlayPauseMediaPlayer() {
  if (!playing && controls == nullptr) {
    // A remote re-opened on audio that has gone has nothing to play and nothing to tell.
    if (!StartMediaPlayer() && !fileName.empty()) ShowCannotPlay();
    return;
  }
  if (controls == nullptr) return;
  if (!playing) {
    controls->play();
    playing = true;
  } else if (fastMode) {
    controls->play();
    fastMode = false;
  } else {
    controls->pause();
    playing = false;
  }
}

void CWMPlayVideo::StopMediaPlayer() {
  // The background audio this remote plays, or took over, ends with the remote.
  if (audioMode && hostWindow != nullptr && hostWindow == owner->backgroundAudioHost) {
    ::ShowWindow(hostWindow, SW_MINIMIZE);
    ReleaseInterfaces();
    DestroyHost();
    owner->backgroundAudioHost = nullptr;
    owner->backgroundAudioButton = -1;
    playing = false;
    owner->backgroundAudioActive = false;
    OnCancel();
    return;
  }
  // A paused video stops too.
  if (controls == nullptr) return;
  controls->stop();
  Release(controls);
  player->close();
  DestroyHost();
  ReleaseInterfaces();
  playing = false;
  fastMode = false;
  EnableMoveButtons(false);
}

void CWMPlayVideo::FastMediaPlayer(UINT id, const wchar_t* control) {
  if (!playing || controls == nullptr) return;
  VARIANT_BOOL available = VARIANT_FALSE;
  controls->get_isAvailable(CallText(control), &available);
  CWnd* button = GetDlgItem(static_cast<int>(id));
  if (button != nullptr) button->EnableWindow(available != VARIANT_FALSE ? TRUE : FALSE);
  if (available == VARIANT_FALSE) return;
  if (fastMode) {
    controls->play();
    fastMode = false;
    return;
  }
  if (control == std::wstring_view(L"fastForward"))
    controls->fastForward();
  else
    controls->fastReverse();
  fastMode = true;
}

void CWMPlayVideo::MuteMediaPlayer() {
  if (!playing || settings == nullptr) return;
  VARIANT_BOOL mute = VARIANT_FALSE;
  settings->get_mute(&mute);
  settings->put_mute(mute != VARIANT_FALSE ? VARIANT_FALSE : VARIANT_TRUE);
}

void CWMPlayVideo::VolumeMediaPlayer(bool up) {
  if (!playing || settings == nullptr) return;
  LONG current = 0;
  settings->get_volume(&current);
  if (up && current <= LoudestBelowStep)
    current += VolumeStep;
  else if (!up && current >= VolumeStep)
    current -= VolumeStep;
  else
    return;
  settings->put_volume(current);
  ShowVolume(static_cast<int>(current));
}

void CWMPlayVideo::MoveMediaPlayer(UINT id) {
  if (!::IsWindow(hostWindow)) return;
  CRect view;
  ::GetClientRect(::GetParent(hostWindow), &view);
  CRect video;
  ::GetWindowRect(hostWindow, &video);
  if (!StepPosition(id, view, video)) return;
  ::SetWindowPos(hostWindow, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}
