// Background audio and a replay's soundtrack that reach the end of their files: nothing tells the
// console, so it looks every half second and puts each away as its stop would.
#include "platform/win/window_api.h"
#include "src/app/console_timers.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/media/multimedia_control_dlg.h"
#include "src/media/players/hosted_player.h"
#include "src/media/players/wm_play_video.h"

namespace {

constexpr UINT SoundEndCheckMs = 500;

bool BackgroundAudioEnded(HWND host) {
  IWMPPlayer* player = ::IsWindow(host) ? PlayerIn(host) : nullptr;
  const bool ended = HasEnded(player);
  if (player != nullptr) player->Release();
  return ended;
}

}  // namespace

void COrvennaConsoleDlg::WatchSoundEnds() {
  SetTimer(SoundEndTimer, SoundEndCheckMs, nullptr);
}

void COrvennaConsoleDlg::EndFinishedSounds() {
  if (soundtrackActive && HasEnded(soundtrackPlayer)) StopSoundtrack();
  if (backgroundAudioActive && BackgroundAudioEnded(backgroundAudioHost)) EndBackgroundAudio();
  if (!soundtrackActive && !backgroundAudioActive) KillTimer(SoundEndTimer);
}

void COrvennaConsoleDlg::EndBackgroundAudio() {
  // A remote open on the audio stops it as its own stop button does, and its caller sets the
  // button's caption.
  if (audioRemote != nullptr && audioRemote->GetSafeHwnd() != nullptr && audioRemote->StopEndedAudio())
    return;
  if (::IsWindow(backgroundAudioHost)) ::DestroyWindow(backgroundAudioHost);
  backgroundAudioHost = nullptr;
  backgroundAudioActive = false;
  const int k = backgroundAudioButton;
  backgroundAudioButton = -1;
  if (k < 0 || k >= MediaButtonCount) return;
  mediaActive[k] = false;
  if (openPanel != nullptr) openPanel->ShowAudioStopped(k);
}
