// The Windows taskbar, hidden while Orvenna runs a script full screen and shown again after.
#pragma once

// Hides or shows the taskbar ("Shell_TrayWnd") and, except on Windows 8, the separate Start
// button. The work area's bottom edge grows by the taskbar's height when it is hidden and shrinks
// back when it is shown, only when the taskbar's visibility really changes, so repeated calls
// leave the work area where it was.
void SetTaskbarHidden(bool hide);

// TRUE when the running Windows is exactly version 6.minor.
int IsWindowsVersionEqual(unsigned char minor);
