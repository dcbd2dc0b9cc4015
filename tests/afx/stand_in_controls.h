// Minimal "Button", "Static", "Edit" and "ComboBox" classes for the framework's tests, registered in the
// calling program only where the desktop has none of its own: a button clicks (BM_CLICK, a
// mouse click) with BN_CLICKED and tells the dialog manager whether it is the default one.
#pragma once

void register_stand_in_controls();

inline constexpr unsigned kStandInDefPushButton = 0x1;
