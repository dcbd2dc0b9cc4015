#include "platform/win/controls/edit_layout.h"

#include <algorithm>

namespace controls {

namespace {

int width_of(HDC dc, const wchar_t* text, std::size_t count) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text, static_cast<int>(count), &size);
  return size.cx;
}

// Splits one hard line into pieces no wider than the width, breaking after a blank when it can.
void wrap_into(HDC dc, const std::wstring& text, std::size_t start, std::size_t length, int width,
               std::vector<EditLine>& lines) {
  while (length > 0) {
    int fit = 0;
    SIZE size{};
    GetTextExtentExPointW(dc, text.c_str() + start, static_cast<int>(length), width, &fit, nullptr, &size);
    if (static_cast<std::size_t>(fit) >= length) break;
    std::size_t piece = static_cast<std::size_t>(std::max(fit, 1));
    const std::size_t blank = text.find_last_of(L' ', start + piece);
    if (blank != std::wstring::npos && blank >= start && blank + 1 < start + length)
      piece = blank - start + 1;
    lines.push_back({start, piece});
    start += piece;
    length -= piece;
  }
  lines.push_back({start, length});
}

}  // namespace

std::vector<EditLine> layout_lines(HDC dc, const std::wstring& text, bool multiline, int wrap_width) {
  std::vector<EditLine> lines;
  if (!multiline) {
    lines.push_back({0, text.size()});
    return lines;
  }
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find(L"\r\n", start);
    const std::size_t length = (end == std::wstring::npos ? text.size() : end) - start;
    if (wrap_width > 0) {
      wrap_into(dc, text, start, length, wrap_width, lines);
    } else {
      lines.push_back({start, length});
    }
    if (end == std::wstring::npos) break;
    start = end + 2;
  }
  return lines;
}

std::size_t line_of(const std::vector<EditLine>& lines, std::size_t position) {
  for (std::size_t i = lines.size(); i-- > 1;)
    if (position >= lines[i].start) return i;
  return 0;
}

int x_in_line(HDC dc, const std::wstring& text, const EditLine& line, std::size_t position) {
  const std::size_t count = std::min(position, line.start + line.length) - std::min(position, line.start);
  return width_of(dc, text.c_str() + line.start, count);
}

std::size_t position_at(HDC dc, const std::wstring& text, const EditLine& line, int x) {
  if (line.length == 0) return line.start;
  std::vector<INT> ends(line.length);  // the width up to the end of each character
  SIZE size{};
  GetTextExtentExPointW(dc, text.c_str() + line.start, static_cast<int>(line.length), 0, nullptr, ends.data(),
                        &size);
  int previous = 0;
  for (std::size_t i = 0; i < line.length; ++i) {
    if (x < (previous + ends[i]) / 2) return line.start + i;
    previous = ends[i];
  }
  return line.start + line.length;
}

}  // namespace controls
