// The stand-in planetarium as a program of the desktop, "orvenna.exe": its settings for tests and
// the function that registers it.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "peers/orvenna/program_probe.h"
#include "platform/desktop/desktop.h"

namespace orvenna {

struct ProgramSettings {
  std::wstring version = L"0.18.2";  // the title says "Orvenna <version>"
  bool render_child = true;          // without it the main window is the view
  std::wstring keyboard_layout;      // a layout name such as "0000040C"; empty: the machine's
  // A slow reader reads the script the run key names this long after the key, later than the
  // console's waits allow; 0 reads at once.
  DWORD script_read_delay_ms = 0;
  // Dies this long into a script, with the exit code of a crash.
  std::optional<DWORD> crash_after_ms;
};

// The exit code of a crash: an access violation.
inline constexpr DWORD kCrashExitCode = 0xC0000005;

// Registers "orvenna.exe"; each start is a fresh program, and every start reports to the probe
// returned, whose JSON is the section "orvenna" of the desktop's dumps. Register once per
// desktop, before the program first runs: the registration keeps the programs' objects, which
// their threads use until the desktop ends them.
std::shared_ptr<ProgramProbe> register_orvenna_program(desktop::Desktop& machine,
                                                       ProgramSettings settings = {});

}  // namespace orvenna
