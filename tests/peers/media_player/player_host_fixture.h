// A desktop with the media player control installed, and a small host program that holds it as
// the console does: an ActiveX host window inside a frame, the control made in it from the class
// id text, taken with AtlAxGetControl and asked for its player, controls and settings. The test
// calls the interfaces on the host's thread, where the control plays.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "peers/media_player/media_player.h"
#include "platform/com/media_player_api.h"
#include "tests/peers/media/media_fixture.h"

// The frame's own colour, round the host.
inline constexpr COLORREF kFrameColour = 0x00804020;

class PlayerHostTest : public MediaTest {
 protected:
  PlayerHostTest();
  // The host program closes its frame and lets its interfaces go before the programs end.
  void TearDown() override;

  struct Host {
    HRESULT created = E_FAIL;  // AtlAxCreateControl's result
    HWND frame = nullptr;
    HWND host = nullptr;
    DWORD thread = 0;
    IWMPPlayer* player = nullptr;
    IWMPControls* controls = nullptr;
    IWMPSettings* settings = nullptr;
  };
  // Starts the host program with its host window at rect in the frame (400 by 300 at the
  // screen's top left), or in another program's window as the console hosts a video in
  // Orvenna's; returns once it waits.
  const Host& open_host(RECT rect = {40, 30, 360, 270}, HWND parent = nullptr);

  // Runs work on the host's thread and waits for it; the programs then run until idle.
  HRESULT on_host(const std::function<HRESULT()>& work);
  // The host's player, with a BSTR made of text for the property setters.
  HRESULT set_url(const std::wstring& url);
  HRESULT set_ui_mode(const std::wstring& mode);
  bool is_available(const std::wstring& name);

  // The colour on screen at a point of the host's client area, and the frame it shows.
  COLORREF at(POINT point) const;
  int frame_at(POINT point) const;
  media_player::PlayerView view() const;
  // The timers of the host's thread that belong to the control's window.
  int control_timers();
  // The RMS level of the host program's last sound stream over the last second; -1 without one.
  double level();
  bool stream_open();

  std::shared_ptr<media_player::PlayerProbe> probe = media_player::register_media_player(machine);
  Host hosted;
};
