#include "src/util/number_text.h"

#include <climits>
#include <cwchar>

long ReadLeadingInteger(const std::wstring& text) {
  long long value = std::wcstoll(text.c_str(), nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<long>(value);
}

double ReadLeadingDecimal(const std::wstring& text) {
  return std::wcstod(text.c_str(), nullptr);
}
