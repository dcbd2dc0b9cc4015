// What the text calls share: the realized font of a context and one line of text drawn on it.
#pragma once

#include <optional>

#include "platform/desktop/text/text_engine.h"
#include "platform/win/gdi_internal.h"

namespace gdi_internal {

struct ContextFont {
  desktop::text::FontId id;
  LOGFONTW logfont;
};

// The selected font at the device's resolution; none, with ERROR_INVALID_HANDLE, when the
// context is bad or no bundled face can stand in for it.
std::optional<ContextFont> font_of(HDC hdc);

// The text's cell (logical) in the background colour, in OPAQUE mode only.
void fill_text_cell(const Drawing& drawing, const RECT& cell, const RECT* limit);
// Coverage blended in the text colour, the mask's cell placed with its top left at a logical
// point. Only what lies within limit (logical) changes, when it is given.
void blend_text(const Drawing& drawing, const desktop::text::TextMask& mask, POINT cell, const RECT* limit);
// A rendered line as TextOutW draws it: its cell filled first in OPAQUE mode, then the text.
void draw_text_mask(const Drawing& drawing, const desktop::text::TextMask& mask, POINT cell,
                    const RECT* limit);

}  // namespace gdi_internal
