#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "platform/desktop/text/line_breaking.h"
#include "platform/desktop/text/mnemonic_prefix.h"
#include "platform/desktop/text/text_engine.h"

namespace {

using desktop::text::break_lines;
using desktop::text::FontId;
using desktop::text::FontRequest;
using desktop::text::LineOptions;
using desktop::text::TextEngine;
using desktop::text::TextLine;
using desktop::text::TextMask;

constexpr const wchar_t* kTurkish = L"\u0130\u0131\u015e\u015f\u011e\u011f";  // İıŞşĞğ
constexpr const wchar_t* kChinese = L"\u4e2d\u6587";                          // 中文

FontRequest request(LONG height, LONG weight = FW_NORMAL, std::wstring face = L"MS Sans Serif",
                    BYTE charset = DEFAULT_CHARSET) {
  FontRequest font;
  font.face = std::move(face);
  font.height = height;
  font.weight = weight;
  font.charset = charset;
  return font;
}

// Throws, and so fails the test, when the bundled fonts are not installed.
FontId font(const FontRequest& font_request) {
  return TextEngine::shared().realize(font_request).value();
}

FontId font(LONG height, LONG weight = FW_NORMAL) {
  return font(request(height, weight));
}

int width_of(FontId id, const std::wstring& text) {
  return TextEngine::shared().extent(id, text).cx;
}

std::vector<std::wstring> texts_of(const std::vector<TextLine>& lines) {
  std::vector<std::wstring> texts;
  for (const TextLine& line : lines)
    texts.push_back(line.text);
  return texts;
}

int inked_pixels(const TextMask& mask) {
  return static_cast<int>(std::ranges::count_if(mask.coverage, [](BYTE value) { return value != 0; }));
}

TEST(TextEngineTest, TextMeasuresTheSameEveryTime) {
  struct Case {
    LONG height;
    LONG weight;
    const wchar_t* text;
    LONG width;
  };
  constexpr Case kCases[] = {
      {-11, FW_NORMAL, L"Find Polaris", 65}, {-11, FW_BOLD, L"Find Polaris", 75},
      {-14, FW_NORMAL, L"Find Polaris", 81}, {-22, FW_EXTRABOLD, L"Find Polaris", 149},
      {10, FW_NORMAL, L"Find Polaris", 55},  {-11, FW_NORMAL, kTurkish, 35},
      {-14, FW_BOLD, kTurkish, 49},          {-22, FW_NORMAL, kTurkish, 68},
      {-11, FW_NORMAL, kChinese, 22},        {-11, FW_BOLD, kChinese, 24},
      {-22, FW_EXTRABOLD, kChinese, 46},     {-14, FW_NORMAL, L"", 0},
  };
  TextEngine fresh;
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.height << " " << c.weight << " " << c.text);
    FontId shared = font(c.height, c.weight);
    std::optional<FontId> own = fresh.realize(request(c.height, c.weight));
    ASSERT_TRUE(own);
    SIZE size = TextEngine::shared().extent(shared, c.text);
    EXPECT_EQ(size.cx, c.width);
    EXPECT_EQ(size.cy, TextEngine::shared().metrics(shared).tmHeight);
    EXPECT_EQ(fresh.extent(*own, c.text).cx, c.width);
    std::vector<int> advances = TextEngine::shared().advances(shared, c.text);
    EXPECT_EQ(advances.size(), std::wstring_view(c.text).size());
    int sum = 0;
    for (int advance : advances)
      sum += advance;
    EXPECT_EQ(sum, c.width);  // no kerning: a text is as wide as its characters
  }
}

TEST(TextEngineTest, SameRequestGivesSameFont) {
  EXPECT_EQ(font(-11), font(-11));
  EXPECT_NE(font(-11), font(-12));
  EXPECT_NE(font(-11), font(-11, FW_BOLD));
}

TEST(TextEngineTest, MetricsAreRecordedAndConsistent) {
  struct Case {
    FontRequest font;
    LONG height, ascent, descent, internal_leading, average, maximum, weight;
    BYTE charset;
  };
  const Case kCases[] = {
      {request(-11), 13, 10, 3, 2, 6, 21, FW_NORMAL, ANSI_CHARSET},
      {request(-11, FW_BOLD), 13, 10, 3, 2, 6, 22, FW_BOLD, ANSI_CHARSET},
      {request(-22, FW_EXTRABOLD), 25, 20, 5, 3, 13, 44, FW_BOLD, ANSI_CHARSET},
      {request(16), 16, 13, 3, 2, 7, 26, FW_NORMAL, ANSI_CHARSET},
      {request(-12, FW_NORMAL, L"Tahoma", TURKISH_CHARSET), 14, 11, 3, 2, 6, 22, FW_NORMAL, TURKISH_CHARSET},
      {request(-12, FW_NORMAL, L"Microsoft YaHei"), 14, 11, 3, 2, 8, 14, FW_NORMAL, GB2312_CHARSET},
      // The CJK family has no bold face: the simulation reports bold and one pixel more per character.
      {request(-12, FW_BOLD, L"SimSun"), 14, 11, 3, 2, 9, 15, FW_BOLD, GB2312_CHARSET},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.font.height << " " << c.font.weight);
    TEXTMETRICW m = TextEngine::shared().metrics(font(c.font));
    EXPECT_EQ(m.tmHeight, c.height);
    EXPECT_EQ(m.tmAscent, c.ascent);
    EXPECT_EQ(m.tmDescent, c.descent);
    EXPECT_EQ(m.tmHeight, m.tmAscent + m.tmDescent);
    EXPECT_EQ(m.tmInternalLeading, c.internal_leading);
    EXPECT_EQ(m.tmExternalLeading, 0);
    EXPECT_EQ(m.tmAveCharWidth, c.average);
    EXPECT_EQ(m.tmMaxCharWidth, c.maximum);
    EXPECT_EQ(m.tmWeight, c.weight);
    EXPECT_EQ(m.tmCharSet, c.charset);
    EXPECT_EQ(m.tmPitchAndFamily, TMPF_FIXED_PITCH | TMPF_VECTOR | TMPF_TRUETYPE | FF_SWISS);
    EXPECT_EQ(m.tmOverhang, 0);
    EXPECT_EQ(m.tmDigitizedAspectY, 96);
    EXPECT_EQ(m.tmBreakChar, L' ');
    EXPECT_EQ(m.tmItalic, 0);
  }
}

TEST(TextEngineTest, NegativeHeightIsTheEmAndPositiveTheCell) {
  for (LONG pixels = 6; pixels <= 40; ++pixels) {
    SCOPED_TRACE(pixels);
    TEXTMETRICW by_em = TextEngine::shared().metrics(font(-pixels));
    EXPECT_EQ(by_em.tmHeight - by_em.tmInternalLeading, pixels);
    EXPECT_GT(by_em.tmHeight, pixels);
    TEXTMETRICW by_cell = TextEngine::shared().metrics(font(pixels));
    EXPECT_EQ(by_cell.tmHeight, pixels);
    EXPECT_EQ(by_cell.tmAscent + by_cell.tmDescent, pixels);
    EXPECT_LT(by_cell.tmHeight - by_cell.tmInternalLeading, pixels);
  }
  // No height is the default size: the 16-pixel cell.
  EXPECT_EQ(TextEngine::shared().metrics(font(0)).tmHeight, 16);
  EXPECT_EQ(font(0), font(0));
  EXPECT_EQ(width_of(font(0), L"Now"), width_of(font(16), L"Now"));
}

TEST(TextEngineTest, BoldIsWiderThanNormal) {
  for (LONG height : {-11, -14, -22})
    for (const wchar_t* text : {L"Galactic Grid", kTurkish, kChinese}) {
      SCOPED_TRACE(testing::Message() << height << " " << text);
      EXPECT_GT(width_of(font(height, FW_BOLD), text), width_of(font(height), text));
      // The bold face starts at semibold; medium is still the regular face.
      EXPECT_EQ(width_of(font(height, FW_SEMIBOLD), text), width_of(font(height, FW_BOLD), text));
      EXPECT_EQ(width_of(font(height, FW_MEDIUM), text), width_of(font(height), text));
    }
}

TEST(TextEngineTest, WindowsFaceNamesMapToTheBundledFamilies) {
  const std::wstring text = L"Ground";
  const int sans = width_of(font(request(-12, FW_NORMAL, L"DejaVu Sans")), text);
  for (const wchar_t* face : {L"Arial", L"Tahoma", L"MS Sans Serif", L"ms sans serif", L"Segoe UI",
                              L"Microsoft Sans Serif", L"", L"No Such Face"})
    EXPECT_EQ(width_of(font(request(-12, FW_NORMAL, face)), text), sans) << face;

  const int cjk = width_of(font(request(-12, FW_NORMAL, L"WenQuanYi Micro Hei")), text);
  EXPECT_NE(cjk, sans);
  EXPECT_EQ(width_of(font(request(-12, FW_NORMAL, L"Microsoft YaHei")), text), cjk);
  EXPECT_EQ(width_of(font(request(-12, FW_NORMAL, L"\u5b8b\u4f53")), text), cjk);
  // A Chinese charset wins over a Latin face, as the font mapper honours the charset first.
  EXPECT_EQ(width_of(font(request(-12, FW_NORMAL, L"Arial", GB2312_CHARSET)), text), cjk);
  EXPECT_EQ(width_of(font(request(-12, FW_NORMAL, L"Arial", TURKISH_CHARSET)), text), sans);
}

TEST(TextEngineTest, WidthScalesTheAverageCharacter) {
  FontRequest narrow = request(-22);
  narrow.width = 8;
  FontRequest wide = request(-22);
  wide.width = -16;  // the sign is ignored
  EXPECT_EQ(TextEngine::shared().metrics(font(narrow)).tmAveCharWidth, 8);
  EXPECT_EQ(TextEngine::shared().metrics(font(wide)).tmAveCharWidth, 16);
  EXPECT_EQ(TextEngine::shared().metrics(font(wide)).tmHeight,
            TextEngine::shared().metrics(font(-22)).tmHeight);
  const std::wstring text = L"Shooting stars";
  EXPECT_LT(width_of(font(narrow), text), width_of(font(-22), text));
  EXPECT_GT(width_of(font(wide), text), width_of(font(-22), text));
}

TEST(TextEngineTest, LogfontBecomesARequest) {
  LOGFONTW logfont{};
  logfont.lfHeight = -34;
  logfont.lfWidth = -16;
  logfont.lfWeight = FW_EXTRABOLD;
  logfont.lfItalic = TRUE;
  logfont.lfUnderline = 1;
  logfont.lfCharSet = TURKISH_CHARSET;
  logfont.lfQuality = NONANTIALIASED_QUALITY;
  std::fill(std::begin(logfont.lfFaceName), std::end(logfont.lfFaceName), L'x');  // no terminator
  FontRequest converted = desktop::text::font_request(logfont, 120);
  EXPECT_EQ(converted.face, std::wstring(LF_FACESIZE, L'x'));
  EXPECT_EQ(converted.height, -34);
  EXPECT_EQ(converted.width, -16);
  EXPECT_EQ(converted.weight, FW_EXTRABOLD);
  EXPECT_TRUE(converted.italic);
  EXPECT_TRUE(converted.underline);
  EXPECT_FALSE(converted.strike_out);
  EXPECT_EQ(converted.charset, TURKISH_CHARSET);
  EXPECT_EQ(converted.quality, NONANTIALIASED_QUALITY);
  TEXTMETRICW m = TextEngine::shared().metrics(font(converted));
  EXPECT_EQ(m.tmDigitizedAspectX, 120);
  EXPECT_EQ(m.tmItalic, 255);
  EXPECT_EQ(m.tmUnderlined, 255);
  EXPECT_EQ(m.tmAveCharWidth, 16);
}

TEST(TextEngineTest, PrefixesUnderlineTheNextCharacter) {
  struct Case {
    const wchar_t* text;
    const wchar_t* shown;
    std::vector<int> underlined;
  };
  const Case kCases[] = {
      {L"&Ok", L"Ok", {0}},
      {L"Ignore &all", L"Ignore all", {7}},
      {L"Salt && pepper", L"Salt & pepper", {}},
      {L"&&&Yes", L"&Yes", {1}},
      {L"a&b&c", L"abc", {1, 2}},
      {L"trailing&", L"trailing", {}},
      {L"", L"", {}},
  };
  for (const Case& c : kCases) {
    desktop::text::PrefixedText stripped = desktop::text::strip_prefixes(c.text);
    EXPECT_EQ(stripped.text, c.shown) << c.text;
    EXPECT_EQ(stripped.underlined, c.underlined) << c.text;
  }

  FontId id = font(-11);
  std::vector<TextLine> lines =
      break_lines(TextEngine::shared(), id, L"Don't ask this &question again.", 1000, {});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].text, L"Don't ask this question again.");
  EXPECT_EQ(lines[0].underlined, std::vector<int>{15});
  EXPECT_EQ(lines[0].width, width_of(id, L"Don't ask this question again."));
  // Without prefix processing the ampersand is drawn and measured like any character.
  lines = break_lines(TextEngine::shared(), id, L"A && B &c", 1000, {.prefix = false});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].text, L"A && B &c");
  EXPECT_TRUE(lines[0].underlined.empty());
}

TEST(TextEngineTest, WordWrapBreaksAtSpaces) {
  FontId id = font(-11);
  const std::wstring caption = L"Precession Circles";
  const int width = width_of(id, caption);
  const LineOptions wrap{.word_break = true};
  struct Case {
    int width;
    std::vector<std::wstring> lines;
  };
  const Case kCases[] = {
      {width, {L"Precession Circles"}},
      {width - 1, {L"Precession", L"Circles"}},
      {width_of(id, L"Precession"), {L"Precession", L"Circles"}},
  };
  for (const Case& c : kCases)
    EXPECT_EQ(texts_of(break_lines(TextEngine::shared(), id, caption, c.width, wrap)), c.lines) << c.width;

  // The spaces of a wrap point are dropped and do not count in the width; others stay.
  std::vector<TextLine> lines =
      break_lines(TextEngine::shared(), id, L"  Find   Polaris star", width_of(id, L"  Find Polaris"), wrap);
  EXPECT_EQ(texts_of(lines), (std::vector<std::wstring>{L"  Find", L"Polaris star"}));
  EXPECT_EQ(lines[0].width, width_of(id, L"  Find"));
  // Without word wrap a long line stays whole.
  EXPECT_EQ(break_lines(TextEngine::shared(), id, caption, 10, {}).size(), 1u);
}

TEST(TextEngineTest, AWordWiderThanTheLineIsCut) {
  FontId id = font(-11);
  const LineOptions wrap{.word_break = true};
  const std::wstring word = L"Supercalifragilistic";
  const int width = width_of(id, L"Supercal");
  std::vector<TextLine> lines = break_lines(TextEngine::shared(), id, L"A " + word, width, wrap);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0].text, L"A");
  std::wstring joined;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].width, width);
    EXPECT_FALSE(lines[i].text.empty());
    joined += lines[i].text;
  }
  EXPECT_EQ(joined, word);
  EXPECT_EQ(lines[1].text, L"Supercal");
  // A line narrower than any character still takes one character per line.
  EXPECT_EQ(texts_of(break_lines(TextEngine::shared(), id, L"Sun", 0, wrap)),
            (std::vector<std::wstring>{L"S", L"u", L"n"}));
}

TEST(TextEngineTest, LineBreaksEndLines) {
  FontId id = font(-11);
  struct Case {
    const wchar_t* text;
    LineOptions options;
    std::vector<std::wstring> lines;
  };
  const Case kCases[] = {
      {L"Precession\n@North", {}, {L"Precession", L"@North"}},
      {L"one\r\ntwo\nthree\rfour", {}, {L"one", L"two", L"three", L"four"}},
      {L"one\r\n\r\nthree", {.word_break = true}, {L"one", L"", L"three"}},
      {L"\nSpring", {}, {L"", L"Spring"}},
      {L"last\r\n", {}, {L"last"}},
      {L"", {}, {}},
      {L"one\ntwo", {.word_break = true, .single_line = true}, {L"one\ntwo"}},
  };
  for (const Case& c : kCases)
    EXPECT_EQ(texts_of(break_lines(TextEngine::shared(), id, c.text, 1000, c.options)), c.lines) << c.text;
}

TEST(TextEngineTest, ChineseWrapsBetweenCharacters) {
  FontId id = font(request(-12, FW_NORMAL, L"Microsoft YaHei"));
  const std::wstring text = L"\u5929\u738b\u661f\uff0c\u6d77\u738b\u661f";  // 天王星，海王星
  const int three = width_of(id, L"\u5929\u738b\u661f");
  std::vector<TextLine> lines = break_lines(TextEngine::shared(), id, text, three, {.word_break = true});
  // The comma may not begin a line, so it goes with the character before it.
  EXPECT_EQ(texts_of(lines),
            (std::vector<std::wstring>{L"\u5929\u738b", L"\u661f\uff0c\u6d77", L"\u738b\u661f"}));
  // Between Latin and Chinese text a line may break too.
  lines = break_lines(TextEngine::shared(), id, L"Orvenna\u5929\u738b\u661f", width_of(id, L"Orvenna\u5929"),
                      {.word_break = true});
  EXPECT_EQ(texts_of(lines), (std::vector<std::wstring>{L"Orvenna\u5929", L"\u738b\u661f"}));
}

TEST(TextEngineTest, ChineseInALatinFaceComesFromTheCjkFont) {
  for (LONG weight : {FW_NORMAL, FW_EXTRABOLD}) {
    SCOPED_TRACE(weight);
    TextMask latin = TextEngine::shared().render(font(request(-14, weight, L"Arial")), kChinese);
    TextMask chinese = TextEngine::shared().render(font(request(-14, weight, L"Microsoft YaHei")), kChinese);
    EXPECT_GT(inked_pixels(latin), 60);
    // The same glyphs: the Latin font's line metrics place them at the same baseline here.
    EXPECT_EQ(latin.cell.right, chinese.cell.right);
    EXPECT_EQ(latin.coverage, chinese.coverage);
    EXPECT_EQ(latin.cell.right, 2 * (14 + (weight >= FW_SEMIBOLD ? 1 : 0)));  // ideographs are one em wide
  }
  // Latin text in a Chinese face stays in that face.
  EXPECT_NE(width_of(font(request(-14, FW_NORMAL, L"Microsoft YaHei")), L"Mercury"),
            width_of(font(request(-14, FW_NORMAL, L"Arial")), L"Mercury"));
}

TEST(TextEngineTest, MaskIsPlacedByTheBaseline) {
  FontId id = font(-14);
  TEXTMETRICW m = TextEngine::shared().metrics(id);
  TextMask mask = TextEngine::shared().render(id, L"Ag");
  EXPECT_EQ(mask.cell.left, 0);
  EXPECT_EQ(mask.cell.top, 0);
  EXPECT_EQ(mask.cell.right, width_of(id, L"Ag"));
  EXPECT_EQ(mask.cell.bottom, m.tmHeight);
  EXPECT_EQ(mask.baseline, m.tmAscent);
  auto ink_in_rows = [&](int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = mask.bounds.left; x < mask.bounds.right; ++x)
        count += mask.at(x, y) != 0;
    return count;
  };
  const int a_width = width_of(id, L"A");
  int a_below = 0;
  for (int y = m.tmAscent; y < m.tmHeight; ++y)
    for (int x = 0; x < a_width; ++x)
      a_below += mask.at(x, y) != 0;
  EXPECT_EQ(a_below, 0);                              // "A" stands on the baseline
  EXPECT_GT(ink_in_rows(m.tmAscent, m.tmHeight), 0);  // "g" hangs below it
  EXPECT_EQ(ink_in_rows(0, m.tmInternalLeading), 0);  // nothing in the accent room
  EXPECT_EQ(inked_pixels(TextEngine::shared().render(id, L"   ")), 0);
  EXPECT_EQ(mask.at(-1, 0), 0);
}

TEST(TextEngineTest, QualityChoosesGreyOrMonochrome) {
  FontRequest smooth = request(-14);
  FontRequest mono = request(-14);
  mono.quality = NONANTIALIASED_QUALITY;
  auto has_grey = [](const TextMask& mask) {
    return std::ranges::any_of(mask.coverage, [](BYTE value) { return value != 0 && value != 255; });
  };
  TextMask grey_mask = TextEngine::shared().render(font(smooth), L"Galactic Grid");
  TextMask mono_mask = TextEngine::shared().render(font(mono), L"Galactic Grid");
  EXPECT_TRUE(has_grey(grey_mask));
  EXPECT_FALSE(has_grey(mono_mask));
  EXPECT_GT(inked_pixels(mono_mask), 50);
}

TEST(TextEngineTest, UnderlinesAndStrikeOutAreDrawnInTheCell) {
  FontId id = font(-14);
  TEXTMETRICW m = TextEngine::shared().metrics(id);
  const std::wstring text = L"Now";
  const int n = width_of(id, L"N");
  auto full_rows = [](const TextMask& mask, int left, int right) {
    std::vector<int> rows;
    for (int y = mask.bounds.top; y < mask.bounds.bottom; ++y) {
      bool full = true;
      for (int x = left; x < right; ++x)
        full = full && mask.at(x, y) == 255;
      if (full) rows.push_back(y);
    }
    return rows;
  };
  TextMask plain = TextEngine::shared().render(id, text);
  EXPECT_TRUE(full_rows(plain, 0, plain.cell.right).empty());

  // A mnemonic underlines its own character only, below the baseline.
  TextMask mnemonic = TextEngine::shared().render(id, text, std::vector<int>{0});
  std::vector<int> rows = full_rows(mnemonic, 0, n);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_GE(rows[0], m.tmAscent);
  EXPECT_LT(rows[0], m.tmHeight);
  EXPECT_TRUE(full_rows(mnemonic, n, mnemonic.cell.right).empty());

  FontRequest decorated = request(-14);
  decorated.underline = true;
  decorated.strike_out = true;
  TextMask lines = TextEngine::shared().render(font(decorated), text);
  rows = full_rows(lines, 0, lines.cell.right);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_LT(rows[0], m.tmAscent);  // the strike-out crosses the letters
  EXPECT_EQ(rows[1], full_rows(mnemonic, 0, n)[0]);
}

TEST(TextEngineTest, ItalicSlantsWithoutChangingAdvances) {
  FontRequest italic = request(-22);
  italic.italic = true;
  const std::wstring text = L"Fog";
  EXPECT_EQ(width_of(font(italic), text), width_of(font(-22), text));
  TextMask slanted = TextEngine::shared().render(font(italic), text);
  TextMask upright = TextEngine::shared().render(font(-22), text);
  EXPECT_NE(slanted.coverage, upright.coverage);
  EXPECT_GT(slanted.bounds.right, upright.bounds.right);  // the top of the "F" leans past its advance
}

TEST(TextEngineTest, ThreadsShareTheEngine) {
  const std::wstring texts[] = {L"Find and select the Sun", kTurkish, kChinese};
  std::vector<std::vector<LONG>> results(4);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < results.size(); ++t)
    threads.emplace_back([&, t] {
      for (int round = 0; round < 20; ++round)
        for (LONG height : {-9, -13, -17, -21})
          for (const std::wstring& text : texts) {
            std::optional<FontId> id =
                TextEngine::shared().realize(request(height, round % 2 ? FW_BOLD : FW_NORMAL));
            if (!id) return;
            results[t].push_back(TextEngine::shared().extent(*id, text).cx);
            results[t].push_back(inked_pixels(TextEngine::shared().render(*id, text)));
          }
    });
  for (std::thread& thread : threads)
    thread.join();
  ASSERT_EQ(results[0].size(), 20u * 4 * 3 * 2);
  for (const std::vector<LONG>& result : results)
    EXPECT_EQ(result, results[0]);
}

}  // namespace
