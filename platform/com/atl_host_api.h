// The ActiveX host window class "AtlAxWin100": a child window that holds one control, fills its
// client area with the control's window and releases the control when it is destroyed.
#pragma once

#include "platform/com/com_types.h"

inline constexpr const wchar_t* kAxHostWindowClass = L"AtlAxWin100";

// Registers the host class in the calling program; TRUE also when it is registered already.
BOOL WINAPI AtlAxWinInit();
// Makes the control named by a braced class id or a prog id and activates it in the host,
// replacing a control it held. A host created with such a name as its window text makes that
// control at creation. The stream of saved properties is not read.
HRESULT WINAPI AtlAxCreateControl(LPCOLESTR name, HWND host, IStream* stream, IUnknown** container);
// The host's control, AddRef'd; E_FAIL when the window is no host or holds no control.
HRESULT WINAPI AtlAxGetControl(HWND host, IUnknown** control);
