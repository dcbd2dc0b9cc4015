// Monitors: enumeration, the monitor of a window, point or rectangle, and its information.
#pragma once

#include "platform/win/win_types.h"

inline constexpr DWORD MONITOR_DEFAULTTONULL = 0x00000000;
inline constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 0x00000001;
inline constexpr DWORD MONITOR_DEFAULTTONEAREST = 0x00000002;
inline constexpr DWORD MONITORINFOF_PRIMARY = 0x00000001;
inline constexpr int CCHDEVICENAME = 32;

struct MONITORINFO {
  DWORD cbSize;
  RECT rcMonitor;
  RECT rcWork;
  DWORD dwFlags;
};
using LPMONITORINFO = MONITORINFO*;

struct MONITORINFOEXW : MONITORINFO {
  WCHAR szDevice[CCHDEVICENAME];
};

using MONITORENUMPROC = BOOL(CALLBACK*)(HMONITOR, HDC, LPRECT, LPARAM);

BOOL WINAPI EnumDisplayMonitors(HDC hdc, LPCRECT clip, MONITORENUMPROC proc, LPARAM data);
HMONITOR WINAPI MonitorFromWindow(HWND hwnd, DWORD flags);
HMONITOR WINAPI MonitorFromPoint(POINT point, DWORD flags);
HMONITOR WINAPI MonitorFromRect(LPCRECT rect, DWORD flags);
BOOL WINAPI GetMonitorInfoW(HMONITOR monitor, LPMONITORINFO info);
