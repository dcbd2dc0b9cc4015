#include "platform/win/controls/edit_buffer.h"

#include <algorithm>

namespace controls {

void EditBuffer::set_text(std::wstring text) {
  text_ = std::move(text);
  anchor_ = caret_ = 0;
  can_undo_ = false;
}

void EditBuffer::select(std::size_t anchor, std::size_t caret) {
  anchor_ = std::min(anchor, text_.size());
  caret_ = std::min(caret, text_.size());
}

void EditBuffer::move_caret(std::size_t caret, bool extend) {
  caret_ = std::min(caret, text_.size());
  if (!extend) anchor_ = caret_;
}

void EditBuffer::remember_for_undo() {
  undo_text_ = text_;
  undo_caret_ = caret_;
  can_undo_ = true;
}

bool EditBuffer::replace_selection(const std::wstring& insertion, bool& truncated) {
  const std::size_t start = selection_start();
  const std::size_t removed = selection_end() - start;
  const std::size_t kept = text_.size() - removed;
  const std::size_t room = limit_ > kept ? limit_ - kept : 0;
  const std::wstring fitted = insertion.substr(0, std::min(insertion.size(), room));
  truncated = fitted.size() < insertion.size();
  if (removed == 0 && fitted.empty()) return false;
  remember_for_undo();
  text_.replace(start, removed, fitted);
  anchor_ = caret_ = start + fitted.size();
  return true;
}

bool EditBuffer::erase_backward() {
  if (!has_selection()) {
    if (caret_ == 0) return false;
    // A line break goes as one.
    const bool pair = caret_ >= 2 && text_.compare(caret_ - 2, 2, L"\r\n") == 0;
    anchor_ = caret_ - (pair ? 2 : 1);
  }
  bool truncated = false;
  return replace_selection(L"", truncated);
}

bool EditBuffer::erase_forward() {
  if (!has_selection()) {
    if (caret_ >= text_.size()) return false;
    const bool pair = text_.compare(caret_, 2, L"\r\n") == 0;
    anchor_ = caret_ + (pair ? 2 : 1);
  }
  bool truncated = false;
  return replace_selection(L"", truncated);
}

bool EditBuffer::undo() {
  if (!can_undo_) return false;
  std::swap(text_, undo_text_);
  std::swap(caret_, undo_caret_);
  caret_ = std::min(caret_, text_.size());
  anchor_ = caret_;
  return true;
}

}  // namespace controls
