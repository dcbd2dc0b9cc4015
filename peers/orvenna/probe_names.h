// Names the probe's dumps give to messages, display flags and where a message came from.
#pragma once

#include <string>
#include <vector>

#include "peers/orvenna/program_probe.h"
#include "peers/orvenna/sky_state.h"

namespace orvenna {

// "WM_KEYDOWN" for the messages the console sends, posts or types; else "0x0113".
std::string message_name(UINT message);
const char* origin_name(MessageOrigin origin);
// The names of the flags that are on, in the order of SkyFlag.
std::vector<const char*> flags_on(const SkyState& sky);

}  // namespace orvenna
