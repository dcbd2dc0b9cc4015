#include "src/util/compare_no_case.h"

#include <algorithm>

namespace {

wchar_t FoldCase(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

}  // namespace

int CompareTextNoCase(std::wstring_view a, std::wstring_view b) {
  std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    wchar_t x = FoldCase(a[i]);
    wchar_t y = FoldCase(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool CompareNoCase(std::wstring_view a, std::wstring_view b) {
  return CompareTextNoCase(a, b) < 0;
}
