// The stand-in media player control as the desktop has it: its code registered as an in-process
// class for CLSID_MediaPlayer, and its install (the class's key under HKEY_CLASSES_ROOT\CLSID),
// without which programs find it not installed.
#pragma once

#include <memory>

#include "peers/media_player/player_probe.h"
#include "platform/desktop/desktop.h"
#include "platform/win/registry_api.h"

namespace media_player {

// Gives the machine the control's code; the probe returned sees every control made, and its
// JSON is the section "media_player" of the desktop's dumps. Register once per desktop.
std::shared_ptr<PlayerProbe> register_media_player(desktop::Desktop& machine);

// On a desktop thread: writes the class's registry keys, as the player's installer does, or
// removes them. The registry's status.
LSTATUS install_media_player();
LSTATUS uninstall_media_player();
// On a desktop thread: the class's key is there.
bool media_player_installed();

}  // namespace media_player
