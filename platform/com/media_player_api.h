// The media player control's interfaces as the console drives them: the player with its URL and
// display mode, its transport controls, and its settings of volume and mute.
#pragma once

#include "platform/com/com_types.h"

inline constexpr const wchar_t* kMediaPlayerClassIdText = L"{6BF52A52-394A-11d3-B153-00C04F79FAA6}";
inline constexpr CLSID CLSID_MediaPlayer{
    0x6BF52A52, 0x394A, 0x11d3, {0xB1, 0x53, 0x00, 0xC0, 0x4F, 0x79, 0xFA, 0xA6}};

inline constexpr IID IID_IWMPSettings{
    0x2b2a2c4e, 0x7d61, 0x4c1f, {0x9a, 0x0e, 0x51, 0x6f, 0x3c, 0x22, 0x84, 0x01}};
inline constexpr IID IID_IWMPControls{
    0x2b2a2c4e, 0x7d61, 0x4c1f, {0x9a, 0x0e, 0x51, 0x6f, 0x3c, 0x22, 0x84, 0x02}};
inline constexpr IID IID_IWMPPlayer{
    0x2b2a2c4e, 0x7d61, 0x4c1f, {0x9a, 0x0e, 0x51, 0x6f, 0x3c, 0x22, 0x84, 0x03}};

// Volume 0 to 100; mute keeps the volume.
struct IWMPSettings : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_volume(LONG* volume) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_volume(LONG volume) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_mute(VARIANT_BOOL* mute) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_mute(VARIANT_BOOL mute) = 0;

 protected:
  ~IWMPSettings() = default;
};

// isAvailable takes a control's name ("play", "pause", "stop", "fastForward", "fastReverse").
struct IWMPControls : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_isAvailable(BSTR name, VARIANT_BOOL* available) = 0;
  virtual HRESULT STDMETHODCALLTYPE play() = 0;
  virtual HRESULT STDMETHODCALLTYPE stop() = 0;
  virtual HRESULT STDMETHODCALLTYPE pause() = 0;
  virtual HRESULT STDMETHODCALLTYPE fastForward() = 0;
  virtual HRESULT STDMETHODCALLTYPE fastReverse() = 0;

 protected:
  ~IWMPControls() = default;
};

// What the player is doing, by the control's own numbers.
enum WMPPlayState : LONG {
  wmppsUndefined = 0,
  wmppsStopped = 1,
  wmppsPaused = 2,
  wmppsPlaying = 3,
  wmppsScanForward = 4,
  wmppsScanReverse = 5,
  wmppsMediaEnded = 8,
  wmppsReady = 10,
};

// uiMode "none" draws the media into the host window, "invisible" plays audio and shows nothing.
// Setting the URL opens the media; close ends it and frees the file.
struct IWMPPlayer : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE close() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_URL(BSTR* url) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_URL(BSTR url) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_controls(IWMPControls** controls) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_settings(IWMPSettings** settings) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_enabled(VARIANT_BOOL* enabled) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_enabled(VARIANT_BOOL enabled) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_fullScreen(VARIANT_BOOL* full_screen) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_fullScreen(VARIANT_BOOL full_screen) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_uiMode(BSTR* mode) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_uiMode(BSTR mode) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_playState(WMPPlayState* state) = 0;

 protected:
  ~IWMPPlayer() = default;
};
