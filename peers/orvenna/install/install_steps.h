// The parts of an install, each writing one folder's content. Folders are full Windows paths
// ending in a backslash.
#pragma once

#include <string>

#include "peers/orvenna/install/install_settings.h"
#include "peers/orvenna/install/install_writer.h"

namespace orvenna {

void write_sky_cultures(InstallWriter& writer, const std::wstring& install_folder);
// stars\default\star_positions.txt: where the named stars stand.
void write_star_positions(InstallWriter& writer, const std::wstring& install_folder);
void write_landscapes(InstallWriter& writer, const std::wstring& install_folder);
void write_nebula_pictures(InstallWriter& writer, const std::wstring& install_folder);
void write_user_folder(InstallWriter& writer, const std::wstring& user_folder);
// The console's star, Messier and solar-system catalogues in the user folder.
void write_console_catalogues(InstallWriter& writer, const std::wstring& user_folder);
// In either registry view.
bool has_uninstall_entry(desktop::Desktop& machine);
InstallResult write_uninstall_entry(desktop::Desktop& machine, const InstallSettings& settings);

}  // namespace orvenna
