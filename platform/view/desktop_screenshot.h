// One picture of a desktop, taken without a display: what a headless run or a scenario asks
// for.
#pragma once

#include <filesystem>
#include <functional>

#include "platform/desktop/desktop.h"
#include "platform/view/view_backend.h"

namespace view {

// Writes the desktop's whole screen, as it is now, as a PNG. Call from outside the desktop's
// threads or from a thread attached to it.
ViewResult write_screenshot(desktop::Desktop& machine, const std::filesystem::path& file);

// Starts a desktop on the virtual clock, has prepare set it up (install, start programs),
// lets it run for settle_ms of its own time so its programs start and paint, writes its screen
// and shuts it down.
ViewResult screenshot_of_new_desktop(desktop::DesktopConfig config, desktop::Tick settle_ms,
                                     const std::filesystem::path& file,
                                     const std::function<void(desktop::Desktop&)>& prepare = {});

}  // namespace view
