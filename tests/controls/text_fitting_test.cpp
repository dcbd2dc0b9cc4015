// The image button's caption fitting and the transparent edit's and label's font heights.
#include <gtest/gtest.h>

#include <string>

#include "src/controls/caption_fit.h"
#include "src/controls/transparent_text_height.h"

namespace {

struct CaptionCase {
  const wchar_t* caption;
  int height;
  SIZE extent;
  SIZE box;
  int fitted;
};

TEST(CaptionFitTest, TheCaptionTakesTheTighterScaleClampedDoubledForTwoLinesAndFixedForOneCharacter) {
  const CaptionCase cases[] = {
      {L"EARTH", -11, {50, 13}, {80, 40}, -14},     // width-bound: MulDiv(-11, 80, 50) - 1 = -19, clamped
      {L"EARTH", -11, {100, 13}, {80, 40}, -10},    // MulDiv(-11, 80, 100) - 1
      {L"EARTH", -11, {40, 26}, {120, 20}, -9},     // height-bound: MulDiv(-11, 20, 26) - 1
      {L"EARTH", 10, {200, 13}, {80, 40}, 3},       // positive heights scale the same way
      {L"GO\nTO", -11, {100, 13}, {80, 40}, -20},   // two lines double the clamped height
      {L"\nGO TO", -11, {100, 13}, {80, 40}, -10},  // a leading line feed is one line
      {L"X", -11, {8, 13}, {80, 40}, -22},          // one character: always -22
      {L"X", -11, {8, 13}, {2, 2}, -22},
      {L"", -11, {0, 13}, {80, 40}, -14},  // nothing measured does not divide by zero
  };
  for (const CaptionCase& c : cases)
    EXPECT_EQ(FitCaptionHeight(c.height, c.caption, c.extent, c.box), c.fitted)
        << c.caption << " " << c.extent.cx;
}

TEST(CaptionFitTest, ACaptionOfSeveralLinesIsNoLargerThanLetsItsWidestLineAndAllLinesFitTheBox) {
  EXPECT_EQ(LimitToBox(-28, -11, {60, 26}, {130, 55}), -23);  // the widest line: 11 * 130 / 60
  EXPECT_EQ(LimitToBox(-28, -11, {40, 39}, {130, 55}), -15);  // three lines: 11 * 55 / 39
  EXPECT_EQ(LimitToBox(-14, -11, {40, 26}, {130, 55}), -14);  // already within the box
  EXPECT_EQ(LimitToBox(20, 10, {100, 26}, {130, 55}), 13);    // positive heights alike
  EXPECT_EQ(LimitToBox(-14, -11, {0, 0}, {130, 55}), -14);    // nothing measured
}

TEST(CaptionFitTest, TheCaptionTopCentresOneLineAndLiftsMoreLinesAndMovesDownWhenPressed) {
  EXPECT_EQ(CaptionTop(40, -14, 1, false), 13);
  EXPECT_EQ(CaptionTop(40, -14, 1, true), 14);
  // (40 - trunc(2.6 * 28)) / 2 = (40 - 72) / 2
  EXPECT_EQ(CaptionTop(40, -28, 2, false), -16);
  EXPECT_EQ(CaptionTop(41, 5, 1, false), 23);
  // (90 - trunc(3.9 * 20)) / 2: three lines lift by half a line more than two.
  EXPECT_EQ(CaptionTop(90, -20, 3, false), 6);
}

TEST(TransparentTextHeightTest, TheEditHeightFollowsTheFormulaForTextsThatFitAndTextsThatDoNot) {
  struct EditCase {
    int text_width;
    int format_width;
    int height;
  };
  // A 1920 x 1080 monitor that is the whole desktop, at 96 dots per inch (T = text width).
  const EditCase cases[] = {
      {100, 200, -20},   // fits: K = 2.1, F = (960 / 1080) * 0.5 * 4
      {200, 200, -16},   // exactly as wide still fits
      {300, 200, -14},   // R = 1.5: K = 2.1 * 1080 / 1920, F = (1920 / 1080) * 1.5 * 2.9
      {500, 200, -12},   // R = 2.5
      {700, 200, -20},   // R = 3.5: R / 1.2
      {2000, 200, -13},  // R = 10
      {100, 0, 85},      // a field of no width counts as one pixel wide
  };
  for (const EditCase& c : cases)
    EXPECT_EQ(EditExFontHeight({c.text_width, 96, c.format_width, 1080, {1920, 1080}}), c.height)
        << c.text_width << " in " << c.format_width;
}

TEST(TransparentTextHeightTest, StarPrefixesSetTheEditHeightAndAreRemoved) {
  struct PrefixCase {
    const wchar_t* text;
    std::optional<int> height;
    const wchar_t* left;
  };
  const PrefixCase cases[] = {
      {L"Ready", std::nullopt, L"Ready"}, {L"*", -14, L""},       {L"*****", -17, L""}, {L"******", -14, L""},
      {L"*****Go", -17, L"Go"},           {L"**Go", -14, L"*Go"},
  };
  for (const PrefixCase& c : cases) {
    std::wstring text = c.text;
    EXPECT_EQ(TakeEditSizePrefixes(text), c.height) << c.text;
    EXPECT_EQ(text, c.left) << c.text;
  }
}

TEST(TransparentTextHeightTest, TheLabelHeightIsAtMost25AndNeverTheDefaultZero) {
  struct LabelCase {
    int client_width;
    int text_width;
    int height;
  };
  const LabelCase cases[] = {{200, 100, 24}, {200, 50, 25}, {200, 0, 25}, {200, 300, 8}, {200, 700, 4}};
  for (const LabelCase& c : cases)
    EXPECT_EQ(StaticExFontHeight(c.client_width, c.text_width), c.height) << c.text_width;
}

}  // namespace
