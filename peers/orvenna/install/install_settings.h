// How the stand-in planetarium is installed on a desktop: the machine a test wants, from a
// regular install to none at all.
#pragma once

#include <string>

namespace orvenna {

struct InstallSettings {
  // The version the uninstall entry's DisplayName names ("Orvenna 0.18.2").
  std::wstring version = L"0.18.2";
  // The uninstall entry, orvenna.exe and the install folder's content.
  bool installed = true;
  // %APPDATA%\Orvenna with config.ini and base_locations.txt, as the program's first start
  // leaves it.
  bool user_folder = true;
  // With the user folder, the console's catalogue files in it (stars_cat.csv, messier_cat.csv,
  // solar_system.csv), as the console's installer leaves them.
  bool catalogues = true;
  // A 64-bit machine keeps a 32-bit installer's uninstall entry under SOFTWARE\Wow6432Node
  // and its files under "Program Files (x86)".
  bool machine_64_bit = false;
  // The artwork, nebula thumbnails and horizons: a few hundred small files. Tests that never
  // look at pictures install faster without them.
  bool pictures = true;
  // A full folder path; empty gives the machine's usual one.
  std::wstring install_folder;
};

}  // namespace orvenna
