// The media player control, in process: the player with its media and display mode, its
// transport controls and its settings, all on one object. It plays on its host's thread,
// paced by timers on a window of its own inside the host, so it plays on in every modal loop
// of that thread; uiMode "invisible" hides that window and plays the sound alone.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <string_view>

#include "peers/media/media_log.h"
#include "peers/media/playback.h"
#include "peers/media_player/player_probe.h"
#include "platform/com/hosted_control.h"
#include "platform/com/media_player_api.h"

namespace media_player {

inline constexpr const wchar_t* kPlayerWindowClass = L"MediaPlayerView";
// The rates of the fast modes.
inline constexpr int kFastForwardRate = 5;
inline constexpr int kFastReverseRate = -5;
// Fast reverse shows a frame this often, each kFastReverseRate times as far back.
inline constexpr DWORD kReverseStepMs = 100;

enum class PlayState { Closed, Ready, Playing, Paused, Stopped, Ended, Failed };

class MediaPlayerControl final : public IWMPPlayer,
                                 public IWMPControls,
                                 public IWMPSettings,
                                 public IHostedControl {
 public:
  explicit MediaPlayerControl(std::shared_ptr<PlayerProbe> probe);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // Nothing is reached by dispatch: the interfaces are called directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argument_error) override;

  HRESULT STDMETHODCALLTYPE close() override;
  HRESULT STDMETHODCALLTYPE get_URL(BSTR* url) override;
  HRESULT STDMETHODCALLTYPE put_URL(BSTR url) override;
  HRESULT STDMETHODCALLTYPE get_controls(IWMPControls** controls) override;
  HRESULT STDMETHODCALLTYPE get_settings(IWMPSettings** settings) override;
  HRESULT STDMETHODCALLTYPE get_enabled(VARIANT_BOOL* enabled) override;
  HRESULT STDMETHODCALLTYPE put_enabled(VARIANT_BOOL enabled) override;
  HRESULT STDMETHODCALLTYPE get_fullScreen(VARIANT_BOOL* full_screen) override;
  HRESULT STDMETHODCALLTYPE put_fullScreen(VARIANT_BOOL full_screen) override;
  HRESULT STDMETHODCALLTYPE get_uiMode(BSTR* mode) override;
  HRESULT STDMETHODCALLTYPE put_uiMode(BSTR mode) override;
  HRESULT STDMETHODCALLTYPE get_playState(WMPPlayState* state) override;

  HRESULT STDMETHODCALLTYPE get_isAvailable(BSTR name, VARIANT_BOOL* available) override;
  HRESULT STDMETHODCALLTYPE play() override;
  HRESULT STDMETHODCALLTYPE stop() override;
  HRESULT STDMETHODCALLTYPE pause() override;
  HRESULT STDMETHODCALLTYPE fastForward() override;
  HRESULT STDMETHODCALLTYPE fastReverse() override;

  HRESULT STDMETHODCALLTYPE get_volume(LONG* volume) override;
  HRESULT STDMETHODCALLTYPE put_volume(LONG volume) override;
  HRESULT STDMETHODCALLTYPE get_mute(VARIANT_BOOL* mute) override;
  HRESULT STDMETHODCALLTYPE put_mute(VARIANT_BOOL mute) override;

  HRESULT STDMETHODCALLTYPE CreateControlWindow(HWND parent, const RECT& rect, DWORD style, UINT id,
                                                HWND* window) override;
  HRESULT STDMETHODCALLTYPE DestroyControlWindow() override;

 private:
  ~MediaPlayerControl();

  // Transport.
  bool available(std::wstring_view name) const;
  HRESULT not_playable() const;
  void set_rate(int rate);
  void apply_sound();
  void end_media();
  void close_media();

  // The window and its timer.
  static LRESULT CALLBACK window_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool draws_picture() const;
  void schedule(DWORD ms);
  void unschedule();
  void tick();
  void step_back();
  void show(const media::TickResult& result, int frames_before);
  void blank();
  void paint();
  void refit();
  SIZE picture_size() const;

  void report();

  std::atomic<ULONG> references_{1};
  std::shared_ptr<PlayerProbe> probe_;
  int number_;
  HWND window_ = nullptr;
  media::MediaLog log_;
  std::size_t lines_logged_ = 0;
  std::unique_ptr<media::Playback> playback_;
  std::wstring url_;
  std::wstring ui_mode_ = L"full";
  bool enabled_ = true;
  bool full_screen_ = false;
  LONG volume_ = 50;
  bool mute_ = false;
  PlayState state_ = PlayState::Closed;
  int rate_ = 1;
  HRESULT failure_ = S_OK;
  std::string failure_text_;
  int frames_shown_ = 0;
  COLORREF last_centre_ = 0;
  bool released_ = false;
};

}  // namespace media_player
