// CPoint, CSize and CRect: the Win32 structures with the framework's helpers.
#pragma once

#include "platform/win/win_macros.h"
#include "platform/win/win_types.h"

class CSize : public SIZE {
 public:
  constexpr CSize() : SIZE{0, 0} {}
  constexpr CSize(int x, int y) : SIZE{x, y} {}
  constexpr CSize(SIZE size) : SIZE(size) {}
  constexpr bool operator==(const CSize& other) const { return cx == other.cx && cy == other.cy; }
};

class CPoint : public POINT {
 public:
  constexpr CPoint() : POINT{0, 0} {}
  constexpr CPoint(int x_, int y_) : POINT{x_, y_} {}
  constexpr CPoint(POINT point) : POINT(point) {}
  // From a mouse message's lParam.
  explicit constexpr CPoint(LPARAM packed) : POINT{GET_X_LPARAM(packed), GET_Y_LPARAM(packed)} {}
  constexpr void Offset(int dx, int dy) {
    x += dx;
    y += dy;
  }
  constexpr bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
  constexpr CPoint operator+(CSize size) const { return {x + size.cx, y + size.cy}; }
  constexpr CPoint operator-(CSize size) const { return {x - size.cx, y - size.cy}; }
};

class CRect : public RECT {
 public:
  constexpr CRect() : RECT{0, 0, 0, 0} {}
  constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  constexpr CRect(const RECT& rect) : RECT(rect) {}
  constexpr CRect(CPoint top_left, CSize size)
      : RECT{top_left.x, top_left.y, top_left.x + size.cx, top_left.y + size.cy} {}

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr CSize Size() const { return {Width(), Height()}; }
  constexpr CPoint TopLeft() const { return {left, top}; }
  constexpr CPoint BottomRight() const { return {right, bottom}; }
  constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
  constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
  constexpr bool PtInRect(POINT point) const {
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
  }
  constexpr void SetRect(int l, int t, int r, int b) { *this = CRect(l, t, r, b); }
  constexpr void SetRectEmpty() { *this = CRect(); }
  constexpr void OffsetRect(int dx, int dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
  }
  constexpr void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
  constexpr void InflateRect(int dx, int dy) {
    left -= dx;
    right += dx;
    top -= dy;
    bottom += dy;
  }
  constexpr void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
  constexpr bool operator==(const CRect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }
};
