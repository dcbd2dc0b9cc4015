// Drawing a described picture: shapes into a pixel buffer, glyphs with the desktop's GDI.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/win/win32.h"
#include "tools/resource_compiler/bitmap_script.h"

namespace resource_script {
namespace {

class Canvas {
 public:
  Canvas(int width, int height)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height)) {}

  void set(int x, int y, std::uint32_t colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
      pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
  }
  void rect(int x, int y, int w, int h, std::uint32_t colour) {
    for (int row = std::max(y, 0); row < std::min(y + h, height_); ++row)
      for (int column = std::max(x, 0); column < std::min(x + w, width_); ++column)
        set(column, row, colour);
  }
  // Pixels whose centres lie inside the ellipse of that bounding box.
  void ellipse(int x, int y, int w, int h, std::uint32_t colour) {
    const double rx = w / 2.0, ry = h / 2.0, cx = x + rx, cy = y + ry;
    for (int row = y; row < y + h; ++row)
      for (int column = x; column < x + w; ++column) {
        const double dx = (column + 0.5 - cx) / rx, dy = (row + 0.5 - cy) / ry;
        if (dx * dx + dy * dy <= 1.0) set(column, row, colour);
      }
  }
  // Pixels whose centres lie inside the triangle or on its edges, whatever its winding.
  void triangle(const std::vector<int>& p, std::uint32_t colour) {
    auto edge = [](double ax, double ay, double bx, double by, double px, double py) {
      return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    const int left = std::min({p[0], p[2], p[4]}), right = std::max({p[0], p[2], p[4]});
    const int top = std::min({p[1], p[3], p[5]}), bottom = std::max({p[1], p[3], p[5]});
    for (int row = top; row <= bottom; ++row)
      for (int column = left; column <= right; ++column) {
        const double px = column + 0.5, py = row + 0.5;
        const double a = edge(p[0], p[1], p[2], p[3], px, py), b = edge(p[2], p[3], p[4], p[5], px, py),
                     c = edge(p[4], p[5], p[0], p[1], px, py);
        if ((a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0)) set(column, row, colour);
      }
  }
  // Pixels whose centres lie inside the outline by the even-odd rule, one row at a time.
  void polygon(const std::vector<int>& p, std::uint32_t colour) {
    const std::size_t points = p.size() / 2;
    std::vector<double> crossings;
    for (int row = 0; row < height_; ++row) {
      const double y = row + 0.5;
      crossings.clear();
      for (std::size_t i = 0; i < points; ++i) {
        const std::size_t j = (i + 1) % points;
        const double ay = p[2 * i + 1], by = p[2 * j + 1];
        if ((ay <= y) == (by <= y)) continue;
        const double ax = p[2 * i], bx = p[2 * j];
        crossings.push_back(ax + (y - ay) * (bx - ax) / (by - ay));
      }
      std::sort(crossings.begin(), crossings.end());
      for (std::size_t k = 0; k + 1 < crossings.size(); k += 2)
        for (int column = static_cast<int>(std::ceil(crossings[k] - 0.5));
             column + 0.5 <= crossings[k + 1] && column < width_; ++column)
          set(column, row, colour);
    }
  }
  void line(int x0, int y0, int x1, int y1, std::uint32_t colour) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    for (int error = dx + dy;;) {
      set(x0, y0, colour);
      if (x0 == x1 && y0 == y1) return;
      const int twice = 2 * error;
      if (twice >= dy) {
        error += dy;
        x0 += sx;
      }
      if (twice <= dx) {
        error += dx;
        y0 += sy;
      }
    }
  }
  void glyph(const Shape& shape) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) return;
    std::copy(pixels_.begin(), pixels_.end(), static_cast<std::uint32_t*>(bits));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
    HFONT font = CreateFontW(-shape.numbers[0], 0, 0, 0, shape.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                             FALSE, 1, 0, 0, NONANTIALIASED_QUALITY, 0, L"Arial");
    // Whole pixels only: a keyed picture must not get a fringe of blended colours.
    HGDIOBJ old_font = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(static_cast<BYTE>(shape.colour >> 16), static_cast<BYTE>(shape.colour >> 8),
                         static_cast<BYTE>(shape.colour)));
    RECT whole{0, 0, width_, height_};
    DrawTextW(dc, shape.text.c_str(), -1, &whole, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old_font);
    SelectObject(dc, old_bitmap);
    const auto* drawn = static_cast<const std::uint32_t*>(bits);
    std::transform(drawn, drawn + pixels_.size(), pixels_.begin(),
                   [](std::uint32_t p) { return p & 0xFFFFFFu; });
    DeleteObject(font);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  std::vector<std::uint32_t> pixels() && { return std::move(pixels_); }

 private:
  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace

std::vector<std::uint32_t> draw_picture(const PictureDescription& picture) {
  Canvas canvas(picture.width, picture.height);
  for (const Shape& shape : picture.shapes) {
    const std::vector<int>& n = shape.numbers;
    switch (shape.kind) {
      case Shape::Kind::Fill:
        canvas.rect(0, 0, picture.width, picture.height, shape.colour);
        break;
      case Shape::Kind::Rect:
        canvas.rect(n[0], n[1], n[2], n[3], shape.colour);
        break;
      case Shape::Kind::Frame: {
        const int t = n.size() > 4 ? n[4] : 1;
        canvas.rect(n[0], n[1], n[2], t, shape.colour);
        canvas.rect(n[0], n[1] + n[3] - t, n[2], t, shape.colour);
        canvas.rect(n[0], n[1], t, n[3], shape.colour);
        canvas.rect(n[0] + n[2] - t, n[1], t, n[3], shape.colour);
        break;
      }
      case Shape::Kind::Ellipse:
        canvas.ellipse(n[0], n[1], n[2], n[3], shape.colour);
        break;
      case Shape::Kind::Triangle:
        canvas.triangle(n, shape.colour);
        break;
      case Shape::Kind::Line:
        canvas.line(n[0], n[1], n[2], n[3], shape.colour);
        break;
      case Shape::Kind::Polygon:
        canvas.polygon(n, shape.colour);
        break;
      case Shape::Kind::Glyph:
        canvas.glyph(shape);
        break;
    }
  }
  return std::move(canvas).pixels();
}

}  // namespace resource_script
