// The functions programs look up by name in the system's libraries at run time.
#include "platform/win/focus_api.h"
#include "platform/win/touch_api.h"
#include "platform/win/win_internal.h"

namespace win_internal {

void register_system_exports(desktop::Desktop& machine) {
  machine.register_export(L"user32.dll", "SwitchToThisWindow", &SwitchToThisWindow);
  machine.register_export(L"user32.dll", "RegisterTouchWindow", &RegisterTouchWindow);
  machine.register_export(L"user32.dll", "UnregisterTouchWindow", &UnregisterTouchWindow);
}

}  // namespace win_internal
