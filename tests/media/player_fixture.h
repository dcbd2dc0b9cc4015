// The console's main dialog with Orvenna placed on the second monitor, mpv installed in the
// console's folder and the media player control on the machine, clips made on the machine, and the player's
// remote opened for a button.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "peers/media/clip_writer.h"
#include "peers/media_player/player_probe.h"
#include "peers/mpv/mpv_probe.h"
#include "src/settings/multimedia_settings.h"
#include "tests/media/media_fixture.h"

class PlayerTest : public MediaTest {
 protected:
  PlayerTest();
  void SetUp() override;
  void TearDown() override;

  // A clip on drive C (its Windows path), as the scenario step makefile makes one.
  void MakeClip(const std::wstring& path, const media::ClipSpec& spec = {});
  void MakeTextFile(const std::wstring& path, const std::string& text);
  // Button k plays the file with these options; type 2 videos, 3 audio.
  void SetUpButton(int k, int type, const VideoOptions& options);
  // OCconfig.ini's choice of player: "MPV" or another word, none when empty.
  void ChoosePlayer(const std::wstring& player);
  // PlayVideo or PlayAudio for button k as the panel calls it; the remote, when it opened, stays
  // open, and its result comes into playResult when it ends.
  HWND OpenVideo(int k, const std::wstring& suffix = L"");
  HWND OpenAudio(int k);
  HWND ReopenAudio(int k);
  std::wstring VolumeLabel(HWND remote) const;
  // Whether the last mpv still plays its sound: a program that ended has its stream closed.
  bool MpvSoundOpen();

  static constexpr wchar_t ConsoleFolder[] = L"C:\\Program Files\\Orvenna Console\\";
  std::shared_ptr<mpv::MpvProbe> mpvProbe;
  std::shared_ptr<media_player::PlayerProbe> mediaProbe;
  std::optional<INT_PTR> playResult;

 private:
  HWND OpenRemote(std::function<INT_PTR(TestConsoleDlg&)> open);
};
