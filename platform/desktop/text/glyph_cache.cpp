#include <ft2build.h>
#include FT_OUTLINE_H

#include "platform/desktop/text/engine_state.h"

namespace desktop::text {
namespace {

// The slant of a simulated italic: about 12 degrees, as the usual oblique simulation.
constexpr FT_Matrix kOblique{0x10000, 0x0366A, 0, 0x10000};

void copy_bitmap(const FT_Bitmap& bitmap, Glyph& glyph) {
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.rows, 0);
  for (int y = 0; y < glyph.rows; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    for (int x = 0; x < glyph.width; ++x) {
      BYTE value =
          bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0) : row[x];
      glyph.coverage[static_cast<std::size_t>(y) * glyph.width + x] = value;
    }
  }
}

void load(const RealizedFont& font, Glyph& glyph, bool with_bitmap) {
  const FontPart& part = font.parts[glyph.part];
  FT_Activate_Size(part.size);
  if (FT_Load_Glyph(part.face, glyph.index, font.load_flags) != 0) return;
  FT_GlyphSlot slot = part.face->glyph;
  // Hinting leaves whole-pixel advances; a simulated bold adds the pixel its smear takes.
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6) + (part.embolden ? 1 : 0);
  if (!with_bitmap || slot->format != FT_GLYPH_FORMAT_OUTLINE) return;
  if (part.embolden) FT_Outline_EmboldenXY(&slot->outline, 64, 0);
  if (font.oblique) FT_Outline_Transform(&slot->outline, &kOblique);
  if (FT_Render_Glyph(slot, font.mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) return;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  copy_bitmap(slot->bitmap, glyph);
  glyph.rendered = true;
}

}  // namespace

Glyph& EngineState::glyph(RealizedFont& font, wchar_t character, bool with_bitmap) {
  auto [entry, added] = font.glyphs.try_emplace(character);
  Glyph& glyph = entry->second;
  if (added) {
    for (std::size_t i = 0; i < font.parts.size(); ++i) {
      FT_UInt index = FT_Get_Char_Index(font.parts[i].face, static_cast<FT_ULong>(character));
      if (index == 0) continue;
      glyph.part = i;
      glyph.index = index;
      break;
    }
    load(font, glyph, with_bitmap);
  } else if (with_bitmap && !glyph.rendered) {
    load(font, glyph, true);
  }
  return glyph;
}

}  // namespace desktop::text
