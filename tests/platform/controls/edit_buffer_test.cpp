#include "platform/win/controls/edit_buffer.h"

#include <gtest/gtest.h>

namespace {

using controls::EditBuffer;

TEST(EditBufferTest, ReplacingTheSelectionKeepsWithinTheLimit) {
  struct Case {
    const wchar_t* text;
    std::size_t anchor;
    std::size_t caret;
    std::size_t limit;
    const wchar_t* insertion;
    const wchar_t* result;
    bool truncated;
  };
  const Case cases[] = {
      {L"abc", 3, 3, 10, L"de", L"abcde", false}, {L"abc", 3, 3, 4, L"de", L"abcd", true},
      {L"abc", 0, 3, 3, L"xyz", L"xyz", false},  // the selection makes room
      {L"abc", 1, 2, 3, L"xy", L"axc", true},     {L"abc", 3, 3, 3, L"d", L"abc", true},
  };
  for (const Case& test : cases) {
    EditBuffer buffer;
    buffer.set_text(test.text);
    buffer.set_limit(test.limit);
    buffer.select(test.anchor, test.caret);
    bool truncated = false;
    buffer.replace_selection(test.insertion, truncated);
    EXPECT_EQ(buffer.text(), test.result) << test.result;
    EXPECT_EQ(truncated, test.truncated) << test.result;
  }
}

TEST(EditBufferTest, ALineBreakIsErasedAsOne) {
  EditBuffer buffer;
  buffer.set_text(L"a\r\nb");
  buffer.move_caret(3, false);
  EXPECT_TRUE(buffer.erase_backward());
  EXPECT_EQ(buffer.text(), L"ab");
  buffer.move_caret(0, false);
  EXPECT_FALSE(buffer.erase_backward());
  buffer.set_text(L"a\r\nb");
  buffer.move_caret(1, false);
  EXPECT_TRUE(buffer.erase_forward());
  EXPECT_EQ(buffer.text(), L"ab");
}

TEST(EditBufferTest, UndoGoesBackOneStepAndThenForward) {
  EditBuffer buffer;
  buffer.set_text(L"Mars");
  EXPECT_FALSE(buffer.can_undo());
  buffer.select(0, 4);
  bool truncated = false;
  buffer.replace_selection(L"Venus", truncated);
  EXPECT_TRUE(buffer.undo());
  EXPECT_EQ(buffer.text(), L"Mars");
  EXPECT_TRUE(buffer.undo());
  EXPECT_EQ(buffer.text(), L"Venus");
}

TEST(EditBufferTest, ALimitOfZeroMeansNoLimit) {
  EditBuffer buffer;
  EXPECT_EQ(buffer.limit(), EditBuffer::kDefaultLimit);
  buffer.set_limit(0);
  EXPECT_EQ(buffer.limit(), EditBuffer::kNoLimit);
}

}  // namespace
