// An area as a list of rectangles that do not overlap: what a device context may draw on.
#pragma once

#include <vector>

#include "platform/win/win_types.h"

namespace desktop {

class RectList {
 public:
  RectList() = default;
  explicit RectList(const RECT& rect);

  const std::vector<RECT>& rects() const { return rects_; }
  bool empty() const { return rects_.empty(); }
  bool contains(int x, int y) const;
  // The smallest rectangle holding the area; all zeros when it is empty.
  RECT bounds() const;

  void intersect(const RECT& rect);
  void intersect(const RectList& other);
  void subtract(const RECT& rect);
  void unite(const RECT& rect);
  void offset(int dx, int dy);

 private:
  std::vector<RECT> rects_;
};

// Rectangle helpers of the drawing code; empty results are all zeros.
bool is_empty(const RECT& rect);
RECT intersection(const RECT& a, const RECT& b);
RECT offset_rect(const RECT& rect, int dx, int dy);

}  // namespace desktop
