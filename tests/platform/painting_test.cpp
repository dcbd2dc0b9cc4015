#include <algorithm>

#include "tests/platform/gdi_fixture.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// A popup at the screen's origin whose WM_PAINT floods everything its paint context allows.
class Painting : public DesktopTest {
 protected:
  Painting() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MessageLog::procedure;
    wc.lpszClassName = L"Brushed";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    RegisterClassExW(&wc);
  }
  HWND popup() {
    HWND hwnd = create_logged_window(L"Brushed", L"p", WS_POPUP | WS_VISIBLE, nullptr, 0, {0, 0, 40, 40});
    run_until_painted();
    return hwnd;
  }
  static void run_until_painted() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageW(&msg);
  }
  static COLORREF on_screen(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
  }
  static void flood(HDC dc, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{-100, -100, 500, 500};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
  }
  // WM_PAINT floods in red, WM_ERASEBKGND answers erase_answer without drawing unless it is
  // left to DefWindowProc.
  void paint_with(bool default_erase, LRESULT erase_answer = 0) {
    MessageLog::handler() = [this, default_erase, erase_answer](HWND hwnd, UINT message, WPARAM, LPARAM,
                                                                LRESULT& result) {
      if (message == WM_ERASEBKGND && !default_erase) {
        result = erase_answer;
        return true;
      }
      if (message != WM_PAINT) return false;
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      last = ps;
      flood(dc, kRed);
      EndPaint(hwnd, &ps);
      result = 0;
      return true;
    };
  }
  PAINTSTRUCT last{};
};

TEST_F(Painting, TwoDisjointInvalidRectanglesArePaintedExactly) {
  HWND hwnd = popup();
  HDC dc = GetDC(hwnd);
  flood(dc, kGreen);
  ReleaseDC(hwnd, dc);
  paint_with(false, 1);
  const RECT a{2, 2, 6, 6}, b{20, 10, 30, 14};
  InvalidateRect(hwnd, &a, FALSE);
  InvalidateRect(hwnd, &b, FALSE);
  run_until_painted();
  EXPECT_EQ(last.rcPaint.left, 2);
  EXPECT_EQ(last.rcPaint.right, 30);
  EXPECT_EQ(last.rcPaint.bottom, 14);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const POINT p{x, y};
      const bool inside = PtInRect(&a, p) || PtInRect(&b, p);
      ASSERT_EQ(on_screen(x, y), inside ? kRed : kGreen) << x << "," << y;
    }
  RECT update;
  EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
}

TEST_F(Painting, EraseComesFirstOnlyWhenAskedAndFillsWithTheClassBrush) {
  HWND hwnd = popup();
  struct Case {
    BOOL erase;
    bool default_erase;
    LRESULT answer;
    bool erased;
    BOOL f_erase;
  };
  constexpr Case cases[] = {
      {FALSE, true, 0, false, FALSE}, {TRUE, false, 0, true, TRUE}, {TRUE, false, 1, true, FALSE}};
  for (const Case& c : cases) {
    MessageLog::clear();
    paint_with(c.default_erase, c.answer);
    InvalidateRect(hwnd, nullptr, c.erase);
    run_until_painted();
    const std::vector<UINT> seen = MessageLog::messages_of(hwnd);
    const std::vector<UINT> expected =
        c.erased ? std::vector<UINT>{WM_PAINT, WM_ERASEBKGND} : std::vector<UINT>{WM_PAINT};
    EXPECT_EQ(seen, expected) << c.erase << c.answer;
    EXPECT_EQ(last.fErase, c.f_erase) << c.erase << c.answer;
  }
  // DefWindowProc erases with the class brush, a COLOR_ index + 1, and reports it done.
  MessageLog::handler() = [](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_PAINT) return false;
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EXPECT_FALSE(ps.fErase);
    EndPaint(hwnd, &ps);
    result = 0;
    return true;
  };
  InvalidateRect(hwnd, nullptr, TRUE);
  run_until_painted();
  EXPECT_EQ(on_screen(5, 5), GetSysColor(COLOR_WINDOW));
}

TEST_F(Painting, ShowingOrResizingAWindowAsksForItsWholeClientArea) {
  HWND hwnd = create_logged_window(L"Brushed", L"p", WS_POPUP, nullptr, 0, {0, 0, 40, 40});
  HWND child = create_logged_window(L"Brushed", L"c", WS_CHILD | WS_VISIBLE, hwnd, 1, {0, 0, 10, 10});
  run_until_painted();
  ShowWindow(hwnd, SW_SHOW);
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
  EXPECT_EQ(update.right, 40);
  run_until_painted();
  SetWindowPos(child, nullptr, 0, 0, 20, 20, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(GetUpdateRect(child, &update, FALSE));
  EXPECT_EQ(update.right, 20);
}

TEST_F(Painting, AShownWindowsChildThatPaintsEarlyIsPaintedAgainAfterTheParentsErase) {
  HWND parent = create_logged_window(L"Brushed", L"p", WS_POPUP, nullptr, 0, {0, 0, 40, 40});
  HWND child = create_logged_window(L"Brushed", L"c", WS_CHILD | WS_VISIBLE, parent, 1, {0, 0, 10, 10});
  run_until_painted();
  // The child floods itself red whenever it paints, and paints at once when its parent activates,
  // as a button taking the focus does; the parent erases with its class brush.
  MessageLog::handler() = [child](HWND hwnd, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (hwnd != child && message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) UpdateWindow(child);
    if (hwnd != child || message != WM_PAINT) return false;
    PAINTSTRUCT ps;
    flood(BeginPaint(hwnd, &ps), kRed);
    EndPaint(hwnd, &ps);
    result = 0;
    return true;
  };
  ShowWindow(parent, SW_SHOW);
  run_until_painted();
  auto painted = MessageLog::messages_of(child);
  EXPECT_NE(std::find(painted.begin(), painted.end(), WM_PAINT), painted.end());
  EXPECT_EQ(on_screen(5, 5), kRed);
  EXPECT_EQ(on_screen(20, 20), GetSysColor(COLOR_WINDOW));
}

TEST_F(Painting, BeginPaintWithoutUpdateAreaDrawsNothing) {
  HWND hwnd = popup();
  HDC dc = GetDC(hwnd);
  flood(dc, kGreen);
  ReleaseDC(hwnd, dc);
  PAINTSTRUCT ps;
  dc = BeginPaint(hwnd, &ps);
  ASSERT_NE(dc, nullptr);
  EXPECT_TRUE(IsRectEmpty(&ps.rcPaint));
  flood(dc, kRed);
  EndPaint(hwnd, &ps);
  EXPECT_EQ(on_screen(5, 5), kGreen);
}

TEST_F(Painting, SetRedrawFalseHoldsPaintsUntilTrueRepaintsAll) {
  HWND hwnd = popup();
  paint_with(false, 1);
  SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
  InvalidateRect(hwnd, nullptr, FALSE);
  MessageLog::clear();
  paint_with(false, 1);
  run_until_painted();
  EXPECT_TRUE(MessageLog::messages_of(hwnd).empty());
  SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
  run_until_painted();
  EXPECT_EQ(last.rcPaint.right, 40);
  EXPECT_EQ(last.rcPaint.bottom, 40);
}

TEST_F(Painting, ClipChildrenLeavesTheChildAloneAndTheChildPaintsItself) {
  HWND parent = create_logged_window(L"Brushed", L"p", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, 0,
                                     {0, 0, 40, 40});
  HWND child = create_logged_window(L"Brushed", L"c", WS_CHILD | WS_VISIBLE, parent, 1, {10, 10, 20, 20});
  run_until_painted();
  HDC dc = GetDC(child);
  flood(dc, kGreen);
  ReleaseDC(child, dc);
  MessageLog::clear();
  paint_with(false, 1);
  InvalidateRect(parent, nullptr, FALSE);
  run_until_painted();
  EXPECT_EQ(on_screen(5, 5), kRed);
  EXPECT_EQ(on_screen(15, 15), kGreen) << "WS_CLIPCHILDREN keeps the parent off the child";
  EXPECT_TRUE(MessageLog::messages_of(child).empty()) << "the clipped child was not invalidated";
  InvalidateRect(child, nullptr, FALSE);
  run_until_painted();
  EXPECT_EQ(MessageLog::messages_of(child), std::vector<UINT>{WM_PAINT});
  EXPECT_EQ(on_screen(15, 15), kRed);
}

TEST_F(Painting, AParentThatDoesNotClipItsChildrenPaintsBeforeThem) {
  HWND parent = create_logged_window(L"Brushed", L"p", WS_POPUP, nullptr, 0, {0, 0, 40, 40});
  HWND child = create_logged_window(L"Brushed", L"c", WS_CHILD | WS_VISIBLE, parent, 1, {10, 10, 20, 20});
  std::vector<HWND> painted;
  MessageLog::handler() = [&painted](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_PAINT) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    painted.push_back(hwnd);
    flood(dc, painted.size() == 1 ? kRed : kGreen);
    EndPaint(hwnd, &ps);
    result = 0;
    return true;
  };
  // The child asked first; the parent is shown after it.
  InvalidateRect(child, nullptr, FALSE);
  ShowWindow(parent, SW_SHOW);
  run_until_painted();
  EXPECT_EQ(painted, (std::vector<HWND>{parent, child}));
  EXPECT_EQ(on_screen(15, 15), kGreen);
}

TEST_F(Painting, RedrawWindowFlags) {
  HWND hwnd = popup();
  struct Case {
    UINT flags;
    bool invalid_after;
    std::vector<UINT> sent;  // during the call
  };
  const Case cases[] = {
      {RDW_INVALIDATE, true, {}},
      {RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW, true, {WM_ERASEBKGND}},
      {RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW, false, {WM_PAINT, WM_ERASEBKGND}},
      {RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME, false, {WM_PAINT}},
      {RDW_INTERNALPAINT | RDW_UPDATENOW, false, {WM_PAINT}},
      {RDW_VALIDATE, false, {}},
  };
  for (const Case& c : cases) {
    MessageLog::clear();
    paint_with(false, 1);
    RedrawWindow(hwnd, nullptr, nullptr, c.flags);
    EXPECT_EQ(MessageLog::messages_of(hwnd), c.sent) << c.flags;
    RECT update;
    EXPECT_EQ(GetUpdateRect(hwnd, &update, FALSE) != FALSE, c.invalid_after) << c.flags;
    ValidateRect(hwnd, nullptr);
  }
}

}  // namespace

namespace {

// Showing a window invalidates all of it, so it is erased with its class brush and painted
// without anyone asking; a resize does the same.
TEST_F(Painting, AWindowShownOrResizedIsErasedAndPaintedWhole) {
  HWND hwnd = popup();
  EXPECT_EQ(on_screen(39, 39), GetSysColor(COLOR_WINDOW));
  std::vector<UINT> seen = MessageLog::messages_of(hwnd);
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_ERASEBKGND), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_PAINT), seen.end());
  MessageLog::entries().clear();
  paint_with(true);
  SetWindowPos(hwnd, nullptr, 0, 0, 60, 50, SWP_NOMOVE | SWP_NOZORDER);
  run_until_painted();
  EXPECT_EQ(last.rcPaint.right, 60);
  EXPECT_EQ(last.rcPaint.bottom, 50);
  EXPECT_EQ(on_screen(59, 49), kRed);
}

// Whether any pixel of the screen rectangle has the colour.
bool shows_colour(const RECT& area, COLORREF colour) {
  HDC screen = GetDC(nullptr);
  bool seen = false;
  for (LONG y = area.top; y < area.bottom && !seen; ++y)
    for (LONG x = area.left; x < area.right && !seen; ++x)
      seen = GetPixel(screen, x, y) == colour;
  ReleaseDC(nullptr, screen);
  return seen;
}

TEST_F(Painting, TopLevelWindowsShowTheirBorderAndACaptionWithTheTitle) {
  HWND hwnd = create_logged_window(L"Brushed", L"Frame title", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0,
                                   {100, 50, 400, 250});
  run_until_painted();
  WINDOWINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetWindowInfo(hwnd, &info));
  const LONG border = static_cast<LONG>(info.cxWindowBorders);
  const RECT title_area{100 + border, 50 + border, 180, info.rcClient.top};
  EXPECT_EQ(on_screen(100, 50), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(on_screen(100 + 1, 150), GetSysColor(COLOR_ACTIVEBORDER));
  EXPECT_EQ(on_screen(250, 50 + border + 1), GetSysColor(COLOR_ACTIVECAPTION));
  EXPECT_TRUE(shows_colour(title_area, GetSysColor(COLOR_CAPTIONTEXT))) << "the title";
  EXPECT_EQ(on_screen(200, 150), GetSysColor(COLOR_WINDOW)) << "the client area is the window's own";

  SetWindowTextW(hwnd, L"");
  run_until_painted();
  EXPECT_FALSE(shows_colour(title_area, GetSysColor(COLOR_CAPTIONTEXT)))
      << "a new title repaints the caption";

  HWND other =
      create_logged_window(L"Brushed", L"Other", WS_POPUP | WS_VISIBLE, nullptr, 0, {500, 50, 540, 90});
  run_until_painted();
  EXPECT_EQ(on_screen(250, 50 + border + 1), GetSysColor(COLOR_INACTIVECAPTION))
      << "another window is active";
  EXPECT_EQ(on_screen(500, 50), GetSysColor(COLOR_WINDOW)) << "a popup has no frame";
  DestroyWindow(other);
  DestroyWindow(hwnd);
}

}  // namespace
