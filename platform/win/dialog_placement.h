// Where the common dialogs show: centred on their owner, but never reaching off its monitor's
// work area, as a small owner (a picker's pop-up, a dialog near a corner) would have them.
#pragma once

#include "platform/win/win_types.h"

namespace win_internal {

void keep_on_monitor(HWND dialog);

}  // namespace win_internal
