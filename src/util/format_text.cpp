#include "src/util/format_text.h"

#include <cstdarg>
#include <cwchar>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t FirstBufferSize = 256;
constexpr std::size_t LargestBufferSize = std::size_t{1} << 24;
constexpr std::wstring_view FlagsWidthPrecision = L"-+ #0123456789.*";

// In the console's formats "%s" takes a wide text, as Windows' wide printf reads it; the C
// library's wide printf wants "%ls" for that.
std::wstring WithWideStrings(const wchar_t* format) {
  std::wstring out;
  for (const wchar_t* at = format; *at != L'\0'; ++at) {
    out += *at;
    if (*at != L'%') continue;
    if (at[1] == L'%') {
      out += *++at;
      continue;
    }
    while (at[1] != L'\0' && FlagsWidthPrecision.find(at[1]) != std::wstring_view::npos)
      out += *++at;
    if (at[1] == L's') out += L'l';
  }
  return out;
}

}  // namespace

std::wstring FormatText(const wchar_t* format, ...) {
  const std::wstring wideFormat = WithWideStrings(format);
  std::vector<wchar_t> buffer(FirstBufferSize);
  // vswprintf reports only that the buffer was short, not how much it needs.
  while (buffer.size() <= LargestBufferSize) {
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vswprintf(buffer.data(), buffer.size(), wideFormat.c_str(), arguments);
    va_end(arguments);
    if (written >= 0) return std::wstring(buffer.data(), static_cast<std::size_t>(written));
    buffer.resize(buffer.size() * 2);
  }
  return {};
}
