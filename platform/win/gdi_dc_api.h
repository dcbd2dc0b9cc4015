// The attributes of a device context: colours, modes, origins, and their saving.
#pragma once

#include "platform/win/win_types.h"

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

inline constexpr int BLACKONWHITE = 1;
inline constexpr int WHITEONBLACK = 2;
inline constexpr int COLORONCOLOR = 3;
inline constexpr int HALFTONE = 4;
inline constexpr int STRETCH_ANDSCANS = BLACKONWHITE;
inline constexpr int STRETCH_ORSCANS = WHITEONBLACK;
inline constexpr int STRETCH_DELETESCANS = COLORONCOLOR;
inline constexpr int STRETCH_HALFTONE = HALFTONE;

inline constexpr int R2_BLACK = 1;
inline constexpr int R2_NOTMERGEPEN = 2;
inline constexpr int R2_MASKNOTPEN = 3;
inline constexpr int R2_NOTCOPYPEN = 4;
inline constexpr int R2_MASKPENNOT = 5;
inline constexpr int R2_NOT = 6;
inline constexpr int R2_XORPEN = 7;
inline constexpr int R2_NOTMASKPEN = 8;
inline constexpr int R2_MASKPEN = 9;
inline constexpr int R2_NOTXORPEN = 10;
inline constexpr int R2_NOP = 11;
inline constexpr int R2_MERGENOTPEN = 12;
inline constexpr int R2_COPYPEN = 13;
inline constexpr int R2_MERGEPENNOT = 14;
inline constexpr int R2_MERGEPEN = 15;
inline constexpr int R2_WHITE = 16;

int WINAPI SaveDC(HDC hdc);
BOOL WINAPI RestoreDC(HDC hdc, int level);

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF colour);
COLORREF WINAPI GetTextColor(HDC hdc);
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF colour);
COLORREF WINAPI GetBkColor(HDC hdc);
int WINAPI SetBkMode(HDC hdc, int mode);
int WINAPI GetBkMode(HDC hdc);
COLORREF WINAPI SetDCBrushColor(HDC hdc, COLORREF colour);
COLORREF WINAPI GetDCBrushColor(HDC hdc);
COLORREF WINAPI SetDCPenColor(HDC hdc, COLORREF colour);
COLORREF WINAPI GetDCPenColor(HDC hdc);
int WINAPI SetStretchBltMode(HDC hdc, int mode);
int WINAPI GetStretchBltMode(HDC hdc);
int WINAPI SetROP2(HDC hdc, int rop2);
int WINAPI GetROP2(HDC hdc);

BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT previous);
BOOL WINAPI GetBrushOrgEx(HDC hdc, LPPOINT origin);
BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous);
BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT origin);
BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT previous);
