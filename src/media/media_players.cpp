// The video and audio players of the multimedia buttons. Until the player dialog is part of the
// console, nothing plays: a video press opens nothing and an audio press reads as stopped.
#include "src/media/media_players.h"
#include "src/app/orvenna_console_dlg.h"

INT_PTR COrvennaConsoleDlg::PlayVideo(const std::wstring&, int) {
  return IDCANCEL;
}

INT_PTR COrvennaConsoleDlg::PlayAudio(int k, const std::wstring&) {
  if (k >= 0 && k < MediaButtonCount) mediaActive[k] = false;
  return AudioStopped;
}

INT_PTR COrvennaConsoleDlg::ReopenBackgroundAudio(int) {
  return AudioStopped;
}
