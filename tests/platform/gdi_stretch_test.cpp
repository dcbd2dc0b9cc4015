#include <cmath>

#include "tests/platform/gdi_fixture.h"

namespace {

using GdiStretch = DesktopTest;

// A picture whose pixel i has red i + 1, so a result tells which pixel it came from.
MemoryBitmap numbered(int width, int height) {
  MemoryBitmap image = MemoryBitmap::colour(width, height);
  for (int i = 0; i < width * height; ++i)
    image.at(i % width, i / width) = static_cast<std::uint32_t>(i + 1) << 16;
  return image;
}

std::vector<int> picked(MemoryBitmap& image) {
  std::vector<int> numbers;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      numbers.push_back(static_cast<int>(image.at(x, y) >> 16) - 1);
  return numbers;
}

TEST_F(GdiStretch, ColorOnColorPicksThePixelUnderEachCentre) {
  struct Case {
    const char* what;
    int source_width, source_height;
    int x, width;  // destination, one row high unless the source has more
    int dest_width, dest_height;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"double", 2, 1, 0, 4, 4, 1, {0, 0, 1, 1}},
      {"two thirds", 3, 1, 0, 2, 2, 1, {0, 2}},
      {"half", 4, 1, 0, 2, 2, 1, {1, 3}},  // each centre lands on the left edge of a pixel
      {"five to three", 5, 1, 0, 3, 3, 1, {0, 2, 4}},
      {"three to five", 3, 1, 0, 5, 5, 1, {0, 0, 1, 2, 2}},
      {"mirrored", 3, 1, 3, -3, 3, 1, {2, 1, 0}},
      {"mirrored double", 2, 1, 4, -4, 4, 1, {1, 1, 0, 0}},
  };
  for (const Case& c : cases) {
    MemoryBitmap source = numbered(c.source_width, c.source_height);
    MemoryBitmap target = MemoryBitmap::colour(c.dest_width, c.dest_height, 0xFF000000);
    SetStretchBltMode(target.dc(), COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(target.dc(), c.x, 0, c.width, c.dest_height, source.dc(), 0, 0, c.source_width,
                           c.source_height, SRCCOPY));
    EXPECT_EQ(picked(target), c.expected) << c.what;
  }

  // Both axes, and a mirrored source rectangle: 2 by 2 to 4 by 4, upside down.
  MemoryBitmap source = numbered(2, 2);
  MemoryBitmap target = MemoryBitmap::colour(4, 4);
  SetStretchBltMode(target.dc(), COLORONCOLOR);
  StretchBlt(target.dc(), 0, 0, 4, 4, source.dc(), 0, 2, 2, -2, SRCCOPY);
  EXPECT_EQ(picked(target), (std::vector<int>{2, 2, 3, 3, 2, 2, 3, 3, 0, 0, 1, 1, 0, 0, 1, 1}));
}

TEST_F(GdiStretch, HalftoneAveragesEachBlock) {
  MemoryBitmap source = MemoryBitmap::colour(4, 2);
  // Two 2 by 2 blocks: channels 10, 20, 30, 41 (mean 25.25) and 0, 255, 255, 255 (mean 191.25).
  const std::uint32_t values[] = {10, 20, 0, 255, 30, 41, 255, 255};
  for (int i = 0; i < 8; ++i) {
    const std::uint32_t v = values[i];
    source.at(i % 4, i / 4) = v << 24 | v << 16 | v << 8 | v;
  }
  MemoryBitmap target = MemoryBitmap::colour(2, 1);
  SetStretchBltMode(target.dc(), HALFTONE);
  ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 4, 2, SRCCOPY));
  EXPECT_EQ(target.at(0, 0), 0x19191919u);  // 25
  EXPECT_EQ(target.at(1, 0), 0xBFBFBFBFu);  // 191
}

// A shrink by a ratio that is not whole: each result is the area-weighted mean of what it
// covers, correctly rounded.
TEST_F(GdiStretch, HalftoneWeighsPartlyCoveredPixels) {
  struct Case {
    int sw, sh, dw, dh;
  };
  // A shrink of less than two, and one by more than seven whose pixels each cover many.
  for (const auto& [sw, sh, dw, dh] : {Case{5, 3, 3, 2}, Case{23, 17, 3, 2}}) {
    MemoryBitmap source = MemoryBitmap::colour(sw, sh);
    for (int y = 0; y < sh; ++y)
      for (int x = 0; x < sw; ++x)
        source.at(x, y) = static_cast<std::uint32_t>((x * 53 + y * 71) % 256);
    MemoryBitmap target = MemoryBitmap::colour(dw, dh);
    SetStretchBltMode(target.dc(), HALFTONE);
    StretchBlt(target.dc(), 0, 0, dw, dh, source.dc(), 0, 0, sw, sh, SRCCOPY);
    auto overlap = [](int i, int k, int s, int d) {
      const double low = static_cast<double>(i) * s / d, high = static_cast<double>(i + 1) * s / d;
      return std::max(0.0, std::min<double>(high, k + 1) - std::max<double>(low, k));
    };
    for (int j = 0; j < dh; ++j)
      for (int i = 0; i < dw; ++i) {
        double sum = 0;
        for (int y = 0; y < sh; ++y)
          for (int x = 0; x < sw; ++x)
            sum += overlap(i, x, sw, dw) * overlap(j, y, sh, dh) * (source.at(x, y) & 0xFF);
        const double mean = sum / (static_cast<double>(sw) / dw * sh / dh);
        EXPECT_EQ(static_cast<int>(target.at(i, j) & 0xFF), static_cast<int>(std::floor(mean + 0.5)))
            << sw << "x" << sh << " at " << i << ", " << j << ": " << mean;
      }
  }
}

// A shrink to a third writes each pixel the clip allows, and only those, whether the clip is
// one rectangle or several.
TEST_F(GdiStretch, HalftoneKeepsToTheClip) {
  struct Case {
    const char* what;
    int (*clip)(HDC, int, int, int, int);
    RECT rect;
  };
  const Case cases[] = {{"one rectangle", IntersectClipRect, {1, 1, 5, 3}},
                        {"a hole", ExcludeClipRect, {2, 1, 3, 2}}};
  MemoryBitmap source = MemoryBitmap::colour(18, 9);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 18; ++x)
      source.at(x, y) = static_cast<std::uint32_t>((x * 37 + y * 101) % 256) * 0x01010101u;
  constexpr std::uint32_t kUntouched = 0x00ABCDEF;
  for (const Case& c : cases) {
    MemoryBitmap target = MemoryBitmap::colour(6, 3, kUntouched);
    SetStretchBltMode(target.dc(), HALFTONE);
    c.clip(target.dc(), c.rect.left, c.rect.top, c.rect.right, c.rect.bottom);
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, 6, 3, source.dc(), 0, 0, 18, 9, SRCCOPY));
    for (int j = 0; j < 3; ++j)
      for (int i = 0; i < 6; ++i) {
        const bool inside = i >= c.rect.left && i < c.rect.right && j >= c.rect.top && j < c.rect.bottom;
        std::uint32_t sum = 0;
        for (int y = 3 * j; y < 3 * j + 3; ++y)
          for (int x = 3 * i; x < 3 * i + 3; ++x)
            sum += source.at(x, y) & 0xFF;
        const std::uint32_t mean = (sum + 4) / 9 * 0x01010101u;
        EXPECT_EQ(target.at(i, j), inside == (c.clip == IntersectClipRect) ? mean : kUntouched)
            << c.what << " at " << i << ", " << j;
      }
  }
}

TEST_F(GdiStretch, BlackOnWhiteKeepsDarkAndWhiteOnBlackKeepsLight) {
  MemoryBitmap source = MemoryBitmap::colour(4, 1);
  source.paint({RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 255, 255)});
  MemoryBitmap target = MemoryBitmap::colour(2, 1);
  ASSERT_EQ(GetStretchBltMode(target.dc()), BLACKONWHITE);
  StretchBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(target.colours(), (std::vector<COLORREF>{0, RGB(255, 255, 255)}));
  SetStretchBltMode(target.dc(), WHITEONBLACK);
  source.paint({RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255)});
  StretchBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(target.colours(), (std::vector<COLORREF>{0, RGB(255, 255, 255)}));
}

TEST_F(GdiStretch, AnyRasterOperationAfterTheStretch) {
  MemoryBitmap source = MemoryBitmap::colour(1, 1, 0x00F0F0F0);
  MemoryBitmap target = MemoryBitmap::colour(2, 2, 0x000F0FFF);
  SetStretchBltMode(target.dc(), HALFTONE);
  StretchBlt(target.dc(), 0, 0, 2, 2, source.dc(), 0, 0, 1, 1, SRCINVERT);
  EXPECT_EQ(target.at(1, 1), 0x00FFFF0Fu);
}

TEST_F(GdiStretch, TransparentBltLeavesExactlyTheKeyColouredPixels) {
  const COLORREF key = RGB(255, 0, 255);
  MemoryBitmap source = MemoryBitmap::colour(3, 2);
  source.paint({key, RGB(255, 0, 254), RGB(1, 2, 3), RGB(0, 0, 0), key, RGB(254, 0, 255)});
  source.at(1, 1) |= 0xFF000000;  // alpha is not part of the colour compared
  const COLORREF under = RGB(40, 50, 60);
  MemoryBitmap same = MemoryBitmap::colour(3, 2);
  same.paint(std::vector<COLORREF>(6, under));
  ASSERT_TRUE(TransparentBlt(same.dc(), 0, 0, 3, 2, source.dc(), 0, 0, 3, 2, key));
  EXPECT_EQ(same.colours(), (std::vector<COLORREF>{under, RGB(255, 0, 254), RGB(1, 2, 3), RGB(0, 0, 0), under,
                                                   RGB(254, 0, 255)}));

  MemoryBitmap doubled = MemoryBitmap::colour(6, 2);
  doubled.paint(std::vector<COLORREF>(12, under));
  ASSERT_TRUE(TransparentBlt(doubled.dc(), 0, 0, 6, 2, source.dc(), 0, 0, 3, 2, key));
  EXPECT_EQ(doubled.colours(),
            (std::vector<COLORREF>{under, under, RGB(255, 0, 254), RGB(255, 0, 254), RGB(1, 2, 3),
                                   RGB(1, 2, 3), 0, 0, under, under, RGB(254, 0, 255), RGB(254, 0, 255)}));
  EXPECT_FALSE(TransparentBlt(doubled.dc(), 0, 0, -6, 2, source.dc(), 0, 0, 3, 2, key));
}

TEST_F(GdiStretch, AlphaBlendWithPremultipliedSourceAlpha) {
  struct Case {
    std::uint32_t src, dst;
    BYTE constant;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {0xFF102030, 0xFF808080, 255, 0xFF102030},  // opaque replaces
      {0x00000000, 0x80808080, 255, 0x80808080},  // transparent keeps
      {0x80400000, 0xFF0000FF, 255, 0xFF40007F},  // dst * 127 / 255: 255 -> 127, alpha 128 + 127
      {0x40201008, 0x00646464, 255, 0x406B5B53},  // 0x64 * 191 / 255 = 74.9 -> 75
      {0xFF804020, 0x00000000, 128, 0x80402010},  // constant alpha halves the source first
  };
  for (const Case& c : cases) {
    MemoryBitmap source = MemoryBitmap::colour(1, 1, c.src);
    MemoryBitmap target = MemoryBitmap::colour(1, 1, c.dst);
    ASSERT_TRUE(AlphaBlend(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, 1, 1,
                           {AC_SRC_OVER, 0, c.constant, AC_SRC_ALPHA}));
    EXPECT_EQ(target.at(0, 0), c.expected) << std::hex << c.src << " over " << c.dst;
  }
}

TEST_F(GdiStretch, AlphaBlendWithConstantAlpha) {
  struct Case {
    std::uint32_t src, dst;
    BYTE constant;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {0x00FF0000, 0x000000FF, 255, 0x00FF0000}, {0x00FF0000, 0x000000FF, 0, 0x000000FF},
      {0x00FF0000, 0x000000FF, 128, 0x0080007F},  // 255 * 128 / 255 = 128, 255 * 127 / 255 = 127
      {0x0064C832, 0x00000000, 51, 0x0014280A},   // a fifth: 20, 40, 10
      {0x12345678, 0x9ABCDEF0, 200, 0x2F517392},  // alpha too, each channel rounded
  };
  for (const Case& c : cases) {
    MemoryBitmap source = MemoryBitmap::colour(1, 1, c.src);
    MemoryBitmap target = MemoryBitmap::colour(1, 1, c.dst);
    ASSERT_TRUE(
        AlphaBlend(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, 1, 1, {AC_SRC_OVER, 0, c.constant, 0}));
    EXPECT_EQ(target.at(0, 0), c.expected) << std::hex << c.src << " by " << static_cast<int>(c.constant);
  }
}

TEST_F(GdiStretch, AlphaBlendStretchesAndRefusesWhatWindowsRefuses) {
  MemoryBitmap source = numbered(2, 1);
  MemoryBitmap target = MemoryBitmap::colour(4, 2);
  SetStretchBltMode(target.dc(), HALFTONE);  // AlphaBlend samples as COLORONCOLOR regardless
  ASSERT_TRUE(AlphaBlend(target.dc(), 0, 0, 4, 2, source.dc(), 0, 0, 2, 1, {AC_SRC_OVER, 0, 255, 0}));
  EXPECT_EQ(picked(target), (std::vector<int>{0, 0, 1, 1, 0, 0, 1, 1}));

  const BLENDFUNCTION opaque{AC_SRC_OVER, 0, 255, 0};
  EXPECT_FALSE(AlphaBlend(target.dc(), 0, 0, -4, 2, source.dc(), 0, 0, 2, 1, opaque));
  EXPECT_FALSE(AlphaBlend(target.dc(), 0, 0, 4, 2, source.dc(), 0, 0, 3, 1, opaque)) << "beyond the source";
  EXPECT_FALSE(AlphaBlend(target.dc(), 1, 0, 2, 1, target.dc(), 0, 0, 2, 1, opaque)) << "overlapping";
  EXPECT_TRUE(AlphaBlend(target.dc(), 2, 1, 2, 1, target.dc(), 0, 0, 2, 1, opaque));
  EXPECT_FALSE(AlphaBlend(target.dc(), 0, 0, 4, 2, source.dc(), 0, 0, 2, 1, {1, 0, 255, 0}));
}

}  // namespace
