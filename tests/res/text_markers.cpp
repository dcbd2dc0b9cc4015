#include "text_markers.h"

namespace strings_check {
namespace {

constexpr std::string_view kFlags = "-+ #0";
constexpr std::string_view kConversions = "diouxXeEfgGcsSp%";
constexpr std::string_view kLengths[] = {"I64", "ll", "hh", "l", "h", "L", "I"};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The conversion letter of the format directive starting at text[i] (just after '%'), or 0.
char ConversionAt(std::string_view text, size_t& i) {
  if (i < text.size() && text[i] == '%') return text[i++];
  size_t k = i;
  while (k < text.size() && kFlags.find(text[k]) != std::string_view::npos)
    ++k;
  while (k < text.size() && (IsDigit(text[k]) || text[k] == '*'))
    ++k;
  if (k < text.size() && text[k] == '.') {
    ++k;
    while (k < text.size() && (IsDigit(text[k]) || text[k] == '*'))
      ++k;
  }
  for (std::string_view length : kLengths) {
    if (text.substr(k, length.size()) == length) {
      k += length.size();
      break;
    }
  }
  if (k >= text.size() || text[k] == '%' || kConversions.find(text[k]) == std::string_view::npos) return 0;
  i = k + 1;
  return text[k] == 'i' ? 'd' : text[k];
}

}  // namespace

std::string FormatConversions(std::string_view text) {
  std::string conversions;
  for (size_t i = 0; i < text.size();) {
    if (text[i++] != '%') continue;
    if (const char letter = ConversionAt(text, i)) conversions += letter;
  }
  return conversions;
}

int AcceleratorCount(std::string_view text) {
  int count = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (i + 1 == text.size()) return -1;
    if (text[i + 1] == '&') {
      ++i;
    } else if (text[i + 1] != ' ') {
      ++count;
    }
  }
  return count;
}

std::string AcceleratorKey(std::string_view text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    const char next = text[i + 1];
    if (next == '&') {
      ++i;
      continue;
    }
    if (next == ' ') continue;
    if (text.substr(i + 1, 2) == "\xC4\xB0") return "i";
    if (next >= 'A' && next <= 'Z') return std::string(1, static_cast<char>(next - 'A' + 'a'));
    size_t length = 1;
    while (i + 1 + length < text.size() && (static_cast<unsigned char>(text[i + 1 + length]) & 0xC0) == 0x80)
      ++length;
    return std::string(text.substr(i + 1, length));
  }
  return {};
}

}  // namespace strings_check
