#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/desktop/gdi/raster_op.h"
#include "platform/win/gdi_blit_api.h"
#include "platform/win/gdi_dc_api.h"

namespace {

using desktop::rop3;
using desktop::rop3_index;

// Every code's row loop, the written-out ones among them, gives what the truth table says, with
// the pattern as a row and as one colour.
TEST(RasterOp, EveryCodeAgreesWithItsTruthTable) {
  std::mt19937 random(7);
  constexpr int kCount = 37;
  std::vector<std::uint32_t> pattern(kCount), source(kCount), destination(kCount);
  for (int i = 0; i < kCount; ++i) {
    pattern[i] = random();
    source[i] = random();
    destination[i] = random();
  }
  const std::uint32_t colour = random();
  for (int code = 0; code < 256; ++code) {
    const auto rop = static_cast<std::uint8_t>(code);
    std::vector<std::uint32_t> with_row = destination;
    std::vector<std::uint32_t> with_colour = destination;
    desktop::rop_row(rop, with_row.data(), source.data(), pattern.data(), 0, kCount);
    desktop::rop_row(rop, with_colour.data(), source.data(), nullptr, colour, kCount);
    for (int i = 0; i < kCount; ++i) {
      ASSERT_EQ(with_row[i], rop3(rop, pattern[i], source[i], destination[i])) << "code " << code;
      ASSERT_EQ(with_colour[i], rop3(rop, colour, source[i], destination[i])) << "code " << code;
    }
  }
}

TEST(RasterOp, NamedCodesAreTheirBooleanExpressions) {
  const std::uint32_t p = 0xF0F0F0F0, s = 0xCCCCCCCC, d = 0xAAAAAAAA;
  struct Case {
    DWORD rop;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {SRCCOPY, s},         {SRCPAINT, s | d}, {SRCAND, s & d},         {SRCINVERT, s ^ d},
      {SRCERASE, s & ~d},   {NOTSRCCOPY, ~s},  {NOTSRCERASE, ~(s | d)}, {MERGECOPY, p & s},
      {MERGEPAINT, ~s | d}, {PATCOPY, p},      {PATPAINT, p | ~s | d},  {PATINVERT, p ^ d},
      {DSTINVERT, ~d},      {BLACKNESS, 0},    {WHITENESS, ~0u},        {0x00220326, d & ~s},
  };
  for (const Case& c : cases)
    EXPECT_EQ(rop3(rop3_index(c.rop), p, s, d), c.expected) << std::hex << c.rop;
}

TEST(RasterOp, WhatEachCodeReads) {
  EXPECT_TRUE(desktop::rop_uses_source(rop3_index(SRCCOPY)));
  EXPECT_FALSE(desktop::rop_uses_pattern(rop3_index(SRCCOPY)));
  EXPECT_FALSE(desktop::rop_uses_destination(rop3_index(SRCCOPY)));
  EXPECT_FALSE(desktop::rop_uses_source(rop3_index(PATINVERT)));
  EXPECT_TRUE(desktop::rop_uses_destination(rop3_index(PATINVERT)));
  EXPECT_FALSE(desktop::rop_uses_source(rop3_index(BLACKNESS)));
  EXPECT_TRUE(desktop::rop_uses_pattern(rop3_index(MERGECOPY)));
}

// A pen's binary operations become the ternary ones that ignore the source.
TEST(RasterOp, BinaryOperationsOfPens) {
  struct Case {
    int rop2;
    std::uint8_t rop3;
  };
  const Case cases[] = {{R2_BLACK, 0x00},    {R2_COPYPEN, 0xF0}, {R2_NOTCOPYPEN, 0x0F},
                        {R2_XORPEN, 0x5A},   {R2_NOT, 0x55},     {R2_NOP, 0xAA},
                        {R2_MERGEPEN, 0xFA}, {R2_MASKPEN, 0xA0}, {R2_WHITE, 0xFF}};
  for (const Case& c : cases)
    EXPECT_EQ(desktop::rop3_of_rop2(c.rop2), c.rop3) << c.rop2;
}

}  // namespace
