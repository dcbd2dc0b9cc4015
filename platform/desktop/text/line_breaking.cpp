#include "platform/desktop/text/line_breaking.h"

#include <algorithm>

#include "platform/desktop/text/mnemonic_prefix.h"

namespace desktop::text {
namespace {

struct Range {
  wchar_t first;
  wchar_t last;
};

// Scripts written without spaces, where a line may end between any two characters.
constexpr Range kCjkRanges[] = {
    {0x1100, 0x11FF},  // Hangul Jamo
    {0x2E80, 0x2FFF},  // CJK radicals, Kangxi radicals
    {0x3000, 0x303F},  // CJK symbols and punctuation
    {0x3040, 0x31FF},  // kana, Bopomofo, Hangul compatibility Jamo
    {0x3200, 0x4DBF},  // enclosed CJK, compatibility, extension A
    {0x4E00, 0x9FFF},  // CJK unified ideographs
    {0xA000, 0xA4CF},  // Yi
    {0xAC00, 0xD7AF},  // Hangul syllables
    {0xF900, 0xFAFF},  // CJK compatibility ideographs
    {0xFE30, 0xFE4F},  // CJK compatibility forms
    {0xFF00, 0xFFEF},  // full-width and half-width forms
    {0x20000, 0x3FFFF},
};

// Punctuation that must not begin a line, and punctuation that must not end one.
constexpr std::wstring_view kNoBreakBefore =
    L".,;:!?)]}"
    L"\u3001\u3002\u3009\u300B\u300D\u300F\u3011\u3015\uFF01\uFF09\uFF0C\uFF0E\uFF1A\uFF1B\uFF1F\uFF3D"
    L"\uFF5D";
constexpr std::wstring_view kNoBreakAfter = L"([{\u3008\u300A\u300C\u300E\u3010\u3014\uFF08\uFF3B\uFF5B";

bool is_cjk(wchar_t c) {
  return std::ranges::any_of(kCjkRanges, [c](Range range) { return c >= range.first && c <= range.last; });
}

bool breaks_between(wchar_t before, wchar_t after) {
  return (is_cjk(before) || is_cjk(after)) && kNoBreakBefore.find(after) == std::wstring_view::npos &&
         kNoBreakAfter.find(before) == std::wstring_view::npos;
}

class LineBuilder {
 public:
  LineBuilder(const PrefixedText& shown, const std::vector<int>& advances)
      : shown_(shown), advances_(advances) {}

  void add(std::size_t begin, std::size_t end) {
    TextLine line;
    line.text = shown_.text.substr(begin, end - begin);
    for (std::size_t i = begin; i < end; ++i)
      line.width += advances_[i];
    for (int position : shown_.underlined)
      if (static_cast<std::size_t>(position) >= begin && static_cast<std::size_t>(position) < end)
        line.underlined.push_back(static_cast<int>(position - begin));
    lines_.push_back(std::move(line));
  }

  void wrap(std::size_t begin, std::size_t end, int width) {
    if (begin == end) add(begin, end);
    const std::wstring& text = shown_.text;
    for (std::size_t start = begin; start < end;) {
      std::size_t wrap_at = std::wstring::npos;
      bool has_ink = false;  // spaces alone are no word to wrap after
      int x = 0;
      std::size_t i = start;
      for (; i < end; ++i) {
        if (text[i] == L' ') {
          if (has_ink && text[i - 1] != L' ') wrap_at = i;
          x += advances_[i];  // trailing spaces may overhang; they are dropped at the wrap
          continue;
        }
        if (has_ink && text[i - 1] != L' ' && breaks_between(text[i - 1], text[i])) wrap_at = i;
        if (i > start && x + advances_[i] > width) break;
        x += advances_[i];
        has_ink = true;
      }
      if (i == end) {
        add(start, end);
        return;
      }
      std::size_t line_end = wrap_at != std::wstring::npos ? wrap_at : i;
      add(start, line_end);
      start = line_end;
      while (start < end && text[start] == L' ')
        ++start;
    }
  }

  std::vector<TextLine> take() { return std::move(lines_); }

 private:
  const PrefixedText& shown_;
  const std::vector<int>& advances_;
  std::vector<TextLine> lines_;
};

}  // namespace

std::vector<TextLine> break_lines(TextEngine& engine, FontId font, std::wstring_view text, int width,
                                  LineOptions options) {
  const PrefixedText shown = options.prefix ? strip_prefixes(text) : PrefixedText{std::wstring(text), {}};
  const std::wstring& s = shown.text;
  if (s.empty()) return {};
  const std::vector<int> advances = engine.advances(font, s);
  LineBuilder lines(shown, advances);
  if (options.single_line) {
    lines.add(0, s.size());
    return lines.take();
  }
  for (std::size_t begin = 0;;) {
    std::size_t end = s.find_first_of(L"\r\n", begin);
    if (end == std::wstring::npos) end = s.size();
    if (options.word_break)
      lines.wrap(begin, end, width);
    else
      lines.add(begin, end);
    if (end == s.size()) break;
    begin = end + (s[end] == L'\r' && end + 1 < s.size() && s[end + 1] == L'\n' ? 2 : 1);
    if (begin == s.size()) break;
  }
  return lines.take();
}

}  // namespace desktop::text
