#include "platform/view/desktop_screenshot.h"

#include "platform/view/headless_backend.h"
#include "platform/view/view.h"

namespace view {

ViewResult write_screenshot(desktop::Desktop& machine, const std::filesystem::path& file) {
  HeadlessBackend backend;
  View shown(machine, backend);
  if (ViewResult opened = shown.open(); !opened) return opened;
  shown.refresh();
  return backend.write_screenshot(file);
}

ViewResult screenshot_of_new_desktop(desktop::DesktopConfig config, desktop::Tick settle_ms,
                                     const std::filesystem::path& file,
                                     const std::function<void(desktop::Desktop&)>& prepare) {
  config.clock = desktop::ClockKind::Virtual;
  desktop::Desktop machine(config);
  if (prepare) prepare(machine);
  machine.attach(L"screenshot.exe");
  machine.advance(settle_ms);
  ViewResult written = write_screenshot(machine, file);
  machine.detach();
  return written;
}

}  // namespace view
