#include <cstring>

#include "tests/platform/gdi_fixture.h"

namespace {

using GdiObjects = DesktopTest;

TEST_F(GdiObjects, StockObjectsAreSharedAndNeverFreed) {
  struct Case {
    int index;
    DWORD type;
  };
  const Case cases[] = {{WHITE_BRUSH, OBJ_BRUSH},     {LTGRAY_BRUSH, OBJ_BRUSH}, {GRAY_BRUSH, OBJ_BRUSH},
                        {DKGRAY_BRUSH, OBJ_BRUSH},    {BLACK_BRUSH, OBJ_BRUSH},  {NULL_BRUSH, OBJ_BRUSH},
                        {WHITE_PEN, OBJ_PEN},         {BLACK_PEN, OBJ_PEN},      {NULL_PEN, OBJ_PEN},
                        {DEFAULT_GUI_FONT, OBJ_FONT}, {SYSTEM_FONT, OBJ_FONT},   {DC_BRUSH, OBJ_BRUSH}};
  for (const Case& c : cases) {
    HGDIOBJ stock = GetStockObject(c.index);
    ASSERT_NE(stock, nullptr) << c.index;
    EXPECT_EQ(GetStockObject(c.index), stock);
    EXPECT_EQ(GetObjectType(stock), c.type);
    EXPECT_TRUE(DeleteObject(stock));
    EXPECT_EQ(GetObjectType(stock), c.type) << "still there after DeleteObject";
  }
  EXPECT_EQ(GetStockObject(9), nullptr);

  LOGBRUSH brush{};
  ASSERT_EQ(GetObjectW(GetStockObject(LTGRAY_BRUSH), sizeof(brush), &brush), static_cast<int>(sizeof(brush)));
  EXPECT_EQ(brush.lbStyle, BS_SOLID);
  EXPECT_EQ(brush.lbColor, RGB(192, 192, 192));
  GetObjectW(GetStockObject(HOLLOW_BRUSH), sizeof(brush), &brush);
  EXPECT_EQ(brush.lbStyle, BS_NULL);
  LOGPEN pen{};
  GetObjectW(GetStockObject(NULL_PEN), sizeof(pen), &pen);
  EXPECT_EQ(pen.lopnStyle, static_cast<UINT>(PS_NULL));
  LOGFONTW font{};
  ASSERT_EQ(GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font),
            static_cast<int>(sizeof(font)));
  EXPECT_STREQ(font.lfFaceName, L"MS Shell Dlg");
  EXPECT_EQ(font.lfHeight, -11);
}

TEST_F(GdiObjects, SystemColoursAndTheirBrushes) {
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), 0xF0F0F0u);
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), 0xFFFFFFu);
  EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), 0u);
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), 0xA0A0A0u);
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), 0x696969u);
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(51, 153, 255));
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
  LOGBRUSH brush{};
  GetObjectW(face, sizeof(brush), &brush);
  EXPECT_EQ(brush.lbColor, 0xF0F0F0u);
  EXPECT_TRUE(DeleteObject(face));
  EXPECT_EQ(GetObjectType(face), OBJ_BRUSH);
  EXPECT_EQ(GetSysColorBrush(99), nullptr);
}

TEST_F(GdiObjects, CreatedObjectsDescribeThemselves) {
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  LOGBRUSH logbrush{};
  EXPECT_EQ(GetObjectW(brush, sizeof(logbrush), &logbrush), static_cast<int>(sizeof(logbrush)));
  EXPECT_EQ(logbrush.lbColor, RGB(1, 2, 3));
  HPEN pen = CreatePen(PS_SOLID, 3, RGB(9, 8, 7));
  LOGPEN logpen{};
  GetObjectW(pen, sizeof(logpen), &logpen);
  EXPECT_EQ(logpen.lopnWidth.x, 3);
  EXPECT_EQ(logpen.lopnColor, RGB(9, 8, 7));

  LOGFONTW asked{};
  asked.lfHeight = -22;
  asked.lfWeight = FW_BOLD;
  std::wcscpy(asked.lfFaceName, L"DejaVu Sans");
  HFONT font = CreateFontIndirectW(&asked);
  LOGFONTW given{};
  EXPECT_EQ(GetObjectW(font, sizeof(given), &given), static_cast<int>(sizeof(given)));
  EXPECT_EQ(std::memcmp(&given, &asked, sizeof(given)), 0);
  EXPECT_EQ(GetObjectW(font, 0, nullptr), static_cast<int>(sizeof(LOGFONTW)));
  HFONT built = CreateFontW(-14, 0, 0, 0, 500, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
  GetObjectW(built, sizeof(given), &given);
  EXPECT_EQ(given.lfHeight, -14);
  EXPECT_EQ(given.lfWeight, 500);
  EXPECT_STREQ(given.lfFaceName, L"Arial");

  for (HGDIOBJ object : {static_cast<HGDIOBJ>(brush), static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(font),
                         static_cast<HGDIOBJ>(built)}) {
    EXPECT_TRUE(DeleteObject(object));
    EXPECT_EQ(GetObjectType(object), 0u);
    EXPECT_FALSE(DeleteObject(object));
  }
}

TEST_F(GdiObjects, ADibSectionsBitsAreItsPixelsInWindowsLayout) {
  BITMAPINFO info = dib_info(3, 2);  // bottom-up: the last row first in memory
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(bitmap, nullptr);
  ASSERT_NE(bits, nullptr);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  pixels[0] = 0x00112233;      // bottom left: B 0x33, G 0x22, R 0x11
  pixels[3 + 2] = 0x00AABBCC;  // top right

  DIBSECTION section{};
  ASSERT_EQ(GetObjectW(bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
  EXPECT_EQ(section.dsBm.bmWidth, 3);
  EXPECT_EQ(section.dsBm.bmHeight, 2);
  EXPECT_EQ(section.dsBm.bmWidthBytes, 12);
  EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
  EXPECT_EQ(section.dsBm.bmBits, bits);
  EXPECT_EQ(section.dsBmih.biHeight, 2);
  EXPECT_EQ(section.dsBmih.biSizeImage, 24u);
  BITMAP plain{};
  EXPECT_EQ(GetObjectW(bitmap, sizeof(plain), &plain), static_cast<int>(sizeof(plain)));
  EXPECT_EQ(plain.bmBits, bits);

  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(GetPixel(dc, 2, 0), RGB(0xAA, 0xBB, 0xCC));
  SetPixel(dc, 1, 0, RGB(1, 2, 3));
  EXPECT_EQ(pixels[3 + 1], 0x00010203u);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);

  info = dib_info(4, -1);
  HBITMAP top_down = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  GetObjectW(top_down, sizeof(section), &section);
  EXPECT_EQ(section.dsBmih.biHeight, -1);
  DeleteObject(top_down);

  info.bmiHeader.biBitCount = 24;
  EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(bits, nullptr);
}

TEST_F(GdiObjects, DeviceBitmapsAndWhatTheyAreCompatibleWith) {
  const BYTE rows[] = {0xA0, 0x00, 0x40, 0x00};  // 3 by 2, rows padded to 16 bits: 1 0 1 / 0 1 0
  HBITMAP mono = CreateBitmap(3, 2, 1, 1, rows);
  BITMAP record{};
  GetObjectW(mono, sizeof(record), &record);
  EXPECT_EQ(record.bmBitsPixel, 1);
  EXPECT_EQ(record.bmWidthBytes, 2);
  EXPECT_EQ(record.bmBits, nullptr);
  EXPECT_EQ(GetObjectW(mono, sizeof(DIBSECTION), nullptr), static_cast<int>(sizeof(BITMAP)));
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ original = SelectObject(dc, mono);
  const COLORREF expected[] = {0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(GetPixel(dc, i % 3, i / 3), expected[i]) << i;
  SelectObject(dc, original);

  // A fresh memory context holds a 1 by 1 monochrome bitmap, so what is compatible with it
  // is monochrome; a window's or the screen's context gives 32 bits.
  HBITMAP from_memory = CreateCompatibleBitmap(dc, 8, 8);
  GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof(record), &record);
  EXPECT_EQ(record.bmWidth, 1);
  EXPECT_EQ(record.bmBitsPixel, 1);
  GetObjectW(from_memory, sizeof(record), &record);
  EXPECT_EQ(record.bmBitsPixel, 1);
  HDC screen = GetDC(nullptr);
  HBITMAP from_screen = CreateCompatibleBitmap(screen, 8, 8);
  GetObjectW(from_screen, sizeof(record), &record);
  EXPECT_EQ(record.bmBitsPixel, 32);
  EXPECT_EQ(record.bmWidthBytes, 32);
  SelectObject(dc, from_screen);
  HBITMAP from_colour_memory = CreateCompatibleBitmap(dc, 2, 2);
  GetObjectW(from_colour_memory, sizeof(record), &record);
  EXPECT_EQ(record.bmBitsPixel, 32);
  SelectObject(dc, original);
  ReleaseDC(nullptr, screen);
  DeleteDC(dc);
  for (HBITMAP bitmap : {mono, from_memory, from_screen, from_colour_memory})
    EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_EQ(CreateBitmap(2, 2, 1, 8, nullptr), nullptr);
}

TEST_F(GdiObjects, SelectionRules) {
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
  HGDIOBJ original = SelectObject(first, bitmap);
  ASSERT_NE(original, nullptr);
  EXPECT_EQ(GetObjectType(original), OBJ_BITMAP);
  EXPECT_EQ(SelectObject(second, bitmap), nullptr) << "a bitmap is in one memory context at a time";
  EXPECT_EQ(SelectObject(first, bitmap), bitmap) << "selecting it again where it is";
  EXPECT_FALSE(DeleteObject(bitmap)) << "refused while selected";

  HDC screen = GetDC(nullptr);
  EXPECT_EQ(SelectObject(screen, original), nullptr) << "bitmaps go into memory contexts only";

  HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  EXPECT_EQ(SelectObject(screen, brush), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetCurrentObject(screen, OBJ_BRUSH), brush);
  EXPECT_FALSE(DeleteObject(brush));
  EXPECT_EQ(GetCurrentObject(first, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(first, OBJ_FONT), GetStockObject(SYSTEM_FONT));
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(DeleteObject(brush)) << "a released context lets go of what it held";

  // A saved state holds its objects too.
  const int level = SaveDC(first);
  SelectObject(first, original);
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_EQ(SelectObject(second, bitmap), nullptr);
  RestoreDC(first, level);
  EXPECT_EQ(GetCurrentObject(first, OBJ_BITMAP), bitmap);

  EXPECT_EQ(SelectObject(first, original), bitmap);
  EXPECT_EQ(SelectObject(second, bitmap), original);
  DeleteDC(second);
  EXPECT_TRUE(DeleteObject(bitmap)) << "a deleted context lets go of its bitmap";
  DeleteDC(first);
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(SelectObject(first, GetStockObject(BLACK_BRUSH)), nullptr);
}

}  // namespace
