// Pictures described in text, in res/bitmaps.txt, and drawn at build time:
//
//   bitmap 8460 48 32            # bitmap, icon or cursor; id, width, height in pixels
//     fill #FF00FF               # magenta: transparent where the console's code keys it out
//     rect 4 4 40 24 #303030     # x y width height colour
//     frame 4 4 40 24 #C0C0C0 2  # the same, as an outline of that thickness (1 by default)
//     ellipse 8 8 32 16 #FFFFFF
//     triangle 18 8 18 24 32 16 #FFFFFF
//     line 0 0 47 31 #000000
//     polygon 0 0 20 0 10 9 #00FF00  # three or more points x y, filled (even-odd)
//     glyph "►" #FFFFFF 18 bold  # text centred in the picture, pixel height, optional "bold"
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/resource_compiler/parse_result.h"

namespace resource_script {

enum class PictureKind { Bitmap, Icon, Cursor };

struct Shape {
  enum class Kind { Fill, Rect, Frame, Ellipse, Triangle, Line, Polygon, Glyph };
  Kind kind;
  std::vector<int> numbers;  // coordinates, sizes, thickness or the glyph's height
  std::uint32_t colour;      // 0x00RRGGBB
  std::wstring text;
  bool bold = false;
};

struct PictureDescription {
  PictureKind kind;
  int id;
  int width;
  int height;
  std::vector<Shape> shapes;
  int line;
};

Parsed<std::vector<PictureDescription>> parse_pictures(std::string_view source);

// The picture's pixels, 0x00RRGGBB top row first. Glyphs are drawn with the desktop's text
// engine, so the calling thread must be a desktop thread.
std::vector<std::uint32_t> draw_picture(const PictureDescription& picture);

}  // namespace resource_script
