// The FreeType side of the text engine: open faces, realized fonts and their glyphs.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/desktop/text/font_files.h"
#include "platform/desktop/text/font_request.h"
#include "platform/desktop/text/text_engine.h"

namespace desktop::text {

struct Glyph {
  std::size_t part = 0;  // which face of the font holds the character
  FT_UInt index = 0;     // 0: the face's missing-glyph box
  int advance = 0;
  bool rendered = false;
  int left = 0;  // bitmap's left edge from the pen
  int top = 0;   // bitmap's top row above the baseline
  int width = 0;
  int rows = 0;
  std::vector<BYTE> coverage;
};

// A face at one font's size.
struct FontPart {
  FT_Face face = nullptr;
  FT_Size size = nullptr;
  bool embolden = false;  // bold asked of a family that has no bold face
};

// A horizontal stroke: rows from the top of the cell.
struct Stroke {
  int top = 0;
  int thickness = 1;
};

struct RealizedFont {
  FontRequest request;
  TEXTMETRICW metrics{};
  std::vector<FontPart> parts;  // the chosen family first, then the one that fills its gaps
  FT_Int32 load_flags = 0;
  bool mono = false;
  bool oblique = false;  // italic is always simulated: the bundled families have no italic face
  Stroke underline;
  Stroke strike_out;
  std::unordered_map<wchar_t, Glyph> glyphs;
};

struct EngineState {
  EngineState();
  ~EngineState();

  static std::uint32_t index_of(FontId font) { return font.index_; }
  static FontId id_of(std::uint32_t index) { return FontId(index); }

  FT_Face open(const FontFile& file);
  // The glyph of a character, rendered when asked; loaded once and kept.
  Glyph& glyph(RealizedFont& font, wchar_t character, bool with_bitmap);

  FT_Library library = nullptr;
  std::map<std::pair<std::string, int>, FT_Face> faces;
  std::vector<std::unique_ptr<RealizedFont>> fonts;
  std::map<FontRequest, std::uint32_t> by_request;
};

}  // namespace desktop::text
