// Rectangle and point helpers.
#pragma once

#include "platform/win/win_types.h"

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom);
BOOL WINAPI SetRectEmpty(LPRECT rect);
BOOL WINAPI CopyRect(LPRECT to, const RECT* from);
BOOL WINAPI IsRectEmpty(const RECT* rect);
BOOL WINAPI EqualRect(const RECT* a, const RECT* b);
BOOL WINAPI PtInRect(const RECT* rect, POINT point);
BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy);
BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy);
BOOL WINAPI IntersectRect(LPRECT out, const RECT* a, const RECT* b);
BOOL WINAPI UnionRect(LPRECT out, const RECT* a, const RECT* b);
BOOL WINAPI SubtractRect(LPRECT out, const RECT* from, const RECT* minus);
