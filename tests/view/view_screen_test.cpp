// What the view shows: only the parts that changed are sent, and they add up to the screen.
#include <algorithm>

#include "platform/desktop/gdi/screen_composition.h"
#include "platform/view/headless_backend.h"
#include "platform/view/null_backend.h"
#include "platform/view/view.h"
#include "tests/platform/desktop_fixture.h"

namespace {

class ViewScreenTest : public DesktopTest {
 protected:
  ViewScreenTest() {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.lpszClassName = L"Plain";
    window_class.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    RegisterClassExW(&window_class);
    EXPECT_TRUE(counted_view.open());
    EXPECT_TRUE(headless_view.open());
  }

  HWND plain_window(RECT rect) {
    HWND hwnd =
        CreateWindowExW(0, L"Plain", L"", WS_POPUP | WS_VISIBLE, rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top, nullptr, nullptr, nullptr, nullptr);
    UpdateWindow(hwnd);
    return hwnd;
  }

  static void fill(HWND hwnd, RECT area, COLORREF colour) {
    HDC dc = GetDC(hwnd);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    ReleaseDC(hwnd, dc);
  }

  void refresh_both() {
    counted_view.refresh();
    headless_view.refresh();
  }

  static long area_of(const std::vector<RECT>& rects) {
    long area = 0;
    for (const RECT& r : rects)
      area += (r.right - r.left) * (r.bottom - r.top);
    return area;
  }

  static bool covered(const std::vector<RECT>& rects, const RECT& area) {
    for (LONG y = area.top; y < area.bottom; ++y)
      for (LONG x = area.left; x < area.right; ++x)
        if (std::none_of(rects.begin(), rects.end(), [&](const RECT& r) {
              const POINT p{x, y};
              return PtInRect(&r, p) != FALSE;
            }))
          return false;
    return true;
  }

  // What the screen shows now, composed afresh.
  std::vector<std::uint32_t> screen_now() {
    desktop::compose_screen(machine, machine.screen());
    const desktop::Surface& screen = machine.gdi().screen();
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < screen.height(); ++y)
      pixels.insert(pixels.end(), screen.row(y), screen.row(y) + screen.width());
    return pixels;
  }

  view::NullBackend counted;
  view::HeadlessBackend headless;
  view::View counted_view{machine, counted};
  view::View headless_view{machine, headless};
};

TEST_F(ViewScreenTest, TheFirstFrameIsWholeAndAnUnchangedScreenSendsNothing) {
  refresh_both();
  EXPECT_EQ(counted.layout().screen.right, machine.screen().right);
  ASSERT_EQ(counted.last_dirty().size(), 1u);
  EXPECT_EQ(area_of(counted.last_dirty()), machine.screen().right * machine.screen().bottom);
  refresh_both();
  EXPECT_TRUE(counted.last_dirty().empty());
}

TEST_F(ViewScreenTest, OnlyTheTilesADrawingTouchedAreSent) {
  HWND hwnd = plain_window({100, 100, 500, 400});
  refresh_both();
  const RECT drawn{37, 21, 47, 26};  // client coordinates
  fill(hwnd, drawn, RGB(200, 10, 10));
  refresh_both();
  EXPECT_TRUE(covered(counted.last_dirty(), {137, 121, 147, 126}));
  EXPECT_LE(area_of(counted.last_dirty()),
            2 * view::ScreenChanges::kTileWidth * view::ScreenChanges::kTileHeight);
}

// Moves, hides, overlaps and drawings, each seen through the changed tiles only: the headless
// view's picture stays the screen's.
TEST_F(ViewScreenTest, TheChangesAddUpToTheScreen) {
  HWND a = plain_window({10, 10, 300, 200});
  HWND b = plain_window({250, 150, 700, 500});
  refresh_both();
  fill(a, {5, 5, 290, 40}, RGB(0, 120, 0));
  refresh_both();
  SetWindowPos(b, nullptr, 63, 17, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  UpdateWindow(b);
  refresh_both();
  fill(b, {0, 0, 30, 30}, RGB(0, 0, 255));
  ShowWindow(a, SW_HIDE);
  refresh_both();
  EXPECT_EQ(headless.image().pixels, screen_now());
}

}  // namespace
