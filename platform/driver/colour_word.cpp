#include "platform/driver/colour_word.h"

#include <algorithm>
#include <charconv>

#include "platform/win/win_macros.h"

namespace driver {

std::optional<COLORREF> colour_of(std::string_view word) {
  constexpr std::string_view kOpen = "RGB(";
  if (!word.starts_with(kOpen) || !word.ends_with(")")) return std::nullopt;
  std::string_view rest = word.substr(kOpen.size(), word.size() - kOpen.size() - 1);
  int channels[3] = {};
  for (int i = 0; i < 3; ++i) {
    const std::size_t comma = i < 2 ? rest.find(',') : rest.size();
    if (comma == std::string_view::npos) return std::nullopt;
    const std::string_view digits = rest.substr(0, comma);
    int value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || value < 0 ||
        value > 255)
      return std::nullopt;
    channels[i] = value;
    rest = rest.substr(std::min(comma + 1, rest.size()));
  }
  return RGB(channels[0], channels[1], channels[2]);
}

}  // namespace driver
