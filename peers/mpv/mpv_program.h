// The stand-in mpv as a program of the desktop, "mpv.exe".
#pragma once

#include <memory>
#include <string>

#include "peers/mpv/mpv_probe.h"
#include "platform/desktop/desktop.h"

namespace mpv {

// Registers "mpv.exe"; every start reports to the probe returned, whose JSON is the section
// "mpv" of the desktop's dumps. Register once per desktop, before the program first runs.
std::shared_ptr<MpvProbe> register_mpv_program(desktop::Desktop& machine);

// Puts mpv.exe into a folder (a full Windows path ending in a backslash), as its installer
// would; 0 or the Win32 error.
DWORD install_mpv(desktop::Desktop& machine, const std::wstring& folder);

}  // namespace mpv
