// The pixel size GDI would choose for a request, and the metrics it reports at that size.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <optional>

#include "platform/desktop/text/engine_state.h"
#include "platform/desktop/text/font_family.h"

namespace desktop::text {

// An lfHeight of 0 asks for the size of the system font's 16-pixel cell.
inline constexpr LONG kDefaultCellHeight = 16;
// Larger requests are drawn at this many pixels: beyond it masks would only waste memory.
inline constexpr LONG kMaxPixelSize = 2048;

// The tables GDI takes its metrics from; a face without them cannot stand in for a Windows font.
struct FaceTables {
  FT_Face face;
  const TT_OS2* os2;
  const TT_HoriHeader* hhea;
};

std::optional<FaceTables> face_tables(FT_Face face);

struct FontScale {
  int em = 0;  // pixels per em, vertically
  int ascent = 0;
  int descent = 0;
  FT_F26Dot6 x_size = 0;  // the em's width and height in 26.6 pixels
  FT_F26Dot6 y_size = 0;
};

FontScale font_scale(const FaceTables& tables, const FontRequest& request);
TEXTMETRICW text_metrics(const FaceTables& tables, const FontScale& scale, const FontRequest& request,
                         FontFamily family, bool simulated_bold);
Stroke underline_stroke(const FaceTables& tables, const FontScale& scale);
Stroke strike_out_stroke(const FaceTables& tables, const FontScale& scale);

}  // namespace desktop::text
