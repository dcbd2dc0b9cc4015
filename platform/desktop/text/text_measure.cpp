#include "platform/desktop/text/engine_state.h"

namespace desktop::text {

std::vector<int> TextEngine::advances(FontId font, std::wstring_view text) {
  std::lock_guard lock(mutex_);
  RealizedFont& realized = *state_->fonts[EngineState::index_of(font)];
  std::vector<int> widths;
  widths.reserve(text.size());
  for (wchar_t character : text)
    widths.push_back(state_->glyph(realized, character, false).advance);
  return widths;
}

SIZE TextEngine::extent(FontId font, std::wstring_view text) {
  std::lock_guard lock(mutex_);
  RealizedFont& realized = *state_->fonts[EngineState::index_of(font)];
  LONG width = 0;
  for (wchar_t character : text)
    width += state_->glyph(realized, character, false).advance;
  return {width, realized.metrics.tmHeight};
}

}  // namespace desktop::text
