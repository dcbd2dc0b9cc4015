#include "platform/desktop/gdi/sampling.h"

#include <algorithm>
#include <cstdlib>

namespace desktop {

namespace {

// The run of destination indices in [from, to) whose source pixel is inside [0, limit); the
// mapping is monotonic, so they are one run.
std::pair<int, int> inside_run(const StretchAxis& axis, int from, int to, int limit) {
  int first = from;
  while (first < to && (axis.nearest(first) < 0 || axis.nearest(first) >= limit))
    ++first;
  int last = to;
  while (last > first && (axis.nearest(last - 1) < 0 || axis.nearest(last - 1) >= limit))
    --last;
  return {first, last};
}

}  // namespace

StretchAxis::StretchAxis(int dst_at, int dst_extent, int src_at, int src_extent)
    : dst_start(dst_extent < 0 ? dst_at + dst_extent : dst_at),
      dst_size(std::abs(dst_extent)),
      src_start(src_extent < 0 ? src_at + src_extent : src_at),
      src_size(std::abs(src_extent)),
      mirrored((dst_extent < 0) != (src_extent < 0)) {}

int StretchAxis::nearest(int i) const {
  const long long t = unmirrored(i);
  return src_start + static_cast<int>(((2 * t + 1) * src_size) / (2LL * dst_size));
}

Sampling nearest_sampling(const Canvas& canvas, const StretchAxis& x, const StretchAxis& y,
                          const Surface& source) {
  Sampling sampling;
  if (x.dst_size == 0 || y.dst_size == 0 || x.src_size == 0 || y.src_size == 0) return sampling;
  const RECT whole{x.dst_start, y.dst_start, x.dst_start + x.dst_size, y.dst_start + y.dst_size};
  RECT visible = intersection(intersection(whole, canvas.surface.bounds()), canvas.clip.bounds());
  if (is_empty(visible)) return sampling;
  auto [left, right] = inside_run(x, visible.left - x.dst_start, visible.right - x.dst_start, source.width());
  auto [top, bottom] =
      inside_run(y, visible.top - y.dst_start, visible.bottom - y.dst_start, source.height());
  if (left >= right || top >= bottom) return sampling;
  sampling.visible = {x.dst_start + left, y.dst_start + top, x.dst_start + right, y.dst_start + bottom};
  for (int i = left; i < right; ++i)
    sampling.columns.push_back(x.nearest(i));
  for (int j = top; j < bottom; ++j)
    sampling.rows.push_back(y.nearest(j));
  return sampling;
}

}  // namespace desktop
