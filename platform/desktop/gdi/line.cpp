#include "platform/desktop/gdi/line.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/desktop/gdi/raster_op.h"

namespace desktop {

namespace {

// Calls plot(x, y) for the points of the line from `from` towards `to`, `to` itself only when
// include_last. On a tie the step along the minor axis waits.
template <typename Plot>
void bresenham(POINT from, POINT to, bool include_last, Plot&& plot) {
  const int dx = std::abs(to.x - from.x);
  const int dy = std::abs(to.y - from.y);
  const int step_x = to.x >= from.x ? 1 : -1;
  const int step_y = to.y >= from.y ? 1 : -1;
  const bool x_major = dx >= dy;
  const int major = x_major ? dx : dy;
  const int minor = x_major ? dy : dx;
  int x = from.x;
  int y = from.y;
  int error = 2 * minor - major;
  const int points = major + (include_last ? 1 : 0);
  for (int i = 0; i < points; ++i) {
    plot(x, y);
    if (error > 0) {
      if (x_major) {
        y += step_y;
      } else {
        x += step_x;
      }
      error -= 2 * major;
    }
    error += 2 * minor;
    if (x_major) {
      x += step_x;
    } else {
      y += step_y;
    }
  }
}

void put(const Canvas& canvas, int x, int y, std::uint32_t colour, std::uint8_t rop) {
  if (x < 0 || y < 0 || x >= canvas.surface.width() || y >= canvas.surface.height()) return;
  if (!canvas.clip.contains(x, y)) return;
  rop_row(rop, canvas.surface.row(y) + x, nullptr, nullptr, colour, 1);
}

void thin_line(const Canvas& canvas, POINT from, POINT to, const LineStyle& style) {
  std::size_t dash = 0;
  int left = style.dashes.empty() ? 0 : style.dashes[0];
  bresenham(from, to, false, [&](int x, int y) {
    const bool in_gap = dash % 2 == 1;
    if (!in_gap) {
      put(canvas, x, y, style.colour, style.rop);
    } else if (style.fill_gaps) {
      put(canvas, x, y, style.gap_colour, style.rop);
    }
    if (!style.dashes.empty() && --left == 0) {
      dash = (dash + 1) % style.dashes.size();
      left = style.dashes[dash];
    }
  });
}

// A wide line is the set of round pen tips along its points, each pixel changed once.
void wide_line(const Canvas& canvas, POINT from, POINT to, const LineStyle& style) {
  const int width = style.width;
  const int lead = (width - 1) / 2;
  const RECT box{std::min(from.x, to.x) - lead, std::min(from.y, to.y) - lead,
                 std::max(from.x, to.x) - lead + width, std::max(from.y, to.y) - lead + width};
  const int box_width = box.right - box.left;
  std::vector<std::uint8_t> covered(static_cast<std::size_t>(box_width) * (box.bottom - box.top));
  const double centre = (width - 1) / 2.0;
  const double radius_squared = width * width / 4.0;
  std::vector<POINT> tip;
  for (int j = 0; j < width; ++j)
    for (int i = 0; i < width; ++i)
      if ((i - centre) * (i - centre) + (j - centre) * (j - centre) <= radius_squared) tip.push_back({i, j});
  bresenham(from, to, true, [&](int x, int y) {
    for (const POINT& at : tip)
      covered[static_cast<std::size_t>(y - lead + at.y - box.top) * box_width +
              (x - lead + at.x - box.left)] = 1;
  });
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x)
      if (covered[static_cast<std::size_t>(y - box.top) * box_width + (x - box.left)])
        put(canvas, x, y, style.colour, style.rop);
}

}  // namespace

void draw_line(const Canvas& canvas, POINT from, POINT to, const LineStyle& style) {
  if (style.width <= 1) {
    thin_line(canvas, from, to, style);
  } else {
    wide_line(canvas, from, to, style);
  }
}

}  // namespace desktop
