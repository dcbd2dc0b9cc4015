#include "tests/platform/gdi_fixture.h"
#include "tests/platform/mouse_fixture.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 50, 255);
constexpr COLORREF kRed = RGB(200, 100, 0);

class LayeredTest : public MouseTest {
 protected:
  static HWND window(RECT rect, COLORREF colour, DWORD ex_style = 0) {
    HWND hwnd = create_logged_window(L"Pointer", L"", WS_POPUP | WS_VISIBLE, nullptr, 0, rect, ex_style);
    fill(hwnd, {0, 0, rect.right - rect.left, rect.bottom - rect.top}, colour);
    return hwnd;
  }
  static void fill(HWND hwnd, RECT rect, COLORREF colour) {
    HDC dc = GetDC(hwnd);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    ReleaseDC(hwnd, dc);
  }
  // The screen at (x, y) as a capture through a "DISPLAY" context reads it.
  static COLORREF captured(int x, int y) {
    MemoryBitmap frame = MemoryBitmap::colour(1, 1);
    HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    EXPECT_TRUE(BitBlt(frame.dc(), 0, 0, 1, 1, display, x, y, SRCCOPY));
    DeleteDC(display);
    return frame.stored()[0];
  }
};

TEST_F(LayeredTest, AWhiteColourKeyIsSeeThroughAndTheRestOpaque) {
  window({0, 0, 100, 100}, kBlue);
  HWND overlay = window({20, 20, 80, 80}, kRed, WS_EX_LAYERED | WS_EX_TRANSPARENT);
  fill(overlay, {10, 10, 20, 20}, kWhite);
  fill(overlay, {30, 30, 31, 31}, RGB(255, 255, 254));
  EXPECT_EQ(captured(35, 35), kBlue) << "a layered window shows nothing until its layering is set";
  // The alpha passed along with LWA_COLORKEY alone has no effect.
  ASSERT_TRUE(SetLayeredWindowAttributes(overlay, kWhite, 20, LWA_COLORKEY));
  EXPECT_EQ(captured(30, 30), kBlue);
  EXPECT_EQ(captured(39, 39), kBlue);
  EXPECT_EQ(captured(40, 40), kRed);
  EXPECT_EQ(captured(20, 20), kRed);
  EXPECT_EQ(captured(50, 50), RGB(255, 255, 254)) << "only the exact key is see-through";
  EXPECT_EQ(captured(90, 90), kBlue);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(overlay, &key, &alpha, &flags));
  EXPECT_EQ(key, kWhite);
  EXPECT_EQ(alpha, 20);
  EXPECT_EQ(flags, LWA_COLORKEY);
}

TEST_F(LayeredTest, ConstantAlphaBlendsRoundedToNearest) {
  struct Case {
    BYTE alpha;
    DWORD flags;
    COLORREF blended;  // at a red pixel
    COLORREF keyed;    // at a white pixel
  };
  constexpr Case kCases[] = {
      {128, LWA_ALPHA, RGB(100, 75, 127), RGB(128, 153, 255)},
      {64, LWA_ALPHA, RGB(50, 63, 191), RGB(64, 101, 255)},
      {0, LWA_ALPHA, kBlue, kBlue},
      {255, LWA_ALPHA, kRed, kWhite},
      {128, LWA_ALPHA | LWA_COLORKEY, RGB(100, 75, 127), kBlue},
      {0, LWA_COLORKEY, kRed, kBlue},
  };
  window({0, 0, 100, 100}, kBlue);
  HWND overlay = window({0, 0, 50, 50}, kRed, WS_EX_LAYERED);
  fill(overlay, {0, 0, 10, 10}, kWhite);
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "alpha " << int{c.alpha} << " flags " << c.flags);
    ASSERT_TRUE(SetLayeredWindowAttributes(overlay, kWhite, c.alpha, c.flags));
    EXPECT_EQ(captured(20, 20), c.blended);
    EXPECT_EQ(captured(5, 5), c.keyed);
    EXPECT_EQ(captured(60, 60), kBlue);
  }
}

TEST_F(LayeredTest, LayeredAttributesNeedALayeredWindow) {
  HWND plain = window({0, 0, 50, 50}, kRed);
  HWND layered = window({0, 0, 50, 50}, kRed, WS_EX_LAYERED);
  HWND gone = window({0, 0, 50, 50}, kRed, WS_EX_LAYERED);
  DestroyWindow(gone);
  struct Case {
    HWND hwnd;
    DWORD flags;
    DWORD error;
  };
  const Case cases[] = {
      {plain, LWA_ALPHA, ERROR_INVALID_PARAMETER},
      {gone, LWA_ALPHA, ERROR_INVALID_WINDOW_HANDLE},
      {layered, 0x10, ERROR_INVALID_PARAMETER},
  };
  for (const Case& c : cases) {
    SetLastError(0);
    EXPECT_FALSE(SetLayeredWindowAttributes(c.hwnd, 0, 128, c.flags));
    EXPECT_EQ(GetLastError(), c.error);
  }
  BYTE alpha = 0;
  SetLastError(0);
  EXPECT_FALSE(GetLayeredWindowAttributes(plain, nullptr, &alpha, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  SetLastError(0);
  EXPECT_FALSE(GetLayeredWindowAttributes(layered, nullptr, &alpha, nullptr)) << "nothing set yet";
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, 0};
  EXPECT_FALSE(UpdateLayeredWindow(plain, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, ULW_ALPHA));

  // Once set by attributes the window takes no picture until it is made layered afresh.
  ASSERT_TRUE(SetLayeredWindowAttributes(layered, 0, 128, LWA_ALPHA));
  EXPECT_FALSE(
      UpdateLayeredWindow(layered, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, ULW_ALPHA));
  SetWindowLongW(layered, GWL_EXSTYLE, 0);
  SetWindowLongW(layered, GWL_EXSTYLE, WS_EX_LAYERED);
  EXPECT_FALSE(GetLayeredWindowAttributes(layered, nullptr, &alpha, nullptr));
  EXPECT_TRUE(
      UpdateLayeredWindow(layered, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, ULW_ALPHA));
}

TEST_F(LayeredTest, APictureWithPerPixelAlphaBlendsPremultiplied) {
  window({0, 0, 200, 200}, RGB(0, 0, 200));
  HWND overlay = window({0, 0, 10, 10}, kRed, WS_EX_LAYERED);
  MemoryBitmap picture = MemoryBitmap::colour(8, 4, 0xFF00FF00u);
  picture.at(1, 0) = 0x80400000u;  // red 128 at half coverage
  picture.at(2, 0) = 0;            // clear
  picture.at(3, 0) = 0xFFFFFFFFu;  // white, opaque: the key below ignores the alpha byte
  POINT position{50, 60};
  SIZE size{4, 1};
  POINT from{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ASSERT_TRUE(
      UpdateLayeredWindow(overlay, nullptr, &position, &size, picture.dc(), &from, 0, &blend, ULW_ALPHA));
  RECT rect{};
  GetWindowRect(overlay, &rect);
  EXPECT_EQ(rect.left, 50);
  EXPECT_EQ(rect.top, 60);
  EXPECT_EQ(rect.right, 54);
  EXPECT_EQ(rect.bottom, 61);
  EXPECT_EQ(captured(50, 60), RGB(0, 255, 0));
  EXPECT_EQ(captured(51, 60), RGB(64, 0, 100));
  EXPECT_EQ(captured(52, 60), RGB(0, 0, 200));
  EXPECT_EQ(captured(53, 60), kWhite);

  blend.SourceConstantAlpha = 128;
  ASSERT_TRUE(
      UpdateLayeredWindow(overlay, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, ULW_ALPHA));
  EXPECT_EQ(captured(50, 60), RGB(0, 128, 100)) << "the picture stays, the alpha changes";
  ASSERT_TRUE(UpdateLayeredWindow(overlay, nullptr, nullptr, nullptr, nullptr, nullptr, kWhite, nullptr,
                                  ULW_COLORKEY));
  EXPECT_EQ(captured(53, 60), RGB(0, 0, 200));
  EXPECT_EQ(captured(50, 60), RGB(0, 255, 0));
  ASSERT_TRUE(
      UpdateLayeredWindow(overlay, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, ULW_OPAQUE));
  EXPECT_EQ(captured(52, 60), RGB(0, 0, 0)) << "opaque: the clear pixel is black";

  SIZE too_big{9, 1};
  SetLastError(0);
  EXPECT_FALSE(
      UpdateLayeredWindow(overlay, nullptr, nullptr, &too_big, picture.dc(), &from, 0, &blend, ULW_ALPHA));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << "the picture must cover the window";
  GetWindowRect(overlay, &rect);
  EXPECT_EQ(rect.right, 54) << "a refused picture leaves the window as it was";
}

TEST_F(LayeredTest, FadesOnAWorkerThreadShowInSuccessiveCaptures) {
  struct Fade {
    int from;
    int step;
    int samples;
    std::vector<int> first;  // what the captures see at the start, white over black
    std::vector<int> last;   // and at the end
  };
  const Fade fades[] = {
      {0, 15, 19, {0, 15, 30, 45}, {225, 240, 255, 0}},
      {255, -7, 38, {255, 248, 241, 234}, {17, 10, 3, 0}},
  };
  for (const Fade& fade : fades) {
    SCOPED_TRACE(testing::Message() << "step " << fade.step);
    HWND overlay = window({0, 0, 40, 40}, kWhite, WS_EX_LAYERED | WS_EX_TRANSPARENT);
    machine.start_thread(desktop::current_thread()->process(), [overlay, fade] {
      for (int alpha = fade.from; alpha >= 0 && alpha <= 255; alpha += fade.step) {
        SetLayeredWindowAttributes(overlay, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
        Sleep(40);
      }
      ShowWindow(overlay, SW_HIDE);
      return DWORD{0};
    });
    // Captures halfway between the steps.
    machine.advance(20);
    std::vector<int> seen;
    for (int sample = 0; sample < fade.samples; ++sample) {
      seen.push_back(GetRValue(captured(10, 10)));
      machine.advance(40);
    }
    EXPECT_EQ(std::vector<int>(seen.begin(), seen.begin() + 4), fade.first);
    EXPECT_EQ(std::vector<int>(seen.end() - 4, seen.end()), fade.last);
    for (std::size_t i = 1; i + 1 < seen.size(); ++i)
      EXPECT_EQ(seen[i] - seen[i - 1], fade.step) << "sample " << i;
    EXPECT_FALSE(IsWindowVisible(overlay));
    DestroyWindow(overlay);
  }
}

TEST_F(LayeredTest, ClicksPassThroughALayeredClickThroughWindow) {
  struct Case {
    DWORD ex_style;
    bool passes;
  };
  constexpr Case kCases[] = {
      {WS_EX_LAYERED | WS_EX_TRANSPARENT, true},
      {WS_EX_LAYERED, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "ex_style " << c.ex_style);
    HWND below = window({0, 0, 200, 200}, kBlue);
    HWND overlay = window({50, 50, 150, 150}, kWhite, c.ex_style);
    ASSERT_TRUE(SetLayeredWindowAttributes(overlay, 0, 128, LWA_ALPHA));
    move({300, 300});
    drain();
    click({100, 100});
    const std::vector<Retrieved> seen = drain();
    const std::vector<UINT> clicks{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP};
    EXPECT_EQ(ids(pointer_messages(seen, below)), c.passes ? clicks : std::vector<UINT>{});
    EXPECT_EQ(ids(pointer_messages(seen, overlay)), c.passes ? std::vector<UINT>{} : clicks);
    DestroyWindow(overlay);
    DestroyWindow(below);
  }
}

desktop::DesktopConfig left_and_right() {
  desktop::DesktopConfig config;
  config.monitors = {desktop::MonitorConfig{{0, 0, 1920, 1080}}, desktop::MonitorConfig{{-1280, 0, 0, 1024}}};
  return config;
}

class TwoMonitorLayeredTest : public ::testing::Test {
 protected:
  TwoMonitorLayeredTest() : machine(left_and_right()) {
    machine.attach(L"harness.exe");
    MessageLog::register_class(L"Placed");
  }
  ~TwoMonitorLayeredTest() override { machine.detach(); }

  desktop::Desktop machine;
};

TEST_F(TwoMonitorLayeredTest, BothMonitorsComposeIntoOneVirtualScreen) {
  HWND below = create_logged_window(L"Placed", L"", WS_POPUP | WS_VISIBLE, nullptr, 0, {-1300, 0, -100, 50});
  HWND overlay = create_logged_window(L"Placed", L"", WS_POPUP | WS_VISIBLE, nullptr, 0, {-200, 0, 200, 50},
                                      WS_EX_LAYERED | WS_EX_TRANSPARENT);
  for (HWND hwnd : {below, overlay}) {
    HDC dc = GetDC(hwnd);
    PatBlt(dc, 0, 0, 2000, 50, WHITENESS);
    ReleaseDC(hwnd, dc);
  }
  ASSERT_TRUE(SetLayeredWindowAttributes(overlay, 0, 128, LWA_ALPHA));
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  MemoryBitmap frame = MemoryBitmap::colour(width, 1);
  HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  ASSERT_TRUE(BitBlt(frame.dc(), 0, 0, width, 1, display, GetSystemMetrics(SM_XVIRTUALSCREEN), 10, SRCCOPY));
  DeleteDC(display);
  const std::vector<COLORREF> row = frame.stored();
  ASSERT_EQ(row.size(), 3200u);
  EXPECT_EQ(row[0], kWhite) << "the left monitor's edge";
  EXPECT_EQ(row[1280 - 150], kWhite) << "both windows over each other";
  EXPECT_EQ(row[1280 - 50], RGB(128, 128, 128)) << "the overlay alone, left of the primary";
  EXPECT_EQ(row[1280 + 50], RGB(128, 128, 128)) << "the overlay alone, on the primary";
  EXPECT_EQ(row[1280 + 200], RGB(0, 0, 0));
}

}  // namespace
