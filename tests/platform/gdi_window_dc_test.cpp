#include "tests/platform/gdi_fixture.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class GdiWindowDc : public DesktopTest {
 protected:
  GdiWindowDc() { MessageLog::register_class(L"Painted"); }

  static void fill(HDC dc, RECT rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
  }
  // Fills as much as the context lets through.
  static void flood(HWND hwnd, COLORREF colour, bool with_frame = false) {
    HDC dc = with_frame ? GetWindowDC(hwnd) : GetDC(hwnd);
    fill(dc, {-1000, -1000, 3000, 3000}, colour);
    ReleaseDC(hwnd, dc);
  }
  static COLORREF on_screen(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
  }
};

TEST_F(GdiWindowDc, AWindowsDrawingShowsOnTheScreenAtItsPlace) {
  HWND hwnd =
      create_logged_window(L"Painted", L"popup", WS_POPUP | WS_VISIBLE, nullptr, 0, {100, 50, 140, 80});
  HDC dc = GetDC(hwnd);
  fill(dc, {0, 0, 40, 30}, kRed);
  SetPixel(dc, 3, 4, kBlue);
  EXPECT_EQ(WindowFromDC(dc), hwnd);
  ReleaseDC(hwnd, dc);
  EXPECT_EQ(on_screen(100, 50), kRed);
  EXPECT_EQ(on_screen(103, 54), kBlue);
  EXPECT_EQ(on_screen(139, 79), kRed);
  EXPECT_EQ(on_screen(140, 80), RGB(0, 0, 0)) << "outside the window: the empty desktop";

  // The live monitor's capture: a bitmap compatible with the display, filled from it.
  HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  HDC memory = CreateCompatibleDC(display);
  HBITMAP frame = CreateCompatibleBitmap(display, 40, 30);
  HGDIOBJ previous = SelectObject(memory, frame);
  ASSERT_TRUE(BitBlt(memory, 0, 0, 40, 30, display, 100, 50, SRCCOPY));
  EXPECT_EQ(GetPixel(memory, 3, 4), kBlue);
  EXPECT_EQ(GetPixel(memory, 39, 29), kRed);
  SelectObject(memory, previous);
  DeleteObject(frame);
  DeleteDC(memory);

  // Drawing on the screen itself lasts only until the screen is read again.
  SetPixel(display, 101, 50, kBlue);
  EXPECT_EQ(GetPixel(display, 101, 50), kRed);
  DeleteDC(display);
}

TEST_F(GdiWindowDc, ClientAndWholeWindowContexts) {
  HWND hwnd = create_logged_window(L"Painted", L"framed", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0,
                                   {200, 100, 300, 200});
  RECT window{}, client{};
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  ASSERT_GT(origin.y, window.top);
  flood(hwnd, kRed, true);
  flood(hwnd, kBlue);
  EXPECT_EQ(on_screen(window.left, window.top), kRed);
  EXPECT_EQ(on_screen(origin.x - 1, origin.y - 1), kRed);
  EXPECT_EQ(on_screen(origin.x, origin.y), kBlue);
  EXPECT_EQ(on_screen(origin.x + client.right - 1, origin.y + client.bottom - 1), kBlue);
  EXPECT_EQ(on_screen(origin.x + client.right, origin.y + client.bottom - 1), kRed);

  HDC dc = GetDC(hwnd);
  RECT box{};
  EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
  EXPECT_EQ(box.right, client.right);
  EXPECT_EQ(box.bottom, client.bottom);
  ReleaseDC(hwnd, dc);
}

TEST_F(GdiWindowDc, ChildrenDrawIntoTheirTopLevelWindowClippedToThemselves) {
  HWND parent =
      create_logged_window(L"Painted", L"parent", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 100, 100});
  HWND child = create_logged_window(L"Painted", L"child", WS_CHILD | WS_VISIBLE, parent, 1, {10, 20, 40, 40});
  flood(parent, kRed);
  flood(child, kBlue);
  EXPECT_EQ(on_screen(10, 20), kBlue);
  EXPECT_EQ(on_screen(39, 39), kBlue);
  EXPECT_EQ(on_screen(9, 20), kRed);
  EXPECT_EQ(on_screen(40, 39), kRed);
  HDC dc = GetDC(child);
  EXPECT_EQ(GetPixel(dc, 0, 0), kBlue) << "the child's own origin";
  EXPECT_EQ(GetPixel(dc, -1, 0), CLR_INVALID) << "outside the child";
  ReleaseDC(child, dc);

  // Without WS_CLIPCHILDREN the parent paints over its child; with it, around.
  flood(parent, RGB(0, 255, 0));
  EXPECT_EQ(on_screen(15, 25), RGB(0, 255, 0));
  SetWindowLongW(parent, GWL_STYLE, GetWindowLongW(parent, GWL_STYLE) | WS_CLIPCHILDREN);
  flood(child, kBlue);
  flood(parent, kRed);
  EXPECT_EQ(on_screen(15, 25), kBlue);
  EXPECT_EQ(on_screen(5, 5), kRed);

  // A hidden child shows nothing and draws nothing.
  ShowWindow(child, SW_HIDE);
  flood(child, RGB(0, 255, 0));
  EXPECT_EQ(on_screen(15, 25), kBlue);
}

TEST_F(GdiWindowDc, SiblingsInFrontClipUnderWsClipSiblings) {
  HWND parent =
      create_logged_window(L"Painted", L"parent", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 100, 100});
  HWND back = create_logged_window(L"Painted", L"back", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, parent, 1,
                                   {0, 0, 50, 50});
  HWND front = create_logged_window(L"Painted", L"front", WS_CHILD | WS_VISIBLE, parent, 2, {25, 25, 75, 75});
  SetWindowPos(front, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  flood(front, kBlue);
  flood(back, kRed);
  EXPECT_EQ(on_screen(10, 10), kRed);
  EXPECT_EQ(on_screen(30, 30), kBlue);
}

TEST_F(GdiWindowDc, TheScreenComposesWindowsBackToFront) {
  HWND lower = create_logged_window(L"Painted", L"lower", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 60, 60});
  HWND upper =
      create_logged_window(L"Painted", L"upper", WS_POPUP | WS_VISIBLE, nullptr, 0, {30, 30, 90, 90});
  flood(lower, kRed);
  flood(upper, kBlue);
  EXPECT_EQ(on_screen(40, 40), kBlue);
  SetWindowPos(lower, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(on_screen(40, 40), kRed) << "each window keeps its own pixels";
  EXPECT_EQ(on_screen(80, 80), kBlue);
  ShowWindow(lower, SW_HIDE);
  EXPECT_EQ(on_screen(40, 40), kBlue);
  DestroyWindow(upper);
  EXPECT_EQ(on_screen(40, 40), RGB(0, 0, 0));
}

TEST_F(GdiWindowDc, TheSurfaceFollowsTheWindowsSize) {
  HWND hwnd = create_logged_window(L"Painted", L"sized", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 20, 20});
  flood(hwnd, kRed);
  SetWindowPos(hwnd, nullptr, 0, 0, 40, 10, SWP_NOZORDER | SWP_NOMOVE);
  HDC dc = GetDC(hwnd);
  EXPECT_EQ(GetPixel(dc, 19, 9), kRed) << "what both sizes share stays";
  EXPECT_EQ(GetPixel(dc, 30, 5), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 5, 15), CLR_INVALID);
  SetPixel(dc, 39, 9, kBlue);
  ReleaseDC(hwnd, dc);
  EXPECT_EQ(on_screen(39, 9), kBlue);
  SetWindowPos(hwnd, nullptr, 500, 400, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
  EXPECT_EQ(on_screen(539, 409), kBlue) << "moving keeps the pixels";
}

TEST_F(GdiWindowDc, AContextOfADestroyedWindowDrawsNothing) {
  HWND hwnd = create_logged_window(L"Painted", L"gone", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 20, 20});
  HDC dc = GetDC(hwnd);
  DestroyWindow(hwnd);
  RECT r{0, 0, 5, 5};
  EXPECT_EQ(FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))), 0);
  EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
}

}  // namespace
