#include "src/controls/caption_fit.h"

#include <algorithm>
#include <cstdlib>

#include "platform/win/mul_div_api.h"

namespace {
constexpr int kLargestFittedHeight = 14;
constexpr int kSingleCharacterHeight = -22;
}  // namespace

bool IsTwoLineCaption(std::wstring_view caption) {
  const auto line_feed = caption.find(L'\n');
  return line_feed != std::wstring_view::npos && line_feed > 0;
}

int CaptionLineCount(std::wstring_view caption) {
  if (!IsTwoLineCaption(caption)) return 1;
  return 1 + static_cast<int>(std::count(caption.begin() + 1, caption.end(), L'\n'));
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

int LimitToBox(int fitted, int height, SIZE lines, SIZE box) {
  if (lines.cx <= 0 || lines.cy <= 0) return fitted;
  const int magnitude = std::abs(height);
  const int largest = std::min(magnitude * box.cx / lines.cx, magnitude * box.cy / lines.cy);
  if (std::abs(fitted) <= largest) return fitted;
  return fitted < 0 ? -largest : largest;
}

int CaptionTop(int client_height, int fitted_height, int lines, bool selected) {
  const int h = client_height + (selected ? 2 : 0);
  if (lines < 2) return (h + fitted_height) / 2;
  // Two lines take 2.6 times the fitted height; each further line 1.3 times more.
  return (h - static_cast<int>(-1.3 * lines * fitted_height)) / 2;
}
