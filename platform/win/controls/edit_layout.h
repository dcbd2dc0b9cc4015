// Where an edit control's characters fall: its lines (hard breaks and, unless it scrolls
// sideways, word wrapping) and the horizontal place of each character within its line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/win/win32.h"

namespace controls {

struct EditLine {
  std::size_t start;
  std::size_t length;  // without its line break
};

// Lays out text in a DC's font; wrap_width 0 keeps each hard line whole.
std::vector<EditLine> layout_lines(HDC dc, const std::wstring& text, bool multiline, int wrap_width);
std::size_t line_of(const std::vector<EditLine>& lines, std::size_t position);
// The x offset of a position within its line.
int x_in_line(HDC dc, const std::wstring& text, const EditLine& line, std::size_t position);
// The position in the line nearest to an x offset.
std::size_t position_at(HDC dc, const std::wstring& text, const EditLine& line, int x);

}  // namespace controls
