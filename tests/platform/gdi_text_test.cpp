#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/desktop/gdi/rect_list.h"
#include "platform/desktop/text/font_request.h"
#include "platform/desktop/text/text_engine.h"
#include "tests/platform/gdi_fixture.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 160);
constexpr COLORREF kPaper = RGB(200, 40, 40);
constexpr COLORREF kGreen = RGB(0, 200, 0);
constexpr std::uint32_t kGreenPixel = 0x0000C800;
constexpr std::uint32_t kWhitePixel = 0x00FFFFFF;

LOGFONTW dialog_font() {
  LOGFONTW font{};
  font.lfHeight = -13;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  std::wcscpy(font.lfFaceName, L"MS Sans Serif");
  return font;
}

// A white bitmap with the dialog font selected, black text and a transparent background.
class GdiText : public DesktopTest {
 protected:
  MemoryBitmap canvas(int width, int height, std::uint32_t fill = kWhitePixel) {
    MemoryBitmap image = MemoryBitmap::colour(width, height, fill);
    SelectObject(image.dc(), font_);
    SetBkMode(image.dc(), TRANSPARENT);
    return image;
  }
  void TearDown() override {
    DeleteObject(font_);
    DesktopTest::TearDown();
  }

  TEXTMETRICW metrics(HDC dc) {
    TEXTMETRICW tm{};
    EXPECT_TRUE(GetTextMetricsW(dc, &tm));
    return tm;
  }
  int width_of(HDC dc, const std::wstring& text) {
    SIZE size{};
    EXPECT_TRUE(GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size));
    return size.cx;
  }

  LOGFONTW logfont_ = dialog_font();
  HFONT font_ = CreateFontIndirectW(&logfont_);
};

// The smallest rectangle holding every pixel that is not the background; empty when none.
RECT ink_box(const MemoryBitmap& image, COLORREF background) {
  const std::vector<COLORREF> colours = image.stored();
  RECT box{image.width(), image.height(), 0, 0};
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (colours[static_cast<std::size_t>(y * image.width() + x)] != background) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  return box.right > box.left ? box : RECT{};
}

bool same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

int count_of(const MemoryBitmap& image, COLORREF colour) {
  const std::vector<COLORREF> colours = image.stored();
  return static_cast<int>(std::ranges::count(colours, colour));
}

TEST_F(GdiText, CalcRectMeasuresLinesAndFitsTheRectangleToThem) {
  MemoryBitmap image = canvas(8, 8);
  const HDC dc = image.dc();
  const TEXTMETRICW tm = metrics(dc);
  const int wrap_width = width_of(dc, L"Planetarium") + 4;
  struct Case {
    const wchar_t* text;
    LONG width;
    UINT format;
    int lines;
    const wchar_t* widest;
  };
  const Case cases[] = {
      {L"Dome", 400, DT_SINGLELINE, 1, L"Dome"},
      {L"Dome", 400, DT_WORDBREAK, 1, L"Dome"},
      {L"Planetarium dome", wrap_width, DT_WORDBREAK, 2, L"Planetarium"},
      {L"Planetarium dome", wrap_width, DT_SINGLELINE | DT_WORDBREAK, 1, L"Planetarium dome"},
      {L"Stars\nand planets", 400, 0, 2, L"and planets"},
      {L"Planetarium dome", wrap_width, DT_WORDBREAK | DT_NOPREFIX | DT_CENTER, 2, L"Planetarium"},
  };
  for (const Case& c : cases) {
    RECT rect{10, 20, 10 + c.width, 25};
    const int height = DrawTextW(dc, c.text, -1, &rect, c.format | DT_CALCRECT);
    EXPECT_EQ(height, c.lines * tm.tmHeight) << c.text;
    EXPECT_TRUE(same(rect, {10, 20, 10 + width_of(dc, c.widest), 20 + height})) << c.text;
  }
  RECT rect{0, 0, 400, 0};
  EXPECT_EQ(DrawTextW(dc, L"A\nB", 3, &rect, DT_CALCRECT | DT_EXTERNALLEADING),
            2 * (tm.tmHeight + tm.tmExternalLeading));
  EXPECT_EQ(ink_box(image, kWhite).right, 0);  // measuring draws nothing
}

TEST_F(GdiText, CentredSingleLineSitsInTheMiddleOfTheRectangle) {
  const std::wstring text = L"Dome";
  MemoryBitmap corner = canvas(120, 60);
  const TEXTMETRICW tm = metrics(corner.dc());
  const int width = width_of(corner.dc(), text);
  RECT rect{0, 0, 120, 60};
  ASSERT_EQ(DrawTextW(corner.dc(), text.c_str(), -1, &rect, DT_SINGLELINE), tm.tmHeight);
  MemoryBitmap centred = canvas(120, 60);
  const int drop = (60 - tm.tmHeight) / 2;
  EXPECT_EQ(DrawTextW(centred.dc(), text.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE),
            drop + tm.tmHeight);
  const RECT a = ink_box(corner, kWhite);
  const RECT b = ink_box(centred, kWhite);
  ASSERT_GT(a.right, a.left);
  EXPECT_TRUE(same(b, desktop::offset_rect(a, (120 - width) / 2, drop)));

  // Without DT_SINGLELINE vertical alignment does nothing.
  MemoryBitmap wrapped = canvas(120, 60);
  DrawTextW(wrapped.dc(), text.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
  EXPECT_TRUE(same(ink_box(wrapped, kWhite), desktop::offset_rect(a, (120 - width) / 2, 0)));
}

TEST_F(GdiText, OpaqueModeFillsTheCellAndTransparentLeavesIt) {
  const std::wstring text = L"Sky";
  for (int mode : {OPAQUE, TRANSPARENT}) {
    MemoryBitmap image = canvas(60, 30, kGreenPixel);
    const HDC dc = image.dc();
    SetBkMode(dc, mode);
    SetBkColor(dc, kPaper);
    SetTextColor(dc, kInk);
    ASSERT_TRUE(TextOutW(dc, 5, 4, text.c_str(), static_cast<int>(text.size())));
    const RECT cell{5, 4, 5 + width_of(dc, text), 4 + metrics(dc).tmHeight};
    int green_inside = 0;
    int changed_outside = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const bool inside = x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom;
        const bool green = image.at(x, y) == kGreenPixel;
        if (inside && green) ++green_inside;
        if (!inside && !green) ++changed_outside;
      }
    EXPECT_EQ(changed_outside, 0);
    EXPECT_GT(count_of(image, kInk), 0);
    if (mode == OPAQUE) {
      EXPECT_EQ(green_inside, 0);
      EXPECT_GT(count_of(image, kPaper), 0);
    } else {
      EXPECT_GT(green_inside, 0);
      EXPECT_EQ(count_of(image, kPaper), 0);
    }
  }
}

TEST_F(GdiText, NothingChangesOutsideTheClip) {
  const std::wstring text = L"Planets and stars";
  const RECT allowed{10, 0, 40, 30};
  auto outside_untouched = [&](const MemoryBitmap& image) {
    const RECT ink = ink_box(image, kWhite);
    return ink.left >= allowed.left && ink.right <= allowed.right && ink.right > ink.left;
  };
  MemoryBitmap clipped = canvas(100, 30);
  SetBkMode(clipped.dc(), OPAQUE);
  SetBkColor(clipped.dc(), kPaper);
  IntersectClipRect(clipped.dc(), allowed.left, allowed.top, allowed.right, allowed.bottom);
  ASSERT_TRUE(TextOutW(clipped.dc(), 2, 5, text.c_str(), static_cast<int>(text.size())));
  EXPECT_TRUE(outside_untouched(clipped));

  MemoryBitmap limited = canvas(100, 30);
  SetBkMode(limited.dc(), OPAQUE);
  SetBkColor(limited.dc(), kPaper);
  ASSERT_TRUE(ExtTextOutW(limited.dc(), 2, 5, ETO_CLIPPED, &allowed, text.c_str(),
                          static_cast<UINT>(text.size()), nullptr));
  EXPECT_TRUE(outside_untouched(limited));
  EXPECT_EQ(limited.stored(), clipped.stored());

  MemoryBitmap drawn = canvas(100, 30);
  RECT rect = allowed;
  DrawTextW(drawn.dc(), text.c_str(), -1, &rect, DT_SINGLELINE);
  EXPECT_TRUE(outside_untouched(drawn));
  MemoryBitmap unclipped = canvas(100, 30);
  DrawTextW(unclipped.dc(), text.c_str(), -1, &rect, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(ink_box(unclipped, kWhite).right, allowed.right);
}

TEST_F(GdiText, ChineseTextDrawsInk) {
  MemoryBitmap image = canvas(60, 30);
  SetTextColor(image.dc(), kInk);
  ASSERT_TRUE(TextOutW(image.dc(), 2, 2, L"\u4e2d\u6587", 2));  // 中文
  const std::vector<COLORREF> pixels = image.stored();
  EXPECT_GT(std::ranges::count_if(pixels, [](COLORREF c) { return c != kWhite; }), 20);
}

TEST_F(GdiText, MeasuresAgreeWithTheTextEngine) {
  MemoryBitmap image = canvas(8, 8);
  desktop::text::TextEngine& engine = desktop::text::TextEngine::shared();
  const desktop::text::FontId id =
      engine.realize(desktop::text::font_request(logfont_, GetDeviceCaps(image.dc(), LOGPIXELSY))).value();
  const std::wstring text = L"Orbit \u4e2d\u6587";
  SIZE size{};
  ASSERT_TRUE(GetTextExtentPoint32W(image.dc(), text.c_str(), static_cast<int>(text.size()), &size));
  const SIZE expected = engine.extent(id, text);
  EXPECT_EQ(size.cx, expected.cx);
  EXPECT_EQ(size.cy, expected.cy);
  EXPECT_EQ(metrics(image.dc()).tmHeight, engine.metrics(id).tmHeight);

  const std::vector<int> advances = engine.advances(id, text);
  int fit = -1;
  std::vector<INT> ends(text.size(), -1);
  const int limit = advances[0] + advances[1] + advances[2] - 1;
  ASSERT_TRUE(GetTextExtentExPointW(image.dc(), text.c_str(), static_cast<int>(text.size()), limit, &fit,
                                    ends.data(), &size));
  EXPECT_EQ(fit, 2);
  EXPECT_EQ(ends[1], advances[0] + advances[1]);
  EXPECT_EQ(ends[2], -1);

  wchar_t face[LF_FACESIZE] = {};
  EXPECT_EQ(GetTextFaceW(image.dc(), LF_FACESIZE, face), 14);
  EXPECT_STREQ(face, L"MS Sans Serif");
  EXPECT_EQ(GetTextFaceW(image.dc(), 3, face), 3);
  EXPECT_STREQ(face, L"MS");
}

TEST_F(GdiText, PrefixUnderlinesAndIsNotDrawn) {
  MemoryBitmap plain = canvas(80, 30);
  const HDC dc = plain.dc();
  const int file = width_of(dc, L"File");
  const int amp = width_of(dc, L"&");
  struct Case {
    const wchar_t* text;
    UINT format;
    int width;
  };
  const Case cases[] = {
      {L"&File", 0, file},
      {L"&File", DT_NOPREFIX, file + amp},
      {L"&&File", 0, file + amp},
      {L"&&File", DT_NOPREFIX, file + 2 * amp},
  };
  for (const Case& c : cases) {
    RECT rect{0, 0, 200, 0};
    DrawTextW(dc, c.text, -1, &rect, c.format | DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(rect.right, c.width) << c.text << " " << c.format;
  }

  RECT rect{0, 0, 80, 30};
  DrawTextW(dc, L"File", -1, &rect, DT_SINGLELINE);
  MemoryBitmap underlined = canvas(80, 30);
  DrawTextW(underlined.dc(), L"&File", -1, &rect, DT_SINGLELINE);
  const RECT word = ink_box(plain, kWhite);
  const RECT marked = ink_box(underlined, kWhite);
  EXPECT_GT(marked.bottom, word.bottom);
  EXPECT_LE(marked.left, word.left);
  // The underline runs under the F only.
  const int below = marked.bottom - 1;
  EXPECT_NE(underlined.at(word.left + 1, below), kWhitePixel);
  EXPECT_EQ(underlined.at(word.right - 1, below), kWhitePixel);
}

TEST_F(GdiText, AlignmentMovesTheCellAroundTheReferencePoint) {
  const std::wstring text = L"Moon";
  MemoryBitmap reference = canvas(100, 60);
  const TEXTMETRICW tm = metrics(reference.dc());
  const int width = width_of(reference.dc(), text);
  TextOutW(reference.dc(), 50, 30, text.c_str(), 4);
  const RECT base = ink_box(reference, kWhite);
  struct Case {
    UINT align;
    int dx, dy;
  };
  const Case cases[] = {
      {TA_RIGHT | TA_TOP, -width, 0},
      {TA_CENTER | TA_BASELINE, -width / 2, -tm.tmAscent},
      {TA_LEFT | TA_BOTTOM, 0, -tm.tmHeight},
  };
  for (const Case& c : cases) {
    MemoryBitmap image = canvas(100, 60);
    EXPECT_EQ(SetTextAlign(image.dc(), c.align), TA_LEFT | TA_TOP);
    EXPECT_EQ(GetTextAlign(image.dc()), c.align);
    TextOutW(image.dc(), 50, 30, text.c_str(), 4);
    EXPECT_TRUE(same(ink_box(image, kWhite), desktop::offset_rect(base, c.dx, c.dy))) << c.align;
  }

  // Updating the current position, two runs draw as one.
  MemoryBitmap pieces = canvas(100, 60);
  SetTextAlign(pieces.dc(), TA_UPDATECP);
  MoveToEx(pieces.dc(), 50, 30, nullptr);
  TextOutW(pieces.dc(), 0, 0, L"Mo", 2);
  TextOutW(pieces.dc(), 0, 0, L"on", 2);
  POINT now{};
  GetCurrentPositionEx(pieces.dc(), &now);
  EXPECT_EQ(now.x, 50 + width);
  EXPECT_EQ(pieces.stored(), reference.stored());
}

TEST_F(GdiText, TheSameTextDrawsTheSamePixels) {
  const wchar_t* text = L"Planetarium show\nstarts at nine";
  std::vector<COLORREF> first;
  for (int run = 0; run < 2; ++run) {
    MemoryBitmap image = canvas(90, 60);
    SetTextColor(image.dc(), kGreen);
    RECT rect{0, 0, 90, 60};
    DrawTextW(image.dc(), text, -1, &rect, DT_WORDBREAK | DT_CENTER);
    if (run == 0) {
      first = image.stored();
      EXPECT_GT(count_of(image, kGreen), 0);
    } else {
      EXPECT_EQ(image.stored(), first);
    }
  }
}

TEST_F(GdiText, BadArgumentsFail) {
  MemoryBitmap image = canvas(8, 8);
  RECT rect{0, 0, 8, 8};
  EXPECT_FALSE(TextOutW(image.dc(), 0, 0, nullptr, 3));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(DrawTextW(image.dc(), L"x", 1, nullptr, 0), 0);
  EXPECT_EQ(DrawTextW(nullptr, L"x", 1, &rect, 0), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(GetTextAlign(nullptr), GDI_ERROR);
}

}  // namespace
