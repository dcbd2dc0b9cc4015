// An edit control's text with its selection, limit and one step of undo, apart from any window.
#pragma once

#include <cstddef>
#include <string>

namespace controls {

class EditBuffer {
 public:
  static constexpr std::size_t kDefaultLimit = 30000;
  static constexpr std::size_t kNoLimit = 0x7FFFFFFE;

  const std::wstring& text() const { return text_; }
  std::size_t caret() const { return caret_; }
  std::size_t anchor() const { return anchor_; }
  std::size_t selection_start() const { return anchor_ < caret_ ? anchor_ : caret_; }
  std::size_t selection_end() const { return anchor_ < caret_ ? caret_ : anchor_; }
  bool has_selection() const { return anchor_ != caret_; }
  std::size_t limit() const { return limit_; }
  // 0 lifts the limit, as EM_LIMITTEXT does.
  void set_limit(std::size_t limit) { limit_ = limit == 0 ? kNoLimit : limit; }

  // Replaces the whole text; the caret goes to its start. Not bound by the limit, as code may
  // set any text.
  void set_text(std::wstring text);
  // Selects from anchor to caret, each clamped to the text; npos means the end.
  void select(std::size_t anchor, std::size_t caret);
  // Moves the caret; with extend, the anchor stays where it was.
  void move_caret(std::size_t caret, bool extend);

  // Replaces the selection with as much of the insertion as the limit allows. Returns false
  // when nothing changed; truncated tells whether the limit cut the insertion.
  bool replace_selection(const std::wstring& insertion, bool& truncated);
  // Backspace and Delete: the selection, else the character before or after the caret.
  bool erase_backward();
  bool erase_forward();

  bool can_undo() const { return can_undo_; }
  bool undo();
  void forget_undo() { can_undo_ = false; }

 private:
  void remember_for_undo();

  std::wstring text_;
  std::size_t anchor_ = 0;
  std::size_t caret_ = 0;
  std::size_t limit_ = kDefaultLimit;
  std::wstring undo_text_;
  std::size_t undo_caret_ = 0;
  bool can_undo_ = false;
};

}  // namespace controls
