// The main dialog's players of the multimedia buttons: the button's file (or the file chosen in
// its folder) checked, then played in the remote.
#include "src/media/players/media_players.h"

#include "platform/afx/file.h"
#include "src/app/orvenna_console_dlg.h"
#include "src/media/players/wm_play_video.h"
#include "src/settings/console_settings.h"
#include "src/settings/multimedia_settings.h"
#include "src/util/format_text.h"
#include "src/util/localized_text.h"

namespace {

constexpr UINT CannotOpenText = 4580;
constexpr UINT CannotOpenMs = 5000;
constexpr INT_PTR NotPlayed = -1;
constexpr INT_PTR Played = 1;
constexpr int AudioVolume = 100;

}  // namespace

bool COrvennaConsoleDlg::OpenMediaFile(int k, const std::wstring& suffix, VideoOptions& options) {
  LoadVideoOptions(k, options);
  options.fileName += suffix;
  CFile probe;
  if (!probe.Open(options.fileName.c_str(), CFile::modeRead | CFile::shareDenyNone)) {
    const std::wstring format = LoadConsoleString(CannotOpenText + ReadLanguage());
    ShowStatusText(FormatText(format.c_str(), options.fileName.c_str()), CannotOpenMs);
    return false;
  }
  probe.Close();
  return true;
}

INT_PTR COrvennaConsoleDlg::PlayVideo(const std::wstring& suffix, int k) {
  VideoOptions options;
  if (!OpenMediaFile(k, suffix, options)) return NotPlayed;
  CWMPlayVideo player(this, options.volume, options.rotation, options.flip, options.fullScreen,
                      options.xOffset, options.yOffset, options.width, options.height, k, options.fileName,
                      false);
  player.DoModal();
  return Played;
}

INT_PTR COrvennaConsoleDlg::PlayAudio(int k, const std::wstring& suffix) {
  VideoOptions options;
  if (!OpenMediaFile(k, suffix, options)) return NotPlayed;
  CWMPlayVideo player(this, AudioVolume, 0, options.flip, false, 0, 0, 0, 0, k, options.fileName, true);
  if (player.DoModal() == PlayerAudioPlaysOn) {
    mediaActive[k] = true;
    return AudioPlaysOn;
  }
  backgroundAudioHost = nullptr;
  mediaActive[k] = false;
  return AudioStopped;
}

INT_PTR COrvennaConsoleDlg::ReopenBackgroundAudio(int k) {
  CWMPlayVideo player(this, AudioVolume, 0, false, false, 0, 0, 0, 0, k, L"", true);
  return player.DoModal();
}
