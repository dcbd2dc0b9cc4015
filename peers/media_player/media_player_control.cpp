#include "peers/media_player/media_player_control.h"

#include <cwctype>
#include <string_view>

#include "platform/com/ole_auto_api.h"
#include "platform/desktop/utf8.h"
#include "platform/win/win32.h"

namespace media_player {
namespace {

// The display modes: "invisible" shows nothing; the others show the picture alone.
constexpr std::wstring_view kUiModes[] = {L"invisible", L"none", L"mini", L"full"};

std::wstring lower(std::wstring_view text) {
  std::wstring folded(text);
  for (wchar_t& c : folded)
    c = static_cast<wchar_t>(std::towlower(c));
  return folded;
}

std::wstring text_of(BSTR text) {
  return text == nullptr ? std::wstring() : std::wstring(text, SysStringLen(text));
}

HRESULT give_text(const std::wstring& text, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size()));
  return *out == nullptr ? E_OUTOFMEMORY : S_OK;
}

HRESULT give_flag(bool value, VARIANT_BOOL* out) {
  if (out == nullptr) return E_POINTER;
  *out = value ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

const char* state_name(PlayState state) {
  switch (state) {
    case PlayState::Closed:
      return "closed";
    case PlayState::Ready:
      return "ready";
    case PlayState::Playing:
      return "playing";
    case PlayState::Paused:
      return "paused";
    case PlayState::Stopped:
      return "stopped";
    case PlayState::Ended:
      return "ended";
    case PlayState::Failed:
      return "failed";
  }
  return "";
}

}  // namespace

MediaPlayerControl::MediaPlayerControl(std::shared_ptr<PlayerProbe> probe)
    : probe_(std::move(probe)), number_(probe_->add_control()) {
  report();
}

MediaPlayerControl::~MediaPlayerControl() {
  DestroyControlWindow();
  close_media();
  released_ = true;
  report();
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IWMPPlayer)
    *object = static_cast<IWMPPlayer*>(this);
  else if (iid == IID_IWMPControls)
    *object = static_cast<IWMPControls*>(this);
  else if (iid == IID_IWMPSettings)
    *object = static_cast<IWMPSettings*>(this);
  else if (iid == IID_IHostedControl)
    *object = static_cast<IHostedControl*>(this);
  else
    *object = nullptr;
  if (*object == nullptr) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG STDMETHODCALLTYPE MediaPlayerControl::AddRef() {
  return ++references_;
}

ULONG STDMETHODCALLTYPE MediaPlayerControl::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID,
                                                            DISPID* ids) {
  if (ids == nullptr) return E_INVALIDARG;
  for (UINT i = 0; i < count; ++i)
    ids[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                                     EXCEPINFO*, UINT*) {
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::get_URL(BSTR* url) {
  return give_text(url_, url);
}

// Opens the media, ready to play; a file that cannot be played leaves the control failed.
HRESULT STDMETHODCALLTYPE MediaPlayerControl::put_URL(BSTR url) {
  close_media();
  url_ = text_of(url);
  if (url_.empty()) {
    report();
    return S_OK;
  }
  playback_ = std::make_unique<media::Playback>(log_);
  if (std::string why = playback_->open(url_); !why.empty()) {
    const DWORD error = playback_->file_error();
    failure_ = HRESULT_FROM_WIN32(error != 0 ? error : ERROR_BAD_FORMAT);
    failure_text_ = why;
    playback_.reset();
    state_ = PlayState::Failed;
    probe_->log("cannot play " + desktop::to_utf8(url_) + ": " + why);
    report();
    return failure_;
  }
  apply_sound();
  state_ = PlayState::Ready;
  probe_->log("opened " + desktop::to_utf8(url_));
  report();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::close() {
  close_media();
  url_.clear();
  report();
  return S_OK;
}

void MediaPlayerControl::close_media() {
  unschedule();
  playback_.reset();
  state_ = PlayState::Closed;
  rate_ = 1;
  failure_ = S_OK;
  failure_text_.clear();
  blank();
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::get_controls(IWMPControls** controls) {
  if (controls == nullptr) return E_POINTER;
  *controls = static_cast<IWMPControls*>(this);
  AddRef();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::get_settings(IWMPSettings** settings) {
  if (settings == nullptr) return E_POINTER;
  *settings = static_cast<IWMPSettings*>(this);
  AddRef();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::get_enabled(VARIANT_BOOL* enabled) {
  return give_flag(enabled_, enabled);
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::put_enabled(VARIANT_BOOL enabled) {
  enabled_ = enabled != VARIANT_FALSE;
  report();
  return S_OK;
}

// Kept and reported; the picture fills the host window whatever it is, and the host is sized by
// its container.
HRESULT STDMETHODCALLTYPE MediaPlayerControl::get_fullScreen(VARIANT_BOOL* full_screen) {
  return give_flag(full_screen_, full_screen);
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::put_fullScreen(VARIANT_BOOL full_screen) {
  full_screen_ = full_screen != VARIANT_FALSE;
  report();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::get_uiMode(BSTR* mode) {
  return give_text(ui_mode_, mode);
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::put_uiMode(BSTR mode) {
  const std::wstring asked = lower(text_of(mode));
  bool known = false;
  for (std::wstring_view name : kUiModes)
    known = known || asked == name;
  if (!known) return E_INVALIDARG;
  ui_mode_ = asked;
  if (window_ != nullptr) ShowWindow(window_, draws_picture() ? SW_SHOWNA : SW_HIDE);
  report();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::get_playState(WMPPlayState* state) {
  if (state == nullptr) return E_POINTER;
  switch (state_) {
    case PlayState::Playing:
      *state = rate_ > 1 ? wmppsScanForward : rate_ < 0 ? wmppsScanReverse : wmppsPlaying;
      break;
    case PlayState::Paused:
      *state = wmppsPaused;
      break;
    case PlayState::Stopped:
      *state = wmppsStopped;
      break;
    case PlayState::Ended:
      *state = wmppsMediaEnded;
      break;
    case PlayState::Ready:
      *state = wmppsReady;
      break;
    case PlayState::Closed:
    case PlayState::Failed:
      *state = wmppsUndefined;
      break;
  }
  return S_OK;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::get_volume(LONG* volume) {
  if (volume == nullptr) return E_POINTER;
  *volume = volume_;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::put_volume(LONG volume) {
  if (volume < 0 || volume > 100) return E_INVALIDARG;
  volume_ = volume;
  apply_sound();
  report();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::get_mute(VARIANT_BOOL* mute) {
  return give_flag(mute_, mute);
}

HRESULT STDMETHODCALLTYPE MediaPlayerControl::put_mute(VARIANT_BOOL mute) {
  mute_ = mute != VARIANT_FALSE;
  apply_sound();
  report();
  return S_OK;
}

// The fast modes play without sound.
void MediaPlayerControl::apply_sound() {
  if (!playback_) return;
  playback_->set_volume(volume_);
  playback_->set_muted(mute_ || rate_ != 1);
}

void MediaPlayerControl::report() {
  const auto& lines = log_.lines();
  for (; lines_logged_ < lines.size(); ++lines_logged_)
    probe_->log(lines[lines_logged_]);
  PlayerView view;
  view.window = window_;
  view.host = window_ != nullptr ? GetParent(window_) : nullptr;
  view.url = url_;
  view.ui_mode = ui_mode_;
  view.state = state_name(state_);
  view.failure = failure_text_;
  view.position = playback_ ? playback_->position() : 0;
  view.duration = playback_ ? playback_->duration() : 0;
  view.rate = rate_;
  view.volume = volume_;
  view.mute = mute_;
  view.enabled = enabled_;
  view.full_screen = full_screen_;
  view.frames_shown = frames_shown_;
  view.last_centre = last_centre_;
  view.released = released_;
  probe_->update(number_, view);
}

}  // namespace media_player
