// The transport controls: play, pause, stop and the fast modes, and what is available when.
#include <cwctype>
#include <string_view>

#include "peers/media_player/media_player_control.h"
#include "platform/com/ole_auto_api.h"
#include "platform/desktop/utf8.h"
#include "platform/win/win32.h"

namespace media_player {
namespace {

bool same_name(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  return true;
}

}  // namespace

bool MediaPlayerControl::available(std::wstring_view name) const {
  if (!playback_ || window_ == nullptr) return false;
  const bool playing = state_ == PlayState::Playing;
  const bool paused = state_ == PlayState::Paused;
  if (same_name(name, L"play"))
    return (playing && rate_ != 1) || paused || state_ == PlayState::Ready || state_ == PlayState::Stopped ||
           state_ == PlayState::Ended;
  if (same_name(name, L"pause")) return playing;
  if (same_name(name, L"stop")) return playing || paused;
  if (same_name(name, L"fastForward"))
    return playing || paused || state_ == PlayState::Ready || state_ == PlayState::Stopped;
  // Going back needs a media whose length is known, to seek in.
  if (same_name(name, L"fastReverse")) return (playing || paused) && playback_->duration() > 0;
  return false;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::get_isAvailable(BSTR name, VARIANT_BOOL* available_now) {
  if (available_now == nullptr) return E_POINTER;
  const std::wstring_view asked =
      name == nullptr ? std::wstring_view() : std::wstring_view(name, SysStringLen(name));
  *available_now = available(asked) ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

// The media's failure, or E_UNEXPECTED with no media or no window to play in.
HRESULT MediaPlayerControl::not_playable() const {
  return state_ == PlayState::Failed ? failure_ : E_UNEXPECTED;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::play() {
  if (!available(L"play") && state_ != PlayState::Playing) return not_playable();
  switch (state_) {
    case PlayState::Ready:
      playback_->start();
      break;
    case PlayState::Ended:
      playback_->go_to(0);
      break;
    default:
      break;
  }
  set_rate(1);
  playback_->set_paused(false);
  state_ = PlayState::Playing;
  schedule(0);
  report();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::pause() {
  if (state_ != PlayState::Playing) return available(L"play") ? S_OK : not_playable();
  set_rate(1);
  playback_->set_paused(true);
  state_ = PlayState::Paused;
  unschedule();
  report();
  return S_OK;
}

// Back to the start, paused, with nothing shown.
HRESULT STDMETHODCALLTYPE MediaPlayerControl::stop() {
  if (!available(L"stop")) return available(L"play") ? S_OK : not_playable();
  set_rate(1);
  playback_->set_paused(true);
  playback_->go_to(0);
  state_ = PlayState::Stopped;
  unschedule();
  blank();
  report();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::fastForward() {
  if (!available(L"fastForward")) return not_playable();
  if (state_ == PlayState::Ready) playback_->start();
  set_rate(kFastForwardRate);
  playback_->set_paused(false);
  state_ = PlayState::Playing;
  schedule(0);
  report();
  return S_OK;
}

// Steps back through the media, paused between the frames it shows (see step_back).
HRESULT STDMETHODCALLTYPE MediaPlayerControl::fastReverse() {
  if (!available(L"fastReverse")) return not_playable();
  set_rate(kFastReverseRate);
  playback_->set_paused(true);
  state_ = PlayState::Playing;
  schedule(kReverseStepMs);
  report();
  return S_OK;
}

// Leaving fast reverse goes to where it stepped to, so that picture and sound start there together.
void MediaPlayerControl::set_rate(int rate) {
  if (rate_ < 0 && rate >= 0) playback_->go_to(playback_->position());
  rate_ = rate;
  playback_->set_speed(rate > 0 ? rate : 1);
  apply_sound();
}

void MediaPlayerControl::end_media() {
  rate_ = 1;
  state_ = PlayState::Ended;
  unschedule();
  blank();
  probe_->log("ended " + desktop::to_utf8(url_));
}

}  // namespace media_player
