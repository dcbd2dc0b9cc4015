// What a caller asks of a font: a LOGFONTW's choices, with its sizes already in device pixels.
#pragma once

#include <compare>
#include <string>

#include "platform/win/gdi_types.h"

namespace desktop::text {

struct FontRequest {
  std::wstring face;
  LONG height = 0;  // < 0: character (em) height; > 0: cell height (ascent + descent); 0: the default
  LONG width = 0;   // average character width, sign ignored; 0: the face's own proportions
  LONG weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  BYTE charset = DEFAULT_CHARSET;
  BYTE quality = DEFAULT_QUALITY;
  LONG dpi = 96;  // the device's resolution, which the metrics report as the digitized aspect

  auto operator<=>(const FontRequest&) const = default;
};

FontRequest font_request(const LOGFONTW& font, LONG dpi = 96);

}  // namespace desktop::text
