#include "src/controls/transparent_text_height.h"

#include <algorithm>
#include <string_view>

namespace {
constexpr int kEditBaseHeight = -23;
constexpr int kLabelLargestHeight = 25;
constexpr int kLabelSmallestHeight = 4;

// The factor F of a text wider than its field, by how many times wider it is (r).
float wide_text_factor(float r, float width_per_height) {
  if (r <= 2.3f) return width_per_height * r * 2.9f;
  if (r < 3.0f) return width_per_height * 2.1f * r;
  if (r < 8.0f) return r / 1.2f;
  return width_per_height * r * 0.515f;
}
}  // namespace

int EditExFontHeight(const EditTextMeasure& m) {
  const int text_span = (m.pixels_per_inch / 72) * m.text_width;
  const int field = std::max(m.format_width, 1);
  const float r = static_cast<float>(text_span) / static_cast<float>(field);
  const float desktop = static_cast<float>(std::max(m.desktop_height, 1));
  const float monitor_width = static_cast<float>(m.monitor.cx);
  float k = 0;
  float f = 0;
  if (field < text_span) {
    k = 2.1f * desktop / std::max(monitor_width, 1.0f);
    f = wide_text_factor(r, monitor_width / desktop);
  } else {
    k = 2.1f * static_cast<float>(m.monitor.cy) / desktop;
    f = (static_cast<float>(m.monitor.cx / 2) / desktop) * r * 4.0f;
  }
  const int height = kEditBaseHeight + static_cast<int>(k * f);
  return height == 0 ? 1 : height;
}

std::optional<int> TakeEditSizePrefixes(std::wstring& text) {
  std::optional<int> height;
  constexpr std::wstring_view kLarge = L"*****";
  if (text.starts_with(kLarge)) {
    height = -17;
    text.erase(0, kLarge.size());
  }
  if (text.starts_with(L'*')) {
    height = -14;
    text.erase(0, 1);
  }
  return height;
}

int StaticExFontHeight(int client_width, int text_width) {
  const int height = ((client_width * 3) / std::max(text_width, 1)) * 4;
  if (height == 0) return kLabelSmallestHeight;
  return std::min(height, kLabelLargestHeight);
}
