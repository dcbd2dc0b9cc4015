#include "platform/desktop/gdi/rect_list.h"

#include <algorithm>

namespace desktop {

bool is_empty(const RECT& rect) {
  return rect.left >= rect.right || rect.top >= rect.bottom;
}

RECT intersection(const RECT& a, const RECT& b) {
  RECT both{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
  return is_empty(both) ? RECT{0, 0, 0, 0} : both;
}

RECT offset_rect(const RECT& rect, int dx, int dy) {
  return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

RectList::RectList(const RECT& rect) {
  if (!is_empty(rect)) rects_.push_back(rect);
}

bool RectList::contains(int x, int y) const {
  return std::any_of(rects_.begin(), rects_.end(),
                     [&](const RECT& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; });
}

RECT RectList::bounds() const {
  if (rects_.empty()) return {0, 0, 0, 0};
  RECT all = rects_.front();
  for (const RECT& r : rects_) {
    all.left = std::min(all.left, r.left);
    all.top = std::min(all.top, r.top);
    all.right = std::max(all.right, r.right);
    all.bottom = std::max(all.bottom, r.bottom);
  }
  return all;
}

void RectList::intersect(const RECT& rect) {
  std::vector<RECT> kept;
  for (const RECT& r : rects_) {
    RECT both = intersection(r, rect);
    if (!is_empty(both)) kept.push_back(both);
  }
  rects_ = std::move(kept);
}

void RectList::intersect(const RectList& other) {
  std::vector<RECT> kept;
  for (const RECT& a : rects_)
    for (const RECT& b : other.rects_) {
      RECT both = intersection(a, b);
      if (!is_empty(both)) kept.push_back(both);
    }
  rects_ = std::move(kept);
}

void RectList::subtract(const RECT& cut) {
  std::vector<RECT> kept;
  for (const RECT& r : rects_) {
    RECT inside = intersection(r, cut);
    if (is_empty(inside)) {
      kept.push_back(r);
      continue;
    }
    // What is left is a band above, a band below and the two sides between them.
    const RECT pieces[] = {{r.left, r.top, r.right, inside.top},
                           {r.left, inside.bottom, r.right, r.bottom},
                           {r.left, inside.top, inside.left, inside.bottom},
                           {inside.right, inside.top, r.right, inside.bottom}};
    for (const RECT& piece : pieces)
      if (!is_empty(piece)) kept.push_back(piece);
  }
  rects_ = std::move(kept);
}

void RectList::unite(const RECT& rect) {
  if (is_empty(rect)) return;
  subtract(rect);
  rects_.push_back(rect);
}

void RectList::offset(int dx, int dy) {
  for (RECT& r : rects_)
    r = offset_rect(r, dx, dy);
}

}  // namespace desktop
