#include "platform/desktop/text/mnemonic_prefix.h"

namespace desktop::text {

PrefixedText strip_prefixes(std::wstring_view text) {
  PrefixedText result;
  result.text.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'&') {
      result.text.push_back(text[i]);
      continue;
    }
    if (++i == text.size()) break;
    if (text[i] != L'&') result.underlined.push_back(static_cast<int>(result.text.size()));
    result.text.push_back(text[i]);
  }
  return result;
}

}  // namespace desktop::text
