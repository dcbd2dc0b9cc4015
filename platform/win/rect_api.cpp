#include "platform/win/rect_api.h"

#include <algorithm>

namespace {
bool empty(const RECT& rect) {
  return rect.left >= rect.right || rect.top >= rect.bottom;
}
}  // namespace

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
  if (rect == nullptr) return FALSE;
  *rect = {left, top, right, bottom};
  return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT rect) {
  return SetRect(rect, 0, 0, 0, 0);
}

BOOL WINAPI CopyRect(LPRECT to, const RECT* from) {
  if (to == nullptr || from == nullptr) return FALSE;
  *to = *from;
  return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT* rect) {
  return rect == nullptr || empty(*rect);
}

BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
  if (a == nullptr || b == nullptr) return FALSE;
  return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

BOOL WINAPI PtInRect(const RECT* rect, POINT point) {
  return rect != nullptr && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
         point.y < rect->bottom;
}

BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  rect->left += dx;
  rect->right += dx;
  rect->top += dy;
  rect->bottom += dy;
  return TRUE;
}

BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  rect->left -= dx;
  rect->right += dx;
  rect->top -= dy;
  rect->bottom += dy;
  return TRUE;
}

BOOL WINAPI IntersectRect(LPRECT out, const RECT* a, const RECT* b) {
  if (out == nullptr || a == nullptr || b == nullptr) return FALSE;
  RECT both{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
            std::min(a->bottom, b->bottom)};
  *out = empty(both) ? RECT{0, 0, 0, 0} : both;
  return !empty(both);
}

BOOL WINAPI UnionRect(LPRECT out, const RECT* a, const RECT* b) {
  if (out == nullptr || a == nullptr || b == nullptr) return FALSE;
  if (empty(*a)) {
    *out = empty(*b) ? RECT{0, 0, 0, 0} : *b;
  } else if (empty(*b)) {
    *out = *a;
  } else {
    *out = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
            std::max(a->bottom, b->bottom)};
  }
  return !empty(*out);
}

BOOL WINAPI SubtractRect(LPRECT out, const RECT* from, const RECT* minus) {
  if (out == nullptr || from == nullptr || minus == nullptr) return FALSE;
  *out = *from;
  if (empty(*from)) {
    *out = {0, 0, 0, 0};
    return FALSE;
  }
  RECT overlap;
  if (!IntersectRect(&overlap, from, minus)) return TRUE;
  // Only a cut across the whole width or height leaves a rectangle.
  if (overlap.left == from->left && overlap.right == from->right) {
    if (overlap.top == from->top)
      out->top = overlap.bottom;
    else if (overlap.bottom == from->bottom)
      out->bottom = overlap.top;
  } else if (overlap.top == from->top && overlap.bottom == from->bottom) {
    if (overlap.left == from->left)
      out->left = overlap.right;
    else if (overlap.right == from->right)
      out->right = overlap.left;
  }
  if (empty(*out)) {
    *out = {0, 0, 0, 0};
    return FALSE;
  }
  return TRUE;
}
