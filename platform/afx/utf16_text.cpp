#include "platform/afx/utf16_text.h"

std::string ToUtf16LeBytes(std::wstring_view text) {
  std::string bytes;
  auto put = [&bytes](unsigned unit) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>((unit >> 8) & 0xFF));
  };
  for (wchar_t c : text) {
    auto code = static_cast<unsigned>(c);
    if (code > 0xFFFF && code <= 0x10FFFF) {
      code -= 0x10000;
      put(0xD800 | (code >> 10));
      put(0xDC00 | (code & 0x3FF));
    } else {
      put(code);
    }
  }
  return bytes;
}

void AppendUtf16Unit(std::wstring& text, char16_t unit) {
  bool low = unit >= 0xDC00 && unit <= 0xDFFF;
  if (low && !text.empty()) {
    auto previous = static_cast<unsigned>(text.back());
    if (previous >= 0xD800 && previous <= 0xDBFF) {
      text.back() = static_cast<wchar_t>(0x10000 + ((previous - 0xD800) << 10) + (unit - 0xDC00));
      return;
    }
  }
  text.push_back(static_cast<wchar_t>(unit));
}
