// DrawText's lines: its line breaks, word wrap and prefix rule, measured with a font.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop/text/text_engine.h"

namespace desktop::text {

struct LineOptions {
  bool word_break = false;   // DT_WORDBREAK
  bool single_line = false;  // DT_SINGLELINE: CR and LF are characters and nothing wraps
  bool prefix = true;        // false with DT_NOPREFIX
};

struct TextLine {
  std::wstring text;            // as drawn: prefixes resolved, the spaces of a wrap point dropped
  std::vector<int> underlined;  // positions in text
  int width = 0;                // pixels
};

// "\r\n", "\n" and "\r" each end a line; one at the very end adds no empty line, and an empty text
// has no lines. With word_break a line ends at its last space or between CJK characters before it
// grows wider than width; a word wider than width is cut where it must, one character at least.
std::vector<TextLine> break_lines(TextEngine& engine, FontId font, std::wstring_view text, int width,
                                  LineOptions options);

}  // namespace desktop::text
