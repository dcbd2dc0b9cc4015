#include "tests/platform/gdi_fixture.h"

namespace {

using GdiDcState = DesktopTest;

TEST_F(GdiDcState, FreshContextsHaveWindowsDefaults) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetStretchBltMode(dc), BLACKONWHITE);
  EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
  EXPECT_EQ(GetDCBrushColor(dc), RGB(255, 255, 255));
  POINT origin{1, 1};
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  EXPECT_EQ(SetStretchBltMode(dc, HALFTONE), BLACKONWHITE);
  EXPECT_EQ(SetStretchBltMode(dc, 9), 0);
  EXPECT_EQ(GetStretchBltMode(dc), HALFTONE);
  DeleteDC(dc);
  EXPECT_EQ(GetTextColor(dc), CLR_INVALID);
}

TEST_F(GdiDcState, RestoreDcBringsBackSavedStates) {
  MemoryBitmap image = MemoryBitmap::colour(4, 4);
  HDC dc = image.dc();
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  SetTextColor(dc, RGB(1, 1, 1));
  EXPECT_EQ(SaveDC(dc), 1);
  SetTextColor(dc, RGB(2, 2, 2));
  HGDIOBJ white = SelectObject(dc, red);
  SetViewportOrgEx(dc, 5, 6, nullptr);
  IntersectClipRect(dc, 0, 0, 1, 1);
  EXPECT_EQ(SaveDC(dc), 2);
  SetTextColor(dc, RGB(3, 3, 3));
  EXPECT_EQ(SaveDC(dc), 3);

  EXPECT_TRUE(RestoreDC(dc, -1));
  EXPECT_EQ(GetTextColor(dc), RGB(3, 3, 3));
  EXPECT_TRUE(RestoreDC(dc, -1));
  EXPECT_EQ(GetTextColor(dc), RGB(2, 2, 2));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), red);
  EXPECT_FALSE(RestoreDC(dc, 2)) << "level 2 is gone";
  EXPECT_FALSE(RestoreDC(dc, 0));
  EXPECT_TRUE(RestoreDC(dc, 1));
  EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), white);
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin.x, 0);
  RECT box{};
  EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
  EXPECT_EQ(box.right, 4) << "the clip came back too";
  EXPECT_FALSE(RestoreDC(dc, -1)) << "nothing left to restore";
  EXPECT_TRUE(DeleteObject(red));
}

TEST_F(GdiDcState, ViewportOriginMovesDrawing) {
  MemoryBitmap image = MemoryBitmap::colour(6, 6);
  SetViewportOrgEx(image.dc(), 2, 3, nullptr);
  POINT previous{};
  OffsetViewportOrgEx(image.dc(), 1, 0, &previous);
  EXPECT_EQ(previous.x, 2);
  SetPixel(image.dc(), 0, 0, RGB(255, 255, 255));
  EXPECT_EQ(image.at(3, 3), 0x00FFFFFFu);
  EXPECT_EQ(GetPixel(image.dc(), 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(image.dc(), 3, 3), CLR_INVALID) << "(6, 6) is outside the bitmap";
  EXPECT_EQ(GetPixel(image.dc(), -3, -3), RGB(0, 0, 0));
}

TEST_F(GdiDcState, ClippingLimitsEveryDrawing) {
  MemoryBitmap image = MemoryBitmap::colour(6, 4);
  HDC dc = image.dc();
  EXPECT_EQ(IntersectClipRect(dc, 1, 1, 5, 3), SIMPLEREGION);
  EXPECT_EQ(ExcludeClipRect(dc, 2, 1, 3, 3), COMPLEXREGION);
  RECT all{0, 0, 6, 4};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const COLORREF w = 0xFFFFFF;
  EXPECT_EQ(image.stored(), (std::vector<COLORREF>{0, 0, 0, 0, 0, 0,  //
                                                   0, w, 0, w, w, 0,  //
                                                   0, w, 0, w, w, 0,  //
                                                   0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(SetPixel(dc, 2, 1, RGB(9, 9, 9)), CLR_INVALID);
  EXPECT_EQ(SetPixel(dc, 3, 1, RGB(9, 9, 9)), RGB(9, 9, 9));
  RECT box{};
  EXPECT_EQ(GetClipBox(dc, &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 1);
  EXPECT_EQ(box.right, 5);

  // A region is copied in device coordinates; selecting none lifts the clip.
  HRGN region = CreateRectRgn(4, 0, 6, 1);
  EXPECT_EQ(SelectClipRgn(dc, region), SIMPLEREGION);
  EXPECT_TRUE(DeleteObject(region));
  EXPECT_EQ(GetPixel(dc, 5, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 3, 1), CLR_INVALID);
  EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
  EXPECT_EQ(GetPixel(dc, 3, 1), RGB(9, 9, 9));
  EXPECT_EQ(IntersectClipRect(dc, 10, 10, 20, 20), NULLREGION);
  EXPECT_EQ(GetClipBox(dc, &box), NULLREGION);
}

TEST_F(GdiDcState, TheDefaultBitmapIsNeverDrawnOn) {
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SetPixel(first, 0, 0, RGB(255, 255, 255)), CLR_INVALID);
  EXPECT_EQ(GetPixel(second, 0, 0), CLR_INVALID);
  DeleteDC(first);
  DeleteDC(second);
}

}  // namespace
