// A file that opens and then ends at once, with nothing in it that plays, or an mpv that quits as
// soon as it showed its window: neither fails the start, so the remote looks once, shortly after,
// tells the presenter and puts the player away.
#include "src/media/players/hosted_player.h"
#include "src/media/players/wm_play_video.h"

namespace {

constexpr UINT_PTR FirstLookTimer = 1;
// Sooner than the main dialog looks for sounds that ended, so that it is the remote that tells.
constexpr UINT FirstLookMs = 300;

}  // namespace

void CWMPlayVideo::LookSoonForEarlyEnd() {
  firstLookDue = true;
  SetTimer(FirstLookTimer, FirstLookMs, nullptr);
}

void CWMPlayVideo::OnTimer(UINT_PTR id) {
  if (id != FirstLookTimer) {
    CDialog::OnTimer(id);
    return;
  }
  KillTimer(FirstLookTimer);
  firstLookDue = false;
  if (!EndedAtOnce()) return;
  ShowCannotPlay();
  if (!useMpv) StopMediaPlayer();
}

// A stopped player has not ended; a paused one neither. mpv that ended is forgotten by MpvRuns.
bool CWMPlayVideo::EndedAtOnce() {
  if (useMpv) return playing && !MpvRuns();
  return controls != nullptr && HasEnded(player);
}
