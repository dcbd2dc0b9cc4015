#include "src/controls_sample_program.h"

#include "src/controls/controls_sample_dialog.h"

bool start_controls_sample(desktop::Desktop& machine) {
  bool started = false;
  machine.call_from_outside([&machine, &started] {
    machine.register_program(kControlsSampleProgram, [](const std::wstring&) { return RunControlsSample(); });
    machine.install_program(kControlsSamplePath);
    desktop::LaunchRequest request;
    request.path = kControlsSamplePath;
    started = machine.launch_program(request).error == 0;
  });
  return started;
}
