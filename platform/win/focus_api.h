// Keyboard focus, the active window of a thread and the desktop's foreground window.
#pragma once

#include "platform/win/win_types.h"

HWND WINAPI SetFocus(HWND hwnd);
HWND WINAPI GetFocus();
HWND WINAPI SetActiveWindow(HWND hwnd);
HWND WINAPI GetActiveWindow();
BOOL WINAPI SetForegroundWindow(HWND hwnd);
HWND WINAPI GetForegroundWindow();
BOOL WINAPI BringWindowToTop(HWND hwnd);
void WINAPI SwitchToThisWindow(HWND hwnd, BOOL alt_tab);
HWND WINAPI GetLastActivePopup(HWND hwnd);
BOOL WINAPI AttachThreadInput(DWORD attach, DWORD attach_to, BOOL do_attach);
