#include <gtest/gtest.h>

#include <climits>

#include "platform/win/mul_div_api.h"

namespace {

TEST(MulDiv, RoundsHalfAwayFromZeroAndFailsAsMinusOne) {
  struct Case {
    int number, numerator, denominator, expected;
  };
  const Case cases[] = {
      {10, 3, 4, 8},    // 7.5
      {-10, 3, 4, -8},  // -7.5
      {10, -3, 4, -8},
      {10, 3, -4, -8},
      {-10, -3, -4, -8},
      {5, 1, 3, 2},        // 1.67
      {4, 1, 3, 1},        // 1.33
      {-14, 72, 96, -11},  // -10.5: a font height of 14 points at 72 of 96 dots per inch
      {0, 5, 7, 0},
      {7, 9, 0, -1},
      {INT_MAX, 2, 2, INT_MAX},  // the product needs 64 bits, the result does not
      {INT_MAX, 2, 1, -1},
      {INT_MIN, 1, 1, INT_MIN},
      {INT_MIN, -1, 1, -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
        << c.number << " * " << c.numerator << " / " << c.denominator;
}

}  // namespace
