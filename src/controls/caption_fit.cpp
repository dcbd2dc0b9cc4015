#include "src/controls/caption_fit.h"

#include <algorithm>

#include "platform/win/mul_div_api.h"

namespace {
constexpr int kLargestFittedHeight = 14;
constexpr int kSingleCharacterHeight = -22;
}  // namespace

bool IsTwoLineCaption(std::wstring_view caption) {
  const auto line_feed = caption.find(L'\n');
  return line_feed != std::wstring_view::npos && line_feed > 0;
}

int FitCaptionHeight(int height, std::wstring_view caption, SIZE extent, SIZE box) {
  // Scale by whichever of width and height is the tighter fit.
  const bool height_bound =
      static_cast<long long>(extent.cy) * box.cx > static_cast<long long>(extent.cx) * box.cy;
  int fitted = height_bound ? MulDiv(height, box.cy, extent.cy) - 1 : MulDiv(height, box.cx, extent.cx) - 1;
  fitted = std::clamp(fitted, -kLargestFittedHeight, kLargestFittedHeight);
  if (IsTwoLineCaption(caption)) fitted *= 2;
  if (caption.size() == 1) fitted = kSingleCharacterHeight;
  return fitted;
}

int CaptionTop(int client_height, int fitted_height, bool two_lines, bool selected) {
  const int h = client_height + (selected ? 2 : 0);
  if (!two_lines) return (h + fitted_height) / 2;
  return (h - static_cast<int>(-2.6 * fitted_height)) / 2;
}
