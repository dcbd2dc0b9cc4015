#include "tests/platform/gdi_fixture.h"

namespace {

using GdiDrawing = DesktopTest;

constexpr COLORREF W = RGB(255, 255, 255);
constexpr COLORREF B = RGB(0, 0, 0);

// Which pixels differ from the background, as a picture of '#' and '.'.
std::vector<std::string> shape(const MemoryBitmap& image, COLORREF background) {
  std::vector<std::string> rows;
  const std::vector<COLORREF> colours = image.colours();
  for (int y = 0; y < image.height(); ++y) {
    std::string row;
    for (int x = 0; x < image.width(); ++x)
      row += colours[static_cast<std::size_t>(y * image.width() + x)] == background ? '.' : '#';
    rows.push_back(row);
  }
  return rows;
}

TEST_F(GdiDrawing, FillAndFrameStopShortOfRightAndBottom) {
  MemoryBitmap image = MemoryBitmap::colour(5, 4);
  RECT inner{1, 1, 4, 3};
  ASSERT_TRUE(
      FillRect(image.dc(), &inner, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1))));
  EXPECT_EQ(GetPixel(image.dc(), 1, 1), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(shape(image, B), (std::vector<std::string>{".....", ".###.", ".###.", "....."}));

  MemoryBitmap framed = MemoryBitmap::colour(5, 4);
  RECT all{0, 0, 5, 4};
  FrameRect(framed.dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(shape(framed, B), (std::vector<std::string>{"#####", "#...#", "#...#", "#####"}));
  InvertRect(framed.dc(), &all);
  EXPECT_EQ(shape(framed, W), (std::vector<std::string>{"#####", "#...#", "#...#", "#####"}));
}

TEST_F(GdiDrawing, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  MemoryBitmap image = MemoryBitmap::colour(6, 5, 0x00FFFFFF);
  HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
  HGDIOBJ previous = SelectObject(image.dc(), grey);
  ASSERT_TRUE(Rectangle(image.dc(), 0, 0, 5, 4));
  EXPECT_EQ(shape(image, W), (std::vector<std::string>{"#####.", "#####.", "#####.", "#####.", "......"}));
  EXPECT_EQ(GetPixel(image.dc(), 0, 0), B);
  EXPECT_EQ(GetPixel(image.dc(), 4, 3), B);
  EXPECT_EQ(GetPixel(image.dc(), 2, 1), RGB(128, 128, 128));

  MemoryBitmap unpenned = MemoryBitmap::colour(6, 5, 0x00FFFFFF);
  SelectObject(unpenned.dc(), grey);
  SelectObject(unpenned.dc(), GetStockObject(NULL_PEN));
  Rectangle(unpenned.dc(), 5, 4, 0, 0);  // corners in either order
  EXPECT_EQ(shape(unpenned, W), (std::vector<std::string>{"####..", "####..", "####..", "......", "......"}));
  SelectObject(unpenned.dc(), GetStockObject(NULL_BRUSH));
  SelectObject(image.dc(), previous);
  DeleteObject(grey);
}

TEST_F(GdiDrawing, LinesLeaveOutTheirLastPoint) {
  struct Case {
    POINT from, to;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {{0, 0}, {4, 0}, {"####.", ".....", "....."}}, {{4, 2}, {0, 2}, {".....", ".....", ".####"}},
      {{0, 0}, {4, 2}, {"##...", "..##.", "....."}}, {{4, 2}, {0, 0}, {".....", ".##..", "...##"}},
      {{1, 0}, {1, 3}, {".#...", ".#...", ".#..."}}, {{0, 0}, {2, 2}, {"#....", ".#...", "....."}},
  };
  for (const Case& c : cases) {
    MemoryBitmap image = MemoryBitmap::colour(5, 3);
    SelectObject(image.dc(), GetStockObject(WHITE_PEN));
    MoveToEx(image.dc(), c.from.x, c.from.y, nullptr);
    ASSERT_TRUE(LineTo(image.dc(), c.to.x, c.to.y));
    EXPECT_EQ(shape(image, B), c.expected)
        << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
    POINT now{};
    GetCurrentPositionEx(image.dc(), &now);
    EXPECT_EQ(now.x, c.to.x);
  }
}

TEST_F(GdiDrawing, PensOfWidthStyleAndRasterOperation) {
  MemoryBitmap image = MemoryBitmap::colour(9, 5);
  HPEN wide = CreatePen(PS_SOLID, 3, W);
  HGDIOBJ previous = SelectObject(image.dc(), wide);
  MoveToEx(image.dc(), 2, 2, nullptr);
  LineTo(image.dc(), 6, 2);
  EXPECT_EQ(shape(image, B),
            (std::vector<std::string>{".........", ".#######.", ".#######.", ".#######.", "........."}));

  MemoryBitmap dotted = MemoryBitmap::colour(9, 1);
  HPEN dots = CreatePen(PS_DOT, 1, W);
  SelectObject(dotted.dc(), dots);
  SetBkMode(dotted.dc(), TRANSPARENT);
  MoveToEx(dotted.dc(), 0, 0, nullptr);
  LineTo(dotted.dc(), 9, 0);
  EXPECT_EQ(shape(dotted, B), (std::vector<std::string>{"###...###"}));
  SetBkMode(dotted.dc(), OPAQUE);
  SetBkColor(dotted.dc(), RGB(1, 1, 1));
  MoveToEx(dotted.dc(), 0, 0, nullptr);
  LineTo(dotted.dc(), 9, 0);
  EXPECT_EQ(GetPixel(dotted.dc(), 4, 0), RGB(1, 1, 1)) << "an opaque background fills the gaps";

  SetROP2(image.dc(), R2_XORPEN);
  SelectObject(image.dc(), GetStockObject(WHITE_PEN));
  MoveToEx(image.dc(), 0, 0, nullptr);
  LineTo(image.dc(), 9, 0);
  MoveToEx(image.dc(), 0, 0, nullptr);
  LineTo(image.dc(), 9, 0);
  EXPECT_EQ(shape(image, B)[0], ".........") << "drawn twice with XOR, gone";
  SelectObject(image.dc(), previous);
  SelectObject(dotted.dc(), previous);
  DeleteObject(wide);
  DeleteObject(dots);
}

TEST_F(GdiDrawing, EdgesInTheClassicColours) {
  const COLORREF light = GetSysColor(COLOR_3DLIGHT), dark = GetSysColor(COLOR_3DDKSHADOW);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  MemoryBitmap raised = MemoryBitmap::colour(5, 5);
  RECT r{0, 0, 5, 5};
  ASSERT_TRUE(DrawEdge(raised.dc(), &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST));
  EXPECT_EQ(raised.colours(), (std::vector<COLORREF>{light, light,     light,     light,  dark,  //
                                                     light, highlight, highlight, shadow, dark,  //
                                                     light, highlight, face,      shadow, dark,  //
                                                     light, shadow,    shadow,    shadow, dark,  //
                                                     dark,  dark,      dark,      dark,   dark}));
  EXPECT_EQ(r.left, 2);
  EXPECT_EQ(r.bottom, 3);

  MemoryBitmap sunken = MemoryBitmap::colour(4, 4);
  RECT s{0, 0, 4, 4};
  DrawEdge(sunken.dc(), &s, EDGE_SUNKEN, BF_RECT);
  EXPECT_EQ(GetPixel(sunken.dc(), 0, 0), shadow);
  EXPECT_EQ(GetPixel(sunken.dc(), 3, 3), highlight);
  EXPECT_EQ(GetPixel(sunken.dc(), 1, 1), dark);
  EXPECT_EQ(GetPixel(sunken.dc(), 2, 2), light);
  EXPECT_EQ(s.right, 4) << "no BF_ADJUST, no change";

  MemoryBitmap top_only = MemoryBitmap::colour(3, 3);
  RECT t{0, 0, 3, 3};
  DrawEdge(top_only.dc(), &t, BDR_RAISEDOUTER, BF_TOP);
  EXPECT_EQ(shape(top_only, B), (std::vector<std::string>{"###", "...", "..."}));
}

TEST_F(GdiDrawing, FocusRectangleIsADottedXor) {
  MemoryBitmap image = MemoryBitmap::colour(5, 4, 0x00FFFFFF);
  RECT r{0, 0, 5, 4};
  ASSERT_TRUE(DrawFocusRect(image.dc(), &r));
  EXPECT_EQ(shape(image, W), (std::vector<std::string>{"#.#.#", ".....", "#...#", ".#.#."}));
  DrawFocusRect(image.dc(), &r);
  EXPECT_EQ(shape(image, W), (std::vector<std::string>{".....", ".....", ".....", "....."}));
}

}  // namespace
