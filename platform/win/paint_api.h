// Painting a window: BeginPaint and EndPaint, regions of the update area, RedrawWindow.
#pragma once

#include "platform/win/win_types.h"

struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;  // the background still needs erasing
  RECT rcPaint;
  BOOL fRestore;
  BOOL fIncUpdate;
  BYTE rgbReserved[32];
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

inline constexpr UINT RDW_INVALIDATE = 0x0001;
inline constexpr UINT RDW_INTERNALPAINT = 0x0002;
inline constexpr UINT RDW_ERASE = 0x0004;
inline constexpr UINT RDW_VALIDATE = 0x0008;
inline constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
inline constexpr UINT RDW_NOERASE = 0x0020;
inline constexpr UINT RDW_NOCHILDREN = 0x0040;
inline constexpr UINT RDW_ALLCHILDREN = 0x0080;
inline constexpr UINT RDW_UPDATENOW = 0x0100;
inline constexpr UINT RDW_ERASENOW = 0x0200;
inline constexpr UINT RDW_FRAME = 0x0400;
inline constexpr UINT RDW_NOFRAME = 0x0800;

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint);
BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* paint);

BOOL WINAPI InvalidateRgn(HWND hwnd, HRGN region, BOOL erase);
BOOL WINAPI ValidateRgn(HWND hwnd, HRGN region);
int WINAPI GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase);
int WINAPI ExcludeUpdateRgn(HDC hdc, HWND hwnd);
BOOL WINAPI RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);
