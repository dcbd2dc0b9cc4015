// The mouse: hit-test codes, capture, the cursor, leave tracking, synthesized mouse input and
// the extra information that tells pen and touch input from the mouse.
#pragma once

#include "platform/win/input_api.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_types.h"

// WM_NCHITTEST results.
inline constexpr LRESULT HTERROR = -2;
inline constexpr LRESULT HTTRANSPARENT = -1;
inline constexpr LRESULT HTNOWHERE = 0;
inline constexpr LRESULT HTCLIENT = 1;
inline constexpr LRESULT HTCAPTION = 2;
inline constexpr LRESULT HTSYSMENU = 3;
inline constexpr LRESULT HTGROWBOX = 4;
inline constexpr LRESULT HTSIZE = HTGROWBOX;
inline constexpr LRESULT HTMENU = 5;
inline constexpr LRESULT HTHSCROLL = 6;
inline constexpr LRESULT HTVSCROLL = 7;
inline constexpr LRESULT HTMINBUTTON = 8;
inline constexpr LRESULT HTREDUCE = HTMINBUTTON;
inline constexpr LRESULT HTMAXBUTTON = 9;
inline constexpr LRESULT HTZOOM = HTMAXBUTTON;
inline constexpr LRESULT HTLEFT = 10;
inline constexpr LRESULT HTRIGHT = 11;
inline constexpr LRESULT HTTOP = 12;
inline constexpr LRESULT HTTOPLEFT = 13;
inline constexpr LRESULT HTTOPRIGHT = 14;
inline constexpr LRESULT HTBOTTOM = 15;
inline constexpr LRESULT HTBOTTOMLEFT = 16;
inline constexpr LRESULT HTBOTTOMRIGHT = 17;
inline constexpr LRESULT HTBORDER = 18;
inline constexpr LRESULT HTCLOSE = 20;
inline constexpr LRESULT HTHELP = 21;

// Key and button flags of the mouse messages' wParam.
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;

inline constexpr int WHEEL_DELTA = 120;
constexpr short GET_WHEEL_DELTA_WPARAM(WPARAM wParam) {
  return static_cast<short>(HIWORD(wParam));
}
constexpr WORD GET_KEYSTATE_WPARAM(WPARAM wParam) {
  return LOWORD(wParam);
}

inline constexpr DWORD MOUSEEVENTF_MOVE = 0x0001;
inline constexpr DWORD MOUSEEVENTF_LEFTDOWN = 0x0002;
inline constexpr DWORD MOUSEEVENTF_LEFTUP = 0x0004;
inline constexpr DWORD MOUSEEVENTF_RIGHTDOWN = 0x0008;
inline constexpr DWORD MOUSEEVENTF_RIGHTUP = 0x0010;
inline constexpr DWORD MOUSEEVENTF_MIDDLEDOWN = 0x0020;
inline constexpr DWORD MOUSEEVENTF_MIDDLEUP = 0x0040;
inline constexpr DWORD MOUSEEVENTF_WHEEL = 0x0800;
inline constexpr DWORD MOUSEEVENTF_HWHEEL = 0x1000;
inline constexpr DWORD MOUSEEVENTF_MOVE_NOCOALESCE = 0x2000;
inline constexpr DWORD MOUSEEVENTF_VIRTUALDESK = 0x4000;
inline constexpr DWORD MOUSEEVENTF_ABSOLUTE = 0x8000;

// Mouse messages made from pen and touch input carry this in their extra information; touch
// also sets kTouchExtraInfoBit. The low seven bits tell the pen or contact.
inline constexpr ULONG_PTR MI_WP_SIGNATURE = 0xFF515700;
inline constexpr ULONG_PTR SIGNATURE_MASK = 0xFFFFFF00;
inline constexpr ULONG_PTR kTouchExtraInfoBit = 0x80;
constexpr bool IsPenEvent(ULONG_PTR extra_info) {
  return (extra_info & SIGNATURE_MASK) == MI_WP_SIGNATURE;
}

struct TRACKMOUSEEVENT {
  DWORD cbSize;
  DWORD dwFlags;
  HWND hwndTrack;
  DWORD dwHoverTime;
};
using LPTRACKMOUSEEVENT = TRACKMOUSEEVENT*;

inline constexpr DWORD TME_HOVER = 0x00000001;
inline constexpr DWORD TME_LEAVE = 0x00000002;
inline constexpr DWORD TME_NONCLIENT = 0x00000010;
inline constexpr DWORD TME_QUERY = 0x40000000;
inline constexpr DWORD TME_CANCEL = 0x80000000;
inline constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;

// The system cursors of LoadCursorW with a null instance.
inline const LPCWSTR IDC_ARROW = MAKEINTRESOURCEW(32512);
inline const LPCWSTR IDC_IBEAM = MAKEINTRESOURCEW(32513);
inline const LPCWSTR IDC_WAIT = MAKEINTRESOURCEW(32514);
inline const LPCWSTR IDC_CROSS = MAKEINTRESOURCEW(32515);
inline const LPCWSTR IDC_UPARROW = MAKEINTRESOURCEW(32516);
inline const LPCWSTR IDC_SIZENWSE = MAKEINTRESOURCEW(32642);
inline const LPCWSTR IDC_SIZENESW = MAKEINTRESOURCEW(32643);
inline const LPCWSTR IDC_SIZEWE = MAKEINTRESOURCEW(32644);
inline const LPCWSTR IDC_SIZENS = MAKEINTRESOURCEW(32645);
inline const LPCWSTR IDC_SIZEALL = MAKEINTRESOURCEW(32646);
inline const LPCWSTR IDC_NO = MAKEINTRESOURCEW(32648);
inline const LPCWSTR IDC_HAND = MAKEINTRESOURCEW(32649);
inline const LPCWSTR IDC_APPSTARTING = MAKEINTRESOURCEW(32650);
inline const LPCWSTR IDC_HELP = MAKEINTRESOURCEW(32651);

HWND WINAPI SetCapture(HWND hwnd);
BOOL WINAPI ReleaseCapture();
HWND WINAPI GetCapture();

HCURSOR WINAPI LoadCursorW(HINSTANCE instance, LPCWSTR name);
HCURSOR WINAPI SetCursor(HCURSOR cursor);
HCURSOR WINAPI GetCursor();
BOOL WINAPI GetCursorPos(LPPOINT point);
// The window that a click at the point would go to; null over nothing or a disabled window.
HWND WINAPI WindowFromPoint(POINT point);
BOOL WINAPI SetCursorPos(int x, int y);
BOOL WINAPI ClipCursor(const RECT* rect);
BOOL WINAPI GetClipCursor(LPRECT rect);

BOOL WINAPI TrackMouseEvent(LPTRACKMOUSEEVENT track);
UINT WINAPI GetDoubleClickTime();
BOOL WINAPI SetDoubleClickTime(UINT milliseconds);

LPARAM WINAPI GetMessageExtraInfo();
LPARAM WINAPI SetMessageExtraInfo(LPARAM extra_info);

void WINAPI mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extra_info);
