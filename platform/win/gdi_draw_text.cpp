// DrawTextW: text laid out in a rectangle in lines, aligned, and measured without drawing.
#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/desktop/text/line_breaking.h"
#include "platform/win/gdi_text_api.h"
#include "platform/win/gdi_text_internal.h"
#include "platform/win/win_errors.h"

using desktop::text::TextEngine;
using desktop::text::TextLine;

namespace {

constexpr UINT kVerticalAlignment = DT_VCENTER | DT_BOTTOM;

int widest(const std::vector<TextLine>& lines) {
  int width = 0;
  for (const TextLine& line : lines)
    width = std::max(width, line.width);
  return width;
}

LONG line_left(const RECT& rect, int width, UINT format) {
  if (format & DT_CENTER) return rect.left + (rect.right - rect.left - width) / 2;
  if (format & DT_RIGHT) return rect.right - width;
  return rect.left;
}

// Vertical alignment applies to a single line only, as in Windows.
LONG text_top(const RECT& rect, int height, UINT format) {
  if (!(format & DT_SINGLELINE)) return rect.top;
  if (format & DT_VCENTER) return rect.top + (rect.bottom - rect.top - height) / 2;
  if (format & DT_BOTTOM) return rect.bottom - height;
  return rect.top;
}

}  // namespace

// DT_CALCRECT draws nothing: the rectangle keeps its top left and takes the width of the
// widest line and the height of all of them. With vertical alignment the result is the
// distance from the rectangle's top to the bottom of the text.
int WINAPI DrawTextW(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format) {
  if (rect == nullptr || (text == nullptr && count != 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::wstring_view all =
      count < 0 ? std::wstring_view(text) : std::wstring_view(text, static_cast<std::size_t>(count));
  std::optional<gdi_internal::ContextFont> font = gdi_internal::font_of(hdc);
  if (!font) return 0;
  TextEngine& engine = TextEngine::shared();
  const TEXTMETRICW metrics = engine.metrics(font->id);
  const int line_height = metrics.tmHeight + ((format & DT_EXTERNALLEADING) ? metrics.tmExternalLeading : 0);
  const bool single = (format & DT_SINGLELINE) != 0;
  const desktop::text::LineOptions options{(format & DT_WORDBREAK) != 0 && !single, single,
                                           (format & DT_NOPREFIX) == 0};
  const std::vector<TextLine> lines =
      desktop::text::break_lines(engine, font->id, all, rect->right - rect->left, options);
  const int height = static_cast<int>(lines.size()) * line_height;
  if (format & DT_CALCRECT) {
    rect->right = rect->left + widest(lines);
    rect->bottom = rect->top + height;
    return height;
  }

  std::optional<gdi_internal::Drawing> drawing = gdi_internal::drawing_on(hdc);
  if (!drawing) return 0;
  const RECT bounds = *rect;
  const RECT* limit = (format & DT_NOCLIP) ? nullptr : &bounds;
  const LONG top = text_top(bounds, height, format);
  LONG y = top;
  for (const TextLine& line : lines) {
    // As in an edit control, a line that would show only in part is left out.
    if ((format & DT_EDITCONTROL) && y + line_height > bounds.bottom) break;
    gdi_internal::draw_text_mask(*drawing, engine.render(font->id, line.text, line.underlined),
                                 {line_left(bounds, line.width, format), y}, limit);
    y += line_height;
  }
  if (single && (format & kVerticalAlignment)) return top - bounds.top + height;
  return height;
}
