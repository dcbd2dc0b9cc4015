// Clipping of device contexts, and rectangular regions to clip with.
#pragma once

#include "platform/win/win_types.h"

inline constexpr int ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom);
HRGN WINAPI CreateRectRgnIndirect(const RECT* rect);
int WINAPI GetRgnBox(HRGN region, LPRECT rect);

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
int WINAPI SelectClipRgn(HDC hdc, HRGN region);
int WINAPI GetClipBox(HDC hdc, LPRECT rect);
