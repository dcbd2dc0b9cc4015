#include "platform/desktop/text/font_metrics.h"

#include <algorithm>
#include <cstdint>

namespace desktop::text {
namespace {

std::int64_t rounded_div(std::int64_t value, std::int64_t divisor) {
  return value >= 0 ? (value + divisor / 2) / divisor : -((-value + divisor / 2) / divisor);
}

LONG pixels(std::int64_t size) {
  return static_cast<LONG>(std::clamp<std::int64_t>(size, 1, kMaxPixelSize));
}

std::int64_t magnitude(LONG value) {
  return value < 0 ? -static_cast<std::int64_t>(value) : value;
}

// In font units: GDI's cell is the Windows ascent and descent, not the typographic ones.
std::int64_t cell_units(const FaceTables& tables) {
  return std::max<std::int64_t>(tables.os2->usWinAscent + tables.os2->usWinDescent, 1);
}

std::int64_t average_width_units(const FaceTables& tables) {
  return std::max<std::int64_t>(tables.os2->xAvgCharWidth, 1);
}

}  // namespace

std::optional<FaceTables> face_tables(FT_Face face) {
  auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  if (os2 == nullptr || os2->version == 0xFFFF || hhea == nullptr) return std::nullopt;
  return FaceTables{face, os2, hhea};
}

FontScale font_scale(const FaceTables& tables, const FontRequest& request) {
  const std::int64_t units = tables.face->units_per_EM;
  const std::int64_t win_ascent = tables.os2->usWinAscent;
  const std::int64_t height = request.height == 0 ? kDefaultCellHeight : request.height;
  FontScale scale;
  if (height < 0) {
    scale.em = pixels(-height);
    scale.ascent = static_cast<int>(rounded_div(win_ascent * scale.em, units));
    scale.descent = static_cast<int>(rounded_div(tables.os2->usWinDescent * scale.em, units));
  } else {
    // A cell height is met exactly: the em follows from it, and the descent takes what the ascent leaves.
    const LONG cell = pixels(height);
    scale.em = pixels(rounded_div(cell * units, cell_units(tables)));
    scale.ascent = static_cast<int>(rounded_div(win_ascent * cell, cell_units(tables)));
    scale.descent = cell - scale.ascent;
  }
  scale.y_size = static_cast<FT_F26Dot6>(scale.em) * 64;
  scale.x_size = request.width == 0 ? scale.y_size
                                    : rounded_div(pixels(magnitude(request.width)) * units * 64,
                                                  average_width_units(tables));
  scale.x_size = std::clamp<FT_F26Dot6>(scale.x_size, 64, kMaxPixelSize * 64);
  return scale;
}

TEXTMETRICW text_metrics(const FaceTables& tables, const FontScale& scale, const FontRequest& request,
                         FontFamily family, bool simulated_bold) {
  const std::int64_t units = tables.face->units_per_EM;
  const TT_OS2& os2 = *tables.os2;
  const TT_HoriHeader& hhea = *tables.hhea;
  const FamilyTraits& traits = family_traits(family);
  const int widen = simulated_bold ? 1 : 0;  // the simulation smears each glyph one pixel wider

  TEXTMETRICW metrics{};
  metrics.tmAscent = scale.ascent;
  metrics.tmDescent = scale.descent;
  metrics.tmHeight = scale.ascent + scale.descent;
  metrics.tmInternalLeading = metrics.tmHeight - scale.em;
  // The line gap less what the Windows extent already adds beyond the typographic one.
  const std::int64_t gap = hhea.Line_Gap - (cell_units(tables) - (hhea.Ascender - hhea.Descender));
  metrics.tmExternalLeading =
      static_cast<LONG>(std::max<std::int64_t>(0, rounded_div(gap * scale.em, units)));
  const LONG average =
      request.width != 0
          ? pixels(magnitude(request.width))
          : static_cast<LONG>(rounded_div(average_width_units(tables) * scale.x_size, units * 64));
  metrics.tmAveCharWidth = average + widen;
  metrics.tmMaxCharWidth =
      static_cast<LONG>(rounded_div(hhea.advance_Width_Max * scale.x_size, units * 64)) + widen;
  metrics.tmWeight = simulated_bold ? FW_BOLD : os2.usWeightClass;
  metrics.tmOverhang = 0;
  metrics.tmDigitizedAspectX = request.dpi;
  metrics.tmDigitizedAspectY = request.dpi;
  metrics.tmFirstChar = os2.usFirstCharIndex;
  metrics.tmLastChar = os2.usLastCharIndex;
  // Without the version 2 fields, the code just below the font's range stands for the missing glyph.
  const bool has_v2 = os2.version >= 2;
  const WCHAR below_range = os2.usFirstCharIndex > 0 ? os2.usFirstCharIndex - 1 : 0;
  metrics.tmDefaultChar = has_v2 && os2.usDefaultChar != 0 ? os2.usDefaultChar : below_range;
  metrics.tmBreakChar = has_v2 && os2.usBreakChar != 0 ? os2.usBreakChar : L' ';
  metrics.tmItalic = request.italic ? 255 : 0;
  metrics.tmUnderlined = request.underline ? 255 : 0;
  metrics.tmStruckOut = request.strike_out ? 255 : 0;
  metrics.tmPitchAndFamily =
      static_cast<BYTE>(TMPF_VECTOR | TMPF_TRUETYPE |
                        (FT_IS_FIXED_WIDTH(tables.face) ? 0 : TMPF_FIXED_PITCH) | traits.pitch_and_family);
  const bool keeps_charset =
      family == FontFamily::Cjk ? is_cjk_charset(request.charset) : request.charset != DEFAULT_CHARSET;
  metrics.tmCharSet = keeps_charset ? request.charset : traits.charset;
  return metrics;
}

Stroke underline_stroke(const FaceTables& tables, const FontScale& scale) {
  const std::int64_t units = tables.face->units_per_EM;
  Stroke stroke;
  stroke.thickness = static_cast<int>(
      std::max<std::int64_t>(1, rounded_div(tables.face->underline_thickness * scale.em, units)));
  // underline_position is the stroke's centre, negative below the baseline; it stays inside the cell.
  const int below =
      static_cast<int>(rounded_div(-std::int64_t{tables.face->underline_position} * scale.em, units));
  stroke.top = std::min(scale.ascent + std::max(below, 0) - stroke.thickness / 2,
                        scale.ascent + scale.descent - stroke.thickness);
  return stroke;
}

Stroke strike_out_stroke(const FaceTables& tables, const FontScale& scale) {
  const std::int64_t units = tables.face->units_per_EM;
  Stroke stroke;
  stroke.thickness =
      static_cast<int>(std::max<std::int64_t>(1, rounded_div(tables.os2->yStrikeoutSize * scale.em, units)));
  const int above = static_cast<int>(rounded_div(tables.os2->yStrikeoutPosition * scale.em, units));
  stroke.top = std::max(0, scale.ascent - above - stroke.thickness / 2);
  return stroke;
}

}  // namespace desktop::text
