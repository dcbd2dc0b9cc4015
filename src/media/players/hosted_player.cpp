#include "src/media/players/hosted_player.h"

#include "platform/com/atl_host_api.h"

IWMPPlayer* PlayerIn(HWND host) {
  IUnknown* control = nullptr;
  if (FAILED(AtlAxGetControl(host, &control)) || control == nullptr) return nullptr;
  IWMPPlayer* player = nullptr;
  control->QueryInterface(IID_IWMPPlayer, reinterpret_cast<void**>(&player));
  control->Release();
  return player;
}

bool HasEnded(IWMPPlayer* player) {
  WMPPlayState state = wmppsUndefined;
  return player == nullptr || FAILED(player->get_playState(&state)) || state == wmppsMediaEnded;
}
