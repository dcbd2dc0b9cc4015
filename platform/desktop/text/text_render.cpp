#include <algorithm>

#include "platform/desktop/text/engine_state.h"

namespace desktop::text {
namespace {

void add_to(RECT& bounds, const RECT& rect) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return;
  bounds.left = std::min(bounds.left, rect.left);
  bounds.top = std::min(bounds.top, rect.top);
  bounds.right = std::max(bounds.right, rect.right);
  bounds.bottom = std::max(bounds.bottom, rect.bottom);
}

RECT stroke_rect(const Stroke& stroke, LONG left, LONG right) {
  return {left, stroke.top, right, stroke.top + stroke.thickness};
}

void fill(TextMask& mask, const RECT& rect) {
  const LONG stride = mask.bounds.right - mask.bounds.left;
  for (LONG y = rect.top; y < rect.bottom; ++y)
    for (LONG x = rect.left; x < rect.right; ++x)
      mask.coverage[static_cast<std::size_t>(y - mask.bounds.top) * stride + (x - mask.bounds.left)] = 255;
}

}  // namespace

TextMask TextEngine::render(FontId font, std::wstring_view text, std::span<const int> underlined) {
  std::lock_guard lock(mutex_);
  RealizedFont& realized = *state_->fonts[EngineState::index_of(font)];
  const TEXTMETRICW& metrics = realized.metrics;

  struct Placed {
    const Glyph* glyph;
    LONG pen;
  };
  std::vector<Placed> placed;
  placed.reserve(text.size());
  LONG pen = 0;
  for (wchar_t character : text) {
    const Glyph& glyph = state_->glyph(realized, character, true);
    placed.push_back({&glyph, pen});
    pen += glyph.advance;
  }

  TextMask mask;
  mask.cell = {0, 0, pen, metrics.tmHeight};
  mask.baseline = metrics.tmAscent;
  mask.bounds = mask.cell;
  for (const Placed& p : placed) {
    const LONG left = p.pen + p.glyph->left;
    const LONG top = metrics.tmAscent - p.glyph->top;
    add_to(mask.bounds, {left, top, left + p.glyph->width, top + p.glyph->rows});
  }
  std::vector<RECT> strokes;
  if (realized.request.underline) strokes.push_back(stroke_rect(realized.underline, 0, pen));
  if (realized.request.strike_out) strokes.push_back(stroke_rect(realized.strike_out, 0, pen));
  for (int position : underlined) {
    if (position < 0 || static_cast<std::size_t>(position) >= placed.size()) continue;
    const Placed& p = placed[position];
    strokes.push_back(stroke_rect(realized.underline, p.pen, p.pen + p.glyph->advance));
  }
  for (const RECT& stroke : strokes)
    add_to(mask.bounds, stroke);

  const LONG stride = mask.bounds.right - mask.bounds.left;
  mask.coverage.assign(static_cast<std::size_t>(stride) * (mask.bounds.bottom - mask.bounds.top), 0);
  for (const Placed& p : placed) {
    const Glyph& glyph = *p.glyph;
    const LONG left = p.pen + glyph.left - mask.bounds.left;
    const LONG top = metrics.tmAscent - glyph.top - mask.bounds.top;
    for (int y = 0; y < glyph.rows; ++y)
      for (int x = 0; x < glyph.width; ++x) {
        BYTE& target = mask.coverage[static_cast<std::size_t>(top + y) * stride + (left + x)];
        target = std::max(target, glyph.coverage[static_cast<std::size_t>(y) * glyph.width + x]);
      }
  }
  for (const RECT& stroke : strokes)
    fill(mask, stroke);
  return mask;
}

}  // namespace desktop::text
