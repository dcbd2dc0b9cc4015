// Installs the stand-in planetarium on a desktop as its installer and its first start would:
// the uninstall entry, orvenna.exe with the install folder's landscapes, sky cultures and
// nebula pictures, and the user folder with config.ini and base_locations.txt. Everything is
// generated here; an install takes a few tens of milliseconds.
#pragma once

#include <string>

#include "peers/orvenna/install/install_settings.h"
#include "platform/desktop/desktop.h"
#include "platform/win/win_types.h"

namespace orvenna {

inline constexpr const wchar_t* kUninstallKey =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvenna_is1";
inline constexpr const wchar_t* kExecutableName = L"orvenna.exe";

struct InstallResult {
  DWORD error = 0;    // a Win32 error code
  std::wstring path;  // what could not be written
  explicit operator bool() const { return error == 0; }
};

// The install folder the settings give, ending in a backslash as InstallLocation holds it.
std::wstring install_folder_of(const InstallSettings& settings);
// %APPDATA%\Orvenna of the machine's standard environment, without a trailing backslash.
std::wstring user_folder_of(desktop::Desktop& machine);

// Writes what the settings ask for over whatever is there. Call it before the programs run,
// or from a thread attached to the desktop.
InstallResult install_orvenna(desktop::Desktop& machine, const InstallSettings& settings = {});

// A machine whose registry knows no Orvenna, in either view, is fresh: it gets the default
// install. Any other machine is left as it is.
InstallResult install_on_first_run(desktop::Desktop& machine);

}  // namespace orvenna
