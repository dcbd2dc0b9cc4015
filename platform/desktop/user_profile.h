// The machine's one user, "presenter": the environment every program starts with and the
// standard folders that a fresh machine gets.
#pragma once

#include "platform/desktop/drive_map.h"
#include "platform/desktop/environment.h"

namespace desktop {

Environment standard_environment();
// Creates the standard folders that are missing (the user's profile, Windows, Program Files).
void make_standard_folders(DriveMap& drives);

}  // namespace desktop
