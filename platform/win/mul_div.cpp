#include <cstdint>
#include <cstdlib>
#include <limits>

#include "platform/win/mul_div_api.h"

int WINAPI MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  const std::int64_t divisor = std::llabs(denominator);
  const std::int64_t magnitude = (std::llabs(product) + divisor / 2) / divisor;
  const bool negative = (product < 0) != (denominator < 0);
  const std::int64_t result = negative ? -magnitude : magnitude;
  if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(result);
}
