// The bundled font families and which of them stands in for a Windows face name.
#pragma once

#include <string_view>

#include "platform/win/gdi_types.h"

namespace desktop::text {

enum class FontFamily { Sans, Cjk };

struct FamilyTraits {
  const char* fontconfig_name;  // the family as its Debian package installs it
  BYTE pitch_and_family;        // the FF_ class reported in tmPitchAndFamily
  BYTE charset;                 // reported for DEFAULT_CHARSET and charsets the family does not cover
};

const FamilyTraits& family_traits(FontFamily family);

// A charset of East Asian scripts, or a Chinese face name, picks the CJK family whatever the
// face; every other face, known or not, is drawn in the Latin family.
FontFamily family_for(std::wstring_view face, BYTE charset);

// The family whose glyphs fill in characters that the chosen one lacks.
FontFamily fallback_family(FontFamily family);

bool is_cjk_charset(BYTE charset);

}  // namespace desktop::text
