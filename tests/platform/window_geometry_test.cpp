#include "tests/platform/desktop_fixture.h"

namespace {

class WindowGeometryTest : public DesktopTest {
 protected:
  WindowGeometryTest() { MessageLog::register_class(L"Shaped"); }
};

TEST_F(WindowGeometryTest, BorderlessPopupReportsNoBorders) {
  HWND popup = create_logged_window(L"Shaped", L"Full", WS_POPUP, nullptr, 0, {0, 0, 1920, 1080});
  WINDOWINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetWindowInfo(popup, &info));
  EXPECT_EQ(info.cxWindowBorders, 0u);
  EXPECT_EQ(info.cyWindowBorders, 0u);
  EXPECT_EQ(info.rcClient.right, 1920);
  EXPECT_EQ(info.rcWindow.bottom, 1080);
}

TEST_F(WindowGeometryTest, FramedWindowsReportTheirBordersAndClientArea) {
  struct Case {
    DWORD style;
    DWORD ex_style;
  };
  for (Case framed : {Case{WS_OVERLAPPEDWINDOW, 0}, Case{WS_POPUP | WS_CAPTION, 0},
                      Case{WS_POPUP | WS_BORDER, 0}, Case{WS_POPUP, WS_EX_CLIENTEDGE}}) {
    HWND hwnd = create_logged_window(L"Shaped", L"Framed", framed.style, nullptr, 0, {100, 100, 500, 400},
                                     framed.ex_style);
    WINDOWINFO info{};
    ASSERT_TRUE(GetWindowInfo(hwnd, &info));
    EXPECT_GT(info.cxWindowBorders, 0u);
    // The frame that AdjustWindowRectEx adds round the client area is the window's own.
    RECT adjusted = info.rcClient;
    AdjustWindowRectEx(&adjusted, info.dwStyle, FALSE, info.dwExStyle);
    EXPECT_EQ(adjusted.left, info.rcWindow.left);
    EXPECT_EQ(adjusted.top, info.rcWindow.top);
    EXPECT_EQ(adjusted.right, info.rcWindow.right);
    EXPECT_EQ(adjusted.bottom, info.rcWindow.bottom);
    DestroyWindow(hwnd);
  }
}

TEST_F(WindowGeometryTest, OverlappedWindowsAlwaysHaveACaption) {
  HWND hwnd = create_logged_window(L"Shaped", L"Plain", WS_OVERLAPPED);
  EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE) & static_cast<LONG>(WS_CAPTION), static_cast<LONG>(WS_CAPTION));
}

TEST_F(WindowGeometryTest, ChildCoordinatesMapThroughTheParentsClientArea) {
  HWND parent =
      create_logged_window(L"Shaped", L"Parent", WS_POPUP | WS_BORDER, nullptr, 0, {100, 50, 500, 450});
  HWND child = create_logged_window(L"Shaped", L"Child", WS_CHILD, parent, 1, {10, 20, 110, 70});
  RECT rect;
  ASSERT_TRUE(GetWindowRect(child, &rect));
  EXPECT_EQ(rect.left, 111);  // parent at 100, its 1-pixel border, the child at 10
  EXPECT_EQ(rect.top, 71);
  EXPECT_EQ(rect.right - rect.left, 100);
  ASSERT_TRUE(GetClientRect(child, &rect));
  EXPECT_EQ(rect.right, 100);
  EXPECT_EQ(rect.bottom, 50);

  POINT point{5, 5};
  ClientToScreen(child, &point);
  EXPECT_EQ(point.x, 116);
  EXPECT_EQ(point.y, 76);
  ScreenToClient(parent, &point);
  EXPECT_EQ(point.x, 15);
  EXPECT_EQ(point.y, 25);

  POINT points[1] = {{0, 0}};
  int offsets = MapWindowPoints(child, parent, points, 1);
  EXPECT_EQ(points[0].x, 10);
  EXPECT_EQ(points[0].y, 20);
  EXPECT_EQ(static_cast<short>(LOWORD(offsets)), 10);
  EXPECT_EQ(static_cast<short>(HIWORD(offsets)), 20);
}

TEST_F(WindowGeometryTest, PackingMacrosKeepSigns) {
  LPARAM packed = MAKELPARAM(static_cast<WORD>(-5), 300);
  EXPECT_EQ(GET_X_LPARAM(packed), -5);
  EXPECT_EQ(GET_Y_LPARAM(packed), 300);
  EXPECT_EQ(LOWORD(0x12345678), 0x5678);
  EXPECT_EQ(HIWORD(0x12345678), 0x1234);
  EXPECT_EQ(RGB(255, 0, 255), 0x00FF00FFu);
}

}  // namespace
