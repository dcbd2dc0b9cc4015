#include "src/util/text_trim.h"

namespace {

std::wstring_view Strip(std::wstring_view text, std::wstring_view characters) {
  std::size_t first = text.find_first_not_of(characters);
  if (first == std::wstring_view::npos) return {};
  return text.substr(first, text.find_last_not_of(characters) - first + 1);
}

}  // namespace

std::wstring_view StripBlanks(std::wstring_view text) {
  return Strip(text, L" \t");
}

std::wstring_view StripWhiteSpace(std::wstring_view text) {
  return Strip(text, L" \t\r\n\v\f");
}
