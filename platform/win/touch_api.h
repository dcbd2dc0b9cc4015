// Touch input: windows registered for WM_TOUCH, the touch records of those messages, and the
// pen service's window property.
#pragma once

#include "platform/win/win_types.h"

OC_DECLARE_HANDLE(HTOUCHINPUT);
using PULONG = ULONG*;

struct TOUCHINPUT {
  LONG x;  // hundredths of a pixel, in screen coordinates
  LONG y;
  HANDLE hSource;
  DWORD dwID;
  DWORD dwFlags;
  DWORD dwMask;
  DWORD dwTime;
  ULONG_PTR dwExtraInfo;
  DWORD cxContact;
  DWORD cyContact;
};
using PTOUCHINPUT = TOUCHINPUT*;

inline constexpr DWORD TOUCHEVENTF_MOVE = 0x0001;
inline constexpr DWORD TOUCHEVENTF_DOWN = 0x0002;
inline constexpr DWORD TOUCHEVENTF_UP = 0x0004;
inline constexpr DWORD TOUCHEVENTF_INRANGE = 0x0008;
inline constexpr DWORD TOUCHEVENTF_PRIMARY = 0x0010;
inline constexpr DWORD TOUCHEVENTF_NOCOALESCE = 0x0020;
inline constexpr DWORD TOUCHEVENTF_PALM = 0x0080;

inline constexpr DWORD TOUCHINPUTMASKF_TIMEFROMSYSTEM = 0x0001;
inline constexpr DWORD TOUCHINPUTMASKF_EXTRAINFO = 0x0002;
inline constexpr DWORD TOUCHINPUTMASKF_CONTACTAREA = 0x0004;

inline constexpr ULONG TWF_FINETOUCH = 0x00000001;
inline constexpr ULONG TWF_WANTPALM = 0x00000002;

constexpr LONG TOUCH_COORD_TO_PIXEL(LONG coordinate) {
  return coordinate / 100;
}

// The pen service reads this property of a window to turn off its gestures there.
inline constexpr wchar_t MICROSOFT_TABLETPENSERVICE_PROPERTY[] = L"MicrosoftTabletPenServiceProperty";
inline constexpr DWORD TABLET_DISABLE_PRESSANDHOLD = 0x00000001;
inline constexpr DWORD TABLET_DISABLE_PENTAPFEEDBACK = 0x00000008;
inline constexpr DWORD TABLET_DISABLE_PENBARRELFEEDBACK = 0x00000010;
inline constexpr DWORD TABLET_DISABLE_FLICKS = 0x00010000;

BOOL WINAPI RegisterTouchWindow(HWND hwnd, ULONG flags);
BOOL WINAPI UnregisterTouchWindow(HWND hwnd);
BOOL WINAPI IsTouchWindow(HWND hwnd, PULONG flags);
BOOL WINAPI GetTouchInputInfo(HTOUCHINPUT input, UINT count, PTOUCHINPUT inputs, int size);
BOOL WINAPI CloseTouchInputHandle(HTOUCHINPUT input);
