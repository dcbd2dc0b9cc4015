// The media player control in a host window, as the remote and the sound-end watch reach it.
#pragma once

#include "platform/com/media_player_api.h"
#include "platform/win/win_types.h"

// The control's player interface, to be released; none when the host holds no control.
IWMPPlayer* PlayerIn(HWND host);
// The player has played its file to the end, or there is none to play.
bool HasEnded(IWMPPlayer* player);
