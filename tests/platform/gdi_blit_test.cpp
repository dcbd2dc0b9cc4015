#include "tests/platform/gdi_fixture.h"

namespace {

using GdiBlit = DesktopTest;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST_F(GdiBlit, MaskOperationsOnKnownValues) {
  struct Case {
    DWORD rop;
    std::uint32_t expected;
  };
  const std::uint32_t s = 0x00F0CC0F;
  const std::uint32_t d = 0x003C5AFF;
  const Case cases[] = {{SRCCOPY, s},
                        {SRCAND, s & d},
                        {SRCINVERT, s ^ d},
                        {SRCPAINT, s | d},
                        {0x00220326, d & ~s & 0x00FFFFFF},
                        {SRCERASE, s & ~d & 0x00FFFFFF},
                        {NOTSRCCOPY, ~s},
                        {MERGEPAINT, ~s | d},
                        {DSTINVERT, ~d}};
  MemoryBitmap source = MemoryBitmap::colour(2, 2, s);
  for (const Case& c : cases) {
    MemoryBitmap target = MemoryBitmap::colour(2, 2, d);
    ASSERT_TRUE(BitBlt(target.dc(), 0, 0, 2, 2, source.dc(), 0, 0, c.rop));
    EXPECT_EQ(target.at(1, 1), c.expected) << std::hex << c.rop;
  }
}

TEST_F(GdiBlit, PatternOperationsUseTheSelectedBrush) {
  MemoryBitmap target = MemoryBitmap::colour(3, 1, 0x00123456);
  HBRUSH brush = CreateSolidBrush(RGB(0x0F, 0xF0, 0x00));  // the pixel 0x000FF000
  HGDIOBJ previous = SelectObject(target.dc(), brush);
  ASSERT_TRUE(PatBlt(target.dc(), 0, 0, 1, 1, PATINVERT));
  EXPECT_EQ(target.at(0, 0), 0x00123456u ^ 0x000FF000u);
  ASSERT_TRUE(PatBlt(target.dc(), 2, 1, -1, -1, PATCOPY)) << "negative sizes run the other way";
  EXPECT_EQ(target.at(1, 0), 0x000FF000u);
  ASSERT_TRUE(PatBlt(target.dc(), 2, 0, 1, 1, BLACKNESS));
  EXPECT_EQ(target.at(2, 0), 0u);
  EXPECT_FALSE(PatBlt(target.dc(), 0, 0, 1, 1, SRCCOPY)) << "PatBlt has no source";
  SelectObject(target.dc(), GetStockObject(NULL_BRUSH));
  ASSERT_TRUE(PatBlt(target.dc(), 0, 0, 3, 1, PATCOPY));
  EXPECT_EQ(target.at(2, 0), 0u) << "a null brush draws nothing";
  SelectObject(target.dc(), previous);
  DeleteObject(brush);
}

TEST_F(GdiBlit, PatternBrushesRepeatFromTheBrushOrigin) {
  const BYTE bits[] = {0x80, 0x00};  // 2 by 1: a 1 then a 0
  HBITMAP tile = CreateBitmap(2, 1, 1, 1, bits);
  HBRUSH brush = CreatePatternBrush(tile);
  EXPECT_TRUE(DeleteObject(tile)) << "the brush keeps its own copy";
  MemoryBitmap target = MemoryBitmap::colour(5, 1);
  SetTextColor(target.dc(), RGB(1, 1, 1));  // the tile's 0 bits
  SetBkColor(target.dc(), RGB(2, 2, 2));    // its 1 bits
  RECT all{0, 0, 5, 1};
  FillRect(target.dc(), &all, brush);
  const COLORREF one = RGB(2, 2, 2), zero = RGB(1, 1, 1);
  EXPECT_EQ(target.colours(), (std::vector<COLORREF>{one, zero, one, zero, one}));
  SetBrushOrgEx(target.dc(), 1, 0, nullptr);
  FillRect(target.dc(), &all, brush);
  EXPECT_EQ(target.colours(), (std::vector<COLORREF>{zero, one, zero, one, zero}));
  LOGBRUSH record{};
  GetObjectW(brush, sizeof(record), &record);
  EXPECT_EQ(record.lbStyle, BS_PATTERN);
  DeleteObject(brush);

  // DC_BRUSH paints in whatever colour the context names.
  HGDIOBJ previous = SelectObject(target.dc(), GetStockObject(DC_BRUSH));
  SetDCBrushColor(target.dc(), RGB(7, 8, 9));
  PatBlt(target.dc(), 0, 0, 1, 1, PATCOPY);
  EXPECT_EQ(GetPixel(target.dc(), 0, 0), RGB(7, 8, 9));
  SelectObject(target.dc(), previous);
}

TEST_F(GdiBlit, MonochromeAndColourConvertAsWindowsDoes) {
  // Colour to monochrome: the source's background colour becomes 1, everything else 0.
  MemoryBitmap image = MemoryBitmap::colour(3, 1);
  image.paint({kMagenta, RGB(254, 0, 255), RGB(0, 0, 0)});
  MemoryBitmap mask = MemoryBitmap::mono(3, 1);
  SetBkColor(image.dc(), kMagenta);
  ASSERT_TRUE(BitBlt(mask.dc(), 0, 0, 3, 1, image.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(mask.colours(), (std::vector<COLORREF>{kWhite, 0, 0}));

  // Monochrome to colour: 0 bits take the destination's text colour, 1 bits its background.
  MemoryBitmap target = MemoryBitmap::colour(3, 1);
  SetTextColor(target.dc(), RGB(10, 20, 30));
  SetBkColor(target.dc(), RGB(200, 100, 50));
  ASSERT_TRUE(BitBlt(target.dc(), 0, 0, 3, 1, mask.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(target.colours(), (std::vector<COLORREF>{RGB(200, 100, 50), RGB(10, 20, 30), RGB(10, 20, 30)}));

  // Colours drawn on a monochrome bitmap become the nearer of black and white.
  EXPECT_EQ(SetPixel(mask.dc(), 0, 0, RGB(200, 200, 200)), kWhite);
  EXPECT_EQ(SetPixel(mask.dc(), 1, 0, RGB(90, 90, 90)), 0u);
}

// The picture static's way: a mask of its magenta pixels, then MaskBlt keeping the destination
// where the mask is 1, and the AND / DSna / OR sequence when MaskBlt is not used.
TEST_F(GdiBlit, MagentaKeyedPictureByMaskBltAndByTheFallback) {
  MemoryBitmap image = MemoryBitmap::colour(3, 2);
  image.paint({kMagenta, RGB(1, 2, 3), kMagenta, RGB(4, 5, 6), kMagenta, RGB(7, 8, 9)});
  MemoryBitmap mask = MemoryBitmap::mono(3, 2);
  SetBkColor(image.dc(), kMagenta);
  BitBlt(mask.dc(), 0, 0, 3, 2, image.dc(), 0, 0, SRCCOPY);
  const COLORREF under = RGB(50, 60, 70);
  const std::vector<COLORREF> expected = {under, RGB(1, 2, 3), under, RGB(4, 5, 6), under, RGB(7, 8, 9)};

  MemoryBitmap screen = MemoryBitmap::colour(3, 2);
  screen.paint(std::vector<COLORREF>(6, under));
  ASSERT_TRUE(MaskBlt(screen.dc(), 0, 0, 3, 2, image.dc(), 0, 0, mask.bitmap(), 0, 0, 0xCCAA0020));
  EXPECT_EQ(screen.colours(), expected);

  MemoryBitmap scratch = MemoryBitmap::colour(3, 2);
  scratch.paint(std::vector<COLORREF>(6, under));
  BitBlt(scratch.dc(), 0, 0, 3, 2, mask.dc(), 0, 0, SRCAND);
  BitBlt(image.dc(), 0, 0, 3, 2, mask.dc(), 0, 0, 0x00220326);
  BitBlt(scratch.dc(), 0, 0, 3, 2, image.dc(), 0, 0, SRCPAINT);
  EXPECT_EQ(scratch.colours(), expected);

  EXPECT_FALSE(MaskBlt(screen.dc(), 0, 0, 3, 2, image.dc(), 0, 0, image.bitmap(), 0, 0, 0xCCAA0020))
      << "the mask must be monochrome";
  EXPECT_FALSE(MaskBlt(screen.dc(), 0, 0, 3, 2, image.dc(), 0, 0, mask.bitmap(), 1, 0, 0xCCAA0020))
      << "the mask must cover the blit";
}

// The skinned slider's thumb: XOR the thumb in, AND the mask (white background: 1 keeps),
// XOR the thumb again; where the mask is 1 the channel shows, elsewhere the thumb.
TEST_F(GdiBlit, ThumbDrawnTransparentlyByXorAndXor) {
  const COLORREF key = RGB(0, 128, 0);
  MemoryBitmap thumb = MemoryBitmap::colour(2, 2);
  thumb.paint({key, RGB(200, 10, 10), RGB(30, 40, 50), key});
  MemoryBitmap mask = MemoryBitmap::mono(2, 2);
  SetBkColor(thumb.dc(), GetPixel(thumb.dc(), 0, 0));
  BitBlt(mask.dc(), 0, 0, 2, 2, thumb.dc(), 0, 0, SRCCOPY);
  MemoryBitmap scratch = MemoryBitmap::colour(2, 2);
  const COLORREF channel = RGB(90, 80, 70);
  scratch.paint(std::vector<COLORREF>(4, channel));
  SetBkColor(scratch.dc(), kWhite);
  BitBlt(scratch.dc(), 0, 0, 2, 2, thumb.dc(), 0, 0, SRCINVERT);
  BitBlt(scratch.dc(), 0, 0, 2, 2, mask.dc(), 0, 0, SRCAND);
  BitBlt(scratch.dc(), 0, 0, 2, 2, thumb.dc(), 0, 0, SRCINVERT);
  EXPECT_EQ(scratch.colours(), (std::vector<COLORREF>{channel, RGB(200, 10, 10), RGB(30, 40, 50), channel}));
}

TEST_F(GdiBlit, OverlappingBlitWithinOneBitmapReadsBeforeItWrites) {
  MemoryBitmap image = MemoryBitmap::colour(4, 1);
  image.paint({RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(4, 0, 0)});
  ASSERT_TRUE(BitBlt(image.dc(), 1, 0, 3, 1, image.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(image.colours(), (std::vector<COLORREF>{RGB(1, 0, 0), RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0)}));
  ASSERT_TRUE(BitBlt(image.dc(), 0, 0, 3, 1, image.dc(), 1, 0, SRCCOPY));
  EXPECT_EQ(image.colours(), (std::vector<COLORREF>{RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(3, 0, 0)}));
}

TEST_F(GdiBlit, ClippedToBothBitmapsAndTheClipWithTheViewportApplied) {
  MemoryBitmap source = MemoryBitmap::colour(2, 2, 0x00FFFFFF);
  MemoryBitmap target = MemoryBitmap::colour(4, 4);
  SetViewportOrgEx(target.dc(), 1, 1, nullptr);
  IntersectClipRect(target.dc(), 0, 0, 2, 1);  // device (1, 1) - (3, 2)
  ASSERT_TRUE(BitBlt(target.dc(), -1, -1, 4, 4, source.dc(), -1, -1, SRCCOPY));
  // Only the source's own pixels (device 1..2 in both axes) inside the clip change.
  const COLORREF w = kWhite;
  EXPECT_EQ(target.stored(), (std::vector<COLORREF>{0, 0, 0, 0,  //
                                                    0, w, w, 0,  //
                                                    0, 0, 0, 0,  //
                                                    0, 0, 0, 0}));
}

TEST_F(GdiBlit, BlitsCopyTheAlphaByteAndFillsLeaveItZero) {
  MemoryBitmap source = MemoryBitmap::colour(1, 1, 0x80102030);
  MemoryBitmap target = MemoryBitmap::colour(2, 1, 0xFF000000);
  BitBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(target.at(0, 0), 0x80102030u);
  RECT right{1, 0, 2, 1};
  FillRect(target.dc(), &right, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(target.at(1, 0), 0x00FFFFFFu);
}

}  // namespace
